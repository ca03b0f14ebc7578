// CSV out and in: the exact text written, a round trip, the files other trackers write, lines
// that cannot be read, duplicates, and the merge into a data file.

#include "StoreTestUtil.h"

#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QTemporaryDir>
#include <QTest>

using namespace StoreTest;

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
        QCOMPARE(QString::fromUtf8(csvOfMeasurements(records)),
                 QStringLiteral("dateTime,weight,fat,comment,situation\r\n"
                                "2024-03-01 21:05,72.5,28.1,21:05:33,\"朝, 食後\"\r\n"
                                "2024-03-02 07:05,72,0,7:05:09,起床後\r\n"
                                "2024-03-02 00:00,65.3,21.3,25:00:00 ではない,夕食後\r\n"));
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
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data2, reading);
        QVERIFY(plan.error.isEmpty());
        QCOMPARE(plan.duplicates, 0);
        QVERIFY(plan.problems.isEmpty());
        QVERIFY(mergeMeasurements(folder(), FileName::data2, plan.added).ok());
        QCOMPARE(ReadMeasurements(folder(), FileName::data2).records, records);
        QCOMPARE(readFile(m_dir->filePath(FileName::data2)), readFile(data1()));

        // the same file again adds nothing
        const CsvImportPlan again = planCsvImport(folder(), FileName::data2, reading);
        QCOMPARE(again.added.size(), 0);
        QCOMPARE(again.duplicates, records.size());
    }

    void otherTrackersFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Measurement>>("expected");
        QTest::addColumn<int>("problemLine"); // 0 for none
        // openScale: every field quoted, its own columns in its own order, newest first
        QTest::newRow("openScale") << QByteArrayLiteral(
            "\"biceps\",\"comment\",\"DateTime\",\"FAT\",\"hip\",\"Weight\"\n"
            "\"0.0\",\"\",\"2019-06-04 21:30\",\"0.0\",\"0.0\",\"76.1\"\n"
            "\"0.0\",\"\",\"2019-06-04 07:40\",\"24.5\",\"0.0\",\"76.3\"\n"
            "\"0.0\",\"fasted, \"\"really\"\"\",\"2019-06-03 00:00\",\"24.9\",\"0.0\",\"76.9\"\n"
            "\"0.0\",\"fasted, calm\",\"2019-06-02 00:00\",\"25\",\"0.0\",\"77\"\n")
                                   << QList<Measurement>{
                                          record(QStringLiteral("2019/06/02"), kImportedSituation, 77.f, 25.f, QStringLiteral("fasted, calm")),
                                          record(QStringLiteral("2019/06/04"), kImportedSituation, 76.3f, 24.5f, QStringLiteral("07:40:00")),
                                          record(QStringLiteral("2019/06/04"), kImportedSituation, 76.1f, 0.f, QStringLiteral("21:30:00")),
                                      } << 4; // a comment with a quote cannot be stored
        QTest::newRow("semicolons, decimal commas, BOM") << QByteArrayLiteral(
            "\xEF\xBB\xBF" "Date;Weight;Fat;Situation\r\n"
            "2024/3/1;72,5;28,1;\xE6\x9C\x9D\r\n"
            "\r\n"
            "2024-03-02 06:15:30;71,9;;\r\n")
                                                         << QList<Measurement>{
                                                                record(QStringLiteral("2024/03/01"), QStringLiteral("朝"), 72.5f, 28.1f),
                                                                record(QStringLiteral("2024/03/02"), kImportedSituation, 71.9f, 0.f, QStringLiteral("06:15:00")),
                                                            } << 0;
    }
    void otherTrackersFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Measurement>, expected);
        QFETCH(int, problemLine);
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file));
        QVERIFY(plan.error.isEmpty());
        QCOMPARE(plan.added, expected);
        QCOMPARE(plan.problems.size(), problemLine ? 1 : 0);
        if (problemLine)
            QCOMPARE(plan.problems[0].lineNumber, problemLine);
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
                                                  "2024-03-03,72,28,,\r\n"                   // 13 fine
                                                  "2024-03-04,72,28,\"open,\r\n");           // 14
        const CsvReading reading = readCsvMeasurements(file);
        QCOMPARE(reading.measurements.size(), 2);
        QCOMPARE(reading.measurements[1].lineNumber, 13);
        const QList<CsvLineProblem> expected = {
            {3, QStringLiteral("日付「2024-02-30」を読み取れません")},
            {4, QStringLiteral("日付がありません")},
            {5, QStringLiteral("体重がありません")},
            {6, QStringLiteral("体重「72.5kg」を数値として読み取れません")},
            {7, QStringLiteral("体脂肪率「abc」を数値として読み取れません")},
            {8, QStringLiteral("引用符（\"）の後ろに余分な文字があります")},
            {9, QStringLiteral("一言日記：「😀」の「😀」は保存できない文字です。")},
            {10, QStringLiteral("UTF-8として読めない文字があります")},
            {11, QStringLiteral("一言日記：「two lines」には改行を含められません。")},
            {14, QStringLiteral("引用符（\"）が閉じていません")},
        };
        QCOMPARE(reading.problems, expected);
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, reading);
        QVERIFY(plan.problemList().startsWith(QStringLiteral("3行目：日付「2024-02-30」を読み取れません\n4行目：")));
    }

    void aFileWithoutItsColumnsIsRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no weight") << QByteArrayLiteral("dateTime,fat\n2024-03-01,20\n");
        QTest::newRow("no header") << QByteArrayLiteral("2024-03-01,72.5,20\n");
        QTest::newRow("empty") << QByteArray();
    }
    void aFileWithoutItsColumnsIsRefused()
    {
        QFETCH(QByteArray, file);
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file));
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
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements(file));
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
            planCsvImport(folder(), FileName::data1, readCsvMeasurements("date,weight\n2024-03-02,70\n2024-03-03,70\n"));
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
