// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison screen's computation without widgets: the partners' summaries, the period, the
// scoreboard texts and marks, the daily averages and the two graphs' data and axes.

#include "screens/comparison/ComparisonData.h"
#include "ScoreHeadings.h"

#include <QTest>

namespace {

Measurement record(const QDate &date, float weight)
{
    Measurement m;
    m.date = date.toString(QStringLiteral("yyyy/MM/dd"));
    m.situation = QStringLiteral("起床後");
    m.weight = weight;
    m.bodyFat = 25.0f;
    return m;
}

// `count` measurements, one a day from `start`, all of `weight` except the last, `lastWeight`.
QList<Measurement> daily(const QDate &start, int count, float weight, float lastWeight)
{
    QList<Measurement> records;
    for (int i = 0; i < count; ++i)
        records.append(record(start.addDays(i), i == count - 1 ? lastWeight : weight));
    return records;
}

// `count` measurements all on one day.
QList<Measurement> oneDay(const QDate &day, int count, float weight)
{
    QList<Measurement> records;
    for (int i = 0; i < count; ++i)
        records.append(record(day, weight));
    return records;
}

using Points = std::vector<std::optional<float>>;

ComparisonPartners couple(float target1 = 60.0f, float target2 = 50.0f)
{
    return {QStringLiteral("ぽむ"), QStringLiteral("りな"), target1, target2};
}

const QDate kStart(2003, 8, 21);

} // namespace

Q_DECLARE_METATYPE(QList<Measurement>)
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(AxisRange)

char *toString(const AxisRange &range)
{
    return QTest::toString(QStringLiteral("%1 to %2").arg(range.minimum).arg(range.maximum));
}

class TestComparisonLogic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // summary and period
    void summaryOfRecords();
    void summaryOfNoRecords();
    void period_data();
    void period();

    // scoreboard
    void countRow_data();
    void countRow();
    void elapsedAndRate_data();
    void elapsedAndRate();
    void weightRows();
    void targetRowBelowTarget();
    void markRule_data();
    void markRule();
    void missingPartner();
    void noRecordsAtAll();
    void headingsAndBands_data();
    void headingsAndBands();

    // daily averages
    void averageOfOneDay();
    void dayWithoutMeasurements();
    void partnerStartingLater();
    void partnerEndingEarlier();
    void lineOutOfOrderLandsOnItsDay();
    void periodBeyondSixteenBits();
    void dateTextOfEveryDay();
    void listTexts_data();
    void listTexts();
    void listTopRow_data();
    void listTopRow();

    // graphs
    void weightAxis_data();
    void weightAxis();
    void axesOfMissingPartner();
    void lowerBound_data();
    void lowerBound();
    void sameAxisCopyIncludesLastDay();
    void overlay_data();
    void overlay();
    void secondOverlayChangesNothing_data();
    void secondOverlayChangesNothing();
    void overlayWithoutCommonDay();
};

void TestComparisonLogic::summaryOfRecords()
{
    QList<Measurement> records = {record(kStart, 71.7f), record(kStart, 72.0f), record(kStart.addDays(3), 68.5f),
                                  record(kStart.addDays(9), 69.4f)};
    const PartnerSummary s = summarizePartner(records);
    QCOMPARE(s.measurementCount, qint64(4));
    QCOMPARE(s.firstDate, QStringLiteral("2003/08/21"));
    QCOMPARE(s.firstWeight, 71.7f);
    QCOMPARE(s.lastDate, QStringLiteral("2003/08/30"));
    QCOMPARE(s.lastWeight, 69.4f);
    QCOMPARE(s.lowestWeight, 68.5f);
    QCOMPARE(s.highestWeight, 72.0f);
    QVERIFY(s.hasRecords());
}

void TestComparisonLogic::summaryOfNoRecords()
{
    const PartnerSummary s = summarizePartner({});
    QCOMPARE(s.measurementCount, qint64(0));
    QVERIFY(!s.hasRecords());
    QVERIFY(s.firstDate.isEmpty());
}

