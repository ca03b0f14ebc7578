#include "store/FolderLock.h"

#include <QDir>

FolderLock::FolderLock(const DataFolder &folder)
    : m_lock(QDir(folder.path()).filePath(fileName()))
{
    // A lock is stale only when its process is gone, never because it is old: the window may
    // stay open for days.
    m_lock.setStaleLockTime(0);
}

QString FolderLock::fileName()
{
    return QStringLiteral(".pmlina.lock");
}

bool FolderLock::tryLock()
{
    return m_lock.tryLock(0);
}

qint64 FolderLock::holderPid() const
{
    qint64 pid = 0;
    QString hostname;
    QString appname;
    return m_lock.getLockInfo(&pid, &hostname, &appname) ? pid : 0;
}
