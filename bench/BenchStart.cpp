#include "BenchStart.h"

#include "BenchData.h"

OffscreenUnlessSet::OffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString benchDataFolder(const QTemporaryDir &dir, int lines)
{
    check(dir.isValid(), "no temporary folder");
    if (lines > 0)
        writeBenchDataFiles(dir.path(), lines);
    return dir.path();
}