void TestComparisonLogic::period_data()
{
    QTest::addColumn<QList<Measurement>>("records1");
    QTest::addColumn<QList<Measurement>>("records2");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<qint64>("dayCount");

    QTest::newRow("partner 2 starts two days later") << daily(kStart, 10, 70.0f, 70.0f) << daily(kStart.addDays(2), 10, 60.0f, 60.0f)
                                                     << kStart << kStart.addDays(11) << qint64(12);
    QTest::newRow("partner 1 starts later, ends earlier") << daily(kStart.addDays(5), 3, 70.0f, 70.0f) << daily(kStart, 20, 60.0f, 60.0f)
                                                          << kStart << kStart.addDays(19) << qint64(20);
    QTest::newRow("one day") << oneDay(kStart, 3, 70.0f) << oneDay(kStart, 1, 60.0f) << kStart << kStart << qint64(1);
    QTest::newRow("partner 2 without records") << daily(kStart, 4, 70.0f, 70.0f) << QList<Measurement>() << kStart << kStart.addDays(3)
                                               << qint64(4);
    QTest::newRow("partner 1 without records") << QList<Measurement>() << daily(kStart, 6, 60.0f, 60.0f) << kStart << kStart.addDays(5)
                                               << qint64(6);
    QTest::newRow("nobody") << QList<Measurement>() << QList<Measurement>() << QDate() << QDate() << qint64(0);
    QTest::newRow("beyond 16 bits") << QList<Measurement>{record(QDate(1900, 1, 1), 70.0f)} << QList<Measurement>{record(QDate(2003, 8, 21), 60.0f)}
                                    << QDate(1900, 1, 1) << QDate(2003, 8, 21) << QDate(1900, 1, 1).daysTo(QDate(2003, 8, 21)) + 1;
    QTest::newRow("file dated backwards") << QList<Measurement>{record(kStart.addDays(5), 70.0f), record(kStart, 70.0f)} << QList<Measurement>()
                                          << kStart.addDays(5) << kStart << qint64(0);
}

void TestComparisonLogic::period()
{
    QFETCH(QList<Measurement>, records1);
    QFETCH(QList<Measurement>, records2);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(qint64, dayCount);
    const ComparisonPeriod p = comparisonPeriod(summarizePartner(records1), summarizePartner(records2));
    QCOMPARE(p.periodStart, start);
    QCOMPARE(p.periodEnd, end);
    QCOMPARE(p.dayCount, dayCount);
}

void TestComparisonLogic::countRow_data()
{
    QTest::addColumn<int>("count1");
    QTest::addColumn<int>("count2");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("barTwips");
    QTest::addColumn<bool>("mark1");
    QTest::addColumn<bool>("mark2");

    QTest::newRow("30 against 10") << 30 << 10 << QStringLiteral("30 回  ( 75.0% )") << QStringLiteral("10 回  ( 25.0% )") << 2666 << true
                                   << false;
    QTest::newRow("10 against 30") << 10 << 30 << QStringLiteral("10 回  ( 25.0% )") << QStringLiteral("30 回  ( 75.0% )") << 888 << false
                                   << true;
    QTest::newRow("equal counts") << 12 << 12 << QStringLiteral("12 回  ( 50.0% )") << QStringLiteral("12 回  ( 50.0% )") << 1777 << true
                                  << true;
    QTest::newRow("120 against 100") << 120 << 100 << QStringLiteral("120 回  ( 54.5% )") << QStringLiteral("100 回  ( 45.5% )") << 1939
                                     << true << false;
    QTest::newRow("beyond 16 bits") << 40000 << 10000 << QStringLiteral("40000 回  ( 80.0% )") << QStringLiteral("10000 回  ( 20.0% )")
                                    << 2844 << true << false;
}

