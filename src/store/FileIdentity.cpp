#include "store/FileIdentity.h"

#include <QFile>

#include <sys/stat.h>
#include <time.h>

namespace {
qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
} // namespace

FileIdentity identityOf(const QString &path)
{
    FileIdentity identity;
    identity.path = path;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return identity;
    identity.exists = true;
    identity.device = quint64(st.st_dev);
    identity.inode = quint64(st.st_ino);
    identity.size = qint64(st.st_size);
    identity.modifiedNs = nanoseconds(st.st_mtim);
    identity.changedNs = nanoseconds(st.st_ctim);
    return identity;
}

qint64 fileClockNowNs()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}
