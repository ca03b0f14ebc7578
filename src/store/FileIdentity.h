#pragma once

#include <QString>

// What the file system says of a file without reading it. Two equal identities are, as far as
// anyone can tell from outside, the same file with the same content; only a change within the
// granularity of its times may keep all of them (see FileSnapshot).
struct FileIdentity {
    QString path; // as resolved in its folder: another spelling appearing is another file
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    qint64 changedNs = 0;  // the inode's change time: a rename over the file changes it too

    bool operator==(const FileIdentity &) const = default;
};

FileIdentity identityOf(const QString &path);

// The real-time clock the file system stamps its times with, in nanoseconds since the epoch.
qint64 fileClockNowNs();
