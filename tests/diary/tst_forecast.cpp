// SPDX-License-Identifier: GPL-3.0-or-later
// When a partner reaches the target at the present pace, from series made here.
#include "diary/Forecast.h"
#include "store/NumberText.h"

#include <QTest>

#include <cmath>
#include <map>

namespace {

const QDate kStart(2026, 11, 1);

// One series: `days` measured days from kStart, `perDay` measurements each, weights on a line
// from `startWeight` with `pace` kg per day, a small fixed zig-zag on top when `noisy`, and an
// odd weigh-in of +5 kg on `outlierDay` (when not -1).
struct Series {
    QList<QString> dates;
    std::vector<float> weights;
};
Series line(int days, double startWeight, double pace, bool noisy = false, int outlierDay = -1, int perDay = 1, int step = 1)
{
    static const double zigzag[] = {0.2, -0.15, 0.05, -0.2, 0.1, 0.0, -0.05};
    Series s;
    for (int d = 0; d < days; d += step) {
        for (int k = 0; k < perDay; ++k) {
            double w = startWeight + pace * d;
            if (noisy)
                w += zigzag[d % 7];
            if (d == outlierDay && k == 0)
                w += 5.0;
            // Several measurements of a day spread around the day's value, their mean unchanged.
            if (perDay > 1)
                w += (k - (perDay - 1) / 2.0) * 0.4;
            s.dates.append(storedDate(kStart.addDays(d)));
            s.weights.push_back(float(w));
        }
    }
    return s;
}

QDate lastDay(const Series &s)
{
    return s.dates.isEmpty() ? kStart : parseStoredDate(s.dates.last());
}

// A series from 70 kg with the zigzag, today `daysAfter` its last day; the measured days the
// weekly rate rests on, the target and the forecast's state.
struct Recent {
    int days, perDay, step, daysAfter, restsOn;
    double pace, target;
    Forecast::State state;
};

} // namespace

Q_DECLARE_METATYPE(Recent)

class ForecastTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void states_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("startWeight");
        QTest::addColumn<double>("pace");
        QTest::addColumn<bool>("noisy");
        QTest::addColumn<int>("outlierDay");
        QTest::addColumn<int>("perDay");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("crossingDay"); // the true crossing, from kStart; the forecast within a day
        QTest::addColumn<int>("moreDays");

        using S = Forecast::State;
        // 80 kg, -0.1 kg a day: 75 kg on day 50.
        QTest::newRow("line with noise and an outlier") << 28 << 80.0 << -0.1 << true << 20 << 1 << 1 << 75.0 << int(S::Date) << 50 << 0;
        QTest::newRow("several a day") << 28 << 80.0 << -0.1 << false << -1 << 3 << 1 << 75.0 << int(S::Date) << 50 << 0;
        QTest::newRow("every other day") << 28 << 80.0 << -0.1 << false << -1 << 1 << 2 << 75.0 << int(S::Date) << 50 << 0;
        QTest::newRow("older days left out") << 200 << 100.0 << -0.1 << false << -1 << 1 << 1 << 75.0 << int(S::Date) << 250 << 0;
        // 50 kg gaining 0.1 kg a day towards 60 kg: day 100.
        QTest::newRow("gaining") << 28 << 50.0 << 0.1 << true << -1 << 1 << 1 << 60.0 << int(S::Date) << 100 << 0;
        QTest::newRow("flat") << 28 << 70.0 << 0.0 << true << -1 << 1 << 1 << 65.0 << int(S::NotAtThisPace) << 0 << 0;
        QTest::newRow("moving away") << 28 << 70.0 << 0.05 << true << -1 << 1 << 1 << 65.0 << int(S::NotAtThisPace) << 0 << 0;
        QTest::newRow("gaining away") << 28 << 50.0 << -0.05 << false << -1 << 1 << 1 << 60.0 << int(S::NotAtThisPace) << 0 << 0;
        QTest::newRow("slower than 0.05 kg a week") << 28 << 70.0 << -0.006 << false << -1 << 1 << 1 << 65.0 << int(S::NotAtThisPace) << 0 << 0;
        QTest::newRow("more than two years") << 28 << 90.0 << -0.01 << false << -1 << 1 << 1 << 70.0 << int(S::MoreThanTwoYears) << 0 << 0;
        QTest::newRow("reached") << 28 << 70.0 << -0.1 << false << -1 << 1 << 1 << 68.0 << int(S::Reached) << 0 << 0;
        QTest::newRow("target above a gain reached") << 28 << 50.0 << 0.1 << false << -1 << 1 << 1 << 51.0 << int(S::Reached) << 0 << 0;
        QTest::newRow("five days") << 5 << 70.0 << -0.1 << false << -1 << 1 << 1 << 65.0 << int(S::NeedMoreDays) << 0 << 9;
        QTest::newRow("eight days over ten") << 10 << 70.0 << -0.1 << false << -1 << 4 << 1 << 65.0 << int(S::NeedMoreDays) << 0 << 4;
        QTest::newRow("six days over a month") << 28 << 70.0 << -0.1 << false << -1 << 1 << 5 << 65.0 << int(S::NeedMoreDays) << 0 << 1;
        QTest::newRow("no target") << 28 << 70.0 << -0.1 << false << -1 << 1 << 1 << 0.0 << int(S::None) << 0 << 0;
        QTest::newRow("no records") << 0 << 70.0 << -0.1 << false << -1 << 1 << 1 << 65.0 << int(S::None) << 0 << 0;
    }
    void states()
    {
        QFETCH(int, days);
        QFETCH(double, startWeight);
        QFETCH(double, pace);
        QFETCH(bool, noisy);
        QFETCH(int, outlierDay);
        QFETCH(int, perDay);
        QFETCH(int, step);
        QFETCH(double, target);
        QFETCH(int, state);
        QFETCH(int, crossingDay);
        QFETCH(int, moreDays);
        const Series s = line(days, startWeight, pace, noisy, outlierDay, perDay, step);
        const Forecast f = ComputeForecast(s.dates, s.weights, float(target), lastDay(s));
        QCOMPARE(int(f.state), state);
        if (f.state == Forecast::State::NeedMoreDays)
            QCOMPARE(f.moreDaysNeeded, moreDays);
        if (f.state != Forecast::State::Date)
            return;
        QVERIFY2(std::abs(kStart.addDays(crossingDay).daysTo(f.date)) <= 1, qPrintable(storedDate(f.date)));
        QVERIFY(std::fabs(f.pacePerWeek() - pace * 7.0) < 0.05);
        QVERIFY(f.earliest <= f.date);
        if (f.latest)
            QVERIFY(*f.latest >= f.date);
    }

    // The four weeks up to today: the forecast names no day before today and none after more than
    // two weeks without a record; the weekly rate is the least-squares slope of the daily means,
    // against the textbook formula over the same days worked out here.
    void fourWeeksUpToToday_data()
    {
        QTest::addColumn<Recent>("c");
        using S = Forecast::State;
        QTest::newRow("line") << Recent{60, 1, 1, 0, 28, -0.1, 60.0, S::Date};
        QTest::newRow("every third day, a week since") << Recent{60, 1, 3, 7, 7, -0.08, 60.0, S::Date};
        QTest::newRow("two a day on two days") << Recent{2, 2, 1, 0, 2, -0.2, 60.0, S::NeedMoreDays};
        QTest::newRow("a single day") << Recent{1, 3, 1, 0, 1, -0.1, 60.0, S::NeedMoreDays};
        QTest::newRow("fourteen days since") << Recent{40, 1, 1, 14, 14, -0.1, 60.0, S::Date};
        QTest::newRow("fifteen days since") << Recent{40, 1, 1, 15, 13, -0.1, 60.0, S::NoRecentRecord};
        QTest::newRow("sixty days since") << Recent{20, 1, 1, 60, 0, -0.1, 60.0, S::NoRecentRecord};
        // About 67.3 kg on day 27, 67.0 kg on day 30, today is day 33.
        QTest::newRow("due by now") << Recent{28, 1, 1, 6, 22, -0.1, 67.0, S::DueByNow};
    }
    void fourWeeksUpToToday()
    {
        QFETCH(Recent, c);
        Series s = line(c.days, 70.0, c.pace, true, -1, c.perDay, c.step);
        const QDate today = lastDay(s).addDays(c.daysAfter);
        // A record dated after today takes no part.
        s.dates.append(storedDate(today.addDays(1)));
        s.weights.push_back(10.0f);
        const Forecast f = ComputeForecast(s.dates, s.weights, float(c.target), today);
        QCOMPARE(f.state, c.state);
        QCOMPARE(ProjectionOf(f, 0, 200, 100).has_value(), f.state == Forecast::State::Date || f.state == Forecast::State::DueByNow);
        if (f.state == Forecast::State::NoRecentRecord)
            QCOMPARE(ForecastText(f), QStringLiteral("最後の記録から%1日たっているため予測できません").arg(c.daysAfter));
        QVERIFY(f.state != Forecast::State::Date || (today <= f.earliest && f.earliest <= f.date));
        QVERIFY(f.state != Forecast::State::DueByNow || f.date < today);

        std::map<qint64, std::pair<double, int>> byDay;
        for (qsizetype i = 0; i < s.dates.size(); ++i) {
            if (const qint64 x = today.daysTo(parseStoredDate(s.dates[i])); x <= 0 && x > -28)
                byDay[x] = {byDay[x].first + double(s.weights[std::size_t(i)]), byDay[x].second + 1};
        }
        double n = 0, sx = 0, sy = 0, sxy = 0, sxx = 0;
        for (const auto &[x, sum] : byDay) {
            const double y = sum.first / sum.second;
            n += 1, sx += double(x), sy += y, sxy += double(x) * y, sxx += double(x) * double(x);
        }
        const WeeklyRate rate = ComputeWeeklyRate(s.dates, s.weights, today);
        QCOMPARE(rate.days, c.restsOn);
        QCOMPARE(rate.kgPerWeek.has_value(), c.restsOn >= 2);
        if (rate.kgPerWeek)
            QVERIFY(std::fabs(*rate.kgPerWeek - 7.0 * (n * sxy - sx * sy) / (n * sxx - sx * sx)) < 1e-9);
    }

    void oneOddWeighInDoesNotMoveIt()
    {
        const Series plain = line(28, 80.0, -0.1, true);
        const Series odd = line(28, 80.0, -0.1, true, 27);
        const Forecast a = ComputeForecast(plain.dates, plain.weights, 75.0f, lastDay(plain));
        const Forecast b = ComputeForecast(odd.dates, odd.weights, 75.0f, lastDay(odd));
        QCOMPARE(a.state, Forecast::State::Date);
        QCOMPARE(b.state, Forecast::State::Date);
        QVERIFY(std::abs(a.date.daysTo(b.date)) <= 2);
    }

    void texts()
    {
        Forecast f;
        f.state = Forecast::State::Date;
        f.date = QDate(2027, 3, 14);
        f.earliest = QDate(2027, 2, 28);
        f.latest = QDate(2027, 4, 2);
        f.pacePerDay = -0.42 / 7.0;
        QCOMPARE(ForecastText(f), QStringLiteral("このペースなら 2027/03/14 ごろ目標到達（2/28〜4/02）"));
        f.earliest = QDate(2026, 12, 30);
        f.latest.reset();
        QCOMPARE(ForecastText(f), QStringLiteral("このペースなら 2027/03/14 ごろ目標到達（早ければ 2026/12/30）"));
        QCOMPARE(WeeklyRateText({true, 20, -0.454}), QStringLiteral("直近28日の傾き 週 -0.45Kg（記録20日分）"));

        Forecast g = f;
        g.date = QDate(2027, 3, 26);
        QCOMPARE(CoupleForecastText(QStringLiteral("はなこ"), f, QStringLiteral("たろう"), g),
                 QStringLiteral("目標到達予測　はなこ：2027/03/14 ごろ　たろう：2027/03/26 ごろ　はなこさんが約12日早く到達の見込み"));
        g.state = Forecast::State::Reached;
        QCOMPARE(CoupleForecastText(QStringLiteral("はなこ"), f, QStringLiteral("たろう"), g),
                 QStringLiteral("目標到達予測　はなこ：2027/03/14 ごろ　たろう：到達済み"));
        QCOMPARE(CoupleForecastText(QStringLiteral("はなこ"), Forecast{}, QStringLiteral("たろう"), Forecast{}), QString());
    }
};

QTEST_GUILESS_MAIN(ForecastTest)
#include "tst_forecast.moc"
