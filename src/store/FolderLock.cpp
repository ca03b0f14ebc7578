#include "store/FolderLock.h"

#include "store/FaultHook.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <optional>

namespace {

QString lockFailureReason(int error)
{
    switch (error) {
    case EROFS:
        return QStringLiteral("読み取り専用です");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクがいっぱいです");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込む権限がありません");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The folder of this user's own that holds the locks, made when missing; empty, with `problem`
// set, when none can be had.
QString lockFolder(QString *problem)
{
    // A runtime folder of another user (one that `sudo` passed on) would leave this user's lock
    // folder to that user.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat runtimeInfo {};
    const bool ownRuntime = QDir::isAbsolutePath(runtime) && ::stat(QFile::encodeName(runtime).constData(), &runtimeInfo) == 0
                            && S_ISDIR(runtimeInfo.st_mode) && runtimeInfo.st_uid == ::geteuid();
    const QString folder = ownRuntime
                               ? QDir(runtime).filePath(QStringLiteral("pmlina"))
                               : QDir(QDir::tempPath()).filePath(QStringLiteral("pmlina-%1").arg(::geteuid()));
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        const int error = errno;
        *problem = QStringLiteral("ロックファイルのフォルダー「%1」を作れませんでした（%2）。").arg(folder, lockFailureReason(error));
        return QString();
    }
    // In the shared temporary folder another user could have made it first, or put a link there;
    // one of this user's own that others may enter is closed to them.
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()
        || ((st.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)) {
        *problem = QStringLiteral("ロックファイルのフォルダー「%1」が、この利用者だけのフォルダーではありません。").arg(folder);
        return QString();
    }
    return folder;
}

qint64 pidIn(int fd)
{
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0)
        return 0;
    bool ok = false;
    const qint64 pid = QByteArray(text, n).split('\n').value(0).trimmed().toLongLong(&ok);
    return ok && pid > 0 && pid <= INT_MAX ? pid : 0;
}

bool processRunning(qint64 pid)
{
    return pid > 0 && pid <= INT_MAX && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

FolderLock::FolderLock(const DataFolder &folder)
    : m_folder(folder.path())
{
    const QString folderPath = lockFolder(&m_pathProblem);
    if (folderPath.isEmpty())
        return;
    // One name for every spelling of the same folder (a link to it, a path with "..").
    const QString canonical = QFileInfo(m_folder).canonicalFilePath();
    const QByteArray key = QFile::encodeName(canonical.isEmpty() ? m_folder : canonical);
    m_path = QDir(folderPath).filePath(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32)) + QStringLiteral(".lock"));
}

FolderLock::~FolderLock()
{
    if (m_fd < 0)
        return;
    // Removed while still held: a program that opens the name afterwards gets a new file, and one
    // that opened the old file before sees that it was removed and opens the name again.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

QString FolderLock::legacyFileName()
{
    return QStringLiteral(".pmlina.lock");
}

FolderLock::Outcome FolderLock::unavailable(const QString &problem)
{
    m_problem = problem;
    return Outcome::Unavailable;
}

FolderLock::Outcome FolderLock::tryLock()
{
    if (m_fd >= 0)
        return Outcome::Held;
    m_holderPid = 0;
    m_problem.clear();
    const std::optional<SafeSave::LockFault> fault = SafeSave::takeLockFault();

    // A folder that cannot be written would refuse every save; the run then only reads it.
    const int folderError = fault && fault->folderError ? fault->folderError
                            : ::access(QFile::encodeName(m_folder).constData(), W_OK) == 0 ? 0
                                                                                           : errno;
    if (folderError == EROFS || folderError == EACCES || folderError == EPERM)
        return unavailable(QStringLiteral("データフォルダー「%1」に書き込めません（%2）。").arg(m_folder, lockFailureReason(folderError)));
    if (m_path.isEmpty())
        return unavailable(m_pathProblem);

    const QByteArray name = QFile::encodeName(m_path);
    const auto cannotMake = [&](int error) {
        return unavailable(QStringLiteral("ほかのポムリナがこのデータフォルダーを使っていないことを確かめるロックファイル「%1」を"
                                          "作れませんでした（%2）。")
                               .arg(m_path, lockFailureReason(error)));
    };
    for (int attempt = 0; attempt < 10; ++attempt) {
        int fd = -1;
        if (fault && fault->lockFileError)
            errno = fault->lockFileError;
        else
            fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return cannotMake(errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                // The holder writes its id just after it took the lock.
                for (int wait = 0; wait < 5 && (m_holderPid = pidIn(fd)) == 0; ++wait)
                    ::usleep(20000);
                ::close(fd);
                return Outcome::HeldByOther;
            }
            ::close(fd);
            return cannotMake(error);
        }
        // A holder that let go just now removed the file after it was opened here: a lock on the
        // removed file keeps no one out, so the name is opened again.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_fd = fd;
            // What a second start names. The lock holds whether or not this can be written (on a
            // full disk it may not); a second start then names no process.
            const QByteArray content = QByteArray::number(::getpid()) + '\n' + QSysInfo::machineHostName().toUtf8() + '\n'
                                       + QFile::encodeName(m_folder) + '\n';
            if (::ftruncate(fd, 0) == 0) {
                [[maybe_unused]] const ssize_t written = ::pwrite(fd, content.constData(), size_t(content.size()), 0);
            }
            removeLegacyLock();
            return Outcome::Held;
        }
        ::close(fd);
    }
    return cannotMake(EAGAIN);
}

void FolderLock::removeLegacyLock() const
{
    const QString path = QDir(m_folder).filePath(legacyFileName());
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return;
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(1024) : QByteArray();
    // Its form: process id, program name and host name, a line each.
    const QList<QByteArray> lines = head.split('\n');
    const QString host = QString::fromUtf8(lines.value(2).trimmed());
    const bool thisComputer = host.isEmpty() || host == QSysInfo::machineHostName();
    // Another computer's file is that computer's to remove (the sync tool carries the removal
    // over); an earlier version still running here keeps its own.
    if (!thisComputer || processRunning(lines.value(0).trimmed().toLongLong()))
        return;
    QFile::remove(path);
}
