// SPDX-License-Identifier: GPL-3.0-or-later
// The trend data set, the trend graph's figures and the four analysis lists, without widgets.

#include "screens/analyses/AverageTrend.h"
#include "screens/analyses/BreakProgress.h"
#include "screens/analyses/MovingAverage.h"
#include "screens/analyses/PeriodAverages.h"
#include "screens/analyses/TrendSummary.h"
#include "screens/analyses/WeightRanking.h"
#include "screens/analyses/WeightSeries.h"
#include "store/NumberText.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <map>

namespace {

Measurement record(const QString &date, float weight, float fat = 25.0f)
{
    Measurement m;
    m.date = date;
    m.situation = QStringLiteral("起床後");
    m.weight = weight;
    m.bodyFat = fat;
    return m;
}

// One measurement a day from 2003/11/08.
TrendData daily(const QList<float> &weights)
{
    QList<Measurement> records;
    for (int i = 0; i < weights.size(); ++i)
        records.append(record(storedDate(QDate(2003, 11, 8).addDays(i)), weights[i]));
    return ComputeTrendData(records);
}

QStringList column(const AnalysisList &list, int col)
{
    QStringList texts;
    for (int r = 0; r < list.rowCount(); ++r)
        texts << list.text(r, col);
    return texts;
}

// 1 to 3 readings on each of `days` days from `from` but those of the gap, a fifth of them
// without body fat.
QList<Measurement> readings(const QDate &from, int days, int gapAt, int gapDays, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<Measurement> records;
    for (int d = 0; d < days; ++d) {
        for (int k = d >= gapAt && d < gapAt + gapDays ? 0 : 1 + random.bounded(3); k > 0; --k)
            records.append(record(storedDate(from.addDays(d)), 70.0f + float(random.bounded(300)) / 100.0f,
                                  random.bounded(5) == 0 ? 0.0f : 20.0f + float(random.bounded(100)) / 10.0f));
    }
    return records;
}

// Two partners' readings from `from1` and `from2` (partner 1's with a gap of `gapDays` days
// after `gapAt`), listed by week or month on `today`.
struct Periods {
    bool weeks;
    QDate from1;
    int days1;
    QDate from2;
    int days2, gapAt, gapDays;
    QDate today;
};

} // namespace

Q_DECLARE_METATYPE(Periods)

