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

FileRead refused(const QString &path, const QString &reason)
{
    FileRead read;
    read.state = FileRead::State::Unreadable;
    read.error = QStringLiteral("「%1」を読み込めませんでした（%2）。").arg(messageText(QFileInfo(path).fileName()), reason);
    return read;
}

QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("ファイルではなくフォルダです");
    return QStringLiteral("普通のファイルではありません");
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileRead readImportFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // The type first: opening a FIFO or a device may already block or do something.
    struct stat before {};
    if (::stat(name.constData(), &before) != 0)
        return refused(path, systemReason(errno));
    if (!S_ISREG(before.st_mode))
        return refused(path, kindReason(before.st_mode));
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return refused(path, systemReason(errno));
    // What was opened, which another program may have put there since it was looked at.
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0)
        return refused(path, systemReason(errno));
    if (!S_ISREG(opened.st_mode))
        return refused(path, kindReason(opened.st_mode));
    const qint64 size = opened.st_size;
    if (size > maxBytes) {
        return refused(path, QStringLiteral("%1バイトあり、取り込めるファイルの大きさ（%2バイトまで）を超えています")
                                 .arg(QLocale(QLocale::Japanese).toString(size), QLocale(QLocale::Japanese).toString(maxBytes)));
    }

    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refused(path, systemReason(errno));
        if (n == 0)
            break;
        done += n;
    }
    if (const std::optional<SafeSave::ReadFault> fault = SafeSave::takeReadFault(); fault && fault->stopAfterBytes < done)
        done = fault->stopAfterBytes;
    if (done != size)
        return refused(path, QStringLiteral("%1バイトのうち%2バイトしか読めませんでした").arg(size).arg(done));
    // More than the size said: the file grows while it is read, and what was read is no whole file.
    char more = 0;
    ssize_t extra = 0;
    do
        extra = ::read(fd.get(), &more, 1);
    while (extra < 0 && errno == EINTR);
    if (extra > 0)
        return refused(path, QStringLiteral("読み込んでいる間にファイルが書き換えられました"));
    FileRead read;
    read.state = FileRead::State::Read;
    read.bytes = std::move(bytes);
    return read;
}