void TestComparisonLogic::countRow()
{
    QFETCH(int, count1);
    QFETCH(int, count2);
    const QList<Measurement> records1 = oneDay(kStart, count1, 70.0f);
    const QList<Measurement> records2 = oneDay(kStart, count2, 60.0f);
    const Scoreboard board = computeScoreboard(summarizePartner(records1), summarizePartner(records2), couple());
    const ScoreRow &row = board.rows[CountRow];
    QTEST(row.text1, "text1");
    QTEST(row.text2, "text2");
    QTEST(board.shareBarTwips, "barTwips");
    QTEST(row.mark1, "mark1");
    QTEST(row.mark2, "mark2");
}

void TestComparisonLogic::elapsedAndRate_data()
{
    QTest::addColumn<QList<Measurement>>("records");
    QTest::addColumn<QString>("elapsed");
    QTest::addColumn<QString>("rate");

    QTest::newRow("start and last on one day: divides by 1") << oneDay(kStart, 3, 70.0f) << QStringLiteral("03/08/21 → 0日")
                                                             << QStringLiteral("3.00 回 / 日");
    QTest::newRow("236 days") << QList<Measurement>{record(kStart, 70.0f), record(kStart.addDays(100), 70.0f), record(kStart.addDays(236), 70.0f)}
                              << QStringLiteral("03/08/21 → 236日") << QStringLiteral("0.01 回 / 日");
    QTest::newRow("ten a day for ten days") << [] {
        QList<Measurement> r;
        for (int d = 0; d < 10; ++d)
            r += oneDay(kStart.addDays(d), 10, 70.0f);
        return r;
    }() << QStringLiteral("03/08/21 → 9日") << QStringLiteral("10.00 回 / 日");
    QTest::newRow("two thirds") << QList<Measurement>{record(kStart, 70.0f), record(kStart.addDays(2), 70.0f)} << QStringLiteral("03/08/21 → 2日")
                                << QStringLiteral("0.67 回 / 日");
    QTest::newRow("new century") << oneDay(QDate(2010, 1, 5), 1, 70.0f) << QStringLiteral("10/01/05 → 0日") << QStringLiteral("1.00 回 / 日");
}

void TestComparisonLogic::elapsedAndRate()
{
    QFETCH(QList<Measurement>, records);
    const Scoreboard board = computeScoreboard(summarizePartner(records), summarizePartner(oneDay(kStart, 1, 60.0f)), couple());
    QTEST(board.rows[ElapsedRow].text1, "elapsed");
    QTEST(board.rows[RateRow].text1, "rate");
}

void TestComparisonLogic::weightRows()
{
    const QList<Measurement> records1 = {record(kStart, 71.7f), record(kStart.addDays(1), 68.5f), record(kStart.addDays(2), 69.0f)};
    const QList<Measurement> records2 = {record(kStart, 55.0f), record(kStart.addDays(1), 56.2f)};
    const Scoreboard board = computeScoreboard(summarizePartner(records1), summarizePartner(records2), couple(60.0f, 50.0f));
    QCOMPARE(board.rows[BestRow].text1, QStringLiteral("68.5Kg ( -3.2Kg )"));
    QCOMPARE(board.rows[BestRow].text2, QStringLiteral("55.0Kg ( 0.0Kg )"));
    QCOMPARE(board.rows[CurrentRow].text1, QStringLiteral("69.0Kg ( -2.7Kg )"));
    QCOMPARE(board.rows[CurrentRow].text2, QStringLiteral("56.2Kg ( 1.2Kg )"));
    QCOMPARE(board.rows[TargetRow].text1, QStringLiteral("60.0Kgまで ( 9.0Kg )"));
    QCOMPARE(board.rows[TargetRow].text2, QStringLiteral("50.0Kgまで ( 6.2Kg )"));
    // Partner 1 lost more (rows 4 and 5); partner 2 is nearer its target (row 6).
    QCOMPARE(board.rows[BestRow].mark1, true);
    QCOMPARE(board.rows[BestRow].mark2, false);
    QCOMPARE(board.rows[CurrentRow].mark1, true);
    QCOMPARE(board.rows[CurrentRow].mark2, false);
    QCOMPARE(board.rows[TargetRow].mark1, false);
    QCOMPARE(board.rows[TargetRow].mark2, true);
    QCOMPARE(board.rows[NicknameRow].text1, QStringLiteral("ぽむ"));
    QCOMPARE(board.rows[NicknameRow].text2, QStringLiteral("りな"));
}

