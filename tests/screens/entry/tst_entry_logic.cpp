#include "screens/entry/EntryDay.h"
#include "screens/entry/EntrySave.h"
#include "screens/entry/PartnerCount.h"

#include <QTest>

namespace {
Measurement m(const char *date, float weight, float fat = 20.0f, const char *situation = "朝食後")
{
    Measurement r;
    r.date = QString::fromLatin1(date);
    r.situation = QString::fromUtf8(situation);
    r.weight = weight;
    r.bodyFat = fat;
    return r;
}
} // namespace

class EntryLogicTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dayWithThreeMeasurements()
    {
        const QList<Measurement> records = {m("2003/08/21", 66.0f), m("2003/08/30", 65.4f, 21.0f),
                                            m("2003/09/01", 65.0f, 20.5f), m("2003/09/01", 64.8f, 20.1f, "昼食後"),
                                            m("2003/09/01", 65.2f, 20.9f, "夕食後"), m("2003/09/02", 64.9f)};
        const EntryDay e = ComputeEntryDay(records, QDate(2003, 9, 1), 170.0f);
        QCOMPARE(e.rows.size(), 3);
        QStringList previous, marks, first, firstMarks;
        for (const DayListRow &row : e.rows) {
            previous << row.previousDiff;
            marks << row.previousMark.text;
            first << row.firstDiff;
            firstMarks << row.firstMark.text;
        }
        // the first row compares with the last measurement of an earlier day (65.4)
        QCOMPARE(previous, (QStringList{QStringLiteral("-0.4Kg"), QStringLiteral("-0.2Kg"), QStringLiteral("0.4Kg")}));
        QCOMPARE(marks, (QStringList{QStringLiteral("↓"), QStringLiteral("↓"), QStringLiteral("↑")}));
        QCOMPARE(first, (QStringList{QStringLiteral("0.0Kg"), QStringLiteral("-0.2Kg"), QStringLiteral("0.2Kg")}));
        QCOMPARE(firstMarks, (QStringList{QStringLiteral("→"), QStringLiteral("↓"), QStringLiteral("↑")}));
        QCOMPARE(e.rows[1].firstMark.colour, 0xC0FFC0u);
        QCOMPARE(e.rows[2].firstMark.colour, 0xC0C0FFu);
        QCOMPARE(e.rows[0].firstMark.colour, 0xC0FFFFu);
        QCOMPARE(e.face, DayFace::Sulking);

        const DayListRow &row = e.rows[1];
        QCOMPARE(row.ordinal, QStringLiteral("2"));
        QCOMPARE(row.situation, QStringLiteral("昼食後"));
        QCOMPARE(row.weight, QStringLiteral("64.8Kg"));
        QCOMPARE(row.bmi, QStringLiteral("22.4"));     // 64.8 / 1.7²
        QCOMPARE(row.obesity, QStringLiteral("1.9%")); // (64.8 − 63.58) / 63.58
        QCOMPARE(row.bodyFat, QStringLiteral("20.1%"));

        // kept values: the day's last measurement is the latest, the file's last line is later
        QCOMPARE(e.latestWeight, 65.2f);
        QCOMPARE(e.latestDate, QStringLiteral("2003/09/01"));
        QCOMPARE(e.lastRecordDate, QStringLiteral("2003/09/02"));
        QCOMPARE(e.lastRecordWeight, 64.9f);
        QCOMPARE(e.dayMaxWeight, 65.2f);
        QCOMPARE(e.dayMinWeight, 64.8f);
        QCOMPARE(e.weightAxis->minimum, 64);
        QCOMPARE(e.weightAxis->maximum, 66);
        QCOMPARE(e.bodyFatAxis->minimum, 20);
        QCOMPARE(e.bodyFatAxis->maximum, 21);

        QCOMPARE(e.elapsedText, QStringLiteral("03/08/21 → 11日経過"));
        QCOMPARE(e.weightText, QStringLiteral("66.0Kg → 0.8Kg 減"));
        QCOMPARE(e.bmiText, QStringLiteral("22.8 → 0.3 減"));
        QCOMPARE(e.obesityText, QStringLiteral("3.8% → 1.3% 減"));
    }

    void faceFollowsTheDaysCourse_data()
    {
        QTest::addColumn<QList<float>>("weights");
        QTest::addColumn<int>("face");
        QTest::newRow("down") << QList<float>{65.0f, 64.5f} << int(DayFace::Laughing);
        QTest::newRow("same") << QList<float>{65.0f, 65.5f, 65.0f} << int(DayFace::Smiling);
        QTest::newRow("within 0.04 shows 0.0") << QList<float>{65.0f, 65.04f} << int(DayFace::Smiling);
        QTest::newRow("up") << QList<float>{65.0f, 65.1f} << int(DayFace::Sulking);
        QTest::newRow("one measurement") << QList<float>{65.0f} << int(DayFace::Smiling);
    }
    void faceFollowsTheDaysCourse()
    {
        QFETCH(QList<float>, weights);
        QFETCH(int, face);
        QList<Measurement> records = {m("2024/01/01", 70.0f)};
        for (float w : weights)
            records << m("2024/01/05", w);
        QCOMPARE(int(ComputeEntryDay(records, QDate(2024, 1, 5), 160.0f).face), face);
    }

    void graphAxesHoldTheDay_data()
    {
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("65.5 gives 66") << 64.2f << 65.5f << 64 << 66;
        QTest::newRow("65.0 gives 65") << 64.2f << 65.0f << 64 << 65;
        QTest::newRow("65.1 is not cut off") << 64.2f << 65.1f << 64 << 66;
        QTest::newRow("65.04 is not cut off") << 65.0f << 65.04f << 65 << 66;
    }
    void graphAxesHoldTheDay()
    {
        QFETCH(float, low);
        QFETCH(float, high);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        const QList<Measurement> records = {m("2024/01/01", 70.0f), m("2024/01/02", low, low), m("2024/01/02", high, high)};
        const EntryDay e = ComputeEntryDay(records, QDate(2024, 1, 2), 160.0f);
        QCOMPARE(e.weightAxis->minimum, minimum);
        QCOMPARE(e.weightAxis->maximum, maximum);
        QCOMPARE(e.bodyFatAxis->minimum, minimum);
        QCOMPARE(e.bodyFatAxis->maximum, maximum);
    }

    void smallDifferenceShowsAsEqual()
    {
        const QList<Measurement> records = {m("2024/01/01", 70.0f), m("2024/01/02", 70.04f)};
        const EntryDay e = ComputeEntryDay(records, QDate(2024, 1, 2), 160.0f);
        QCOMPARE(e.rows[0].previousDiff, QStringLiteral("0.0Kg"));
        QCOMPARE(e.rows[0].previousMark.text, QStringLiteral("→"));
    }

    void firstMeasurementOfTheDietComparesWithItself()
    {
        const QList<Measurement> records = {m("2024/01/01", 70.0f), m("2024/01/01", 69.5f), m("2024/01/02", 69.0f)};
        const EntryDay e = ComputeEntryDay(records, QDate(2024, 1, 1), 160.0f);
        QCOMPARE(e.rows[0].previousDiff, QStringLiteral("0.0Kg"));
        QCOMPARE(e.rows[1].previousDiff, QStringLiteral("-0.5Kg"));
        QCOMPARE(e.elapsedText, QStringLiteral("24/01/01 → 0日経過"));
    }

    void dayWithoutMeasurementsUsesTheLastLine()
    {
        const QList<Measurement> records = {m("2024/01/01", 70.0f, 30.0f), m("2024/01/03", 68.5f, 28.5f)};
        const EntryDay e = ComputeEntryDay(records, QDate(2024, 1, 2), 160.0f);
        QVERIFY(e.rows.isEmpty());
        QCOMPARE(e.face, DayFace::None);
        QCOMPARE(e.latestWeight, 68.5f);
        QCOMPARE(e.latestBodyFat, 28.5f);
        QCOMPARE(e.latestDate, QStringLiteral("2024/01/03"));
        QVERIFY(!e.weightAxis);
        QCOMPARE(e.dayMaxWeight, 0.0f);
        QCOMPARE(e.dayMinWeight, 999.0f);
        QCOMPARE(e.elapsedText, QStringLiteral("24/01/01 → 2日経過"));
        QCOMPARE(e.weightText, QStringLiteral("70.0Kg → 1.5Kg 減"));
    }

    void withoutHeightNoBodyFigures()
    {
        const QList<Measurement> records = {m("2024/01/01", 70.0f)};
        const EntryDay e = ComputeEntryDay(records, QDate(2024, 1, 1), 0.0f);
        QCOMPARE(e.rows[0].bmi, QString());
        QCOMPARE(e.rows[0].obesity, QString());
        QCOMPARE(e.bmiText, QString());
        QCOMPARE(e.obesityText, QString());
        QCOMPARE(e.weightText, QStringLiteral("70.0Kg → 0.0Kg 同"));
    }

    void emptyFileShowsNothing()
    {
        const EntryDay e = ComputeEntryDay({}, QDate(2024, 1, 1), 160.0f);
        QVERIFY(e.rows.isEmpty());
        QVERIFY(e.elapsedText.isEmpty());
        QCOMPARE(e.face, DayFace::None);
    }

    void changeWord_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("latest");
        QTest::addColumn<QString>("word");
        QTest::newRow("gained") << 60.0f << 60.01f << QStringLiteral(" 増");
        QTest::newRow("same") << 60.0f << 60.0f << QStringLiteral(" 同");
        QTest::newRow("lost a little") << 60.0f << 59.99f << QStringLiteral(" 減");
    }
    void changeWord()
    {
        QFETCH(float, start);
        QFETCH(float, latest);
        QFETCH(QString, word);
        QCOMPARE(ChangeWord(start, latest), word);
    }

    void countsAndFaces_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("other");
        QTest::addColumn<int>("face");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("3 against 1") << 3 << 1 << int(CountFace::Beaming) << 0xC0FFC0u;
        QTest::newRow("1 against 3") << 1 << 3 << int(CountFace::Sulking) << 0xC0C0FFu;
        QTest::newRow("2 against 2") << 2 << 2 << int(CountFace::Smiling) << 0xC0FFFFu;
        QTest::newRow("0 against 0") << 0 << 0 << int(CountFace::None) << 0xC0FFFFu;
        QTest::newRow("7 against 0") << 7 << 0 << int(CountFace::Beaming) << 0xC0FFC0u;
    }
    void countsAndFaces()
    {
        QFETCH(int, own);
        QFETCH(int, other);
        QFETCH(int, face);
        QFETCH(quint32, colour);
        QCOMPARE(int(CountFaceFor(own)), face);
        QCOMPARE(CountColour(own, other), colour);
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("no situation, boxes filled") << QString() << QStringLiteral("65") << QStringLiteral("20")
                                                   << QStringLiteral("行動が指定されていません") << QStringLiteral("行動未入力");
        QTest::newRow("no weight") << QStringLiteral("朝") << QString() << QString() << QStringLiteral("体重が入力されていません")
                                   << QStringLiteral("体重未入力");
        QTest::newRow("letters in weight before empty fat") << QStringLiteral("朝") << QStringLiteral("abc") << QString()
                                                            << QStringLiteral("数値を入力してください") << QStringLiteral("数値以外入力");
        QTest::newRow("weight with unit") << QStringLiteral("朝") << QStringLiteral("65kg") << QStringLiteral("20")
                                          << QStringLiteral("数値を入力してください") << QStringLiteral("数値以外入力");
        QTest::newRow("no fat") << QStringLiteral("朝") << QStringLiteral("65.5") << QString()
                                << QStringLiteral("体脂肪率が入力されていません") << QStringLiteral("体脂肪率未入力");
        QTest::newRow("fat with exponent") << QStringLiteral("朝") << QStringLiteral("65.5") << QStringLiteral("2e1")
                                           << QStringLiteral("数値を入力してください") << QStringLiteral("数値以外入力");
        QTest::newRow("all good") << QStringLiteral("朝") << QStringLiteral(" 65.5 ") << QStringLiteral("-1") << QString() << QString();
        QTest::newRow("zero accepted") << QStringLiteral("朝") << QStringLiteral("0") << QStringLiteral(".5") << QString() << QString();
    }
    void saveChecksInOrder()
    {
        QFETCH(QString, situation);
        QFETCH(QString, weight);
        QFETCH(QString, fat);
        QFETCH(QString, message);
        QFETCH(QString, title);
        const std::optional<SaveRefusal> refusal = CheckSave(situation, weight, fat);
        QCOMPARE(refusal ? refusal->message : QString(), message);
        QCOMPARE(refusal ? refusal->title : QString(), title);
    }

    void savePathAndRecord()
    {
        QVERIFY(NeedsOrderedInsert(QStringLiteral("2024/01/05"), QStringLiteral("2024/01/04")));
        QVERIFY(!NeedsOrderedInsert(QStringLiteral("2024/01/05"), QStringLiteral("2024/01/05")));
        QVERIFY(!NeedsOrderedInsert(QStringLiteral("2024/01/05"), QStringLiteral("2024/01/06")));
        QVERIFY(!NeedsOrderedInsert(QString(), QStringLiteral("2024/01/06")));
        const Measurement r = BuildMeasurement(QDate(2024, 2, 3), QStringLiteral("夕食後"), QStringLiteral(" 65.3"), QStringLiteral("21"),
                                               QStringLiteral("21:05:33"));
        QCOMPARE(r.date, QStringLiteral("2024/02/03"));
        QCOMPARE(r.weight, 65.3f);
        QCOMPARE(r.bodyFat, 21.0f);
        QCOMPARE(r.comment, QStringLiteral("21:05:33"));
        QVERIFY(r.reserved.isEmpty());
    }

    void startChangeOfARemoval_data()
    {
        QTest::addColumn<QList<Measurement>>("records");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("note");
        const QList<Measurement> days = {m("2026/08/10", 70.0f), m("2026/08/12", 69.5f), m("2026/08/12", 69.8f)};
        QTest::newRow("first, next on a later day") << days << 0 << QStringLiteral("開始日が 2026/08/10 から 2026/08/12 に変わります。");
        QTest::newRow("first, next on the same day") << QList<Measurement>{m("2026/08/10", 70.0f), m("2026/08/10", 69.6f)} << 0
                                                     << QStringLiteral("開始時の体重が 70.0Kg から 69.6Kg に変わります。");
        QTest::newRow("another record") << days << 1 << QString();
        QTest::newRow("the only record") << days.mid(0, 1) << 0 << QString();
    }
    void startChangeOfARemoval()
    {
        QFETCH(QList<Measurement>, records);
        QFETCH(int, index);
        QFETCH(QString, note);
        QCOMPARE(StartChangeNote(records, index), note);
        QCOMPARE(DeleteQuestion(QStringLiteral("1"), QStringLiteral("朝"), QStringLiteral("70.0Kg"), note),
                 note.isEmpty() ? QStringLiteral("1回目 朝 70.0Kg を削除しますか？") : QStringLiteral("1回目 朝 70.0Kg を削除しますか？ ") + note);
    }

    void arrowSteps_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("result");
        QTest::newRow("65.5 up 0.1") << QStringLiteral("65.5") << QStringLiteral("0.1") << 1 << QStringLiteral("65.6");
        QTest::newRow("65.5 down 0.1") << QStringLiteral("65.5") << QStringLiteral("0.1") << -1 << QStringLiteral("65.4");
        QTest::newRow("64 up 0.5") << QStringLiteral("64") << QStringLiteral("0.5") << 1 << QStringLiteral("64.5");
        QTest::newRow("0.1 steps to 0") << QStringLiteral("0.1") << QStringLiteral("0.1") << -1 << QStringLiteral("0");
        QTest::newRow("empty box counts as 0") << QString() << QStringLiteral("0.2") << 1 << QStringLiteral("0.2");
        QTest::newRow("typed step 0.3") << QStringLiteral("21.3") << QStringLiteral("0.3") << 1 << QStringLiteral("21.6");
        QTest::newRow("step not a number") << QStringLiteral("65.5") << QStringLiteral("abc") << 1 << QStringLiteral("65.5");
        QTest::newRow("empty step") << QStringLiteral("65.5") << QString() << 1 << QStringLiteral("65.5");
    }
    void arrowSteps()
    {
        QFETCH(QString, box);
        QFETCH(QString, step);
        QFETCH(int, direction);
        QFETCH(QString, result);
        QCOMPARE(SteppedValue(box, step, direction).value_or(box), result);
    }
};

QTEST_APPLESS_MAIN(EntryLogicTest)
#include "tst_entry_logic.moc"
