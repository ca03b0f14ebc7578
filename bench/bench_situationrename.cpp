// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming a situation in a full data file (about a sixth of its lines carry it) reads the file,
// looks at every line and writes it once; the store's whole-file rewrite of the same records is
// the yardstick.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/SituationRename.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    QFile source(folder.pathFor(FileName::data1));
    check(source.open(QIODevice::ReadOnly), "no data file");
    const QByteArray full = source.readAll();
    const QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    const QString work = QStringLiteral("作業.txt");
    const auto freshCopy = [&] {
        QFile file(folder.pathFor(work));
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(full) == full.size(), "copy");
    };

    int changed = 0;
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("rewrite"), [&] { check(bool(RewriteDataFile(folder, work, records)), "rewrite"); }, freshCopy},
        {QStringLiteral("rename_situation"),
         [&] {
             check(RenameSituationInData(folder, work, QStringLiteral("朝食後"), QStringLiteral("朝ごはんの後"), &changed) && changed > 0,
                   "rename");
         },
         freshCopy},
    }, BenchClock::Wall);
    std::printf("renamed %d of %d lines\n", changed, int(records.size()));
    printRatio(QStringLiteral("rename_situation/rewrite"), times[1], times[0]);
    return 0;
}