void TestComparisonLogic::targetRowBelowTarget()
{
    const QList<Measurement> records1 = daily(kStart, 5, 66.0f, 58.5f);
    const QList<Measurement> records2 = daily(kStart, 5, 55.0f, 53.0f);
    const Scoreboard board = computeScoreboard(summarizePartner(records1), summarizePartner(records2), couple(60.0f, 50.0f));
    QCOMPARE(board.rows[TargetRow].text1, QStringLiteral("60.0Kgまで ( -1.5Kg )"));
    QCOMPARE(board.rows[TargetRow].text2, QStringLiteral("50.0Kgまで ( 3.0Kg )"));
    QCOMPARE(board.rows[TargetRow].mark1, true);
    QCOMPARE(board.rows[TargetRow].mark2, false);
}

void TestComparisonLogic::markRule_data()
{
    QTest::addColumn<double>("figure1");
    QTest::addColumn<double>("figure2");
    QTest::addColumn<bool>("largerIsBetter");
    QTest::addColumn<bool>("mark1");
    QTest::addColumn<bool>("mark2");

    QTest::newRow("larger better, 1 ahead") << 5.0 << 3.0 << true << true << false;
    QTest::newRow("larger better, 2 ahead") << 3.0 << 5.0 << true << false << true;
    QTest::newRow("larger better, tie") << 4.0 << 4.0 << true << true << true;
    QTest::newRow("smaller better, 1 ahead") << -3.2 << -1.0 << false << true << false;
    QTest::newRow("smaller better, 2 ahead") << 2.0 << -0.5 << false << false << true;
    QTest::newRow("smaller better, tie") << -1.5 << -1.5 << false << true << true;
}

void TestComparisonLogic::markRule()
{
    QFETCH(double, figure1);
    QFETCH(double, figure2);
    QFETCH(bool, largerIsBetter);
    ScoreRow row;
    setMarks(row, figure1, figure2, largerIsBetter ? Better::Larger : Better::Smaller);
    QTEST(row.mark1, "mark1");
    QTEST(row.mark2, "mark2");

    // A partner without a figure has no mark and the other keeps its own.
    setMarks(row, figure1, std::nullopt, largerIsBetter ? Better::Larger : Better::Smaller);
    QCOMPARE(row.mark1, true);
    QCOMPARE(row.mark2, false);
    setMarks(row, std::nullopt, std::nullopt, largerIsBetter ? Better::Larger : Better::Smaller);
    QCOMPARE(row.mark1, false);
    QCOMPARE(row.mark2, false);
}

void TestComparisonLogic::missingPartner()
{
    const QList<Measurement> records1 = daily(kStart, 30, 70.0f, 68.0f);
    const Scoreboard board = computeScoreboard(summarizePartner(records1), summarizePartner({}), couple());
    QCOMPARE(board.rows[CountRow].text1, QStringLiteral("30 回  ( 100.0% )"));
    QCOMPARE(board.shareBarTwips, kShareBarWholeTwips);
    QCOMPARE(board.rows[ElapsedRow].text1, QStringLiteral("03/08/21 → 29日"));
    QCOMPARE(board.rows[NicknameRow].text2, QStringLiteral("りな"));
    for (int k = CountRow; k < ScoreRowCount; ++k) {
        QVERIFY2(board.rows[size_t(k)].text2.isEmpty(), qPrintable(board.rows[size_t(k)].text2));
        QVERIFY(!board.rows[size_t(k)].text1.isEmpty());
        QCOMPARE(board.rows[size_t(k)].mark1, true);
        QCOMPARE(board.rows[size_t(k)].mark2, false);
    }
}

