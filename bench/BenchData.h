#pragma once

#include <QDate>
#include <QString>

#include <functional>

// Shared by the benchmark programs: data files of the maximum size, and timing.

// Writes "データ1.txt" and "データ2.txt" (Windows-31J, CR LF) of `lines` lines each into
// `folder`, dated from `start` over `days` calendar days in ascending order (several lines per
// day), with realistic weights, body fats, situations and a few comments; plus two profiles.
void writeBenchDataFiles(const QString &folder, int lines = 32767, const QDate &start = QDate(2020, 1, 1), int days = 1100);

// Stops the benchmark, saying why on standard error.
[[noreturn]] void fail(const char *what);
// Stops the benchmark when what it measured is not what it meant to measure.
void check(bool ok, const char *what);

class DataFolder;
// Times reading partner 1's data file whole, checks that it holds `lines` records, prints it
// as "BENCH read_records" and returns the median: the yardstick of the screens' ratios.
double benchReadRecords(const DataFolder &folder, int lines, int runs);

// Median wall time of `runs` calls, in milliseconds.
double medianMs(int runs, const std::function<void()> &work);
// The same, each call preceded by an untimed `prepare` (a fresh copy of a file, say).
double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &work);

// "BENCH <name> <median ms>" and "RATIO <name> <value>", one per line on standard output.
void printBench(const QString &name, double ms);
void printRatio(const QString &name, double value);
