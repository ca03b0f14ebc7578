#include "BenchTiming.h"

#include <QTest>
#include <QThread>

#include <numeric>

using Values = std::vector<double>;

class BenchTimingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spread_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("none") << Values{} << 0.0 << 0.0 << 0.0;
        QTest::newRow("one") << Values{7} << 7.0 << 7.0 << 7.0;
        QTest::newRow("two: the middle of both") << Values{4, 2} << 3.0 << 2.0 << 4.0;
        QTest::newRow("odd, unsorted") << Values{9, 1, 5, 3, 7} << 5.0 << 3.0 << 7.0;
        // Sixteen runs: the lowest four and the highest four are left out.
        QTest::newRow("sixteen") << Values{16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1} << 8.5 << 5.0 << 12.0;
        // Fifteen runs: the lowest three and the highest three.
        QTest::newRow("fifteen, outliers outside")
            << Values{100, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 0.5} << 16.0 << 12.0 << 20.0;
    }
    void spread()
    {
        QFETCH(Values, values);
        QFETCH(double, median);
        QFETCH(double, low);
        QFETCH(double, high);
        const Spread s = spreadOf(values);
        QCOMPARE(s.median, median);
        QCOMPARE(s.low, low);
        QCOMPARE(s.high, high);
    }

    void enough_data()
    {
        QTest::addColumn<int>("runs");
        QTest::addColumn<double>("totalMs");
        QTest::addColumn<bool>("enough");
        QTest::newRow("few long runs") << 14 << 20 * kLeastMs << false;
        QTest::newRow("many short runs") << 1000 << kLeastMs - 0.1 << false;
        QTest::newRow("both just") << 15 << kLeastMs << true;
        QTest::newRow("both") << 40 << 1.6 * kLeastMs << true;
    }
    void enough()
    {
        QFETCH(int, runs);
        QFETCH(double, totalMs);
        QFETCH(bool, enough);
        QCOMPARE(enoughRuns(runs, totalMs), enough);
    }

    void ratiosRoundByRound()
    {
        const BenchTimes part{QStringLiteral("a"), {6, 30, 8}, 1};
        const BenchTimes base{QStringLiteral("b"), {2, 10, 4}, 1};
        // A slow round slows both sides, and each round is divided by its own.
        QCOMPARE(roundRatios(part, base), (Values{3, 3, 2}));
    }

    void plan_data()
    {
        QTest::addColumn<Values>("warmMs");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<std::vector<int>>("repeats");
        QTest::newRow("slow: fifteen rounds") << Values{4 * kLeastMs} << 15 << std::vector<int>{1};
        QTest::newRow("quicker one repeated") << Values{kLeastMs / 15, kLeastMs / 60} << 15 << std::vector<int>{1, 4};
        QTest::newRow("short: rounds to fill the least time") << Values{kLeastMs / 250, kLeastMs / 500} << 250
                                                              << std::vector<int>{1, 2};
        // Beyond a thousand rounds even the slowest is repeated; a time of nothing counts as
        // a microsecond.
        QTest::newRow("tiny") << Values{kLeastMs / 2000, 0} << 1000 << std::vector<int>{2, int(kLeastMs)};
    }
    void plan()
    {
        QFETCH(Values, warmMs);
        QFETCH(int, rounds);
        QFETCH(std::vector<int>, repeats);
        const BenchPlan p = planRounds(warmMs);
        QCOMPARE(p.rounds, rounds);
        QCOMPARE(p.repeats, repeats);
    }

    // Operations run in turns, each run after its own preparation, until each has run in enough
    // rounds and long enough; the warm-up runs are not among the times.
    void runsInTurns()
    {
        QString log;
        const std::vector<BenchTimes> times = benchInTurns({
            {QStringLiteral("a"),
             [&] {
                 log += u'a';
                 QThread::usleep(2000);
             },
             [&] { log += u'p'; }},
            {QStringLiteral("b"),
             [&] {
                 log += u'b';
                 QThread::usleep(1000);
             }},
        }, BenchClock::Wall); // sleeping takes no processor time
        QCOMPARE(times.size(), 2u);
        QCOMPARE(times[0].name, QStringLiteral("a"));
        QCOMPARE(times[1].name, QStringLiteral("b"));
        const std::size_t rounds = times[0].ms.size();
        QVERIFY(rounds >= std::size_t(kLeastRuns));
        QCOMPARE(times[1].ms.size(), rounds);
        QCOMPARE(times[0].repeats, 1);
        const int b = times[1].repeats;
        QVERIFY(b >= 1);
        for (const BenchTimes &t : times)
            QVERIFY(std::accumulate(t.ms.begin(), t.ms.end(), 0.0) * t.repeats >= kLeastMs);
        // Warm-up rounds of one run each, then the timed rounds.
        const QString timedRound = QStringLiteral("pa") + QString(b, u'b');
        const QString timed = timedRound.repeated(qsizetype(rounds));
        QVERIFY(log.endsWith(timed));
        const QString warmUp = log.left(log.size() - timed.size());
        QVERIFY(!warmUp.isEmpty());
        QCOMPARE(warmUp, QStringLiteral("pab").repeated(warmUp.size() / 3));
    }
};

QTEST_GUILESS_MAIN(BenchTimingTest)
#include "tst_benchtiming.moc"
