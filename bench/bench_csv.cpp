// Exporting a full data file (32,767 lines) to CSV and importing that CSV into an empty
// partner, each against the store's full rewrite of the same records, which reads, checks,
// encodes and safely replaces a file of the same size.

#include "BenchData.h"

#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRuns = 15;

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

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(dir.path(), kMaxDataLines);
    const DataFolder folder(dir.path());
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    const QString work = QStringLiteral("作業.txt");

    const QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    if (records.size() != kMaxDataLines)
        fail("bench data");

    const double rewrite = medianMs(kRuns, [&] {
        if (!RewriteDataFile(folder, work, records))
            fail("rewrite");
    });

    const double exported = medianMs(kRuns, [&] {
        const CsvExportResult out = exportMeasurementsCsv(folder, FileName::data1, csv);
        if (!out.result || out.written != kMaxDataLines)
            fail("export");
    });

    const double imported = medianMs(kRuns, [&] { writeEmpty(folder.pathFor(FileName::data2)); }, [&] {
        const CsvImportPlan plan = planCsvImport(folder, FileName::data2, readCsvMeasurements(readAll(csv)));
        if (!plan.error.isEmpty() || plan.added.size() != kMaxDataLines || !plan.problems.isEmpty())
            fail("import plan");
        if (!mergeMeasurements(folder, FileName::data2, plan.added))
            fail("import merge");
    });
    // The round trip gives the same records back.
    if (ReadMeasurements(folder, FileName::data2).records != records)
        fail("round trip");

    printBench(QStringLiteral("rewrite"), rewrite);
    printBench(QStringLiteral("csv_export"), exported);
    printBench(QStringLiteral("csv_import"), imported);
    printRatio(QStringLiteral("csv_export/rewrite"), exported / rewrite);
    printRatio(QStringLiteral("csv_import/rewrite"), imported / rewrite);
    return 0;
}
