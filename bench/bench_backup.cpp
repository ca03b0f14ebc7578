// SPDX-License-Identifier: GPL-3.0-or-later
// What the daily backup adds to a start: the day's first start copies a full data folder (two
// data files at the line limit and the small files), every later start only looks for the day's
// folder. Compared with reading and writing the same bytes once, synced.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/Backup.h"
#include "store/SettingsFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

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

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    check(bool(CreateMissingSettingsFiles(folder)), "settings files");
    const QString root = BackupRoot(folder);
    QTemporaryDir bare;
    check(bare.isValid(), "no temporary folder");

    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("bare_copy_synced"), [&] { bareCopy(start.path(), bare.path()); },
         [&] { QDir(bare.path()).removeRecursively(); }},
        {QStringLiteral("backup_first_start_of_day"), [&] { check(bool(MakeDailyBackup(folder, kToday)), "first backup of the day"); },
         [&] { QDir(root).removeRecursively(); }},
    }, BenchClock::Wall);
    bench({QStringLiteral("backup_later_start"), [&] { check(bool(MakeDailyBackup(folder, kToday)), "later start"); }}, BenchClock::Wall);
    printRatio(QStringLiteral("backup_first_start_of_day/bare_copy_synced"), times[1], times[0]);
    return 0;
}
