// How the data store's operations on a full data file compare with merely reading the file's
// bytes (and decoding them) and writing them once. The write operations are measured on a
// copy one line short of the limit, since a full file refuses any further record.

#include "BenchData.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 15;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes, bool sync)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = file.write(bytes) == bytes.size() && file.flush();
    if (sync)
        ok = ::fsync(file.handle()) == 0 && ok;
    return ok;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(dir.path(), kMaxDataLines);
    const DataFolder folder(dir.path());
    const QString fullPath = folder.pathFor(FileName::data1);
    const QByteArray full = readAll(fullPath);
    if (full.isEmpty())
        fail("no data file");

    // The same data one line short of the limit, for the operations that add a line.
    QByteArray oneShort = full;
    oneShort.chop(2);
    oneShort.truncate(oneShort.lastIndexOf('\n') + 1);
    const QString work = QStringLiteral("作業.txt");
    const QString workPath = folder.pathFor(work);

    const double bareRead = medianMs(kRuns, [&] {
        QStringDecoder decoder("windows-31j");
        const QString text = decoder.decode(readAll(fullPath));
        if (text.isEmpty())
            fail("bare read");
    });
    // One write of the file's bytes to a new file, synced as every write of the store is.
    const QString barePath = dir.filePath(QStringLiteral("bare.txt"));
    const double bareWrite = medianMs(kRuns, [&] { QFile::remove(barePath); }, [&] {
        if (!writeAll(barePath, full, true))
            fail("bare write");
    });

    QList<Measurement> records;
    const double readRecords = medianMs(kRuns, [&] {
        const MeasurementFile file = ReadMeasurements(folder, FileName::data1);
        if (file.records.size() != kMaxDataLines)
            fail("read records");
        records = file.records;
    });

    Measurement late = records.last();
    late.comment = QStringLiteral("追加");
    const double append = medianMs(kRuns, [&] { writeAll(workPath, oneShort, true); }, [&] {
        if (!AppendMeasurement(folder, work, late))
            fail("append");
    });

    Measurement early = records.first();
    early.date = QStringLiteral("2019/12/31");
    const double insertStart = medianMs(kRuns, [&] { writeAll(workPath, oneShort, true); }, [&] {
        if (!InsertMeasurementInOrder(folder, work, early))
            fail("insert");
    });

    const double rewrite = medianMs(kRuns, [&] { writeAll(workPath, full, true); }, [&] {
        if (!RewriteDataFile(folder, work, records))
            fail("rewrite");
    });

    printBench(QStringLiteral("bare_read"), bareRead);
    printBench(QStringLiteral("read_records"), readRecords);
    printBench(QStringLiteral("append"), append);
    printBench(QStringLiteral("insert_start"), insertStart);
    printBench(QStringLiteral("rewrite"), rewrite);
    printBench(QStringLiteral("bare_write"), bareWrite);
    const double floor = bareRead + bareWrite;
    printRatio(QStringLiteral("read_records/bare"), readRecords / bareRead);
    printRatio(QStringLiteral("append/bare_read_plus_write"), append / floor);
    printRatio(QStringLiteral("insert_start/bare_read_plus_write"), insertStart / floor);
    printRatio(QStringLiteral("rewrite/bare_read_plus_write"), rewrite / floor);
    return 0;
}
