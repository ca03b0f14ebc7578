#pragma once

#include <QDate>
#include <QString>

// Shared by the benchmark programs: data files of the maximum size, and how a benchmark stops.

// Writes "データ1.txt" and "データ2.txt" (Windows-31J, CR LF) of `lines` lines each into
// `folder`, dated from `start` over `days` calendar days in ascending order (several lines per
// day), with realistic weights, body fats, situations and a few comments; plus two profiles.
void writeBenchDataFiles(const QString &folder, int lines = 32767, const QDate &start = QDate(2020, 1, 1), int days = 1100);

// Stops the benchmark, saying why on standard error.
[[noreturn]] void fail(const char *what);
// Stops the benchmark when what it measured is not what it meant to measure.
void check(bool ok, const char *what);

class DataFolder;
struct BenchOp;
// Reading partner 1's data file whole, checked to hold `lines` records: the yardstick of the
// screens' ratios, printed as "BENCH read_records".
BenchOp readRecordsOp(const DataFolder &folder, int lines);
