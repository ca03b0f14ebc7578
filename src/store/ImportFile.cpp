#include "store/ImportFile.h"

#include "store/FaultHook.h"
#include "store/MessageText.h"
#include "store/SystemReason.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("ファイルではなくフォルダです");
    return QStringLiteral("普通のファイルではありません");
}

} // namespace

QString importFileError(const QString &path, const QString &reason)
{
    return QStringLiteral("「%1」を読み込めませんでした（%2）。").arg(messageText(QFileInfo(path).fileName()), reason);
}

ImportFileHandle::ImportFileHandle(const QString &path) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    // The type first: opening a FIFO or a device may already block or do something.
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        fail(systemReason(errno));
        return;
    }
    if (!S_ISREG(before.st_mode)) {
        fail(kindReason(before.st_mode));
        return;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fail(systemReason(errno));
        return;
    }
    // What was opened, which another program may have put there since it was looked at.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        const int error = errno;
        ::close(fd);
        fail(systemReason(error));
        return;
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(fd);
        fail(kindReason(opened.st_mode));
        return;
    }
    m_fd = fd;
    m_size = opened.st_size;
}

ImportFileHandle::~ImportFileHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ImportFileHandle::fail(const QString &reason)
{
    m_error = importFileError(m_path, reason);
}

// Reads `length` bytes at `offset` into `into`, or as many as there are; -1 after a failure,
// whose reason goes into `reason`.
qint64 ImportFileHandle::readFully(char *into, qint64 length, qint64 offset, QString *reason) const
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(m_fd, into + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *reason = systemReason(errno);
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

QByteArray ImportFileHandle::readAt(qint64 offset, qint64 length)
{
    if (m_fd < 0 || offset >= m_size || length <= 0)
        return {};
    length = std::min(length, m_size - offset);
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    QString reason;
    const qint64 done = readFully(bytes.data(), length, offset, &reason);
    if (done < 0) {
        fail(reason);
        return {};
    }
    if (done != length) {
        fail(QStringLiteral("%1バイトのうち%2バイトしか読めませんでした").arg(m_size).arg(offset + done));
        return {};
    }
    return bytes;
}

FileRead ImportFileHandle::readWhole(qint64 maxBytes)
{
    FileRead read;
    read.state = FileRead::State::Unreadable;
    if (m_fd < 0) {
        read.error = m_error;
        return read;
    }
    const qint64 size = m_size;
    if (size > maxBytes) {
        read.error = importFileError(m_path, QStringLiteral("%1バイトあり、取り込めるファイルの大きさ（%2バイトまで）を超えています")
                                                 .arg(QLocale(QLocale::Japanese).toString(size), QLocale(QLocale::Japanese).toString(maxBytes)));
        return read;
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    QString reason;
    qint64 done = readFully(bytes.data(), size, 0, &reason);
    if (done < 0) {
        read.error = importFileError(m_path, reason);
        return read;
    }
    if (const std::optional<SafeSave::ReadFault> fault = SafeSave::takeReadFault(); fault && fault->stopAfterBytes < done)
        done = fault->stopAfterBytes;
    if (done != size) {
        read.error = importFileError(m_path, QStringLiteral("%1バイトのうち%2バイトしか読めませんでした").arg(size).arg(done));
        return read;
    }
    // More than the size said: the file grows while it is read, and what was read is no whole file.
    char more = 0;
    ssize_t extra = 0;
    do
        extra = ::pread(m_fd, &more, 1, off_t(size));
    while (extra < 0 && errno == EINTR);
    if (extra > 0) {
        read.error = importFileError(m_path, QStringLiteral("読み込んでいる間にファイルが書き換えられました"));
        return read;
    }
    read.state = FileRead::State::Read;
    read.bytes = std::move(bytes);
    return read;
}

FileRead readImportFile(const QString &path, qint64 maxBytes)
{
    ImportFileHandle file(path);
    return file.readWhole(maxBytes);
}
