#include "BenchData.h"
#include "BenchScreen.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "screens/comparison/ComparisonController.h"
#include "store/DataFile.h"
#include "store/DataFolder.h"

#include <QApplication>

// The start screen at its largest: two data files of 32,767 lines over about three years, the
// whole comparison screen built from them (files read, list and both graphs filled and brought
// up to date), against the bare reading of the same two files.

int main(int argc, char **argv)
{
    BenchStart<QApplication> start(argc, argv);
    const DataFolder &folder = start.folder();

    BenchScreen<ComparisonController> screen(start.path());
    screen.writeProfile(1, {QStringLiteral("ぽむ"), 0.0f, 65.0f});
    screen.writeProfile(2, {QStringLiteral("りな"), 0.0f, 50.0f});
    QCoreApplication::processEvents();

    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("read_records_both"),
         [&] {
             const MeasurementFile file1 = ReadMeasurements(folder, QStringLiteral("データ1.TXT"));
             const MeasurementFile file2 = ReadMeasurements(folder, QStringLiteral("データ2.txt"));
             check(file1.records.size() + file2.records.size() == 2 * kMaxDataLines, "the files do not hold every line");
         }},
        {QStringLiteral("show_comparison"),
         [&] {
             // What the comparison button does, up to the paint that shows the result.
             screen.controller->prepareBeforeHiding();
             QCoreApplication::processEvents();
         }},
    });
    printRatio(QStringLiteral("show_comparison/read_records"), times[1], times[0]);
    return 0;
}
