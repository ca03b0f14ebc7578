// SPDX-License-Identifier: GPL-3.0-or-later
// The partners' data files: the exact bytes written, reading, the three ways a record is stored,
// lines that are not records, refused input, the line limit, failed writes and file names.

#include "FolderTest.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/MessageText.h"
#include "store/SafeSave.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace StoreTest;

Q_DECLARE_METATYPE(Measurement)

// Failure output shows the record rather than nothing.
char *toString(const Measurement &m)
{
    return QTest::toString(measurementLine(m) + QStringLiteral(" [reserved: ") + m.reserved + u']');
}

namespace {

// A small diary: two lines on the 9th, none on the 10th.
const QStringList kBaseLines = {
    QStringLiteral("\"2003/11/08\",\"はじめの一歩\",65.5,\"\",21.3,\"\""),
    QStringLiteral("\"2003/11/09\",\"朝食前\",65.1,\"\",21.1,\"\""),
    QStringLiteral("\"2003/11/09\",\"夕食後\",65.8,\"散歩した\",21.4,\"\""),
    QStringLiteral("\"2003/11/11\",\"起床後\",64.9,\"\",21,\"\""),
    QStringLiteral("\"2003/11/12\",\"起床後\",64.7,\"\",20.9,\"\""),
};

QList<Measurement> baseRecords()
{
    return {record(QStringLiteral("2003/11/08"), QStringLiteral("はじめの一歩"), 65.5f, 21.3f),
            record(QStringLiteral("2003/11/09"), QStringLiteral("朝食前"), 65.1f, 21.1f),
            record(QStringLiteral("2003/11/09"), QStringLiteral("夕食後"), 65.8f, 21.4f, QStringLiteral("散歩した")),
            record(QStringLiteral("2003/11/11"), QStringLiteral("起床後"), 64.9f, 21.0f),
            record(QStringLiteral("2003/11/12"), QStringLiteral("起床後"), 64.7f, 20.9f)};
}

enum class Op { Append, Insert, Rewrite, First };

} // namespace

class TestDataFile : public FolderTest
{
    Q_OBJECT

private:
    QString data1() const { return path(FileName::data1); }

    StoreResult run(Op op, const Measurement &m)
    {
        switch (op) {
        case Op::Append:
            return AppendMeasurement(folder(), FileName::data1, m);
        case Op::Insert:
            return InsertMeasurementInOrder(folder(), FileName::data1, m);
        case Op::Rewrite:
            return RewriteDataFile(folder(), FileName::data1, baseRecords() << m);
        case Op::First:
            return WriteFirstMeasurement(folder(), FileName::data1, m.date, m.situation, m.weight, m.bodyFat);
        }
        return StoreResult::failure(QStringLiteral("unknown operation"));
    }

private Q_SLOTS:
    // ---- writing, byte for byte ----

    void startLineIsExactBytes()
    {
        QVERIFY(WriteFirstMeasurement(folder(), FileName::data1, QStringLiteral("2003/11/08"),
                                      QStringLiteral("はじめの一歩"), 65.5, 21.3));
        const QByteArray expected = QByteArray::fromHex("22323030332f31312f3038222c22" // "2003/11/08","
                                                        "82cd82b682df82cc88ea95e0"     // はじめの一歩
                                                        "222c36352e352c2222"           // ",65.5,""
                                                        "2c32312e332c22220d0a");       // ,21.3,"" CR LF
        const QByteArray bytes = readFile(data1());
        QCOMPARE(bytes, expected);
        QCOMPARE(bytes, cp932(QStringLiteral("\"2003/11/08\",\"はじめの一歩\",65.5,\"\",21.3,\"\"\r\n")));
        QCOMPARE(folderEntries(m_dir->path()), QStringList{QStringLiteral("データ1.txt")});
    }

    void textIsShiftJisOnDisk()
    {
        QVERIFY(AppendMeasurement(folder(), FileName::data1,
                                  record(QStringLiteral("2003/11/08"), QStringLiteral("朝"), 65.5f, 21.3f, QStringLiteral("データ"))));
        const QByteArray bytes = readFile(data1());
        QVERIFY(bytes.contains(QByteArray::fromHex("228366815b835e22")));
        QVERIFY(bytes.endsWith(QByteArray::fromHex("22220d0a")));
        QCOMPARE(bytes.count('\n'), 1);
        QCOMPARE(bytes.count('\r'), 1);
    }

    void firstMeasurementNumbers_data()
    {
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("bodyFat");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("whole number") << 64.0 << 20.0 << QStringLiteral("64,\"\",20");
        QTest::newRow("below one") << 0.5 << 0.25 << QStringLiteral("0.5,\"\",0.25");
        QTest::newRow("tenths") << 65.3 << 21.3 << QStringLiteral("65.3,\"\",21.3");
        QTest::newRow("64-bit sum") << 65.5 + 0.1 << 21.3 - 0.1 << QStringLiteral("65.6,\"\",21.2");
        QTest::newRow("hundredths") << 100.25 << 9.05 << QStringLiteral("100.25,\"\",9.05");
    }
    void firstMeasurementNumbers()
    {
        QFETCH(double, weight);
        QFETCH(double, bodyFat);
        QFETCH(QString, numbers);
        QVERIFY(WriteFirstMeasurement(folder(), FileName::data1, QStringLiteral("2003/11/08"), QStringLiteral("開始"), weight, bodyFat));
        QCOMPARE(readFile(data1()), cp932(QStringLiteral("\"2003/11/08\",\"開始\",") + numbers + QStringLiteral(",\"\"\r\n")));
    }

