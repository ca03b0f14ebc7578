// SPDX-License-Identifier: GPL-3.0-or-later
// Another tracker's file as any bytes (a CSV file, an Apple Health, Google Fit, Fitbit, Libra,
// trale, GNOME Health, Withings or Garmin export, or a zip of one), read and planned against a
// partner's data file. Every line (or record) is named once, in order; what the plan adds is
// plausible and storable, merges whole and reads back as planned; and importing the same bytes a
// second time adds nothing.

#include "FuzzSupport.h"

#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/TrackerImport.h"

#include <algorithm>

namespace {

using Fuzz::require;

// The start of the diet, as registration writes it.
const QByteArray kStartLine = QByteArrayLiteral("\"2026/01/01\",\"\x82\xCD\x82\xB6\x82\xDF\",65.5,\"\",21.3,\"\"\r\n");
const QDate kToday(2026, 12, 7);

QStringList sortedLines(const QList<Measurement> &records)
{
    QStringList lines;
    for (const Measurement &m : records)
        lines << measurementLine(m);
    lines.sort();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    CsvReading reading = readImportBytes(bytes);
    require(!reading.cancelled && !reading.fileUnreadable, "bytes in memory are read to their end");
    if (reading.unitUnknown)
        applyWeightUnit(&reading, WeightUnit::Pound);
    // An XML line may hold several records (a weighing and a body fat without its own weighing);
    // every other format's line or record is one measurement or one problem.
    const bool severalALine = reading.source.startsWith(QLatin1String("Apple Health"));
    int previous = 0;
    qsizetype m = 0;
    for (const CsvLineProblem &p : reading.problems) {
        // Measurements and problems interleave by line; none shares a line with another.
        while (m < reading.measurements.size() && reading.measurements[m].lineNumber < p.lineNumber)
            require(reading.measurements[m++].lineNumber > previous - severalALine, "measurements come in line order");
        require(p.lineNumber > previous - severalALine, "unreadable lines are named once, in order");
        require(severalALine || m == reading.measurements.size() || reading.measurements[m].lineNumber != p.lineNumber,
                "a line is read or refused");
        previous = p.lineNumber;
    }
    require(reading.measurements.size() <= kMaxDataLines, "no more measurements are kept than a data file holds");

    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(FileName::data1, kStartLine);
    const DataFolder folder = scratch.folder();
    const QList<Measurement> before = ReadMeasurements(folder, FileName::data1).records;
    const CsvImportPlan first = planCsvImport(folder, FileName::data1, reading, kToday);
    if (!first.error.isEmpty())
        return 0;
    require(first.problemCount() >= reading.problems.size() + reading.unlistedProblems, "no unreadable line goes unreported");
    for (const Measurement &a : first.added) {
        require(checkStorable(a).ok(), "what the plan adds is storable");
        require(a.weight > 0 && a.weight < kMaxImportedWeight && a.bodyFat >= 0 && a.bodyFat <= kMaxImportedBodyFat
                    && a.date >= kEarliestImportedDate && a.date <= QStringLiteral("2026/12/08"),
                "what the plan adds is plausible");
    }
    require(mergeMeasurements(folder, FileName::data1, first.added).ok(), "a plan merges");
    const MeasurementFile after = ReadMeasurements(folder, FileName::data1);
    require(after.malformed.isEmpty(), "every merged line is a record");
    require(sortedLines(after.records) == sortedLines(before + first.added), "the data file holds what was planned, as planned");
    const auto byDate = [](const Measurement &a, const Measurement &b) { return a.date < b.date; };
    require(std::is_sorted(after.records.begin(), after.records.end(), byDate), "the merge keeps the date order");

    const CsvImportPlan second = planCsvImport(folder, FileName::data1, reading, kToday);
    require(second.error.isEmpty() && second.added.isEmpty(), "importing the same bytes twice adds nothing the second time");
    require(second.duplicates == first.duplicates + first.added.size(), "every line of the second import is there already");
    return 0;
}
