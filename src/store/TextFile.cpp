#include "store/TextFile.h"

#include "store/Cp932.h"
#include "store/FileRead.h"
#include "store/MessageText.h"
#include "store/SafeSave.h"

#include <QFile>

std::optional<QString> readText(const DataFolder &folder, const QString &name)
{
    std::optional<QString> text;
    (void)readTextForChange(folder, name, &text);
    return text;
}

StoreResult readTextForChange(const DataFolder &folder, const QString &name, std::optional<QString> *text)
{
    const FileRead read = readWholeFile(folder.pathFor(name));
    text->reset();
    if (read.state == FileRead::State::Read)
        *text = decodeCp932(read.bytes);
    return read.result();
}

StoreResult encodeText(const QString &text, QByteArray *out)
{
    QString bad;
    if (!encodeCp932(text, out, &bad))
        return StoreResult::failure(QStringLiteral("%1は保存できない文字です。").arg(characterName(bad)));
    return StoreResult::success();
}

StoreResult replaceText(const DataFolder &folder, const QString &name, const QString &text)
{
    QByteArray bytes;
    if (StoreResult r = encodeText(text, &bytes); !r)
        return r;
    return SafeSave::replaceFile(folder.pathFor(name), bytes);
}

StoreResult appendText(const DataFolder &folder, const QString &name, const QString &text)
{
    QByteArray bytes;
    if (StoreResult r = encodeText(text, &bytes); !r)
        return r;
    const QString path = folder.pathFor(name);
    QFile file(path);
    // A last line without its line end would otherwise run into the appended one; after a CR cut
    // off from its LF only the LF is missing, and a whole CR LF would leave a stray CR behind.
    if (file.open(QIODevice::ReadOnly) && file.size() > 0) {
        file.seek(file.size() - 1);
        const QByteArray last = file.read(1);
        if (last == "\r")
            bytes.prepend('\n');
        else if (last != "\n")
            bytes.prepend("\r\n");
    }
    file.close();
    return SafeSave::appendToFile(path, bytes);
}
