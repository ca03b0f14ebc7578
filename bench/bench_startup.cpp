// The start-up work and the entry screen's refresh on two maximum-size data files.
//   bench_startup                 prints the BENCH/RATIO lines
//   bench_startup --write-data D  only writes the data files into D (for measuring the real
//                                 program's memory with /usr/bin/time -v)
#include "BenchData.h"
#include "BenchScreen.h"

#include "app/MainWindow.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/MonthCalendar.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>


int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--write-data")) {
        writeBenchDataFiles(args[2]);
        return 0;
    }
    QTemporaryDir dir;
    writeBenchDataFiles(dir.path());
    const DataFolder folder(dir.path());
    SilentDialogs dialogs;
    SystemClock clock;

    // Form_Load up to the point where it would wait for the splash: everything is read and built.
    std::vector<std::unique_ptr<MainWindow>> windows;
    const double startup = medianMs(5, [&] {
        auto window = std::make_unique<MainWindow>(folder, dialogs, clock);
        window->setScheduler([](qint64, std::function<void()>) {});
        window->Form_Load();
        windows.push_back(std::move(window));
    });
    printBench(QStringLiteral("startup"), startup);
    windows.resize(1);
    MainWindow &window = *windows.front();

    // The entry refresh for a day in the middle of the file, through the calendar's click.
    const MeasurementFile file = ReadMeasurements(folder, FileName::data1);
    const QDate middle = parseStoredDate(file.records[file.records.size() / 2].date);
    auto *calendar = window.findChild<MonthCalendar *>(QStringLiteral("mtvmain"));
    calendar->setSelectedDate(middle);
    const double refresh = medianMs(9, [&] { Q_EMIT calendar->dateClick(middle); });
    const double read = medianMs(9, [&] { (void)ReadMeasurements(folder, FileName::data1); });
    printBench(QStringLiteral("entry_refresh"), refresh);
    printBench(QStringLiteral("read_records"), read);
    printRatio(QStringLiteral("entry_refresh/read_records"), refresh / read);
    if (window.session().recordCount() != file.records.size()) {
        std::fprintf(stderr, "the refresh did not read the whole file\n");
        return 1;
    }
    return 0;
}
