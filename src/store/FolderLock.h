#pragma once

#include "store/DataFolder.h"

#include <QLockFile>

// Held while a program works on a data folder. Two windows on the same files would each write
// from their own view of them (a partner's new measurement would not be on the other's screen,
// an edit from one would be written over by the other), so a second start is refused. A lock
// left behind by a run that crashed is taken over.
class FolderLock
{
public:
    explicit FolderLock(const DataFolder &folder);

    bool tryLock();
    // The process that holds the lock, when it is known (for the message of a second start).
    qint64 holderPid() const;

    static QString fileName();

private:
    QLockFile m_lock;
};
