#pragma once

// What every fuzz target shares: a scratch data folder on a memory file system (every store write
// syncs, and a disk would make each run slow), and a check that stops the run on a broken property.

#include "store/DataFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// A failed property is a finding: stop the way a sanitizer does, so that libFuzzer keeps the input.
inline void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// One empty folder for the process, emptied again for every input.
class Scratch
{
public:
    static Scratch &get()
    {
        static Scratch scratch;
        return scratch;
    }

    DataFolder folder() const { return DataFolder(m_dir.path()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Empties the folder and puts one file in it with the given bytes.
    void reset(const QString &name, const QByteArray &bytes)
    {
        reset();
        QFile file(path(name));
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the input can be written to the scratch folder");
    }
    void reset()
    {
        QDir dir(m_dir.path());
        for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            dir.remove(entry);
    }

    QByteArray bytes(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    Scratch() : m_dir(base() + QStringLiteral("/pmlina-fuzz-XXXXXX"))
    {
        require(m_dir.isValid(), "a scratch folder can be made");
    }
    static QString base()
    {
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    }

    QTemporaryDir m_dir;
};

} // namespace Fuzz
