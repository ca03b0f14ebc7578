// SPDX-License-Identifier: GPL-3.0-or-later
// The older layouts at their largest: converting a full three-field weight history and a full
// data file of the older program, compared with reading a full data file; and the check for
// older data that every start-up makes.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/LegacyConversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kData = QStringLiteral("データ1.TXT");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read a bench file");
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write a bench file");
}

// Each line of a data file cut to its first `fields` fields, or with its body fat emptied.
QByteArray olderLayout(const QByteArray &data, bool threeFields)
{
    QByteArray out;
    for (const QByteArray &line : data.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QList<QByteArray> fields = line.trimmed().split(',');
        if (fields.size() != 6)
            fail("unexpected bench line");
        if (threeFields)
            fields = fields.mid(0, 3);
        else
            fields[4] = "\"\"";
        out += fields.join(',') + "\r\n";
    }
    return out;
}

// The folder holds only what a conversion starts from.
void reset(const QString &folder, const QByteArray &data, const QByteArray &history)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files))
        dir.remove(name);
    writeAll(dir.filePath(FileName::data1), data);
    if (!history.isEmpty())
        writeAll(dir.filePath(LegacyFileName::weightHistory), history);
}

} // namespace

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv);
    QTemporaryDir work;
    check(work.isValid(), "no temporary folder");
    const QByteArray full = readAll(start.filePath(FileName::data1));
    const QByteArray history = olderLayout(full, true);
    const QByteArray older = olderLayout(full, false);
    const DataFolder folder(work.path());

    // The yardstick reads the full data file where the conversions leave none to be read.
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("read_full_data_file"),
         [&] { check(ReadMeasurements(start.folder(), kData).records.size() == kMaxDataLines, "short read"); }},
        {QStringLiteral("startup_check_for_older_data"),
         [&] { check(!hasWeightHistoryFile(start.folder()) && !holdsOlderData(start.folder(), kData), "older data where there is none"); }},
        {QStringLiteral("convert_full_weight_history"),
         [&] {
             LegacyConversionReport report;
             check(convertWeightHistoryFile(folder, kData, 21.5f, &report) && report.converted == kMaxDataLines,
                   "history conversion failed");
         },
         [&] { reset(work.path(), full, history); }},
        {QStringLiteral("convert_full_older_data"),
         [&] {
             LegacyConversionReport report;
             check(convertOlderDataFile(folder, kData, 21.5f, &report) && report.converted == kMaxDataLines,
                   "older data conversion failed");
         },
         [&] { reset(work.path(), older, QByteArray()); }},
    }, BenchClock::Wall);
    printRatio(QStringLiteral("convert_full_older_data/read_full_data_file"), times[3], times[0]);
    return 0;
}
