// SPDX-License-Identifier: GPL-3.0-or-later
// CSV out and in: the exact text written, a round trip, the files other trackers write, lines
// that cannot be read, duplicates, and the merge into a data file.

#include "StoreTestUtil.h"

#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/CsvTimes.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QTemporaryDir>
#include <QTime>
#include <QTest>

using namespace StoreTest;
using namespace Qt::StringLiterals;

namespace {
const QDate kToday(2026, 12, 7);

// The text in UTF-16 of that byte order, with or without a byte order mark.
QByteArray utf16(const QString &text, QStringConverter::Encoding order, bool byteOrderMark)
{
    QStringEncoder encoder(order, byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}
} // namespace

char *toString(const Measurement &m)
{
    return QTest::toString(measurementLine(m));
}

char *toString(const CsvLineProblem &p)
{
    return QTest::toString(QStringLiteral("%1: %2").arg(p.lineNumber).arg(p.reason));
}

class TestCsv : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    DataFolder folder() const { return DataFolder(m_dir->path()); }
    QString data1() const { return m_dir->filePath(FileName::data1); }

private Q_SLOTS:
    void init() { m_dir = new QTemporaryDir; }
    void cleanup() { delete m_dir; }

    void exportedText()
    {
        const QList<Measurement> records = {
            record(QStringLiteral("2024/03/01"), QStringLiteral("朝, 食後"), 72.5f, 28.1f, QStringLiteral("21:05:33")),
            record(QStringLiteral("2024/03/02"), QStringLiteral("起床後"), 72.f, 0.f, QStringLiteral("7:05:09")),
            record(QStringLiteral("2024/03/02"), QStringLiteral("夕食後"), 65.3f, 21.3f, QStringLiteral("25:00:00 ではない")),
        };
        // UTF-8 without a byte order mark, so that the first column is named just DATE
        QCOMPARE(csvOfMeasurements(records),
                 QStringLiteral("DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION\r\n"
                                "2024-03-01,21:05:33,72.5,28.1,21:05:33,\"朝, 食後\"\r\n"
                                "2024-03-02,07:05:09,72,0,7:05:09,起床後\r\n"
                                "2024-03-02,07:06:00,65.3,21.3,25:00:00 ではない,夕食後\r\n")
                     .toUtf8());
    }

    // One date's records get times of their own: the comment's time stamp, else the next free
    // whole minute after the record before.
    void timesOfADay_data()
    {
        QTest::addColumn<QStringList>("comments"); // "date|comment", the date being a day of March 2024
        QTest::addColumn<QStringList>("times");
        QTest::newRow("no stamps") << QStringList{u"1|"_s, u"1|外食"_s, u"1|"_s} << QStringList{u"00:00:00"_s, u"00:01:00"_s, u"00:02:00"_s};
        QTest::newRow("after a stamp")
            << QStringList{u"1|7:10:30"_s, u"1|"_s, u"1|"_s} << QStringList{u"07:10:30"_s, u"07:11:00"_s, u"07:12:00"_s};
        QTest::newRow("a later stamp keeps its minute")
            << QStringList{u"1|"_s, u"1|"_s, u"1|00:01:00"_s} << QStringList{u"00:00:00"_s, u"00:02:00"_s, u"00:01:00"_s};
        QTest::newRow("the same stamp twice")
            << QStringList{u"1|08:00:00"_s, u"1|8:00:00"_s, u"1|08:01:00"_s} << QStringList{u"08:00:00"_s, u"08:02:00"_s, u"08:01:00"_s};
        QTest::newRow("stamps out of order")
            << QStringList{u"1|21:00:00"_s, u"1|06:00:00"_s, u"1|"_s} << QStringList{u"21:00:00"_s, u"06:00:00"_s, u"06:01:00"_s};
        QTest::newRow("no minute left before midnight")
            << QStringList{u"1|23:59:30"_s, u"1|"_s, u"1|"_s} << QStringList{u"23:59:30"_s, u"23:59:31"_s, u"23:59:32"_s};
        QTest::newRow("no second left before midnight")
            << QStringList{u"1|"_s, u"1|23:59:59"_s, u"1|"_s} << QStringList{u"00:00:00"_s, u"23:59:59"_s, u"00:00:01"_s};
        QTest::newRow("dates apart, one date twice")
            << QStringList{u"1|"_s, u"2|"_s, u"1|"_s, u"3|00:00:00"_s, u"3|"_s}
            << QStringList{u"00:00:00"_s, u"00:00:00"_s, u"00:01:00"_s, u"00:00:00"_s, u"00:01:00"_s};
    }
    void timesOfADay()
    {
        QFETCH(QStringList, comments);
        QFETCH(QStringList, times);
        QList<Measurement> records;
        for (const QString &c : std::as_const(comments)) {
            const QStringList parts = c.split(u'|');
            records << record(u"2024/03/0"_s + parts[0], u"朝"_s, 70.f, 20.f, parts[1]);
        }
        QStringList got;
        for (const int t : distinctTimesOfDay(records))
            got << QTime(0, 0).addSecs(t).toString(u"HH:mm:ss"_s);
        QCOMPARE(got, times);
    }