void TestComparisonLogic::noRecordsAtAll()
{
    const Scoreboard board = computeScoreboard(summarizePartner({}), summarizePartner({}), couple());
    QCOMPARE(board.shareBarTwips, 0);
    QCOMPARE(board.rows[NicknameRow].text1, QStringLiteral("ぽむ"));
    for (int k = CountRow; k < ScoreRowCount; ++k) {
        QVERIFY(board.rows[size_t(k)].text1.isEmpty());
        QVERIFY(board.rows[size_t(k)].text2.isEmpty());
        QCOMPARE(board.rows[size_t(k)].mark1, false);
        QCOMPARE(board.rows[size_t(k)].mark2, false);
    }
    const ComparisonData data = computeComparison({}, {}, couple(), kStart);
    QCOMPARE(data.days.shownDays, 0);
    QCOMPARE(data.autoAxes.axis1, (AxisRange{0, 1}));
}

void TestComparisonLogic::headingsAndBands_data()
{
    addScoreHeadingRows();
}

void TestComparisonLogic::headingsAndBands()
{
    QFETCH(int, row);
    QTEST(scoreRowHeading(row), "heading");
    QTEST(uint(scoreRowBandColour(row)), "colour");
}

void TestComparisonLogic::averageOfOneDay()
{
    const QList<Measurement> records = {record(kStart, 70.0f), record(kStart, 70.4f), record(kStart, 70.2f)};
    const PartnerDays days = dailyAveragesOf(records, kStart, 1);
    QCOMPARE(days.dayAverage.size(), size_t(1));
    QVERIFY(days.dayAverage[0].has_value());
    QCOMPARE(dayAverageText(days.dayAverage[0]), QStringLiteral("70.2"));
    QCOMPARE(days.graphPoint[0], days.dayAverage[0]);
}

void TestComparisonLogic::dayWithoutMeasurements()
{
    const QList<Measurement> records = {record(kStart, 70.0f), record(kStart, 71.0f), record(kStart.addDays(2), 69.0f)};
    const PartnerDays days = dailyAveragesOf(records, kStart, 3);
    QCOMPARE(days.dayAverage, (Points{70.5f, std::nullopt, 69.0f}));
    QCOMPARE(days.graphPoint, (Points{70.5f, 70.5f, 69.0f}));
}

void TestComparisonLogic::partnerStartingLater()
{
    const QList<Measurement> records1 = daily(kStart, 10, 70.0f, 69.0f);
    const QList<Measurement> records2 = daily(kStart.addDays(3), 7, 60.0f, 61.0f);
    const ComparisonData data = computeComparison(records1, records2, couple(), kStart);
    QCOMPARE(data.period.periodStart, kStart);
    QCOMPARE(data.days.shownDays, 10);
    QCOMPARE(data.days.firstShownDay, kStart);
    for (size_t i = 0; i < 3; ++i) {
        QVERIFY(!data.days.partner2.dayAverage[i]);
        QVERIFY(!data.days.partner2.graphPoint[i]);
        QCOMPARE(data.days.partner1.graphPoint[i], std::optional<float>(70.0f));
    }
    QCOMPARE(data.days.partner2.dayAverage[3], std::optional<float>(60.0f));
    QCOMPARE(data.days.partner2.graphPoint[9], std::optional<float>(61.0f));
    QCOMPARE(data.days.partner1.graphPoint[9], std::optional<float>(69.0f));
}

void TestComparisonLogic::partnerEndingEarlier()
{
    // Partner 2's last day is day 3 of 6: its curve goes on at that day's average.
    const QList<Measurement> records1 = daily(kStart, 6, 70.0f, 70.0f);
    const QList<Measurement> records2 = {record(kStart, 60.0f), record(kStart.addDays(2), 59.0f), record(kStart.addDays(2), 60.0f)};
    const ComparisonData data = computeComparison(records1, records2, couple(), kStart);
    QCOMPARE(data.days.partner2.dayAverage, (Points{60.0f, std::nullopt, 59.5f, std::nullopt, std::nullopt, std::nullopt}));
    QCOMPARE(data.days.partner2.graphPoint, (Points{60.0f, 60.0f, 59.5f, 59.5f, 59.5f, 59.5f}));
}

