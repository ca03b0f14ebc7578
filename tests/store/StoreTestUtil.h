#pragma once

// Helpers shared by the store's tests: raw file bytes in and out, and an encoding of expected
// texts that does not go through the store's own code.

#include "store/DataFolder.h"
#include "store/Measurement.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <QTest>

namespace StoreTest {

// Windows-31J bytes of a text, straight from the converter. Only for texts the code page holds.
inline QByteArray cp932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("test text cannot be encoded");
    return bytes;
}

// The bytes of the given lines, each in Windows-31J and ended by CR LF.
inline QByteArray cp932Lines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += cp932(line) + QByteArrayLiteral("\r\n");
    return bytes;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing>");
    return file.readAll();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every entry of a folder, hidden ones included: a left-over temporary file shows here.
inline QStringList folderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every file of a folder with its bytes: what a failed operation must leave unchanged.
inline QMap<QString, QByteArray> snapshot(const QString &path)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : folderEntries(path))
        files[name] = readFile(QDir(path).filePath(name));
    return files;
}

inline Measurement record(const QString &date, const QString &situation, float weight, float bodyFat,
                          const QString &comment = QString())
{
    Measurement m;
    m.date = date;
    m.situation = situation;
    m.weight = weight;
    m.comment = comment;
    m.bodyFat = bodyFat;
    return m;
}

} // namespace StoreTest
