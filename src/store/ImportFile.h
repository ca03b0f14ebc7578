#pragma once

#include "store/FileRead.h"

#include <QByteArray>
#include <QString>

// Reading a file that comes from elsewhere (another tracker's export, a file a user picked):
// untrusted, so only what could be an importable file is read. Only a regular file is opened
// (a symbolic link counts for what it points to): a FIFO would block, a device such as /dev/zero
// would never end. It is opened without blocking, read whole only when it is at most `maxBytes`
// long, and checked the way the store's own reads are: a read that ends short of the file's
// size, or a file that grows while it is read, is unreadable, never taken in part. Memory is
// the file's size.
//
// Never Missing: a file that is not there is unreadable too, with its reason. The message names
// the file by its name alone ("「scale.csv」を読み込めませんでした（…）。").
FileRead readImportFile(const QString &path, qint64 maxBytes);

// The same file opened the same way (its type looked at before it is opened and again once it
// is), for a reader that goes through a file too large to hold: an Apple Health export reaches
// gigabytes. Reads are checked: one that fails or ends before the size the file had when it was
// opened makes an error naming the file, never a shorter file.
class ImportFileHandle
{
public:
    explicit ImportFileHandle(const QString &path);
    ~ImportFileHandle();
    ImportFileHandle(const ImportFileHandle &) = delete;
    ImportFileHandle &operator=(const ImportFileHandle &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Why the file could not be opened or read ("「export.zip」を読み込めませんでした（…）。").
    const QString &error() const { return m_error; }
    int descriptor() const { return m_fd; }
    qint64 size() const { return m_size; }
    const QString &path() const { return m_path; }

    // Up to `length` bytes from `offset` (fewer only at the end of the file); an empty result with
    // error() set when the read failed.
    QByteArray readAt(qint64 offset, qint64 length);
    // The whole file when it is at most `maxBytes` long, as readImportFile reads it.
    FileRead readWhole(qint64 maxBytes);
    // Makes error() the message for a failure while reading with the given reason.
    void fail(const QString &reason);

private:
    qint64 readFully(char *into, qint64 length, qint64 offset, QString *reason) const;

    QString m_path;
    QString m_error;
    int m_fd = -1;
    qint64 m_size = 0;
};

// The message that names a file that cannot be read, and why.
QString importFileError(const QString &path, const QString &reason);