void TestComparisonLogic::lineOutOfOrderLandsOnItsDay()
{
    // A line typed in by hand out of date order still counts on its own day, and the lines
    // after it are not lost.
    const QList<Measurement> records = {record(kStart, 70.0f), record(kStart.addDays(3), 68.0f), record(kStart.addDays(1), 72.0f),
                                        record(kStart.addDays(4), 67.0f)};
    const PartnerDays days = dailyAveragesOf(records, kStart, 5);
    QCOMPARE(days.dayAverage, (Points{70.0f, 72.0f, std::nullopt, 68.0f, 67.0f}));
}

void TestComparisonLogic::periodBeyondSixteenBits()
{
    // A first date typed a century off: the list keeps the latest 32,767 days, numbered as in
    // the whole period, and the first of them carries the last average before them.
    const QDate early(1903, 8, 21);
    const QList<Measurement> records1 = {record(early, 80.0f), record(kStart.addDays(-35000), 75.0f), record(kStart.addDays(-35000), 76.0f),
                                         record(kStart, 70.0f)};
    const QList<Measurement> records2 = oneDay(kStart, 2, 60.0f);
    const ComparisonData data = computeComparison(records1, records2, couple(), kStart);
    const qint64 dayCount = early.daysTo(kStart) + 1;
    QCOMPARE(data.period.dayCount, dayCount);
    QCOMPARE(data.days.shownDays, kMaxShownDays);
    QCOMPARE(data.days.firstDayNumber, dayCount - kMaxShownDays + 1);
    QCOMPARE(data.days.day(kMaxShownDays - 1), kStart);
    QCOMPARE(data.days.dayNumber(kMaxShownDays - 1), dayCount);
    QVERIFY(!data.days.partner1.dayAverage[0]);
    QCOMPARE(data.days.partner1.graphPoint[0], std::optional<float>(75.5f));
    QCOMPARE(data.days.partner1.dayAverage[kMaxShownDays - 1], std::optional<float>(70.0f));
    QVERIFY(!data.days.partner2.graphPoint[kMaxShownDays - 2]);
    QCOMPARE(data.board.rows[ElapsedRow].text1, QStringLiteral("03/08/21 → %1日").arg(dayCount - 1));
}

void TestComparisonLogic::dateTextOfEveryDay()
{
    // Every day of two centuries reads as the locale's "yy/MM/dd" gives it.
    for (QDate d(1900, 1, 1); d.year() < 2100; d = d.addDays(1)) {
        if (dayDateText(d) != d.toString(QStringLiteral("yy/MM/dd")))
            QFAIL(qPrintable(d.toString(Qt::ISODate)));
    }
}

void TestComparisonLogic::listTexts_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("date");
    QTest::newRow("2003/08/21") << QDate(2003, 8, 21) << QStringLiteral("03/08/21");
    QTest::newRow("2010/01/05") << QDate(2010, 1, 5) << QStringLiteral("10/01/05");
    QTest::newRow("1999/12/31") << QDate(1999, 12, 31) << QStringLiteral("99/12/31");
    QTest::newRow("2000/02/29") << QDate(2000, 2, 29) << QStringLiteral("00/02/29");
    QTest::newRow("2105/11/30") << QDate(2105, 11, 30) << QStringLiteral("05/11/30");
    QTest::newRow("invalid") << QDate() << QString();
}

void TestComparisonLogic::listTexts()
{
    QFETCH(QDate, day);
    QTEST(dayDateText(day), "date");
    QCOMPARE(dayNumberText(40000), QStringLiteral("40000"));
    QCOMPARE(dayAverageText(std::nullopt), QString());
    QCOMPARE(dayAverageText(68.25f), QStringLiteral("68.3"));
    QCOMPARE(graphPointText(std::nullopt), QString());
    QCOMPARE(graphPointText(70.5f), QStringLiteral("70.5"));
    QCOMPARE(graphPointText(70.0f), QStringLiteral("70"));
}

