// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a full data file (32,767 lines) to CSV and importing that CSV into an empty
// partner, each against the store's full rewrite of the same records, which reads, checks,
// encodes and safely replaces a file of the same size.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read");
    return file.readAll();
}

void writeEmpty(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot empty");
}

} // namespace

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    const QString csv = folder.pathFor(QStringLiteral("out.csv"));
    const QString work = QStringLiteral("作業.txt");

    const QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    check(records.size() == kMaxDataLines, "bench data");

    const auto exportCsv = [&] {
        const CsvExportResult out = exportMeasurementsCsv(folder, FileName::data1, csv);
        check(out.result && out.written == kMaxDataLines, "export");
    };
    // The import reads the exported file.
    exportCsv();
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("rewrite"), [&] { check(bool(RewriteDataFile(folder, work, records)), "rewrite"); }},
        {QStringLiteral("csv_export"), exportCsv},
        {QStringLiteral("csv_import"),
         [&] {
             const CsvImportPlan plan = planCsvImport(folder, FileName::data2, readCsvMeasurements(readAll(csv)), QDate::currentDate());
             check(plan.error.isEmpty() && plan.added.size() == kMaxDataLines && plan.problems.isEmpty(), "import plan");
             check(bool(mergeMeasurements(folder, FileName::data2, plan.added)), "import merge");
         },
         [&] { writeEmpty(folder.pathFor(FileName::data2)); }},
    }, BenchClock::Wall);
    // The round trip gives the same records back.
    check(ReadMeasurements(folder, FileName::data2).records == records, "round trip");

    printRatio(QStringLiteral("csv_export/rewrite"), times[1], times[0]);
    printRatio(QStringLiteral("csv_import/rewrite"), times[2], times[0]);
    return 0;
}
