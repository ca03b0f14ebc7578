#pragma once

#include "store/FileIdentity.h"
#include "store/FileRead.h"

#include <optional>

// A hash of a file's bytes, for telling whether two readings are the same.
size_t hashOf(const QByteArray &bytes);

// One file as the program last read it, so that a look at the file system (a stat, not a read)
// tells whether it has to be read again. Times are coarse on some file systems (a second; two on
// a FAT stick), so a change made within the same tick as the reading may leave the size and
// every time as they were: while the file's times lie that close to the reading, the file is
// read and its bytes compared instead. A file that could not be read is tried again every time.
class FileSnapshot
{
public:
    // Reads the file and remembers it.
    FileRead read(const QString &path);
    // Remembers the file by its identity alone, for one that another reader reads: the first
    // look that cannot tell by the identity then counts it as changed.
    void note(const QString &path);
    // The file read again when it may differ from the last reading and does; nothing when it is
    // the same file with the same bytes (or still missing).
    std::optional<FileRead> readIfChanged(const QString &path);
    // Whether the last reading needs bytes to be compared, its times being too close to it.
    bool uncertain() const;
    // hashOf() the bytes of the last reading.
    size_t hash() const { return m_hash; }

private:
    void remember(const FileIdentity &before, const FileRead &read, size_t hash);

    bool m_known = false;
    FileIdentity m_identity;
    qint64 m_readAtNs = 0;
    FileRead::State m_state = FileRead::State::Missing;
    QString m_error;
    size_t m_hash = 0;
    bool m_hashKnown = false;
};