    void roundTripIntoAnEmptyPartner_data()
    {
        QTest::addColumn<QList<Measurement>>("records");
        QTest::newRow("days") << QList<Measurement>{
            record(QStringLiteral("2024/03/01"), QStringLiteral("はじめの一歩"), 72.5f, 28.1f),
            record(QStringLiteral("2024/03/01"), QStringLiteral("朝, 食後"), 72.2f, 28.f, QStringLiteral("08:12:45")),
            record(QStringLiteral("2024/03/01"), QStringLiteral("夕食後"), 73.f, 28.3f, QStringLiteral("外食，飲み過ぎ①～")),
            // entered later for an earlier hour, and twice the same figures on one day
            record(QStringLiteral("2024/03/02"), QStringLiteral("起床後"), 72.1f, 27.9f, QStringLiteral("23:59:59")),
            record(QStringLiteral("2024/03/02"), QStringLiteral("起床後"), 72.1f, 27.9f),
            record(QStringLiteral("2024/03/02"), QStringLiteral("起床後"), 72.1f, 27.9f),
        };
        // the same stamp twice, stamps near midnight, records without one among them
        QTest::newRow("late stamps") << QList<Measurement>{
            record(QStringLiteral("2024/03/07"), QStringLiteral("夜"), 72.f, 28.f, QStringLiteral("23:59:30")),
            record(QStringLiteral("2024/03/07"), QStringLiteral("夜"), 72.f, 28.f),
            record(QStringLiteral("2024/03/07"), QStringLiteral("夜"), 72.f, 28.f, QStringLiteral("23:59:30")),
            record(QStringLiteral("2024/03/07"), QStringLiteral("夜"), 72.f, 28.f, QStringLiteral("0:00:00")),
            record(QStringLiteral("2024/03/07"), QStringLiteral("夜"), 72.f, 28.f),
        };
        // one day only, a later hour first: the file's order stands
        QTest::newRow("one day") << QList<Measurement>{
            record(QStringLiteral("2024/03/05"), QStringLiteral("夕食後"), 72.f, 28.f, QStringLiteral("21:00:00")),
            record(QStringLiteral("2024/03/05"), QStringLiteral("起床後"), 71.f, 28.f, QStringLiteral("06:00:00")),
        };
    }
    void roundTripIntoAnEmptyPartner()
    {
        QFETCH(QList<Measurement>, records);
        QVERIFY(RewriteDataFile(folder(), FileName::data1, records).ok());
        QVERIFY(writeFile(m_dir->filePath(FileName::data2), QByteArray()));
        const QString csv = m_dir->filePath(QStringLiteral("out.csv"));
        const CsvExportResult out = exportMeasurementsCsv(folder(), FileName::data1, csv);
        QVERIFY2(out.result.ok(), qPrintable(out.result.message()));
        QCOMPARE(out.written, records.size());

        const CsvReading reading = readCsvMeasurements(readFile(csv));
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data2, reading, kToday);
        QVERIFY(plan.error.isEmpty());
        QCOMPARE(plan.duplicates, 0);
        QVERIFY(plan.problems.isEmpty());
        QVERIFY(mergeMeasurements(folder(), FileName::data2, plan.added).ok());
        QCOMPARE(ReadMeasurements(folder(), FileName::data2).records, records);
        QCOMPARE(readFile(m_dir->filePath(FileName::data2)), readFile(data1()));