void TestComparisonLogic::listTopRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("topRow");
    QTest::newRow("heading only") << 1 << 1;
    QTest::newRow("7 days") << 8 << 1;
    QTest::newRow("8 days") << 9 << 8;
    QTest::newRow("1100 days") << 1101 << 1100;
}

void TestComparisonLogic::listTopRow()
{
    QFETCH(int, rows);
    QTEST(::listTopRow(rows), "topRow");
}

void TestComparisonLogic::weightAxis_data()
{
    QTest::addColumn<float>("lowest");
    QTest::addColumn<float>("highest");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::newRow("68.3 to 74.0") << 68.3f << 74.0f << 68.0 << 74.0;
    QTest::newRow("68.0 to 74.1") << 68.0f << 74.1f << 68.0 << 75.0;
    QTest::newRow("68.9 to 73.9") << 68.9f << 73.9f << 68.0 << 74.0;
    QTest::newRow("all 70.0") << 70.0f << 70.0f << 70.0 << 71.0;
    QTest::newRow("70.2 to 70.6") << 70.2f << 70.6f << 70.0 << 71.0;
}

void TestComparisonLogic::weightAxis()
{
    QFETCH(float, lowest);
    QFETCH(float, highest);
    const QList<Measurement> records = {record(kStart, highest), record(kStart.addDays(1), lowest)};
    const AxisRange r = weightAxisRange(summarizePartner(records));
    QTEST(r.minimum, "minimum");
    QTEST(r.maximum, "maximum");
}

void TestComparisonLogic::axesOfMissingPartner()
{
    const PartnerSummary s1 = summarizePartner({record(kStart, 68.3f), record(kStart, 74.0f)});
    const AutoAxes axes = automaticAxes(s1, summarizePartner({}));
    QCOMPARE(axes.axis1, (AxisRange{68, 74}));
    QCOMPARE(axes.axis2, (AxisRange{68, 74}));
    const AutoAxes other = automaticAxes(summarizePartner({}), s1);
    QCOMPARE(other.axis1, (AxisRange{68, 74}));
}

void TestComparisonLogic::lowerBound_data()
{
    QTest::addColumn<bool>("target");
    QTest::addColumn<float>("target1");
    QTest::addColumn<float>("target2");
    QTest::addColumn<AxisRange>("axis1");
    QTest::addColumn<AxisRange>("axis2");

    QTest::newRow("automatic") << false << 60.0f << 50.0f << AxisRange{68, 74} << AxisRange{55, 59};
    QTest::newRow("target") << true << 60.0f << 50.0f << AxisRange{60, 74} << AxisRange{50, 59};
    QTest::newRow("target with decimals") << true << 60.5f << 49.9f << AxisRange{60, 74} << AxisRange{49, 59};
    QTest::newRow("target above partner 1's maximum") << true << 80.5f << 50.0f << AxisRange{80, 81} << AxisRange{50, 59};
    QTest::newRow("target at partner 2's maximum") << true << 60.0f << 59.0f << AxisRange{60, 74} << AxisRange{59, 60};
}

void TestComparisonLogic::lowerBound()
{
    QFETCH(bool, target);
    QFETCH(float, target1);
    QFETCH(float, target2);
    const AutoAxes automatic{{68, 74}, {55, 59}};
    const SeparateAxes axes = separateAxes(automatic, target ? LowerBound::Target : LowerBound::Automatic, target1, target2);
    QTEST(axes.axis1, "axis1");
    QTEST(axes.axis2, "axis2");
    QVERIFY(axes.axis1.minimum < axes.axis1.maximum);
    QVERIFY(axes.axis2.minimum < axes.axis2.maximum);
}

