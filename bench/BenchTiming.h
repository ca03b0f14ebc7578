#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

// How every benchmark times. The machine is shared and busy moments come and go, so:
// - each operation first runs untimed (warm-up: files in the page cache, the allocator's pools
//   grown, the code paged in);
// - then it runs until it has run at least kLeastRuns times and for at least kLeastMs in all,
//   and is reported by its median with the middle half of its runs (lower to upper quartile);
// - operations compared in a RATIO run in turns, A, B, A, B, …, so that a busy moment slows
//   both sides of a round alike, and the ratio is the median of the rounds' own ratios;
// - what is timed is the processor time the program spends, which other programs on the
//   machine do not lengthen; operations that wait for the disk (synced writes) are timed by the
//   wall clock instead, since waiting is part of their cost;
// - an operation much quicker than the others it runs in turns with is repeated within each
//   turn, so that it too fills its least time in the same rounds; its time for a turn is then
//   the mean of those repetitions.

// A second and a half rather than half a second: the machine has busy spells of about a second
// that slow reading a file more than laying out a screen, and one that fell on the whole of a
// figure moved a ratio by a fifth; over a longer figure it takes fewer than half of the rounds,
// and the median passes it by.
inline constexpr int kLeastRuns = 15;
inline constexpr double kLeastMs = 1500.0;

// One operation to time.
struct BenchOp {
    BenchOp(QString name, std::function<void()> work, std::function<void()> prepare = {})
        : name(std::move(name)), work(std::move(work)), prepare(std::move(prepare))
    {
    }

    QString name;                  // as printed on its BENCH line
    std::function<void()> work;    // the part that is timed
    std::function<void()> prepare; // untimed, before every run (a fresh copy of a file, say); may be empty
};

// A median and the middle half around it.
struct Spread {
    double median = 0;
    double low = 0;  // lower quartile
    double high = 0; // upper quartile
};

// Of any number of values; all zero for none.
Spread spreadOf(std::vector<double> values);

// Whether `runs` runs that took `totalMs` together make a figure.
bool enoughRuns(int runs, double totalMs);

// The times of one operation in milliseconds, one per round, in the order of the rounds.
struct BenchTimes {
    QString name;
    std::vector<double> ms;
    int repeats = 1; // runs in each round, of which `ms` holds the mean
};

// How many rounds operations that take `warmMs` each (as timed in the warm-up) run in turns, and
// how many times each runs in a round, so that each fills kLeastMs in at least kLeastRuns rounds.
struct BenchPlan {
    int rounds = 0;
    std::vector<int> repeats;
};
BenchPlan planRounds(const std::vector<double> &warmMs);

enum class BenchClock {
    Cpu,  // the processor time of the whole program, all its threads
    Wall, // for operations that wait for the disk
};

// Runs the operations in turns, each after its own `prepare`, until every one of them has enough
// runs; prints a BENCH line for each ("BENCH <name> <median ms> [<low> .. <high>] <n> runs", or
// "<n> rounds of <repeats> runs" for an operation repeated in each round, and the clock) and
// returns their times in the order given.
std::vector<BenchTimes> benchInTurns(const std::vector<BenchOp> &ops, BenchClock clock = BenchClock::Cpu);
// One operation on its own.
BenchTimes bench(const BenchOp &op, BenchClock clock = BenchClock::Cpu);

// Round by round, the time of `part` divided by the time of `base` in that round. Both must come
// from one benchInTurns().
std::vector<double> roundRatios(const BenchTimes &part, const BenchTimes &base);

// "RATIO <name> <median> [<low> .. <high>]" of the rounds' ratios, to four digits.
void printRatio(const QString &name, const BenchTimes &part, const BenchTimes &base);
