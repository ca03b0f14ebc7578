// SPDX-License-Identifier: GPL-3.0-or-later
// Other trackers' exports, each made here in the shape its app writes (see the README's import
// section): a pound file, body fat alone, an empty export, a damaged one and a zip per format.
#include "StoreTestUtil.h"

#include "store/CsvMerge.h"
#include "store/NumberText.h"
#include "store/TrackerImport.h"

#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

using namespace Qt::StringLiterals;

namespace {

// The Health app's export.xml around some records.
QByteArray apple(const QString &records)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE HealthData [\n<!ELEMENT HealthData "
                          "(ExportDate,Me,(Record|Correlation|Workout|ActivitySummary)*)>\n<!ATTLIST HealthData\n  locale CDATA #REQUIRED\n>\n]>\n"
                          "<HealthData locale=\"ja_JP\">\n <ExportDate value=\"2026-12-07 21:00:00 +0900\"/>\n"
                          " <Me HKCharacteristicTypeIdentifierBiologicalSex=\"HKBiologicalSexFemale\"/>\n%1</HealthData>\n")
        .arg(records)
        .toUtf8();
}
QString record(const char *type, const char *unit, const char *value, const char *start)
{
    return QStringLiteral(" <Record type=\"HKQuantityTypeIdentifier%1\" sourceName=\"Health\" unit=\"%2\" creationDate=\"%4\" "
                          "startDate=\"%4\" endDate=\"%4\" value=\"%3\">\n  <MetadataEntry key=\"HKWasUserEntered\" value=\"1\"/>\n </Record>\n")
        .arg(QLatin1String(type), QLatin1String(unit), QLatin1String(value), QLatin1String(start));
}

// A zip of the entries, as the apps pack them.
QByteArray zipOf(const QList<QPair<const char *, QByteArray>> &entries)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("a.zip")));
    int error = 0;
    zip_t *archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto &[name, bytes] : entries)
        zip_file_add(archive, name, zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0), 0);
    zip_close(archive);
    return StoreTest::readFile(QFile::decodeName(path));
}

// Every measurement as "date weight fat comment", then the problems; "?" first when the unit was
// asked, which is then answered: 2 pounds, else kilograms.
QString described(CsvReading &r, int unit)
{
    if (!r.error.isEmpty())
        return QStringLiteral("ERROR ") + r.error;
    const bool asked = r.unitUnknown;
    if (asked)
        applyWeightUnit(&r, unit == 2 ? WeightUnit::Pound : WeightUnit::Kilogram);
    QStringList parts;
    for (const CsvMeasurement &m : r.measurements)
        parts << QStringLiteral("%1 %2 %3 %4")
                     .arg(m.measurement.date, storedNumber(storedValue(m.measurement.weight)), storedNumber(storedValue(m.measurement.bodyFat)),
                          m.measurement.comment);
    for (const CsvLineProblem &p : r.problems)
        parts << QStringLiteral("[%1: %2]").arg(p.lineNumber).arg(p.reason);
    return (asked ? QStringLiteral("? ") : QString()) + parts.join(QStringLiteral("; "));
}

const QByteArray kFitPoints = "{\n  \"Data Source\": \"derived:com.google.weight:com.google.android.gms:merge_weight\",\n  \"Data Points\": [\n"
                              "    {\n      \"fitValue\": [{\"value\": {\"fpVal\": 72.5}}],\n      \"originDataSourceId\": "
                              "\"raw:com.google.weight:com.google.android.apps.fitness:user_input\",\n      \"endTimeNanos\": 1796424000000000000,\n"
                              "      \"dataTypeName\": \"com.google.weight\",\n      \"startTimeNanos\": 1796424000000000000,\n"
                              "      \"modifiedTimeMillis\": 1796424000000\n    }\n  ]\n}\n";
