#include "store/SafeSave.h"

#include "store/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <optional>

namespace SafeSave {
namespace {

bool readOnlyRun = false;

// `reason` as Qt gives it, or one of ours.
QString writeError(const QString &path, const QString &reason)
{
    return QStringLiteral("「%1」に書き込めませんでした（%2）。").arg(QFileInfo(path).fileName(), systemReason(reason));
}

// Writes all bytes, or as many as the injected fault lets through; false when not all arrived.
bool writeAll(QFileDevice &file, const QByteArray &bytes, const std::optional<Fault> &fault)
{
    qint64 limit = bytes.size();
    if (fault && fault->failAfterBytes >= 0 && fault->failAfterBytes < limit)
        limit = fault->failAfterBytes;
    qint64 done = 0;
    while (done < limit) {
        const qint64 n = file.write(bytes.constData() + done, limit - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return done == bytes.size();
}

void syncFolderEntries(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void syncFolderOf(const QString &path)
{
    // The rename is only durable once the folder entry itself is on disk.
    syncFolderEntries(QFileInfo(path).absolutePath());
}

StoreResult refusedWhileReadOnly(const QString &path)
{
    return StoreResult::failure(writeError(path, QStringLiteral("このポムリナは記録を見るだけで開いています")));
}

} // namespace

void setReadOnly(bool readOnly)
{
    readOnlyRun = readOnly;
}

bool readOnly()
{
    return readOnlyRun;
}

StoreResult replaceFile(const QString &path, const QByteArray &bytes)
{
    if (readOnlyRun)
        return refusedWhileReadOnly(path);
    const std::optional<Fault> fault = takeWriteFault();
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return StoreResult::failure(writeError(path, file.errorString()));
    if (!writeAll(file, bytes, fault) || !file.flush()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("書き込みが途中で止まりました");
        file.cancelWriting();
        return StoreResult::failure(writeError(path, reason));
    }
    if (fault && fault->failAtCommit) {
        file.cancelWriting();
        return StoreResult::failure(writeError(path, QStringLiteral("置き換えに失敗しました")));
    }
    // commit() syncs the temporary file to disk before renaming it over the original.
    if (!file.commit())
        return StoreResult::failure(writeError(path, file.errorString()));
    syncFolderOf(path);
    return StoreResult::success();
}

StoreResult appendToFile(const QString &path, const QByteArray &bytes)
{
    if (readOnlyRun)
        return refusedWhileReadOnly(path);
    const std::optional<Fault> fault = takeWriteFault();
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return StoreResult::failure(writeError(path, file.errorString()));
    const qint64 before = file.size();
    if (!writeAll(file, bytes, fault) || !file.flush() || ::fsync(file.handle()) != 0) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("書き込みが途中で止まりました");
        // Never leave half a line behind: cut the file back to where it ended.
        file.resize(before);
        ::fsync(file.handle());
        file.close();
        if (!existed && before == 0)
            QFile::remove(path);
        return StoreResult::failure(writeError(path, reason));
    }
    file.close();
    if (!existed)
        syncFolderOf(path);
    return StoreResult::success();
}

StoreResult moveIntoFolder(const QString &path, const QString &folder, QString *movedTo)
{
    if (readOnlyRun)
        return refusedWhileReadOnly(path);
    const QString name = QFileInfo(path).fileName();
    if (!QDir().mkpath(folder))
        return StoreResult::failure(QStringLiteral("フォルダー「%1」を作れません。").arg(folder));
    // QDir::rename never replaces an existing file; a name taken already gets a number.
    QString target = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1.%2").arg(name).arg(n));
    if (!QDir().rename(path, target))
        return StoreResult::failure(QStringLiteral("「%1」を「%2」に移せませんでした。").arg(name, folder));
    syncFolderEntries(folder);
    syncFolderOf(path);
    if (movedTo)
        *movedTo = target;
    return StoreResult::success();
}

} // namespace SafeSave