class TestAnalysesLogic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summaryTexts_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QList<float>>("weights");
        QTest::addColumn<float>("target");
        QTest::addColumn<QString>("nichis");
        QTest::addColumn<QString>("kiro");
        QTest::addColumn<QString>("mokuChk");
        QTest::newRow("lost 2.3 kg in 30 days")
            << QStringList{QStringLiteral("2003/11/08"), QStringLiteral("2003/11/20"), QStringLiteral("2003/12/08")}
            << QList<float>{65.5f, 64.0f, 63.2f} << 60.0f
            << QStringLiteral("2003/11/08 ( 65.5Kg ) でスタート ～ 2003/12/08 ( 63.2Kg ) まで 30日経過 _ 2.3Kg 減")
            << QStringLiteral("最小記録 2003/12/08 の 63.2Kg   初日から 2.3Kg 減") << QStringLiteral("目標まで残り　3.2Kg");
        QTest::newRow("gained, below target")
            << QStringList{QStringLiteral("2003/11/08"), QStringLiteral("2003/11/09")} << QList<float>{59.0f, 59.6f} << 60.0f
            << QStringLiteral("2003/11/08 ( 59Kg ) でスタート ～ 2003/11/09 ( 59.6Kg ) まで 1日経過 _ 0.6Kg 増")
            << QStringLiteral("最小記録 2003/11/08 の 59Kg   初日から 0.0Kg 同") << QStringLiteral("目標まで残り　-0.4Kg");
        QTest::newRow("the earlier of two lowest")
            << QStringList{QStringLiteral("2003/11/08"), QStringLiteral("2003/11/09"), QStringLiteral("2003/11/10")}
            << QList<float>{64.0f, 63.5f, 63.5f} << 60.0f
            << QStringLiteral("2003/11/08 ( 64Kg ) でスタート ～ 2003/11/10 ( 63.5Kg ) まで 2日経過 _ 0.5Kg 減")
            << QStringLiteral("最小記録 2003/11/09 の 63.5Kg   初日から 0.5Kg 減") << QStringLiteral("目標まで残り　3.5Kg");
    }
    void summaryTexts()
    {
        QFETCH(QStringList, dates);
        QFETCH(QList<float>, weights);
        QFETCH(float, target);
        QList<Measurement> records;
        for (int i = 0; i < dates.size(); ++i)
            records.append(record(dates[i], weights[i]));
        const TrendSummary s = ComputeTrendSummary(ComputeTrendData(records), target);
        QTEST(s.nichis, "nichis");
        QTEST(s.kiro, "kiro");
        QTEST(s.mokuChk, "mokuChk");
    }

    void datesThatAreNoDaysCountNone()
    {
        TrendData t = daily({65.0f, 64.0f});
        t.dates.last() = QStringLiteral("2003/13/40");
        QVERIFY(ComputeTrendSummary(t, 60.0f).nichis.contains(QStringLiteral("まで 0日経過")));
        QCOMPARE(daysBetween(QStringLiteral("2003/11/08"), QStringLiteral("2003/12/08")), 30);
        QCOMPARE(daysBetween(QString(), QStringLiteral("2003/12/08")), 0);
    }

    void axes_data()
    {
        QTest::addColumn<QList<float>>("weights");
        QTest::addColumn<QList<float>>("fats");
        QTest::addColumn<QList<int>>("axes"); // weight min, max, fat min, max
        QTest::newRow("60.0 to 70.95, fat 18.2 to 25.0") << QList<float>{60.0f, 70.95f} << QList<float>{18.2f, 25.0f} << QList<int>{60, 71, 14, 28};
        // The top reaches the highest weight (mended: 70.05 + 0.9 cut off gave 70).
        QTest::newRow("just above a whole number") << QList<float>{69.5f, 70.05f} << QList<float>{20.0f, 20.0f} << QList<int>{69, 71, 16, 23};
        QTest::newRow("a tenth above") << QList<float>{69.5f, 70.1f} << QList<float>{3.5f, 3.5f} << QList<int>{69, 71, -1, 7};
    }
    void axes()
    {
        QFETCH(QList<float>, weights);
        QFETCH(QList<float>, fats);
        QFETCH(QList<int>, axes);
        QList<Measurement> records;
        for (int i = 0; i < weights.size(); ++i)
            records.append(record(QStringLiteral("2003/11/08"), weights[i], fats[i]));
        const TrendData t = ComputeTrendData(records);
        const TrendSummary s = ComputeTrendSummary(t, 58.7f);
        QCOMPARE((QList<int>{s.weightMin, s.weightMax, s.fatMin, s.fatMax}), axes);
        QCOMPARE(TrendWeightAxisMinimum(t, 58.7f, true), 58);
        QCOMPARE(TrendWeightAxisMinimum(t, 58.7f, false), axes[0]);
    }

    void movingAverageRows()
    {
        QCOMPARE(MovingAverageSize(QStringLiteral("12abc")), 12.0);
        QCOMPARE(MovingAverageSize(QStringLiteral("abc")), 0.0);
        QList<float> weights;
        for (int i = 1; i <= 25; ++i)
            weights << float(i);
        const TrendData t = daily(weights);
        // N = 10 over 25: rows 10 to 25, each the mean of its last ten.
        const std::vector<double> ten = MovingAverage(t.weights, 10);
        QCOMPARE(ten.size(), std::size_t(25));
        QVERIFY(std::isnan(ten[8]));
        QCOMPARE(ten[9], 5.5);
        QCOMPARE(ten[24], 20.5);
        // N = 1 is the weight itself; a size above the count, or none, draws nothing.
        const std::vector<double> one = MovingAverage(t.weights, 1);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(one[std::size_t(i)], double(weights[i]));
        for (double size : {26.0, 1e9, 0.0, 0.5, std::nan("")}) {
            for (double value : MovingAverage(t.weights, size))
                QVERIFY(std::isnan(value));
        }
        // A size that is not whole: the row's window starts at i − 1.5 rounded to even, and
        // the sum is divided by 2.5.
        const std::vector<double> half = MovingAverage(daily({1, 2, 4, 8, 16, 32}).weights, 2.5);
        QVERIFY(std::isnan(half[1]));
        QCOMPARE(half[2], (2 + 4) / 2.5);       // row 3: from row 2 (1.5)
        QCOMPARE(half[3], (2 + 4 + 8) / 2.5);   // row 4: from row 2 (2.5)
        QCOMPARE(half[4], (8 + 16) / 2.5);      // row 5: from row 4 (3.5)
        QCOMPARE(half[5], (8 + 16 + 32) / 2.5); // row 6: from row 4 (4.5)
    }

    // The averages come from running totals; they must show what summing each window in
    // single precision, row by row, shows, to the gram.
    void movingAverageMatchesWindowSums()
    {
        QRandomGenerator random(9);
        std::vector<float> weights;
        float w = 72.0f;
        for (int i = 0; i < 32767; ++i) {
            w += float(random.bounded(-40, 41)) / 100.0f;
            weights.push_back(float(qRound(w * 10.0f)) / 10.0f);
        }
        for (int n : {2, 10, 30, 1000, 32767}) {
            const std::vector<double> average = MovingAverage(weights, n);
            for (std::size_t row = std::size_t(n); row <= weights.size(); row += (n > 100 ? 97 : 1)) {
                float sum = 0;
                for (std::size_t j = row - std::size_t(n); j < row; ++j)
                    sum += weights[j];
                if (std::fabs(average[row - 1] - double(sum) / n) >= 0.0005)
                    QFAIL(qPrintable(QStringLiteral("N %1 row %2: %3, not %4").arg(n).arg(row).arg(average[row - 1]).arg(double(sum) / n)));
            }
        }
    }

    void weightSeries()
    {
        const TrendData t = daily({65.0f, 65.3f, 64.9f, 64.9f, 65.5f});
        const WeightSeries previous(t, WeightDifference::ToPrevious);
        QCOMPARE(previous.row(0), (AnalysisRow{QStringLiteral("1回目"), QStringLiteral("2003/11/08"), QStringLiteral("65.0Kg"), QStringLiteral("±0.0Kg")}));
        QCOMPARE(column(previous, 3), (QStringList{QStringLiteral("±0.0Kg"), QStringLiteral("+0.3Kg"), QStringLiteral("-0.4Kg"),
                                                   QStringLiteral("±0.0Kg"), QStringLiteral("+0.6Kg")}));
        QCOMPARE(previous.text(4, 2), QStringLiteral("65.5Kg"));
        const WeightSeries first(t, WeightDifference::ToFirst);
        QCOMPARE(column(first, 3), (QStringList{QStringLiteral("±0.0Kg"), QStringLiteral("+0.3Kg"), QStringLiteral("-0.1Kg"),
                                                QStringLiteral("-0.1Kg"), QStringLiteral("+0.5Kg")}));
        QCOMPARE(WeightSeriesHeading(WeightDifference::ToPrevious), QStringLiteral("前回差"));
        QCOMPARE(WeightSeriesHeading(WeightDifference::ToFirst), QStringLiteral("初回差"));
    }

    void breakProgress()
    {
        const BreakProgress p = ComputeBreakProgress(daily({70.0f, 69.4f, 68.9f, 69.6f, 68.4f}));
        QCOMPARE(p.rows.size(), 3);
        QCOMPARE(p.rows[0], (AnalysisRow{QStringLiteral("0.5Kg減"), QStringLiteral("2003/11/09"), QStringLiteral("1日後"), QStringLiteral("1日後")}));
        QCOMPARE(p.rows[1], (AnalysisRow{QStringLiteral("1.0Kg減"), QStringLiteral("2003/11/10"), QStringLiteral("2日後"), QStringLiteral("1日後")}));
        QCOMPARE(p.rows[2], (AnalysisRow{QStringLiteral("1.5Kg減"), QStringLiteral("2003/11/12"), QStringLiteral("4日後"), QStringLiteral("2日後")}));
        QCOMPARE(p.label, QStringLiteral("最高　1.6Kg減を達成してから　0日経過"));

        // Two milestones at once: the second took no days of its own.
        const BreakProgress drop = ComputeBreakProgress(daily({70.0f, 68.8f, 69.0f}));
        const WrittenList dropRows(drop.rows);
        QCOMPARE(column(dropRows, 0), (QStringList{QStringLiteral("0.5Kg減"), QStringLiteral("1.0Kg減")}));
        QCOMPARE(column(dropRows, 1), (QStringList{QStringLiteral("2003/11/09"), QStringLiteral("2003/11/09")}));
        QCOMPARE(column(dropRows, 3), (QStringList{QStringLiteral("1日後"), QStringLiteral("0日後")}));
        QCOMPARE(drop.label, QStringLiteral("最高　1.2Kg減を達成してから　1日経過"));

        // Nothing lost: no rows and no label (not the other partner's).
        const BreakProgress none = ComputeBreakProgress(daily({70.0f, 70.3f}));
        QVERIFY(none.rows.isEmpty());
        QVERIFY(none.label.isEmpty());
    }

    // Mended: 51 milestones used to be all there was room for.
    void breakProgressBeyondTwentyFiveKilograms()
    {
        QList<float> weights;
        for (int i = 0; i <= 60; ++i)
            weights << 110.0f - 0.5f * float(i);
        const BreakProgress p = ComputeBreakProgress(daily(weights));
        QCOMPARE(p.rows.size(), 60);
        QCOMPARE(p.rows[51][0], QStringLiteral("26.0Kg減"));
        QCOMPARE(p.rows[59], (AnalysisRow{QStringLiteral("30.0Kg減"), storedDate(QDate(2003, 11, 8).addDays(60)),
                                          QStringLiteral("60日後"), QStringLiteral("1日後")}));
    }

    void averageTrend()
    {
        const AverageTrend a(daily({70.0f, 69.5f, 69.5f, 71.0f}));
        QCOMPARE(column(a, 2), (QStringList{QStringLiteral("70.000Kg"), QStringLiteral("69.750Kg"), QStringLiteral("69.667Kg"),
                                            QStringLiteral("70.000Kg")}));
        QCOMPARE(column(a, 3), (QStringList{QStringLiteral("0g"), QStringLiteral("-250g"), QStringLiteral("-83g"), QStringLiteral("+333g")}));
        QCOMPARE(a.row(0)[0], QStringLiteral("1回目"));
        QCOMPARE(a.row(1)[1], QStringLiteral("69.5Kg"));
        QCOMPARE(a.label(), QStringLiteral("平均を上回ってしまいました..."));

        QCOMPARE(AverageTrend(daily({70.0f, 69.5f, 69.5f})).label(), QStringLiteral("連続ﾏｲﾅｽ記録 2日間達成！"));
        QCOMPARE(AverageTrend(daily({70.0f, 70.0f})).text(1, 3), QStringLiteral("±0g"));
        const AverageTrend one(daily({70.0f}));
        QCOMPARE(one.row(0)[3], QStringLiteral("0g"));
        QCOMPARE(one.label(), QStringLiteral("平均を上回ってしまいました..."));
    }

    void ranking_data()
    {
        QTest::addColumn<QList<float>>("weights");
        QTest::addColumn<bool>("oneKg");
        QTest::addColumn<QStringList>("rows"); // the four columns joined by '|'
        QTest::newRow("1.0 kg bands") << QList<float>{65.0f, 65.9f, 66.0f} << true
                                      << QStringList{QStringLiteral("1位|65.0～65.9Kg|2回|"), QStringLiteral("2位|66.0～66.9Kg|1回|1回")};
        QTest::newRow("65.99 is in no band") << QList<float>{65.0f, 65.99f, 66.0f} << true
                                             << QStringList{QStringLiteral("1位|65.0～65.9Kg|1回|"), QStringLiteral("2位|66.0～66.9Kg|1回|0回")};
        QTest::newRow("0.5 kg bands") << QList<float>{65.0f, 65.4f, 65.5f} << false
                                      << QStringList{QStringLiteral("1位|65.0～65.4Kg|2回|"), QStringLiteral("2位|65.5～65.9Kg|1回|1回")};
        // Equal counts keep the order the exchanges give, empty bands between them or not.
        QTest::newRow("ties") << QList<float>{60.2f, 62.5f, 62.7f, 64.1f} << true
                              << QStringList{QStringLiteral("1位|62.0～62.9Kg|2回|"), QStringLiteral("2位|60.0～60.9Kg|1回|1回"),
                                             QStringLiteral("3位|64.0～64.9Kg|1回|0回")};
        // Mended: 101 bands used to be all there was room for; 40 to 120 kg is 161 of 0.5 kg.
        QTest::newRow("a span of 80 kg") << QList<float>{40.0f, 120.0f, 120.3f} << false
                                         << QStringList{QStringLiteral("1位|120.0～120.4Kg|2回|"), QStringLiteral("2位|40.0～40.4Kg|1回|1回")};
    }
    void ranking()
    {
        QFETCH(QList<float>, weights);
        QFETCH(bool, oneKg);
        QStringList rows;
        for (const AnalysisRow &row : WeightRankingRows(daily(weights), oneKg ? BandWidth::OneKg : BandWidth::HalfKg))
            rows << QStringList{row[0], row[1], row[2], row[3]}.join(u'|');
        QTEST(rows, "rows");
        QCOMPARE(WeightRankingCaption(oneKg ? BandWidth::OneKg : BandWidth::HalfKg),
                 oneKg ? QStringLiteral("    体重推移累積番付 < 1.0Kg刻み >") : QStringLiteral("    体重推移累積番付 < 0.5Kg刻み >"));
    }

    // Against sums kept here by ISO week (QDate::weekNumber) or by month.
    void periodAverages_data()
    {
        QTest::addColumn<Periods>("c");
        QTest::newRow("year end, week 53") << Periods{true, {2026, 12, 9}, 40, {2026, 12, 20}, 30, 3, 20, {2027, 1, 17}};
        QTest::newRow("months of 28 to 31 days") << Periods{false, {2027, 1, 30}, 430, {2027, 2, 27}, 30, 40, 70, {2028, 4, 4}};
        QTest::newRow("today weeks on") << Periods{true, {2027, 3, 3}, 20, {}, 0, 0, 0, {2027, 5, 10}};
        QTest::newRow("a single day") << Periods{false, {2027, 3, 31}, 1, {}, 0, 0, 0, {2027, 3, 31}};
    }
    void periodAverages()
    {
        QFETCH(Periods, c);
        std::array<QList<Measurement>, 2> records{readings(c.from1, c.days1, c.gapAt, c.gapDays, 1), readings(c.from2, c.days2, 0, 0, 2)};
        records[0].move(0, records[0].size() - 1); // a line out of date order
        using Key = std::pair<int, int>;
        const auto key = [&c](const QDate &d) {
            int year = d.year();
            const int number = c.weeks ? d.weekNumber(&year) : d.month();
            return Key{year, number};
        };
        // Per partner, period and day: weight sum, count, body fat sum, count.
        std::array<std::map<Key, std::map<QDate, std::array<double, 4>>>, 2> sums;
        QDate first = c.today, last = c.today;
        for (std::size_t p = 0; p < 2; ++p) {
            for (const Measurement &m : records[p]) {
                const QDate d = parseStoredDate(m.date);
                std::array<double, 4> &day = sums[p][key(d)][d];
                day = {day[0] + m.weight, day[1] + 1, day[2] + (m.bodyFat > 0 ? m.bodyFat : 0), day[3] + (m.bodyFat > 0 ? 1 : 0)};
                first = std::min(first, d), last = std::max(last, d);
            }
        }
        const auto expected = [&](std::size_t p, const QDate &day) {
            PeriodFigures f;
            std::array<double, 2> fat{0, 0};
            for (const auto &[d, v] : sums[p][key(day)]) {
                f.weight += v[0] / v[1], ++f.days;
                fat = v[3] > 0 ? std::array{fat[0] + v[2] / v[3], fat[1] + 1} : fat;
            }
            f.weight /= std::max(f.days, 1);
            f.fat = fat[1] > 0 ? std::optional(fat[0] / fat[1]) : std::nullopt;
            return f;
        };
        const std::vector<PeriodRow> rows = ComputePeriodAverages(records[0], records[1], c.weeks ? PeriodKind::Week : PeriodKind::Month, c.today);
        QCOMPARE(key(rows.front().first), key(last));
        QCOMPARE(key(rows.back().first), key(first));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const PeriodRow &r = rows[i];
            QVERIFY(key(r.first) == key(r.last) && key(r.first.addDays(-1)) != key(r.first) && key(r.last.addDays(1)) != key(r.last));
            QVERIFY(i + 1 == rows.size() || rows[i + 1].last == r.first.addDays(-1));
            for (std::size_t p = 0; p < 2; ++p) {
                const PeriodFigures &f = r.partners[p];
                const PeriodFigures want = expected(p, r.first);
                const PeriodFigures before = expected(p, r.first.addDays(-1));
                QCOMPARE(f.days, want.days);
                QVERIFY(std::fabs(f.weight - want.weight) < 1e-9 && f.fat.has_value() == want.fat.has_value());
                QVERIFY(!f.fat || std::fabs(*f.fat - *want.fat) < 1e-9);
                QCOMPARE(f.change.has_value(), want.days > 0 && before.days > 0);
                QVERIFY(!f.change || std::fabs(*f.change - (want.weight - before.weight)) < 1e-9);
            }
        }
    }

    void nothingWithoutMeasurements()
    {
        const TrendData none;
        const TrendSummary s = ComputeTrendSummary(none, 60.0f);
        QVERIFY(s.nichis.isEmpty() && s.kiro.isEmpty() && !s.hasAxes);
        QCOMPARE(s.mokuChk, QStringLiteral("目標まで残り"));
        QCOMPARE(WeightSeries(none, WeightDifference::ToPrevious).rowCount() + AverageTrend(none).rowCount(), 0);
        QVERIFY(ComputeBreakProgress(none).rows.isEmpty() && ComputeBreakProgress(none).label.isEmpty());
        QVERIFY(AverageTrend(none).label().isEmpty());
        QVERIFY(WeightRankingRows(none, BandWidth::OneKg).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAnalysesLogic)
#include "tst_analyses_logic.moc"