const QByteArray kFitbit = "[{\n  \"logId\" : 1796424000000,\n  \"weight\" : 160.2,\n  \"bmi\" : 24.35,\n  \"fat\" : 22.5,\n  \"date\" : \"12/05/26\",\n"
                           "  \"time\" : \"07:40:00\",\n  \"source\" : \"Aria\"\n},{\n  \"logId\" : 1796682000000,\n  \"weight\" : 159.8,\n"
                           "  \"bmi\" : 24.29,\n  \"date\" : \"12/06/26\",\n  \"time\" : \"07:40:00\",\n  \"source\" : \"API\"\n}]";
const QByteArray kLibra = "#Version: 6\n#Units: kg\n\n#date;weight;weight trend;body fat;body fat trend;muscle mass;muscle mass trend;log\n"
                          "2026-12-04T22:40:00.000Z;70.0;70.4;21.0;21.1;56.0;56.3;\n2026-12-05T22:40:00.000Z;69.8;70.3;;;;;散歩した\n";
const QByteArray kWithings = "\"Date\",\"Weight (kg)\",\"Fat mass (kg)\",\"Bone mass (kg)\",\"Muscle mass (kg)\",\"Hydration (kg)\",\"Comments\"\n"
                             "\"2026-12-05 07:40:00\",\"72.0\",\"18.0\",\"3.1\",\"51.0\",\"38.2\",\"\"\n";
const QByteArray kGarmin = "Time,Weight,Change,BMI,Body Fat,Skeletal Muscle Mass,Bone Mass,Body Water,\n\" Dec 5, 2026\",\n"
                           "07:15 AM,80.4 kg,0.2 kg,25.6,20%,--,--,--,\n";

} // namespace

class TrackerImportTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Japan's time, with no summer time: UTC moments come out at the same clock everywhere.
        qputenv("TZ", "JST-9");
    }

    void readsEachFormat_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("unit"); // the answer when the file does not say it: 1 kg, 2 lb
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("found");
        const auto row = [](const char *name, const QByteArray &file, int unit, const QString &read, const QString &found = {}) {
            QTest::newRow(name) << file << unit << read << found;
        };

        const QString mass = record("BodyMass", "lb", "150", "2026-10-05 07:02:41 -0800");
        const QString fat = record("BodyFatPercentage", "%", "0.161", "2026-10-05 07:02:59 -0800");
        const QString steps = record("StepCount", "count", "812", "2026-10-05 07:00:00 -0800");
        row("Apple Health, pounds", apple(steps + mass + fat), 0, u"2026/10/05 68.03886 16.1 07:02:41"_s,
            u"Apple Health の書き出し：体重 1件、体脂肪率 1件（2026/10/05〜2026/10/05）"_s);
        row("Apple Health, body fat alone", apple(fat), 0, u"[11: 体脂肪率16.1%と同じ分に量った体重がありません]"_s,
            u"Apple Health の書き出し：体重 0件、体脂肪率 1件"_s);
        row("Apple Health, empty", apple(QString()), 0, QString(), u"Apple Health の書き出し：体重 0件、体脂肪率 0件"_s);
        row("Apple Health, cut off", apple(mass).left(620), 0, u"ERROR XML として読めません"_s);
        row("Apple Health, zip",
            zipOf({{"apple_health_export/export.xml", apple(record("BodyMass", "kg", "72.4", "2026-12-06 22:10:00 +0900"))},
                   {"apple_health_export/export_cda.xml", "<?xml version=\"1.0\"?><ClinicalDocument/>"}}),
            0, u"2026/12/06 72.4 0 22:10:00"_s);

        row("Google Fit", kFitPoints, 0, u"2026/12/05 72.5 0 07:40:00"_s);
        row("Google Fit, empty", "{\"Data Source\": \"derived:com.google.weight:com.google.android.gms:merge_weight\", \"Data Points\": []}", 0,
            QString(), u"Google Fit の書き出し：体重 0件、体脂肪率 0件"_s);
        row("Google Fit, cut off", kFitPoints.left(200), 0, u"ERROR JSON として読めません"_s);
        QByteArray raw = kFitPoints;
        raw.replace("derived:com.google.weight:com.google.android.gms:merge_weight", "raw:com.google.weight:com.example:scale").replace("72.5", "99");
        row("Google Fit, Takeout zip: the merged stream",
            zipOf({{"Takeout/Fit/All Data/raw_com.google.weight_com.example.json", raw},
                   {"Takeout/Fit/All Data/derived_com.google.weight_com.google.android.gms_merge_weight.json", kFitPoints}}),
            0, u"2026/12/05 72.5 0 07:40:00"_s);

        const QByteArray badDate = QByteArray(kFitbit).replace("12/06/26", "13/06/26");
        row("Fitbit, pounds", kFitbit, 2, u"? 2026/12/05 72.6655 22.5 07:40:00; 2026/12/06 72.48406 0 07:40:00"_s,
            u"Fitbit の書き出し：体重 2件、体脂肪率 1件（2026/12/05〜2026/12/06）"_s);
        row("Fitbit, empty", "[ ]", 1, QString());
        row("Fitbit, a bad date", badDate, 1, u"? 2026/12/05 160.2 22.5 07:40:00; [2: 日付「13/06/26」を読み取れません]"_s);
        // Records are numbered across the files.
        row("Fitbit, zip of two files", zipOf({{"weight-2026-11-06.json", kFitbit}, {"weight-2026-12-06.json", badDate}}), 1,
            u"? 2026/12/05 160.2 22.5 07:40:00; 2026/12/06 159.8 0 07:40:00; 2026/12/05 160.2 22.5 07:40:00; [4: 日付「13/06/26」を読み取れません]"_s);

        const QString libra = u"2026/12/05 70 21 07:40:00; 2026/12/06 69.8 0 散歩した"_s;
        row("Libra", kLibra, 0, libra);
        row("Libra 5, pounds", "#Version:5\n#Units:lbs\n\n#date;weight;weight trend;body fat;body fat trend;log\n2026-12-04T22:40:00.000Z;160.2;160.2;;;\n", 0,
            u"2026/12/05 72.6655 0 07:40:00"_s);
        row("Libra, body fat alone", "#Version: 6\n#Units: kg\n\n2026-12-04T22:40:00.000Z;;;21.0\n", 0, u"[4: 体重がありません]"_s);
        row("Libra, empty", kLibra.left(kLibra.indexOf("log\n") + 4), 0, QString());
        row("Libra, version 7", QByteArray(kLibra).replace("6", "7"), 0, u"ERROR Libra の書き出しの版「7」"_s);
        row("Libra, zip", zipOf({{"libra.csv", kLibra}}), 0, libra);

        const QByteArray trale = "# This file was created with trale.\n#Date weight[kg]\n2026-12-05T07:40:00.000 71.8000000000\n";
        row("trale", trale, 0, u"2026/12/05 71.8 0 07:40:00"_s, u"trale の書き出し：体重 1件、体脂肪率 0件（2026/12/05〜2026/12/05）"_s);
        row("trale, empty", trale.left(trale.indexOf("2026")), 0, QString());
        row("trale, damaged", trale + "2026-12-06T07:40:00.000\n", 0, u"2026/12/05 71.8 0 07:40:00; [4: 日時と体重の二つの項目になっていません]"_s);
        row("trale, zip", zipOf({{"trale.txt", trale}}), 0, u"2026/12/05 71.8 0 07:40:00"_s);

        const QByteArray gnome = "date,weight\n2026-12-05,160.2\n2026-12-06T07:40:00+09:00,159.8\n";
        row("GNOME Health, pounds", gnome, 2, u"? 2026/12/05 72.6655 0 ; 2026/12/06 72.48406 0 07:40:00"_s);
        row("GNOME Health, empty", "date,weight\n", 0, QString());
        row("GNOME Health, damaged", "date,weight\n2026-02-30,70\n", 0, u"[2: 日付「2026-02-30」を読み取れません]"_s);
        row("GNOME Health, zip", zipOf({{"weight.csv", gnome}}), 1, u"? 2026/12/05 160.2 0 ; 2026/12/06 159.8 0 07:40:00"_s);

        row("Withings, pounds, 12-hour clock",
            "\"Date\",\"Weight (lb)\",\"Fat mass (lb)\",\"Comments\"\n\"2026-12-05 7:40 PM\",\"160.2\",\"32.04\",\"fasted, calm\"\n", 0,
            u"2026/12/05 72.6655 20 fasted, calm"_s);
        row("Withings, body fat alone", QByteArray(kWithings).replace("\"72.0\"", "\"\""), 0, u"[2: 体重がありません]"_s);
        row("Withings, empty", kWithings.left(kWithings.indexOf('\n') + 1), 0, QString());
        row("Withings, damaged", kWithings + "\"2026-12-06 07:40:00\",\"71", 0,
            u"2026/12/05 72 25 07:40:00; [3: 引用符（\"）が閉じていません]"_s);
        row("Withings, zip", zipOf({{"bp.csv", "Date,Systolic (mmHg),Diastolic (mmHg)\n"}, {"weight.csv", kWithings}}), 0,
            u"2026/12/05 72 25 07:40:00"_s);

        row("Garmin, pounds", QByteArray(kGarmin).replace("80.4 kg", "177.2 lbs"), 0, u"2026/12/05 80.37657 20 07:15:00"_s);
        row("Garmin, no body fat, no unit", QByteArray(kGarmin).replace("80.4 kg", "80.4").replace("20%", "--"), 1, u"? 2026/12/05 80.4 0 07:15:00"_s);
        row("Garmin, empty", kGarmin.left(kGarmin.indexOf('\n') + 1), 0, QString());
        row("Garmin, no date row", QByteArray(kGarmin).remove(kGarmin.indexOf("\" Dec"), 15), 0, u"[3: この行の前に日付の行がありません]"_s);
        row("Garmin, zip", zipOf({{"Weight.csv", kGarmin}}), 0, u"2026/12/05 80.4 20 07:15:00"_s);

        row("zip of two trackers", zipOf({{"a.csv", kGarmin}, {"b.csv", kWithings}}), 0,
            u"ERROR zip の中にGarmin Connect の書き出しとWithings の書き出しのファイル"_s);
        row("zip of nothing known", zipOf({{"notes.txt", "hello"}}), 0, u"ERROR zip の中に取り込める記録のファイルが見つかりません"_s);
        row("damaged zip", zipOf({{"libra.csv", kLibra}}).left(60), 0, u"ERROR zip ファイルとして読めません"_s);
    }
    void readsEachFormat()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, unit);
        QFETCH(QString, read);
        QFETCH(QString, found);
        // Read from a file, as the import reads it (the Health export as a stream), and from memory.
        QTemporaryDir dir;
        QVERIFY(StoreTest::writeFile(dir.filePath(QStringLiteral("export")), file));
        CsvReading reading = readImportMeasurements(dir.filePath(QStringLiteral("export")));
        const QString got = described(reading, unit);
        if (read.startsWith(QStringLiteral("ERROR")))
            QVERIFY2(got.startsWith(read), qPrintable(got));
        else
            QCOMPARE(got, read);
        if (!found.isEmpty())
            QCOMPARE(readingFound(reading), found);
        CsvReading again = readImportBytes(file);
        QCOMPARE(described(again, unit), got);
    }

    // A long reading stops when told to, with nothing read.
    void aReadingCanBeCancelled()
    {
        const QByteArray file = apple(record("BodyMass", "kg", "72", "2026-10-05 07:00:00 +0900").repeated(20000));
        int calls = 0;
        const CsvReading reading = readImportBytes(file, [&](qint64 done, qint64 total) {
            [&] { QVERIFY(done > 0 && done <= total && total == file.size()); }();
            return ++calls < 2;
        });
        QVERIFY(reading.cancelled);
        QVERIFY(reading.measurements.isEmpty());
        QCOMPARE(calls, 2);
    }
};

QTEST_GUILESS_MAIN(TrackerImportTest)
#include "tst_trackerimport.moc"
