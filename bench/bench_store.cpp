// SPDX-License-Identifier: GPL-3.0-or-later
// How the data store's operations on a full data file compare with merely reading the file's
// bytes (and decoding them) and writing them once; a record corrected or removed in place
// against the whole file rewritten. The write operations are measured on a
// copy one line short of the limit, since a full file refuses any further record.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/RecordEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <unistd.h>

namespace {

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

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    const QString fullPath = folder.pathFor(FileName::data1);
    const QByteArray full = readAll(fullPath);
    check(!full.isEmpty(), "no data file");
    const QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    check(records.size() == kMaxDataLines, "read records");

    // The same data one line short of the limit, for the operations that add a line.
    QByteArray oneShort = full;
    oneShort.chop(2);
    oneShort.truncate(oneShort.lastIndexOf('\n') + 1);
    const QString work = QStringLiteral("作業.txt");
    const QString workPath = folder.pathFor(work);
    const QString barePath = folder.pathFor(QStringLiteral("bare.txt"));

    Measurement late = records.last();
    late.comment = QStringLiteral("追加");
    // The record a correction or removal names: one in the middle of the file.
    const int middle = kMaxDataLines / 2;
    Measurement corrected = records[middle];
    corrected.weight += 0.5f;
    Measurement early = records.first();
    early.date = QStringLiteral("2019/12/31");

    const auto bareRead = [&] {
        QStringDecoder decoder("windows-31j");
        const QString text = decoder.decode(readAll(fullPath));
        check(!text.isEmpty(), "bare read");
    };
    // Reading works in memory (the file is in the page cache), so only the processor's time counts.
    const std::vector<BenchTimes> reading = benchInTurns({
        {QStringLiteral("bare_read"), bareRead},
        {QStringLiteral("read_records"),
         [&] { check(ReadMeasurements(folder, FileName::data1).records.size() == kMaxDataLines, "read records"); }},
    });
    printRatio(QStringLiteral("read_records/bare"), reading[1], reading[0]);

    // Writing waits for the disk, as every write of the store is synced.
    const std::vector<BenchTimes> writing = benchInTurns({
        // The file's bytes read and decoded, and written once to a new file.
        {QStringLiteral("bare_read_plus_write"),
         [&] {
             bareRead();
             check(writeAll(barePath, full, true), "bare write");
         },
         [&] { QFile::remove(barePath); }},
        {QStringLiteral("append"), [&] { check(bool(AppendMeasurement(folder, work, late)), "append"); },
         [&] { writeAll(workPath, oneShort, true); }},
        {QStringLiteral("insert_start"), [&] { check(bool(InsertMeasurementInOrder(folder, work, early)), "insert"); },
         [&] { writeAll(workPath, oneShort, true); }},
        {QStringLiteral("rewrite"), [&] { check(bool(RewriteDataFile(folder, work, records)), "rewrite"); },
         [&] { writeAll(workPath, full, true); }},
        {QStringLiteral("delete_middle"),
         [&] { check(bool(DeleteRecord(folder, work, middle, kMaxDataLines, records[middle]).result), "delete"); },
         [&] { writeAll(workPath, full, true); }},
        {QStringLiteral("correct_middle"),
         [&] { check(bool(ReplaceRecord(folder, work, middle, kMaxDataLines, records[middle], corrected).result), "correct"); },
         [&] { writeAll(workPath, full, true); }},
    }, BenchClock::Wall);
    printRatio(QStringLiteral("append/bare_read_plus_write"), writing[1], writing[0]);
    printRatio(QStringLiteral("insert_start/bare_read_plus_write"), writing[2], writing[0]);
    printRatio(QStringLiteral("rewrite/bare_read_plus_write"), writing[3], writing[0]);
    // A correction or removal against the whole file written anew from its records.
    printRatio(QStringLiteral("delete_middle/rewrite"), writing[4], writing[3]);
    printRatio(QStringLiteral("correct_middle/rewrite"), writing[5], writing[3]);
    return 0;
}
