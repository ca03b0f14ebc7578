#pragma once

#include "store/Cp932.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Writing and reading the data folder's files byte for byte in tests.
namespace TestFiles {

inline void write(const QString &folder, const QString &name, const QString &text)
{
    QByteArray bytes;
    encodeCp932(text, &bytes);
    QFile file(QDir(folder).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

inline QByteArray bytes(const QString &folder, const QString &name)
{
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString text(const QString &folder, const QString &name)
{
    return decodeCp932(bytes(folder, name));
}

// The lines of a file, without their CR LF ends.
inline QStringList lines(const QString &folder, const QString &name)
{
    QStringList result = text(folder, name).split(QStringLiteral("\r\n"));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

} // namespace TestFiles
