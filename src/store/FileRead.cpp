#include "store/FileRead.h"

#include "store/FaultHook.h"
#include "store/SystemReason.h"

#include <QFile>
#include <QFileInfo>

namespace {

FileRead unreadable(const QString &path, const QString &reason)
{
    FileRead read;
    read.state = FileRead::State::Unreadable;
    read.error = QStringLiteral("「%1」を読み込めませんでした（%2）。").arg(QFileInfo(path).fileName(), reason);
    return read;
}

} // namespace

FileRead readWholeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileRead();
    // A folder cannot be read as a file, and a pipe or device would never end or not be ours.
    if (info.isDir())
        return unreadable(path, QStringLiteral("同じ名前のフォルダがあります"));
    if (!info.isFile())
        return unreadable(path, QStringLiteral("普通のファイルではありません"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, systemReason(file.errorString()));
    const qint64 size = file.size();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable(path, systemReason(file.errorString()));
    if (const std::optional<SafeSave::ReadFault> fault = SafeSave::takeReadFault(); fault && fault->stopAfterBytes < bytes.size())
        bytes.truncate(fault->stopAfterBytes);
    // A device that fails part-way can end the read early without an error; the size tells.
    if (bytes.size() != size)
        return unreadable(path, QStringLiteral("%1バイトのうち%2バイトしか読めませんでした").arg(size).arg(bytes.size()));
    FileRead read;
    read.state = FileRead::State::Read;
    read.bytes = std::move(bytes);
    return read;
}