    void firstMeasurementReplacesTheFile()
    {
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        QVERIFY(WriteFirstMeasurement(folder(), FileName::data1, QStringLiteral("2010/04/01"), QStringLiteral("再開"), 70, 25));
        QCOMPARE(readFile(data1()), cp932Lines({QStringLiteral("\"2010/04/01\",\"再開\",70,\"\",25,\"\"")}));
    }

    void appendCreatesMissingFile()
    {
        QVERIFY(!ReadMeasurements(folder(), FileName::data1).exists);
        const Measurement m = record(QStringLiteral("2003/11/08"), QStringLiteral("朝食後"), 65.5f, 21.3f, QStringLiteral("07:45"));
        QVERIFY(AppendMeasurement(folder(), FileName::data1, m));
        QCOMPARE(readFile(data1()), cp932Lines({QStringLiteral("\"2003/11/08\",\"朝食後\",65.5,\"07:45\",21.3,\"\"")}));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QVERIFY(read.exists);
        QCOMPARE(read.records, QList<Measurement>{m});
    }

    void appendAfterUnfinishedLastLine_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::addColumn<QByteArray>("joint");
        QTest::addColumn<int>("partLine"); // the line the part of a record stays on, 0 for none
        QTest::newRow("no line end") << QByteArray() << QByteArrayLiteral("\r\n") << 0;
        QTest::newRow("CR cut off from its LF") << QByteArrayLiteral("\r") << QByteArrayLiteral("\n") << 0;
        QTest::newRow("LF only") << QByteArrayLiteral("\n") << QByteArray() << 0;
        QTest::newRow("CR LF") << QByteArrayLiteral("\r\n") << QByteArray() << 0;
        // What an append cut off by a crash leaves: part of its line, no line end.
        QTest::newRow("part of a record") << QByteArrayLiteral("\r\n") + cp932(kBaseLines[2].left(20)) << QByteArrayLiteral("\r\n") << 2;
        QTest::newRow("record without its last field") << QByteArrayLiteral("\r\n") + cp932(kBaseLines[2].chopped(3))
                                                       << QByteArrayLiteral("\r\n") << 2;
    }
    void appendAfterUnfinishedLastLine()
    {
        QFETCH(QByteArray, ending);
        QFETCH(QByteArray, joint);
        QFETCH(int, partLine);
        const QByteArray old = cp932(kBaseLines[0]) + ending;
        QVERIFY(writeFile(data1(), old));
        QVERIFY(AppendMeasurement(folder(), FileName::data1, baseRecords()[1]));
        QCOMPARE(readFile(data1()), old + joint + cp932Lines({kBaseLines[1]}));
        // The new record is whole; a part left before it stays a line of its own, listed.
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records, baseRecords().mid(0, 2));
        QCOMPARE(read.malformed.size(), partLine ? 1 : 0);
        if (partLine)
            QCOMPARE(read.malformed[0].lineNumber, partLine);
    }

    // ---- reading back what was written ----

    void roundTrip_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("weightTyped");
        QTest::addColumn<QString>("fatTyped");
        QTest::addColumn<QString>("line");
        QTest::newRow("commas in texts") << QStringLiteral("朝食後,少し") << QStringLiteral("外食、ラーメン,餃子") << QStringLiteral("65.5")
                                         << QStringLiteral("21.3")
                                         << QStringLiteral("\"2003/11/08\",\"朝食後,少し\",65.5,\"外食、ラーメン,餃子\",21.3,\"\"");
        QTest::newRow("empty comment") << QStringLiteral("夕食前") << QString() << QStringLiteral("65.5") << QStringLiteral("21.3")
                                       << QStringLiteral("\"2003/11/08\",\"夕食前\",65.5,\"\",21.3,\"\"");
        QTest::newRow("65.3 typed") << QStringLiteral("朝") << QString() << QStringLiteral("65.3") << QStringLiteral("20.7")
                                    << QStringLiteral("\"2003/11/08\",\"朝\",65.3,\"\",20.7,\"\"");
        QTest::newRow("whole and half") << QStringLiteral("朝") << QString() << QStringLiteral("64") << QStringLiteral("0.5")
                                        << QStringLiteral("\"2003/11/08\",\"朝\",64,\"\",0.5,\"\"");
        QTest::newRow("trailing zeros typed") << QStringLiteral("朝") << QString() << QStringLiteral("65.30") << QStringLiteral("21.0")
                                              << QStringLiteral("\"2003/11/08\",\"朝\",65.3,\"\",21,\"\"");
        QTest::newRow("hundredths") << QStringLiteral("朝") << QString() << QStringLiteral("63.85") << QStringLiteral("19.95")
                                    << QStringLiteral("\"2003/11/08\",\"朝\",63.85,\"\",19.95,\"\"");
        QTest::newRow("circled one, wave dash, minus") << QStringLiteral("①回目～") << QStringLiteral("－0.5kg") << QStringLiteral("65.5")
                                                       << QStringLiteral("21.3")
                                                       << QStringLiteral("\"2003/11/08\",\"①回目～\",65.5,\"－0.5kg\",21.3,\"\"");
        QTest::newRow("half-width kana and symbols") << QStringLiteral("ｱｻ") << QStringLiteral("∥≒∵ 12:30") << QStringLiteral("65.5")
                                                     << QStringLiteral("21.3")
                                                     << QStringLiteral("\"2003/11/08\",\"ｱｻ\",65.5,\"∥≒∵ 12:30\",21.3,\"\"");
    }
    void roundTrip()
    {
        QFETCH(QString, situation);
        QFETCH(QString, comment);
        QFETCH(QString, weightTyped);
        QFETCH(QString, fatTyped);
        QFETCH(QString, line);
        const Measurement m = record(QStringLiteral("2003/11/08"), situation, weightTyped.toFloat(), fatTyped.toFloat(), comment);
        QVERIFY(AppendMeasurement(folder(), FileName::data1, m));
        QCOMPARE(readFile(data1()), cp932Lines({line}));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records.size(), 1);
        QCOMPARE(read.records[0], m);
        QCOMPARE(read.records[0].comment.isEmpty(), comment.isEmpty());
        // Written back through the other writers, the line stays the same.
        QVERIFY(RewriteDataFile(folder(), FileName::data1, read.records));
        QCOMPARE(readFile(data1()), cp932Lines({line}));
        QVERIFY(InsertMeasurementInOrder(folder(), FileName::data1, record(QStringLiteral("2003/11/09"), QStringLiteral("夜"), 65, 21)));
        QCOMPARE(readFile(data1()), cp932Lines({line, QStringLiteral("\"2003/11/09\",\"夜\",65,\"\",21,\"\"")}));
    }

    void readerAcceptsLooseForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<float>("weight");
        QTest::addColumn<float>("bodyFat");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reserved");
        QTest::newRow("point without leading digit") << QStringLiteral("\"2003/11/08\",\"朝\",.5,\"\",-.5,\"\"") << 0.5f << -0.5f
                                                     << QStringLiteral("朝") << QString();
        QTest::newRow("spaces after commas") << QStringLiteral("\"2003/11/08\", \"朝\", 65.5, \"\", 21.3, \"\"") << 65.5f << 21.3f
                                             << QStringLiteral("朝") << QString();
        QTest::newRow("spaces and tabs around fields") << QStringLiteral(" \"2003/11/08\" ,\t\"朝 \" ,65.5 , \"\"\t, 21.3\t,\"\"  ")
                                                       << 65.5f << 21.3f << QStringLiteral("朝 ") << QString();
        QTest::newRow("sign and exponent") << QStringLiteral("\"2003/11/08\",\"朝\",+6.55e1,\"\",2.13E+1,\"\"") << 65.5f << 21.3f
                                           << QStringLiteral("朝") << QString();
        QTest::newRow("long digits") << QStringLiteral("\"2003/11/08\",\"朝\",65.50000000000000000001,\"\",0021.3,\"\"") << 65.5f
                                     << 21.3f << QStringLiteral("朝") << QString();
        QTest::newRow("reserved text kept") << QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3,\"予備\"") << 65.5f << 21.3f
                                            << QStringLiteral("朝") << QStringLiteral("予備");
        QTest::newRow("unquoted texts") << QStringLiteral("2003/11/08,朝,65.5,,21.3,") << 65.5f << 21.3f << QStringLiteral("朝")
                                        << QString();
    }
    void readerAcceptsLooseForms()
    {
        QFETCH(QString, line);
        QFETCH(float, weight);
        QFETCH(float, bodyFat);
        QFETCH(QString, situation);
        QFETCH(QString, reserved);
        QVERIFY(writeFile(data1(), cp932Lines({line})));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QVERIFY2(read.malformed.isEmpty(), qPrintable(read.malformedReport()));
        QCOMPARE(read.records.size(), 1);
        const Measurement &m = read.records[0];
        QCOMPARE(m.date, QStringLiteral("2003/11/08"));
        QCOMPARE(m.situation, situation);
        QCOMPARE(m.weight, weight);
        QVERIFY(m.comment.isEmpty());
        QCOMPARE(m.bodyFat, bodyFat);
        QCOMPARE(m.reserved, reserved);
    }

    void malformedLineReported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decodable");
        const auto row = [](const char *name, const QString &line) { QTest::newRow(name) << cp932(line) << true; };
        row("five fields", QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3"));
        row("seven fields", QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3,\"\",\"\""));
        row("decimal comma", QStringLiteral("\"2003/11/08\",\"朝\",65,5,\"\",21.3,\"\""));
        row("quoted weight", QStringLiteral("\"2003/11/08\",\"朝\",\"65.5\",\"\",21.3,\"\""));
        row("no such day", QStringLiteral("\"2003/02/29\",\"朝\",65.5,\"\",21.3,\"\""));
        row("month not padded", QStringLiteral("\"2003/1/08\",\"朝\",65.5,\"\",21.3,\"\""));
        row("date with dashes", QStringLiteral("\"2003-11-08\",\"朝\",65.5,\"\",21.3,\"\""));
        row("unit after number", QStringLiteral("\"2003/11/08\",\"朝\",65.5kg,\"\",21.3,\"\""));
        row("full-width digits", QStringLiteral("\"2003/11/08\",\"朝\",６５,\"\",21.3,\"\""));
        row("empty number", QStringLiteral("\"2003/11/08\",\"朝\",,\"\",21.3,\"\""));
        row("two points", QStringLiteral("\"2003/11/08\",\"朝\",65.5.1,\"\",21.3,\"\""));
        row("nan", QStringLiteral("\"2003/11/08\",\"朝\",nan,\"\",21.3,\"\""));
        row("inf", QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",inf,\"\""));
        row("beyond a 32-bit value", QStringLiteral("\"2003/11/08\",\"朝\",1e39,\"\",21.3,\"\""));
        row("unterminated quote", QStringLiteral("\"2003/11/08\",\"朝,65.5,\"\",21.3,\"\""));
        row("text after closing quote", QStringLiteral("\"2003/11/08\",\"朝\"食,65.5,\"\",21.3,\"\""));
        row("a note", QStringLiteral("体重計を買い替えた"));
        row("double quote in an unquoted text", QStringLiteral("\"2003/11/08\",朝\"食,65.5,\"\",21.3,\"\""));
        row("CR inside a text", QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"夜\r\",21.3,\"\""));
        row("empty date", QStringLiteral("\"\",\"朝\",65.5,\"\",21.3,\"\""));
        row("sign only", QStringLiteral("\"2003/11/08\",\"朝\",-,\"\",21.3,\"\""));
        QTest::newRow("byte outside the code page") << QByteArray("\"2003/11/08\",\"\xA0\",65.5,\"\",21.3,\"\"") << false;
        QTest::newRow("unassigned double byte") << QByteArray("\"2003/11/08\",\"\x85\x40\",65.5,\"\",21.3,\"\"") << false;
        QTest::newRow("lead byte before quote") << QByteArray("\"2003/11/08\",\"\x81\",65.5,\"\",21.3,\"\"") << false;
        QTest::newRow("byte outside the code page in the comment")
            << QByteArray("\"2003/11/08\",\"\x92\xa9\",65.5,\"\xA0\",21.3,\"\"") << false;
        QTest::newRow("byte outside the code page in reserved")
            << QByteArray("\"2003/11/08\",\"\x92\xa9\",65.5,\"\",21.3,\"\xA0\"") << false;
    }
    void malformedLineReported()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decodable);
        QVERIFY(writeFile(data1(), cp932Lines({kBaseLines[0]}) + bytes + QByteArrayLiteral("\r\n") + cp932Lines({kBaseLines[1]})));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records, baseRecords().mid(0, 2));
        QCOMPARE(read.malformed.size(), 1);
        QCOMPARE(read.malformed[0].lineNumber, 2);
        if (decodable)
            QCOMPARE(cp932(read.malformed[0].text), bytes);
        const QString report = read.malformedReport();
        QVERIFY2(report.startsWith(QStringLiteral("「データ1.txt」の2行目")), qPrintable(report));
        QVERIFY(report.endsWith(messageText(read.malformed[0].text)));
        QVERIFY(std::none_of(report.cbegin(), report.cend(), [](QChar c) { return c.unicode() < 0x20; })); // a CR would overwrite it
    }

    void manyTextsReadBack()
    {
        // More distinct situations and comments than the reader keeps at hand, in every mix:
        // each line keeps its own texts, whatever was read before it.
        QList<Measurement> records;
        QStringList lines;
        for (int i = 0; i < 60; ++i) {
            Measurement m;
            m.date = QStringLiteral("2003/11/%1").arg(1 + i / 3, 2, 10, QLatin1Char('0'));
            m.situation = QStringLiteral("状況%1").arg(i % 11);
            m.weight = QStringLiteral("60.%1").arg(i % 7).toFloat();
            m.comment = i % 2 ? QStringLiteral("メモ%1").arg(i % 13) : QString();
            m.bodyFat = 20.5f;
            m.reserved = i % 5 ? QString() : QStringLiteral("予備%1").arg(i % 9);
            records.append(m);
            lines.append(measurementLine(m));
        }
        QVERIFY(writeFile(data1(), cp932Lines(lines)));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QVERIFY(read.malformed.isEmpty());
        QCOMPARE(read.records, records);
    }

    void emptyDateIsNoRecord()
    {
        // Not even on the first line, where no date before it is there to compare with.
        QVERIFY(writeFile(data1(), cp932Lines({QStringLiteral("\"\",\"朝\",65.5,\"\",21.3,\"\""), kBaseLines[0]})));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records, baseRecords().mid(0, 1));
        QCOMPARE(read.malformed.size(), 1);
        QCOMPARE(read.malformed[0].lineNumber, 1);
    }

    void blankLinesSkippedButCounted()
    {
        QVERIFY(writeFile(data1(), cp932(kBaseLines[0]) + QByteArrayLiteral("\r\n\r\n   \r\n\t\n")
                                       + cp932(kBaseLines[1]) + QByteArrayLiteral("\r\nmemo\r\n\r\n")));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records, baseRecords().mid(0, 2));
        QCOMPARE(read.malformed.size(), 1);
        QCOMPARE(read.malformed[0].lineNumber, 6);
        QCOMPARE(read.malformed[0].text, QStringLiteral("memo"));
    }

    void lastLineWithoutLineEnd_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("CR only") << QByteArrayLiteral("\r");
    }
    void lastLineWithoutLineEnd()
    {
        QFETCH(QByteArray, ending);
        QVERIFY(writeFile(data1(), cp932Lines({kBaseLines[0]}) + cp932(kBaseLines[1]) + ending));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records, baseRecords().mid(0, 2));
        QVERIFY(read.malformed.isEmpty());
    }

    void missingFileReadsAsNoRecords()
    {
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data2);
        QVERIFY(!read.exists);
        QVERIFY(read.records.isEmpty());
        QVERIFY(read.malformed.isEmpty());
        QVERIFY(read.malformedReport().isEmpty());
        QVERIFY(folderEntries(m_dir->path()).isEmpty());
    }

    // ---- storing a record by its date ----

    void storeByDate_data()
    {
        QTest::addColumn<bool>("append");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("position"); // 0-based line index the new line ends up on
        QTest::newRow("same day as the last line: appended") << true << QStringLiteral("2003/11/12") << 5;
        QTest::newRow("day with lines: after them") << false << QStringLiteral("2003/11/09") << 3;
        QTest::newRow("day without lines: before the next day") << false << QStringLiteral("2003/11/10") << 3;
        QTest::newRow("first day: after its line") << false << QStringLiteral("2003/11/08") << 1;
        QTest::newRow("before every line: new first line") << false << QStringLiteral("2003/11/01") << 0;
        QTest::newRow("inserted on the last day") << false << QStringLiteral("2003/11/12") << 5;
        QTest::newRow("inserted after every day") << false << QStringLiteral("2003/12/01") << 5;
        QTest::newRow("year before") << false << QStringLiteral("2002/12/31") << 0;
    }
    void storeByDate()
    {
        QFETCH(bool, append);
        QFETCH(QString, date);
        QFETCH(int, position);
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        const Measurement m = record(date, QStringLiteral("入浴後"), 64.4f, 20.5f);
        QVERIFY(append ? AppendMeasurement(folder(), FileName::data1, m) : InsertMeasurementInOrder(folder(), FileName::data1, m));
        QStringList expected = kBaseLines;
        expected.insert(position, QStringLiteral("\"%1\",\"入浴後\",64.4,\"\",20.5,\"\"").arg(date));
        QCOMPARE(readFile(data1()), cp932Lines(expected));
        QList<Measurement> records = baseRecords();
        records.insert(position, m);
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records, records);
    }

    void insertIntoMissingFile()
    {
        QVERIFY(InsertMeasurementInOrder(folder(), FileName::data1, baseRecords()[0]));
        QCOMPARE(readFile(data1()), cp932Lines({kBaseLines[0]}));
    }

    void insertWritesRecordsInStoredForm()
    {
        // Records are copied field by field: their numbers come out in the stored form and the
        // reserved text stays as it was. Blank lines are not copied.
        QVERIFY(writeFile(data1(), cp932Lines({QStringLiteral(" \"2003/11/08\" , \"朝食前\" , 065.50 , \"\" , 21.30 , \"x\""),
                                               QString(), QStringLiteral("\"2003/11/12\",\"朝\",+64.7,\"\",2.09e1,\"\"")})));
        QVERIFY(InsertMeasurementInOrder(folder(), FileName::data1, record(QStringLiteral("2003/11/10"), QStringLiteral("夜"), 65, 21)));
        QCOMPARE(readFile(data1()), cp932Lines({QStringLiteral("\"2003/11/08\",\"朝食前\",65.5,\"\",21.3,\"x\""),
                                                QStringLiteral("\"2003/11/10\",\"夜\",65,\"\",21,\"\""),
                                                QStringLiteral("\"2003/11/12\",\"朝\",64.7,\"\",20.9,\"\"")}));
    }

    void insertKeepsOtherBytesOfTexts()
    {
        // 0xED40 and 0xFA5C both read as 纊; a copied line keeps the spelling it had.
        const QByteArray line = QByteArray("\"2003/11/08\",\"\xED\x40\",65.5,\"\",21.3,\"\"\r\n");
        QVERIFY(writeFile(data1(), line));
        QVERIFY(InsertMeasurementInOrder(folder(), FileName::data1, record(QStringLiteral("2003/11/01"), QStringLiteral("纊"), 65, 21)));
        QCOMPARE(readFile(data1()), QByteArray("\"2003/11/01\",\"\xFA\x5C\",65,\"\",21,\"\"\r\n") + line);
    }

    void rewriteWritesGivenRecords()
    {
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        QList<Measurement> records = baseRecords().mid(0, 3);
        records[1].comment = QStringLiteral("日記を書き直した、二回目");
        records[2].reserved = QStringLiteral("消える");
        std::swap(records[0], records[2]);
        QVERIFY(RewriteDataFile(folder(), FileName::data1, records));
        QCOMPARE(readFile(data1()), cp932Lines({QStringLiteral("\"2003/11/09\",\"夕食後\",65.8,\"散歩した\",21.4,\"\""),
                                                QStringLiteral("\"2003/11/09\",\"朝食前\",65.1,\"日記を書き直した、二回目\",21.1,\"\""),
                                                kBaseLines[0]}));
    }

    void rewriteToNothing()
    {
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        QVERIFY(RewriteDataFile(folder(), FileName::data1, {}));
        QCOMPARE(readFile(data1()), QByteArray());
        QVERIFY(ReadMeasurements(folder(), FileName::data1).exists);
    }

    // ---- lines that are not records survive every writer ----

    void insertKeepsMalformedLinesInPlace()
    {
        const QByteArray note = cp932(QStringLiteral("メモ：体重計を新調"));
        const QByteArray undecodable("\"2003/11/10\",\"\xA0\xFF\",65,\"\",21,\"\"");
        const QByteArray cutShort = cp932(QStringLiteral("\"2003/11/12\",\"朝"));
        QVERIFY(writeFile(data1(), cp932Lines({kBaseLines[0]}) + note + "\r\n" + cp932Lines({kBaseLines[1]}) + undecodable + "\r\n"
                                       + cp932Lines({kBaseLines[3]}) + cutShort));
        QVERIFY(InsertMeasurementInOrder(folder(), FileName::data1, record(QStringLiteral("2003/11/10"), QStringLiteral("夜"), 65, 21)));
        const QByteArray expected = cp932Lines({kBaseLines[0]}) + note + "\r\n" + cp932Lines({kBaseLines[1]}) + undecodable + "\r\n"
                                    + cp932Lines({QStringLiteral("\"2003/11/10\",\"夜\",65,\"\",21,\"\""), kBaseLines[3]}) + cutShort
                                    + "\r\n";
        QCOMPARE(readFile(data1()), expected);
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records.size(), 4);
        QCOMPARE(read.malformed.size(), 3);
        QCOMPARE(read.malformed[0].lineNumber, 2);
        QCOMPARE(read.malformed[1].lineNumber, 4);
        QCOMPARE(read.malformed[2].lineNumber, 7);
    }

    void rewriteRefusesFileWithMalformedLine()
    {
        const QByteArray old = cp932Lines({kBaseLines[0], QStringLiteral("\"2003/11/09\",\"朝\",65.1"), kBaseLines[3]});
        QVERIFY(writeFile(data1(), old));
        const StoreResult r = RewriteDataFile(folder(), FileName::data1, baseRecords());
        QVERIFY(!r.ok());
        QVERIFY2(r.message().contains(QStringLiteral("2行目")), qPrintable(r.message()));
        QCOMPARE(readFile(data1()), old);
    }

    void appendLeavesMalformedLine()
    {
        const QByteArray old = cp932Lines({kBaseLines[0]}) + QByteArray("\xA0\xA0\r\n") + cp932Lines({kBaseLines[1]});
        QVERIFY(writeFile(data1(), old));
        QVERIFY(AppendMeasurement(folder(), FileName::data1, baseRecords()[2]));
        QCOMPARE(readFile(data1()), old + cp932Lines({kBaseLines[2]}));
    }

    // ---- what cannot be stored ----

    void refusedInput_data()
    {
        QTest::addColumn<Measurement>("m");
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::addColumn<bool>("situationOnly");
        const QString date = QStringLiteral("2003/11/10");
        const auto withSituation = [&](const QString &situation) { return record(date, situation, 65, 21); };
        const auto withComment = [&](const QString &comment) { return record(date, QStringLiteral("朝"), 65, 21, comment); };
        QTest::newRow("double quote in situation") << withSituation(QStringLiteral("朝\"食")) << QStringLiteral("朝\"食") << true;
        QTest::newRow("double quote in comment") << withComment(QStringLiteral("\"")) << QStringLiteral("\"") << false;
        QTest::newRow("LF in situation") << withSituation(QStringLiteral("朝\n食")) << QStringLiteral("朝<U+000A>食") << true;
        QTest::newRow("CR in comment") << withComment(QStringLiteral("一行目\r二行目")) << QStringLiteral("一行目<U+000D>二行目") << false;
        QTest::newRow("emoji in situation") << withSituation(QStringLiteral("朝😀")) << QStringLiteral("😀") << true;
        QTest::newRow("emoji in comment") << withComment(QStringLiteral("😀うれしい")) << QStringLiteral("😀") << false;
        QTest::newRow("yen sign") << withComment(QStringLiteral("ジム\u00A5500")) << QStringLiteral("\u00A5") << false;
        QTest::newRow("em dash") << withSituation(QStringLiteral("朝\u2014昼")) << QStringLiteral("\u2014") << true;
        QTest::newRow("wave dash U+301C") << withComment(QStringLiteral("昼\u301C夜")) << QStringLiteral("\u301C") << false;
        QTest::newRow("lone surrogate") << withComment(QString(QChar(0xD83D))) << QStringLiteral("「<U+D83D>」のU+D83D") << false;
        QTest::newRow("no such day") << record(QStringLiteral("2003/02/29"), QStringLiteral("朝"), 65, 21) << QStringLiteral("2003/02/29")
                                     << true;
        QTest::newRow("date not padded") << record(QStringLiteral("2003/11/8"), QStringLiteral("朝"), 65, 21) << QStringLiteral("2003/11/8")
                                         << true;
        QTest::newRow("empty date") << record(QString(), QStringLiteral("朝"), 65, 21) << QStringLiteral("日付") << true;
        QTest::newRow("weight not a number") << record(date, QStringLiteral("朝"), std::numeric_limits<float>::quiet_NaN(), 21) << date
                                             << true;
        QTest::newRow("body fat infinite") << record(date, QStringLiteral("朝"), 65, std::numeric_limits<float>::infinity()) << date
                                           << true;
    }
    void refusedInput()
    {
        QFETCH(Measurement, m);
        QFETCH(QString, named);
        QFETCH(bool, situationOnly);
        const QByteArray old = cp932Lines(kBaseLines);
        for (Op op : {Op::Append, Op::Insert, Op::Rewrite, Op::First}) {
            if (op == Op::First && !situationOnly)
                continue; // the first line has no comment
            QVERIFY(writeFile(data1(), old));
            const StoreResult r = run(op, m);
            QVERIFY2(!r.ok(), qPrintable(QString::number(int(op))));
            QVERIFY2(r.message().contains(named), qPrintable(r.message()));
            QCOMPARE(readFile(data1()), old);
            QCOMPARE(folderEntries(m_dir->path()), QStringList{FileName::data1});
        }
    }

    void firstMeasurementBeyondFloatRangeRefused()
    {
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        QVERIFY(!WriteFirstMeasurement(folder(), FileName::data1, QStringLiteral("2003/11/08"), QStringLiteral("朝"), 1e39, 21).ok());
        QCOMPARE(readFile(data1()), cp932Lines(kBaseLines));
    }

    void rewriteIgnoresReservedItDoesNotWrite()
    {
        QList<Measurement> records = baseRecords();
        records[0].reserved = QStringLiteral("\"😀\"");
        QVERIFY(RewriteDataFile(folder(), FileName::data1, records));
        QCOMPARE(readFile(data1()), cp932Lines(kBaseLines));
    }

    // ---- the line limit ----

    void lineLimit_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<bool>("insert");
        QTest::addColumn<bool>("fits");
        QTest::newRow("full, append") << kMaxDataLines << QByteArray() << false << false;
        QTest::newRow("full, insert") << kMaxDataLines << QByteArray() << true << false;
        QTest::newRow("one short, append") << kMaxDataLines - 1 << QByteArray() << false << true;
        QTest::newRow("one short, insert") << kMaxDataLines - 1 << QByteArray() << true << true;
        QTest::newRow("blank lines do not count") << kMaxDataLines - 1 << QByteArrayLiteral("\r\n  \r\n\t\r\n") << false << true;
        QTest::newRow("a malformed line counts, append") << kMaxDataLines - 1 << QByteArrayLiteral("memo\r\n") << false << false;
        QTest::newRow("a malformed line counts, insert") << kMaxDataLines - 1 << QByteArrayLiteral("memo\r\n") << true << false;
    }
    void lineLimit()
    {
        QFETCH(int, records);
        QFETCH(QByteArray, extra);
        QFETCH(bool, insert);
        QFETCH(bool, fits);
        const QByteArray old = cp932Lines({kBaseLines[0]}).repeated(records) + extra;
        QVERIFY(writeFile(data1(), old));
        const Measurement m = record(insert ? QStringLiteral("2003/11/01") : QStringLiteral("2003/11/08"), QStringLiteral("朝"), 65, 21);
        const StoreResult r = insert ? InsertMeasurementInOrder(folder(), FileName::data1, m) : AppendMeasurement(folder(), FileName::data1, m);
        if (!fits) {
            QVERIFY(!r.ok());
            QVERIFY2(r.message().contains(QStringLiteral("32767")), qPrintable(r.message()));
            QCOMPARE(readFile(data1()), old);
            return;
        }
        QVERIFY2(r.ok(), qPrintable(r.message()));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QCOMPARE(read.records.size(), kMaxDataLines);
        QCOMPARE(read.records[insert ? 0 : kMaxDataLines - 1], m);
        // Now the file is full.
        const QByteArray full = readFile(data1());
        QVERIFY(!AppendMeasurement(folder(), FileName::data1, m).ok());
        QVERIFY(!InsertMeasurementInOrder(folder(), FileName::data1, m).ok());
        QCOMPARE(readFile(data1()), full);
    }

    void rewriteLimit()
    {
        const QList<Measurement> full(kMaxDataLines, baseRecords()[0]);
        QVERIFY(RewriteDataFile(folder(), FileName::data1, full));
        QCOMPARE(readFile(data1()), cp932Lines({kBaseLines[0]}).repeated(kMaxDataLines));
        const StoreResult r = RewriteDataFile(folder(), FileName::data1, QList<Measurement>(full) << baseRecords()[1]);
        QVERIFY(!r.ok());
        QVERIFY(r.message().contains(QStringLiteral("32767")));
        QCOMPARE(readFile(data1()), cp932Lines({kBaseLines[0]}).repeated(kMaxDataLines));
    }

    // ---- failed writes leave the file as it was ----

    void failedWriteLeavesFileIntact_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<qint64>("failAfterBytes");
        QTest::addColumn<bool>("atCommit");
        QTest::newRow("insert, half-way") << int(Op::Insert) << qint64(40) << false;
        QTest::newRow("insert, nothing written") << int(Op::Insert) << qint64(0) << false;
        QTest::newRow("insert, at the rename") << int(Op::Insert) << qint64(-1) << true;
        QTest::newRow("rewrite, half-way") << int(Op::Rewrite) << qint64(100) << false;
        QTest::newRow("rewrite, at the rename") << int(Op::Rewrite) << qint64(-1) << true;
        QTest::newRow("first line, half-way") << int(Op::First) << qint64(10) << false;
        QTest::newRow("first line, at the rename") << int(Op::First) << qint64(-1) << true;
        QTest::newRow("append, half a line") << int(Op::Append) << qint64(12) << false;
        QTest::newRow("append, nothing written") << int(Op::Append) << qint64(0) << false;
    }
    void failedWriteLeavesFileIntact()
    {
        QFETCH(int, op);
        QFETCH(qint64, failAfterBytes);
        QFETCH(bool, atCommit);
        const QByteArray old = cp932Lines(kBaseLines);
        QVERIFY(writeFile(data1(), old));
        const QStringList entries = folderEntries(m_dir->path());
        const Measurement m = record(QStringLiteral("2003/11/10"), QStringLiteral("夜"), 65, 21);
        const auto armed = SafeSave::injectFault({failAfterBytes, atCommit});
        const StoreResult r = run(Op(op), m);
        QVERIFY(!r.ok());
        QVERIFY(r.message().contains(QStringLiteral("データ1.txt")));
        QCOMPARE(readFile(data1()), old);
        QCOMPARE(folderEntries(m_dir->path()), entries); // no temporary file left behind
        // The fault was used up: the same write now goes through.
        QVERIFY(run(Op(op), m));
        QVERIFY(readFile(data1()) != old);
    }

    void failedAppendToMissingFileLeavesNoFile()
    {
        const auto armed = SafeSave::injectFault({5, false});
        QVERIFY(!AppendMeasurement(folder(), FileName::data1, baseRecords()[0]).ok());
        QVERIFY(folderEntries(m_dir->path()).isEmpty());
    }

    void refusedWriteDoesNotUseUpFault()
    {
        // The fault is meant for the next write that happens; a refusal writes nothing.
        QVERIFY(writeFile(data1(), cp932Lines(kBaseLines)));
        const auto armed = SafeSave::injectFault({0, false});
        QVERIFY(!AppendMeasurement(folder(), FileName::data1, record(QStringLiteral("2003/11/12"), QStringLiteral("\""), 65, 21)).ok());
        QVERIFY(!AppendMeasurement(folder(), FileName::data1, baseRecords()[4]).ok());
        QCOMPARE(readFile(data1()), cp932Lines(kBaseLines));
    }

    // ---- file names ----

    void namesMatchWithoutCase_data()
    {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<QString>("asked");
        QTest::newRow("upper case on disk") << QStringLiteral("データ1.TXT") << QStringLiteral("データ1.txt");
        QTest::newRow("lower case on disk") << QStringLiteral("データ1.txt") << QStringLiteral("データ1.TXT");
        QTest::newRow("mixed") << QStringLiteral("データ1.Txt") << QStringLiteral("データ1.tXT");
    }
    void namesMatchWithoutCase()
    {
        QFETCH(QString, onDisk);
        QFETCH(QString, asked);
        QVERIFY(writeFile(path(onDisk), cp932Lines({kBaseLines[0]})));
        QCOMPARE(folder().pathFor(asked), path(onDisk));
        QVERIFY(folder().exists(asked));
        QCOMPARE(ReadMeasurements(folder(), asked).records, baseRecords().mid(0, 1));
        QVERIFY(AppendMeasurement(folder(), asked, baseRecords()[1]));
        QVERIFY(InsertMeasurementInOrder(folder(), asked, baseRecords()[2]));
        QCOMPARE(readFile(path(onDisk)), cp932Lines(kBaseLines.mid(0, 3)));
        QVERIFY(RewriteDataFile(folder(), asked, baseRecords().mid(0, 2)));
        QCOMPARE(readFile(path(onDisk)), cp932Lines(kBaseLines.mid(0, 2)));
        QCOMPARE(folderEntries(m_dir->path()), QStringList{onDisk});
    }

    // Two spellings of one name on a case-sensitive file system: whoever asks, in whatever
    // spelling, reads and writes the same one, the creation spelling first, else the first in
    // code-unit order. The other spellings are never touched.
    void oneSpellingForEveryCaller_data()
    {
        QTest::addColumn<QStringList>("onDisk");
        QTest::addColumn<QString>("used");
        QTest::newRow("creation spelling among others")
            << QStringList{QStringLiteral("データ1.TXT"), QStringLiteral("データ1.txt"), QStringLiteral("データ1.Txt")} << QStringLiteral("データ1.txt");
        QTest::newRow("without the creation spelling")
            << QStringList{QStringLiteral("データ1.Txt"), QStringLiteral("データ1.TXT"), QStringLiteral("データ1.tXt")} << QStringLiteral("データ1.TXT");
    }
    void oneSpellingForEveryCaller()
    {
        QFETCH(QStringList, onDisk);
        QFETCH(QString, used);
        // Each spelling holds another record, so that what is read tells which file it came from.
        for (qsizetype i = 0; i < onDisk.size(); ++i)
            QVERIFY(writeFile(path(onDisk[i]), cp932Lines({kBaseLines[i]})));
        const QList<Measurement> usedRecords{baseRecords()[onDisk.indexOf(used)]};
        for (const QString &asked : {QStringLiteral("データ1.txt"), QStringLiteral("データ1.TXT"), QStringLiteral("データ1.tXT")}) {
            QCOMPARE(folder().pathFor(asked), path(used));
            QCOMPARE(ReadMeasurements(folder(), asked).records, usedRecords);
        }
        QVERIFY(AppendMeasurement(folder(), QStringLiteral("データ1.tXT"), baseRecords()[4]));
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records, usedRecords + baseRecords().mid(4, 1));
        for (qsizetype i = 0; i < onDisk.size(); ++i) {
            if (onDisk[i] != used)
                QCOMPARE(readFile(path(onDisk[i])), cp932Lines({kBaseLines[i]}));
        }
    }

    void folderOfTheNameIsTheFile()
    {
        // A folder in the creation spelling is that file, unreadable; a file in another spelling
        // beside it is not taken instead, and nothing is written beside it.
        QVERIFY(QDir().mkpath(data1()));
        QVERIFY(writeFile(path(QStringLiteral("データ1.TXT")), cp932Lines({kBaseLines[0]})));
        const MeasurementFile read = ReadMeasurements(folder(), QStringLiteral("データ1.TXT"));
        QVERIFY(read.exists);
        QVERIFY(read.records.isEmpty());
        QVERIFY2(read.readError.contains(QStringLiteral("「データ1.txt」")), qPrintable(read.readError));
        QVERIFY(!AppendMeasurement(folder(), QStringLiteral("データ1.TXT"), baseRecords()[1]).ok());
        QCOMPARE(readFile(path(QStringLiteral("データ1.TXT"))), cp932Lines({kBaseLines[0]}));
        QCOMPARE(folderEntries(m_dir->path()), (QStringList{QStringLiteral("データ1.TXT"), FileName::data1}));
    }

    void newFilesGetLowerCaseExtension_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("append") << int(Op::Append);
        QTest::newRow("insert") << int(Op::Insert);
        QTest::newRow("first line") << int(Op::First);
    }
    void newFilesGetLowerCaseExtension()
    {
        QFETCH(int, op);
        const Measurement m = baseRecords()[0];
        const QString asked = QStringLiteral("データ2.TXT");
        const StoreResult r = Op(op) == Op::Append ? AppendMeasurement(folder(), asked, m)
                              : Op(op) == Op::Insert
                                  ? InsertMeasurementInOrder(folder(), asked, m)
                                  : WriteFirstMeasurement(folder(), asked, m.date, m.situation, m.weight, m.bodyFat);
        QVERIFY(r);
        QCOMPARE(folderEntries(m_dir->path()), QStringList{QStringLiteral("データ2.txt")});
        QCOMPARE(DataFolder::creationSpelling(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.TXT")), QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt"));
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
