// What the daily backup adds to a start: the day's first start copies a full data folder (two
// data files at the line limit and the small files), every later start only looks for the day's
// folder. Compared with reading and writing the same bytes once, synced.

#include "BenchData.h"

#include "store/Backup.h"
#include "store/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRuns = 15;
const QDate kToday(2024, 6, 11);

// Every file of the folder read and written once into `target`, each synced.
void bareCopy(const QString &source, const QString &target)
{
    QDir().mkpath(target);
    for (const QString &name : QDir(source).entryList(QDir::Files)) {
        QFile in(QDir(source).filePath(name));
        QFile out(QDir(target).filePath(name));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail("bare copy");
        const QByteArray bytes = in.readAll();
        if (out.write(bytes) != bytes.size() || !out.flush() || ::fsync(out.handle()) != 0)
            fail("bare copy");
    }
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(dir.path(), 32767);
    const DataFolder folder(dir.path());
    if (!CreateMissingSettingsFiles(folder))
        fail("settings files");
    const QString root = BackupRoot(folder);
    QTemporaryDir bare;

    const double bareMs = medianMs(kRuns, [&] { QDir(bare.path()).removeRecursively(); }, [&] { bareCopy(dir.path(), bare.path()); });
    const double firstMs = medianMs(kRuns, [&] { QDir(root).removeRecursively(); }, [&] {
        if (!MakeDailyBackup(folder, kToday))
            fail("first backup of the day");
    });
    const double laterMs = medianMs(kRuns, [&] {
        if (!MakeDailyBackup(folder, kToday))
            fail("later start");
    });

    printBench(QStringLiteral("backup_first_start_of_day"), firstMs);
    printBench(QStringLiteral("backup_later_start"), laterMs);
    printBench(QStringLiteral("bare_copy_synced"), bareMs);
    printRatio(QStringLiteral("backup_first_start_of_day/bare_copy_synced"), firstMs / bareMs);
    return 0;
}
