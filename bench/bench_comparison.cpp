#include "BenchData.h"
#include "BenchScreen.h"

#include "screens/comparison/ComparisonController.h"
#include "store/DataFile.h"
#include "store/DataFolder.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

// The start screen at its largest: two data files of 32,767 lines over about three years, the
// whole comparison screen built from them (files read, list and both graphs filled and brought
// up to date), against the bare reading of the same two files.

namespace {

constexpr int runs = 9;

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    writeBenchDataFiles(dir.path());
    const DataFolder folder(dir.path());

    qsizetype lines = 0;
    const double read = medianMs(runs, [&] {
        const MeasurementFile file1 = ReadMeasurements(folder, QStringLiteral("データ1.TXT"));
        const MeasurementFile file2 = ReadMeasurements(folder, QStringLiteral("データ2.txt"));
        lines = file1.records.size() + file2.records.size();
    });
    if (lines != 2 * 32767) {
        std::fprintf(stderr, "read %lld lines\n", static_cast<long long>(lines));
        return 1;
    }

    BenchScreen<ComparisonController> screen(dir.path());
    screen.session.notePartnerProfile(1, {QStringLiteral("ぽむ"), 0.0f, 65.0f});
    screen.session.notePartnerProfile(2, {QStringLiteral("りな"), 0.0f, 50.0f});
    QCoreApplication::processEvents();
    const double show = medianMs(runs, [&] {
        // What the comparison button does, up to the paint that shows the result.
        screen.controller->prepareBeforeHiding();
        QCoreApplication::processEvents();
    });

    printBench(QStringLiteral("show_comparison"), show);
    printBench(QStringLiteral("read_records_both"), read);
    printRatio(QStringLiteral("show_comparison/read_records"), show / read);
    return 0;
}
