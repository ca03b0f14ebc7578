// The older layouts at their largest: converting a full three-field weight history and a full
// data file of the older program, compared with reading a full data file; and the check for
// older data that every start-up makes.

#include "BenchData.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/LegacyConversion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRuns = 11;
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

int main()
{
    QTemporaryDir source;
    QTemporaryDir work;
    if (!source.isValid() || !work.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(source.path(), kMaxDataLines);
    const QByteArray full = readAll(QDir(source.path()).filePath(FileName::data1));
    const QByteArray history = olderLayout(full, true);
    const QByteArray older = olderLayout(full, false);
    const DataFolder folder(work.path());

    reset(work.path(), full, QByteArray());
    const double read = medianMs(kRuns, [&] {
        if (ReadMeasurements(folder, kData).records.size() != kMaxDataLines)
            fail("short read");
    });
    printBench(QStringLiteral("read_full_data_file"), read);

    const double detect = medianMs(kRuns, [&] {
        if (hasWeightHistoryFile(folder) || holdsOlderData(folder, kData))
            fail("older data where there is none");
    });
    printBench(QStringLiteral("startup_check_for_older_data"), detect);

    LegacyConversionReport report;
    const double convertHistory = medianMs(kRuns, [&] { reset(work.path(), full, history); }, [&] {
        if (!convertWeightHistoryFile(folder, kData, 21.5f, &report) || report.converted != kMaxDataLines)
            fail("history conversion failed");
    });
    printBench(QStringLiteral("convert_full_weight_history"), convertHistory);

    const double convertOlder = medianMs(kRuns, [&] { reset(work.path(), older, QByteArray()); }, [&] {
        if (!convertOlderDataFile(folder, kData, 21.5f, &report) || report.converted != kMaxDataLines)
            fail("older data conversion failed");
    });
    printBench(QStringLiteral("convert_full_older_data"), convertOlder);
    printRatio(QStringLiteral("convert_full_older_data/read_full_data_file"), convertOlder / read);
    return 0;
}
