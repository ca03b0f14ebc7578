// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up work and the entry screen's refresh on two maximum-size data files.
//   bench_startup                 prints the BENCH/RATIO lines
//   bench_startup --write-data D  only writes the data files into D (for measuring the real
//                                 program's memory with /usr/bin/time -v)
#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "app/MainWindow.h"
#include "screens/shell/Session.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include "support/ScriptedDialogs.h"
#include "ui/MonthCalendar.h"

#include <QApplication>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--write-data") == 0) {
        QCoreApplication app(argc, argv);
        writeBenchDataFiles(QCoreApplication::arguments().at(2));
        return 0;
    }
    BenchStart<QApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    ScriptedDialogs dialogs;
    SystemClock clock;

    // Form_Load up to the point where it would wait for the splash: everything is read and built.
    // The window of the run before is closed untimed.
    std::unique_ptr<MainWindow> window;
    bench({QStringLiteral("startup"),
           [&] {
               window = std::make_unique<MainWindow>(folder, dialogs, clock);
               window->setScheduler([](qint64, std::function<void()>) {});
               window->Form_Load();
           },
           [&] { window.reset(); }});

    // The entry refresh for a day in the middle of the file, through the calendar's click.
    const MeasurementFile file = ReadMeasurements(folder, FileName::data1);
    const QDate middle = parseStoredDate(file.records[file.records.size() / 2].date);
    auto *calendar = window->findChild<MonthCalendar *>(QStringLiteral("mtvmain"));
    calendar->setSelectedDate(middle);
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("read_records"), [&] { (void)ReadMeasurements(folder, FileName::data1); }},
        {QStringLiteral("entry_refresh"), [&] { Q_EMIT calendar->dateClick(middle); }},
    });
    check(window->session().recordCount() == file.records.size(), "the refresh did not read the whole file");
    printRatio(QStringLiteral("entry_refresh/read_records"), times[1], times[0]);
    return 0;
}
