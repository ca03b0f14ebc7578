// SPDX-License-Identifier: GPL-3.0-or-later
// When a partner reaches the target at the present pace, from series made here.
#include "diary/Forecast.h"
#include "store/NumberText.h"

#include <QTest>

#include <cmath>

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

} // namespace

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
        const Forecast f = ComputeForecast(s.dates, s.weights, float(target));
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

    void oneOddWeighInDoesNotMoveIt()
    {
        const Series plain = line(28, 80.0, -0.1, true);
        const Series odd = line(28, 80.0, -0.1, true, 27);
        const Forecast a = ComputeForecast(plain.dates, plain.weights, 75.0f);
        const Forecast b = ComputeForecast(odd.dates, odd.weights, 75.0f);
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
        QCOMPARE(ForecastText(f), QStringLiteral("このペースなら 2027/03/14 ごろ目標到達（2/28〜4/02）・週 -0.42Kg"));
        f.earliest = QDate(2026, 12, 30);
        f.latest.reset();
        QCOMPARE(ForecastText(f), QStringLiteral("このペースなら 2027/03/14 ごろ目標到達（2026/12/30〜）・週 -0.42Kg"));

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