        // the same file again adds nothing
        const CsvImportPlan again = planCsvImport(folder(), FileName::data2, reading, kToday);
        QCOMPARE(again.added.size(), 0);
        QCOMPARE(again.duplicates, records.size());
    }

    // One small file of each kind the import reads, with what comes of it.
    void filesOfEachKind_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Measurement>>("expected");
        QTest::addColumn<QList<int>>("problemLines");
        const QString imported = kImportedSituation;

        // openScale 3: DATE and TIME, its type keys in alphabetical order, empty cells for what
        // was not measured, fractions of a second, newest first
        QTest::newRow("openScale 3") << QByteArrayLiteral(
            "DATE,TIME,BICEPS,BMI,BODY_FAT,BONE,COMMENT,HIPS,WATER,WEIGHT\r\n"
            "2026-12-02,21:30:15,,24.1,,,,,,76.1\r\n"
            "2026-12-02,07:12:45.250,,24.3,24.5,3.1,\"fasted, calm\",,55.2,76.3\r\n"
            "2026-12-02,7h,,24.3,24.5,,,,,76.2\r\n"
            "2026-12-01,07:00:00,,24.4,24.9,,,,,76.9\r\n")
                                     << QList<Measurement>{
                                            record(u"2026/12/01"_s, imported, 76.9f, 24.9f, u"07:00:00"_s),
                                            record(u"2026/12/02"_s, imported, 76.3f, 24.5f, u"fasted, calm"_s),
                                            record(u"2026/12/02"_s, imported, 76.1f, 0.f, u"21:30:15"_s),
                                        } << QList<int>{4};
        // openScale 2: quoted lower-case names in alphabetical order, dd.MM.yyyy HH:mm, newest first
        QTest::newRow("openScale 2") << QByteArrayLiteral(
            "\"biceps\",\"bone\",\"caliper1\",\"caliper2\",\"caliper3\",\"calories\",\"chest\",\"comment\",\"dateTime\",\"fat\","
            "\"hip\",\"lbm\",\"muscle\",\"neck\",\"thigh\",\"visceralFat\",\"waist\",\"water\",\"weight\"\n"
            "0.0,0.0,0.0,0.0,0.0,0.0,0.0,\"\",\"01.12.2026 21:05\",0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,72.4\n"
            "0.0,0.0,0.0,0.0,0.0,0.0,0.0,\"\xE6\x95\xA3\xE6\xAD\xA9\",\"01.12.2026 07:12\",25.9,0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,71.8\n"
            "0.0,0.0,0.0,0.0,0.0,0.0,0.0,\"\",\"31.11.2026 07:30\",26.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,72.0\n"
            "0.0,0.0,0.0,0.0,0.0,0.0,0.0,\"\",\"30.11.2026 07:30\",26.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0,72.0\n")
                                     << QList<Measurement>{
                                            record(u"2026/11/30"_s, imported, 72.f, 26.f, u"07:30:00"_s),
                                            record(u"2026/12/01"_s, imported, 71.8f, 25.9f, u"散歩"_s),
                                            record(u"2026/12/01"_s, imported, 72.4f, 0.f, u"21:05:00"_s),
                                        } << QList<int>{4};
        // openScale 1 wrote no header; the number of fields tells the layout
        const QList<QByteArray> layouts = {"8.0,2.0,7.0", "8.0,2.0,7.0,5.0", "8.0,2.0,7.0,5.0,6.0,3.0",
                                           "8.0,2.0,7.0,5.0,1.0,6.0,3.0", "8.0,2.0,7.0,5.0,4.0,1.0,6.0,3.0"};
        for (const QByteArray &values : layouts) {
            const int fields = int(values.count(',')) + 3;
            QTest::addRow("openScale 1, %d fields", fields)
                << QByteArray("01.03.2018 12:45," + values + ",some text\n"
                              "2.3.2018 07:05," + values + ",\n"
                              "03.03.2018 07:05," + values + ",some,more\n")
                << QList<Measurement>{record(u"2018/03/01"_s, imported, 8.f, 2.f, u"some text"_s),
                                      record(u"2018/03/02"_s, imported, 8.f, 2.f, u"07:05:00"_s)}
                << QList<int>{3};
        }
        // our own export: comments and order as the data file had them, whatever the times
        QTest::newRow("own export") << QByteArrayLiteral(
            "DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION\r\n"
            "2026-08-09,21:00:00,72.4,26.1,21:00:00,\xE5\xA4\x95\xE9\xA3\x9F\xE5\xBE\x8C\r\n"
            "2026-08-09,06:00:00,71.8,25.9,06:00:00,\xE8\xB5\xB7\xE5\xBA\x8A\xE5\xBE\x8C\r\n"
            "2026-08-09,06:01:00,72,26,\"\xE5\xA4\x96\xE9\xA3\x9F, \xE9\xA3\x9F\xE3\x81\xB9\xE9\x81\x8E\xE3\x81\x8E\",\xE5\xA4\x9C\r\n"
            "2026-08-09,06:02:00,72.1,0,,\xE5\xA4\x9C\r\n")
                                    << QList<Measurement>{
                                           record(u"2026/08/09"_s, u"夕食後"_s, 72.4f, 26.1f, u"21:00:00"_s),
                                           record(u"2026/08/09"_s, u"起床後"_s, 71.8f, 25.9f, u"06:00:00"_s),
                                           record(u"2026/08/09"_s, u"夜"_s, 72.f, 26.f, u"外食, 食べ過ぎ"_s),
                                           record(u"2026/08/09"_s, u"夜"_s, 72.1f, 0.f),
                                       } << QList<int>{};
        // our earlier export
        QTest::newRow("own earlier export") << QByteArrayLiteral(
            "dateTime,weight,fat,comment,situation\r\n"
            "2026-08-08 00:00,72,26,,\xE6\x9C\x9D\r\n"
            "2026-08-09 07:12,71.8,25.9,07:12:45,\xE6\x9C\x9D\r\n")
                                            << QList<Measurement>{
                                                   record(u"2026/08/08"_s, u"朝"_s, 72.f, 26.f),
                                                   record(u"2026/08/09"_s, u"朝"_s, 71.8f, 25.9f, u"07:12:45"_s),
                                               } << QList<int>{};
        // names in any case, every field quoted, newest first
        QTest::newRow("quoted, mixed case") << QByteArrayLiteral(
            "\"biceps\",\"comment\",\"DateTime\",\"FAT\",\"hip\",\"Weight\"\n"
            "\"0.0\",\"\",\"2019-06-04 21:30\",\"0.0\",\"0.0\",\"76.1\"\n"
            "\"0.0\",\"\",\"2019-06-04 07:40\",\"24.5\",\"0.0\",\"76.3\"\n"
            "\"0.0\",\"fasted, \"\"really\"\"\",\"2019-06-03 00:00\",\"24.9\",\"0.0\",\"76.9\"\n"
            "\"0.0\",\"fasted, calm\",\"2019-06-02 00:00\",\"25\",\"0.0\",\"77\"\n")
                                            << QList<Measurement>{
                                                   record(u"2019/06/02"_s, imported, 77.f, 25.f, u"fasted, calm"_s),
                                                   record(u"2019/06/04"_s, imported, 76.3f, 24.5f, u"07:40:00"_s),
                                                   record(u"2019/06/04"_s, imported, 76.1f, 0.f, u"21:30:00"_s),
                                               } << QList<int>{4}; // a comment with a quote cannot be stored
        // a file from elsewhere holds only what a person can weigh, up to tomorrow
        QTest::newRow("implausible values") << QByteArrayLiteral(
            "DATE,WEIGHT,BODY_FAT\n2026-12-01,99999999999,-0.5\n2026-12-02,-5,0\n2026-12-03,0,1e3\n2026-12-04,1e38,20\n"
            "0001-01-01,65,20\n2026-12-05,65,250\n2026-12-09,65,20\n2026-12-06,999.99999,20\n2026-12-06,65,-0.1\n"
            "1900-01-01,999.9,0\n2026-12-08,0.1,100\n")
                                            << QList<Measurement>{record(u"1900/01/01"_s, imported, 999.9f, 0.f),
                                                                  record(u"2026/12/08"_s, imported, 0.1f, 100.f)}
                                            << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("control characters") << QByteArrayLiteral(
            "DATE,WEIGHT,COMMENT,SITUATION\n2026-12-01,65,\"esc\x1B[31mred\x07\",\"sit\x1B\x0C\x0B\"\n2026-12-02,65,a\tb,x\n"
            "2026-12-03,65,\"a\x00b\",x\n2026-12-03,65,\"\xC2\x85\",x\n2026-12-03,65,\"\x7F\",x\n2026-12-03,65,ok,\"\xE2\x80\xAE\"\n"
            "2026-12-03,65,\"\xE2\x81\xA6\",x\n2026-12-03,65,ok,x\n")
                                            << QList<Measurement>{record(u"2026/12/03"_s, u"x"_s, 65.f, 0.f, u"ok"_s)}
                                            << QList<int>{2, 3, 4, 5, 6, 7, 8};
        // a file cut off in its last line, or a line cut short
        QTest::newRow("cut after the point") << QByteArrayLiteral("DATE,WEIGHT,BODY_FAT\n2026-12-01,65.") << QList<Measurement>{} << QList<int>{2};
        QTest::newRow("cut after a decimal comma") << QByteArrayLiteral("Date;Weight\n2026-12-01;65,") << QList<Measurement>{} << QList<int>{2};
        QTest::newRow("fewer fields than the header")
            << QByteArrayLiteral("DATE,WEIGHT,BODY_FAT,COMMENT\n2026-12-01,65,20\n2026-12-02,66,21,\n") << QList<Measurement>{record(u"2026/12/02"_s, imported, 66.f, 21.f)}
            << QList<int>{2};
        QTest::newRow("CR line ends") << QByteArrayLiteral("DATE,WEIGHT,COMMENT\r2026-12-01,65,\"a,\rb\"\r\r2026-12-02,66,x\r")
                                      << QList<Measurement>{record(u"2026/12/02"_s, imported, 66.f, 0.f, u"x"_s)} << QList<int>{2};
        const QString japanese = u"DATE,WEIGHT,COMMENT\r\n2026-12-01,65,朝ごはん前\r\n"_s;
        const QList<Measurement> breakfast{record(u"2026/12/01"_s, imported, 65.f, 0.f, u"朝ごはん前"_s)};
        QTest::newRow("Shift_JIS") << cp932(japanese) << breakfast << QList<int>{};
        QTest::newRow("UTF-16LE, BOM") << utf16(japanese, QStringConverter::Utf16LE, true) << breakfast << QList<int>{};
        QTest::newRow("UTF-16LE") << utf16(japanese, QStringConverter::Utf16LE, false) << breakfast << QList<int>{};
        QTest::newRow("UTF-16BE") << utf16(japanese, QStringConverter::Utf16BE, false) << breakfast << QList<int>{};
        QTest::newRow("more digits than the file keeps") << QByteArrayLiteral("DATE,WEIGHT,BODY_FAT\n2026-12-01,65,20.123456\n")
                                                         << QList<Measurement>{record(u"2026/12/01"_s, imported, 65.f, 20.12346f)} << QList<int>{};
        QTest::newRow("converted from pounds")
            << QByteArrayLiteral("DATE,WEIGHT\n2026-12-01,72.166546067\n2026-12-01,72.892293859\n2026-12-02,73.255167755\n")
            << QList<Measurement>{record(u"2026/12/01"_s, imported, 72.16655f, 0.f), record(u"2026/12/01"_s, imported, 72.8923f, 0.f),
                                  record(u"2026/12/02"_s, imported, 73.25517f, 0.f)}
            << QList<int>{};
        QTest::newRow("semicolons, decimal commas, BOM") << QByteArrayLiteral(
            "\xEF\xBB\xBF" "Date;Weight;Fat;Comment\r\n"
            "2024/3/1;72,5;28,1;\xE6\x9C\x9D\r\n"
            "\r\n"
            "2024-03-02 06:15:30;71,9;;\r\n")
                                                         << QList<Measurement>{
                                                                record(u"2024/03/01"_s, imported, 72.5f, 28.1f, u"朝"_s),
                                                                record(u"2024/03/02"_s, imported, 71.9f, 0.f, u"06:15:30"_s),
                                                            } << QList<int>{};
    }
    void filesOfEachKind()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Measurement>, expected);
        QFETCH(QList<int>, problemLines);
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file), kToday);
        QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
        QCOMPARE(plan.added, expected);
        QList<int> lines;
        for (const CsvLineProblem &p : plan.problems)
            lines << p.lineNumber;
        QCOMPARE(lines, problemLines);
        // Taken in, the same file adds nothing more: what was added is what the data file keeps.
        QVERIFY(writeFile(data1(), QByteArray()) && mergeMeasurements(folder(), FileName::data1, plan.added).ok());
        const CsvImportPlan again = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file), kToday);
        QCOMPARE(again.added, QList<Measurement>{});
        QCOMPARE(again.duplicates, plan.added.size());
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records, plan.added);
    }

    void unreadableLinesAreListed()
    {
        const QByteArray file = QByteArrayLiteral("dateTime,weight,fat,comment,situation\r\n"
                                                  "2024-03-01 07:00,72.5,28.1,,\r\n"        // 2 fine
                                                  "2024-02-30,72.5,28.1,,\r\n"              // 3
                                                  ",72.5,28.1,,\r\n"                         // 4
                                                  "2024-03-02,,28.1,,\r\n"                   // 5
                                                  "2024-03-02,72.5kg,28.1,,\r\n"             // 6
                                                  "2024-03-02,72.5,abc,,\r\n"                // 7
                                                  "2024-03-02,72.5,28.1,\"ok\"x,\r\n"        // 8
                                                  "2024-03-02,72.5,28.1,\xF0\x9F\x98\x80,\r\n" // 9 emoji
                                                  "2024-03-02,72.5,28.1,,\xA5\r\n"           // 10 not UTF-8
                                                  "2024-03-02,72.5,28.1,\"two\nlines\",\r\n" // 11-12
                                                  "\x1B[2J\x1B]0;t\x07,72,28,,\r\n"           // 13
                                                  "2024-03-05,72,28,\"ab\xC2\x85\",\r\n"         // 14
                                                  "2024-03-05,7\xE2\x80\xAE" "2,28,,\r\n"           // 15
                                                  "2024-03-03,72,28,,\r\n"                   // 16 fine
                                                  "2024-03-04,72,28,\"open,\r\n");           // 17
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file), kToday);
        QCOMPARE(plan.added.size(), 2);
        const QList<CsvLineProblem> expected = {
            {3, QStringLiteral("日付「2024-02-30」を読み取れません")},
            {4, QStringLiteral("日付がありません")},
            {5, QStringLiteral("体重がありません")},
            {6, QStringLiteral("体重「72.5kg」を数値として読み取れません")},
            {7, QStringLiteral("体脂肪率「abc」を数値として読み取れません")},
            {8, QStringLiteral("引用符（\"）の後ろに余分な文字があります")},
            {9, QStringLiteral("一言日記：「😀」の「😀」（U+1F600）は保存できない文字です。")},
            {10, QStringLiteral("UTF-8として読めない文字があります")},
            {11, QStringLiteral("一言日記：「two<U+000A>lines」には改行を含められません。")},
            {13, QStringLiteral("日付「<U+001B>[2J<U+001B>]0;t<U+0007>」を読み取れません")},
            {14, QStringLiteral("一言日記：「ab<U+0085>」のU+0085は保存できない文字です。")},
            {15, QStringLiteral("体重「7<U+202E>2」を数値として読み取れません")},
            {17, QStringLiteral("引用符（\"）が閉じていません")},
        };
        QCOMPARE(plan.problems, expected);
        QVERIFY(plan.problemList().startsWith(QStringLiteral("3行目：日付「2024-02-30」を読み取れません\n4行目：")));
    }

    // Memory follows the file's size, not its lines: unreadable lines beyond a list are counted,
    // and no more measurements are kept than a data file holds.
    void longFilesAreBounded()
    {
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements("DATE,WEIGHT\n" + QByteArray("x,1\n").repeated(1005)), kToday);
        QCOMPARE(plan.problems.size(), kMaxListedProblems);
        QCOMPARE(plan.problemCount(), 1005);
        QVERIFY(plan.problemList().endsWith(QStringLiteral("\nほか5行")));
        QVERIFY(!readCsvMeasurements("DATE,WEIGHT\n" + QByteArray("2026-12-01,65\n").repeated(kMaxDataLines + 1)).error.isEmpty());
    }

    void aFileWithoutItsColumnsIsRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no weight") << QByteArrayLiteral("dateTime,fat\n2024-03-01,20\n");
        QTest::newRow("no header") << QByteArrayLiteral("2024-03-01,72.5,20\n");
        QTest::newRow("no header, 7 fields") << QByteArrayLiteral("01.03.2018 12:45,8.0,2.0,7.0,5.0,6.0,some text\n");
        QTest::newRow("no header, no date first") << QByteArrayLiteral("8.0,01.03.2018 12:45,2.0,7.0,some text\n");
        QTest::newRow("a time but no date") << QByteArrayLiteral("TIME,WEIGHT\n07:00:00,72\n");
        QTest::newRow("empty") << QByteArray();
    }
    void aFileWithoutItsColumnsIsRefused()
    {
        QFETCH(QByteArray, file);
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file), kToday);
        QVERIFY(!plan.error.isEmpty());
        QVERIFY(plan.added.isEmpty());
    }

    void duplicatesAreCountedOncePerRecord()
    {
        QVERIFY(writeFile(data1(), cp932Lines({QStringLiteral("\"2024/03/01\",\"朝\",72.5,\"\",28.1,\"\""),
                                               QStringLiteral("\"2024/03/02\",\"朝\",72,\"メモ\",28,\"\"")})));
        const QByteArray file = QByteArrayLiteral("date,weight,fat,comment\n"
                                                  "2024-03-01,72.50,28.1,other comment\n" // present
                                                  "2024-03-01,72.5,28.1,\n"               // a second one that day
                                                  "2024-03-02,72,28,\n"                   // present
                                                  "2024-03-02,72,28.2,\n");               // new: other fat
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file), kToday);
        QCOMPARE(plan.duplicates, 2);
        QCOMPARE(plan.added, (QList<Measurement>{record(QStringLiteral("2024/03/01"), kImportedSituation, 72.5f, 28.1f),
                                                 record(QStringLiteral("2024/03/02"), kImportedSituation, 72.f, 28.2f)}));
    }

    void mergeKeepsEveryLineAndTheDateOrder()
    {
        // a line that is not a record, a record in a form of its own, an LF line end and a last
        // line without its line end: all stay as they are
        const QByteArray existing = cp932(QStringLiteral("\"2024/03/02\",\"朝\",72,\"\",28,\"\"\r\n"
                                                         "壊れた行\r\n"
                                                         " \"2024/03/04\" , \"朝\" , 72.50 , \"\" , 28 , \"\"\n"
                                                         "\"2024/03/06\",\"朝\",71,\"\",27,\"\""));
        QVERIFY(writeFile(data1(), existing));
        const QList<Measurement> added = {
            record(QStringLiteral("2024/03/01"), QStringLiteral("新1"), 73.f, 29.f),
            record(QStringLiteral("2024/03/04"), QStringLiteral("新2"), 72.f, 28.f),
            record(QStringLiteral("2024/03/04"), QStringLiteral("新3"), 72.f, 28.f),
            record(QStringLiteral("2024/03/05"), QStringLiteral("新4"), 72.f, 28.f),
            record(QStringLiteral("2024/03/07"), QStringLiteral("新5"), 70.f, 27.f),
        };
        QVERIFY(mergeMeasurements(folder(), FileName::data1, added).ok());
        QCOMPARE(readFile(data1()),
                 cp932(QStringLiteral("\"2024/03/01\",\"新1\",73,\"\",29,\"\"\r\n"
                                      "\"2024/03/02\",\"朝\",72,\"\",28,\"\"\r\n"
                                      "壊れた行\r\n"
                                      " \"2024/03/04\" , \"朝\" , 72.50 , \"\" , 28 , \"\"\n"
                                      "\"2024/03/04\",\"新2\",72,\"\",28,\"\"\r\n"
                                      "\"2024/03/04\",\"新3\",72,\"\",28,\"\"\r\n"
                                      "\"2024/03/05\",\"新4\",72,\"\",28,\"\"\r\n"
                                      "\"2024/03/06\",\"朝\",71,\"\",27,\"\"\r\n"
                                      "\"2024/03/07\",\"新5\",70,\"\",27,\"\"\r\n")));
        QCOMPARE(folderEntries(m_dir->path()), QStringList{FileName::data1});
    }

    void theLineLimitHolds()
    {
        QStringList lines;
        for (int i = 0; i < kMaxDataLines - 1; ++i)
            lines << QStringLiteral("\"2024/03/01\",\"朝\",72,\"\",28,\"\"");
        QVERIFY(writeFile(data1(), cp932Lines(lines)));
        const CsvImportPlan plan =
            planCsvImport(folder(), FileName::data1, readCsvMeasurements("date,weight\n2024-03-02,70\n2024-03-03,70\n"), kToday);
        QVERIFY(plan.error.contains(QString::number(kMaxDataLines)));
        QVERIFY(!mergeMeasurements(folder(), FileName::data1, plan.added).ok());
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records.size(), kMaxDataLines - 1);
    }

    void exportNeverReplacesTheProgramsOwnFiles()
    {
        QVERIFY(writeFile(data1(), cp932Lines({QStringLiteral("\"2024/03/01\",\"朝\",72.5,\"\",28.1,\"\"")})));
        const QByteArray before = readFile(data1());
        const QString other = m_dir->filePath(FileName::data2);
        QVERIFY(writeFile(other, before));
        QVERIFY(!exportMeasurementsCsv(folder(), FileName::data1, other).result.ok());
        QCOMPARE(readFile(other), before);
        QVERIFY(!exportMeasurementsCsv(folder(), QStringLiteral("データ9.txt"), m_dir->filePath(QStringLiteral("x.csv"))).result.ok());
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