void TestComparisonLogic::sameAxisCopyIncludesLastDay()
{
    const Points p1{70.0f, 70.5f, 71.0f};
    const Points p2{std::nullopt, 60.0f, 59.5f};
    const SameAxisGraph g = copyToSameAxis(p1, p2, {{68, 74}, {55, 61}});
    QCOMPARE(g.column1, p1);
    QCOMPARE(g.column2, p2);
    QCOMPARE(g.axis, (AxisRange{55, 74}));
    // The minima follow whatever lower bound mcrAvgtai has now.
    const SameAxisGraph t = copyToSameAxis(p1, p2, {{60, 74}, {50, 61}});
    QCOMPARE(t.axis, (AxisRange{50, 74}));
}

void TestComparisonLogic::overlay_data()
{
    QTest::addColumn<Points>("points1");
    QTest::addColumn<Points>("points2");
    QTest::addColumn<Points>("after1");
    QTest::addColumn<Points>("after2");
    QTest::addColumn<AxisRange>("axis");

    const std::optional<float> none;
    // Axes of mcrAvgtai: 1 from 78 to 82 (span 4), 2 from 58 to 64 (span 6).
    QTest::newRow("partner 1 heavier: 2 raised by 20, last day too")
        << Points{80.0f, 80.5f, 81.0f} << Points{60.0f, 61.0f, 62.5f} << Points{80.0f, 80.5f, 81.0f} << Points{80.0f, 81.0f, 82.5f}
        << AxisRange{76, 82};
    QTest::newRow("partner 2 heavier: 1 raised")
        << Points{60.0f, 59.0f} << Points{80.0f, 81.0f} << Points{80.0f, 79.0f} << Points{80.0f, 81.0f} << AxisRange{76, 82};
    QTest::newRow("partner 2 starts later: offset from the first common day")
        << Points{80.0f, 79.0f, 78.5f} << Points{none, none, 60.0f} << Points{80.0f, 79.0f, 78.5f} << Points{none, none, 78.5f}
        << AxisRange{76, 82};
}

void TestComparisonLogic::overlay()
{
    QFETCH(Points, points1);
    QFETCH(Points, points2);
    const SeparateAxes axes{{78, 82}, {58, 64}};
    SameAxisGraph g = copyToSameAxis(points1, points2, axes);
    overlayGraphs(g, axes);
    QTEST(g.column1, "after1");
    QTEST(g.column2, "after2");
    QTEST(g.axis, "axis");
}

void TestComparisonLogic::secondOverlayChangesNothing_data()
{
    QTest::addColumn<Points>("points1");
    QTest::addColumn<Points>("points2");
    QTest::newRow("whole kilograms") << Points{80.0f, 81.0f} << Points{60.0f, 61.0f};
    QTest::newRow("averages with many digits") << Points{80.23333f, 80.1f, 79.96667f} << Points{30.1f, 31.35f, 29.7f};
    QTest::newRow("partner 2 heavier") << Points{50.33333f, 50.1f} << Points{90.7f, 91.2f};
}

void TestComparisonLogic::secondOverlayChangesNothing()
{
    QFETCH(Points, points1);
    QFETCH(Points, points2);
    const SeparateAxes axes{{70, 82}, {28, 92}};
    SameAxisGraph g = copyToSameAxis(points1, points2, axes);
    overlayGraphs(g, axes);
    QCOMPARE(g.column1[0], g.column2[0]);
    const SameAxisGraph once = g;
    overlayGraphs(g, axes);
    QCOMPARE(g.column1, once.column1);
    QCOMPARE(g.column2, once.column2);
    QCOMPARE(g.axis, once.axis);
}

void TestComparisonLogic::overlayWithoutCommonDay()
{
    const Points p1{80.0f, 81.0f};
    const Points p2{std::nullopt, std::nullopt};
    const SeparateAxes axes{{78, 82}, {78, 82}};
    SameAxisGraph g = copyToSameAxis(p1, p2, axes);
    overlayGraphs(g, axes);
    QCOMPARE(g.column1, p1);
    QCOMPARE(g.column2, p2);
    QCOMPARE(g.axis, (AxisRange{78, 82}));
}

QTEST_GUILESS_MAIN(TestComparisonLogic)
#include "tst_comparison_logic.moc"
