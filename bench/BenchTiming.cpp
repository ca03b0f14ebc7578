#include "BenchTiming.h"

#include "BenchData.h"

#include <QElapsedTimer>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A warm-up of one round at least, and of more where a round is short, so that the timed runs
// all find the machine in the state the first warm-up run left it in.
constexpr double kWarmUpMs = 200.0;
constexpr int kMostWarmUpRounds = 1000;
// Quicker operations are repeated within a round rather than given more rounds.
constexpr int kMostRounds = 1000;
// The clock's grain: an operation timed at nothing is taken to last this long.
constexpr double kGrainMs = 0.001;

double nowMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double timedMs(const BenchOp &op, BenchClock clock)
{
    const clockid_t id = clock == BenchClock::Cpu ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_MONOTONIC;
    if (op.prepare)
        op.prepare();
    const double start = nowMs(id);
    op.work();
    return nowMs(id) - start;
}

void printBench(const QString &name, const Spread &s, const QString &runs)
{
    std::printf("BENCH %s %.3f [%.3f .. %.3f]%s\n", qPrintable(name), s.median, s.low, s.high, qPrintable(runs));
    std::fflush(stdout);
}

} // namespace

Spread spreadOf(std::vector<double> values)
{
    Spread s;
    const std::size_t n = values.size();
    if (n == 0)
        return s;
    std::sort(values.begin(), values.end());
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    // The lowest and the highest quarter left out.
    s.low = values[n / 4];
    s.high = values[n - 1 - n / 4];
    return s;
}

bool enoughRuns(int runs, double totalMs)
{
    return runs >= kLeastRuns && totalMs >= kLeastMs;
}

BenchPlan planRounds(const std::vector<double> &warmMs)
{
    BenchPlan plan;
    double slowest = kGrainMs;
    for (const double ms : warmMs)
        slowest = std::max(slowest, ms);
    plan.rounds = int(std::clamp(std::ceil(kLeastMs / slowest), double(kLeastRuns), double(kMostRounds)));
    for (const double ms : warmMs)
        plan.repeats.push_back(int(std::ceil(kLeastMs / (plan.rounds * std::max(ms, kGrainMs)))));
    return plan;
}

std::vector<BenchTimes> benchInTurns(const std::vector<BenchOp> &ops, BenchClock clock)
{
    const std::size_t n = ops.size();
    std::vector<std::vector<double>> warm(n);
    QElapsedTimer warmUp;
    warmUp.start();
    for (int round = 0; round < kMostWarmUpRounds && (round == 0 || warmUp.elapsed() < kWarmUpMs); ++round) {
        for (std::size_t i = 0; i < n; ++i)
            warm[i].push_back(timedMs(ops[i], clock));
    }
    std::vector<double> warmMs;
    for (const std::vector<double> &w : warm)
        warmMs.push_back(spreadOf(w).median);
    const BenchPlan plan = planRounds(warmMs);

    std::vector<BenchTimes> times(n);
    std::vector<double> totals(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        times[i].name = ops[i].name;
        times[i].repeats = plan.repeats[i];
    }
    // The plan's rounds, or more where the warm-up made an operation look slower than it is.
    for (int round = 0; round < 4 * plan.rounds; ++round) {
        bool enough = true;
        for (std::size_t i = 0; i < n; ++i)
            enough = enough && enoughRuns(round, totals[i]);
        if (enough)
            break;
        for (std::size_t i = 0; i < n; ++i) {
            double ms = 0;
            for (int r = 0; r < plan.repeats[i]; ++r)
                ms += timedMs(ops[i], clock);
            times[i].ms.push_back(ms / plan.repeats[i]);
            totals[i] += ms;
        }
    }

    for (const BenchTimes &t : times) {
        QString runs = t.repeats > 1 ? QStringLiteral(" %1 rounds of %2 runs").arg(t.ms.size()).arg(t.repeats)
                                     : QStringLiteral(" %1 runs").arg(t.ms.size());
        runs += clock == BenchClock::Cpu ? QStringLiteral(", processor time") : QStringLiteral(", wall time");
        printBench(t.name, spreadOf(t.ms), runs);
    }
    return times;
}

BenchTimes bench(const BenchOp &op, BenchClock clock)
{
    return benchInTurns({op}, clock).front();
}

std::vector<double> roundRatios(const BenchTimes &part, const BenchTimes &base)
{
    check(base.ms.size() == part.ms.size(), "a ratio of times that were not taken in turns");
    std::vector<double> ratios;
    for (std::size_t round = 0; round < part.ms.size(); ++round)
        ratios.push_back(part.ms[round] / base.ms[round]);
    return ratios;
}

void printRatio(const QString &name, const BenchTimes &part, const BenchTimes &base)
{
    // Four digits rather than three decimals, which leave a ratio far below 1 (0.008) a single
    // digit whose every step is a large part of it.
    const Spread s = spreadOf(roundRatios(part, base));
    std::printf("RATIO %s %.4g [%.4g .. %.4g]\n", qPrintable(name), s.median, s.low, s.high);
    std::fflush(stdout);
}
