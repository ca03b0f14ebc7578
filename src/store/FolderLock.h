#pragma once

#include "store/DataFolder.h"

#include <QString>

// Held while a program works on a data folder. Two windows on the same files would each write
// from their own view of them (a partner's new measurement would not be on the other's screen,
// an edit from one would be written over by the other), so a second start on this computer is
// refused.
//
// The lock is not in the data folder: that folder may be kept in step with another computer by
// a sync tool (Syncthing, Nextcloud), which would carry the lock over and shut the other computer
// out. It is a file in the user's runtime folder ($XDG_RUNTIME_DIR/pmlina, or a folder of this
// user's own in the temporary folder where that is not set), named from the data folder's
// canonical path, and it is held by the kernel's file lock on it. The kernel lets go of that lock
// when the process ends however it ends, so a lock left by a crash, an empty or garbled file, or
// one that names another computer never shuts anyone out; the file's content (the holder's
// process id) only serves the message of a second start.
class FolderLock
{
public:
    enum class Outcome {
        Held,         // this program has the folder
        HeldByOther,  // another program on this computer has it (holderPid)
        Unavailable,  // the lock cannot be made, or the folder cannot be written (problem)
    };

    explicit FolderLock(const DataFolder &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    Outcome tryLock();
    // The process that holds the folder after HeldByOther; 0 when it did not say.
    qint64 holderPid() const { return m_holderPid; }
    // Why the folder cannot be had after Unavailable, in Japanese, naming the folder or file.
    const QString &problem() const { return m_problem; }

    // The lock file of this data folder.
    const QString &path() const { return m_path; }
    // The lock an earlier version kept in the data folder itself. It is ignored; once this
    // program holds the folder it is removed unless a live process of this computer wrote it.
    static QString legacyFileName();

private:
    Outcome unavailable(const QString &problem);
    void removeLegacyLock() const;

    QString m_folder;
    QString m_path;
    QString m_pathProblem; // set when no lock folder of this user's own can be had
    int m_fd = -1;
    qint64 m_holderPid = 0;
    QString m_problem;
};
