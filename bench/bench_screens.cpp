// SPDX-License-Identifier: GPL-3.0-or-later
// Entering each screen of the whole window, on two data files of 32,767 lines: when nothing
// changed since the screen was last built, and right after its data file changed on disk (so
// that entering reads it again): a measurement added at the end, or one in the middle corrected.
// Against the bare reading of the data file (both files for the comparison, which shows both).
// Each is timed twice: up to the paint that shows the screen ("enter"), and the program's own
// work alone, without the toolkit's showing and painting of the panel ("build").
//   bench_screens           prints the BENCH/RATIO lines
//   bench_screens --memory  visits every screen for both partners and prints the peak memory
#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "app/MainWindow.h"
#include "screens/shell/ScreenController.h"
#include "screens/shell/Session.h"
#include "store/FileNames.h"
#include "support/ScriptedDialogs.h"
#include "ui/Clock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QThread>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

struct Screen {
    const char *button;
    const char *name;
    const char *panel;
    bool bothPartners; // shows both partners: a change is one to both files
};

const Screen kScreens[] = {
    {"cmdMain", "entry", "fraMain", false},         {"cmdAvgtai", "comparison", "fraAvgTai", true},
    {"cmdTaijyu", "history", "fraTaijyu", false},   {"cmdRentai", "trend", "fraRenTai", false},
    {"cmdBunseki", "analyses", "fraBunseki", false}, {"cmdCale", "calendar", "fraCale", false},
    {"cmdMemo", "diary", "fraMemo", false},
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "cannot read a data file");
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write a data file");
}

} // namespace

int main(int argc, char **argv)
{
    const bool memoryOnly = argc == 2 && std::strcmp(argv[1], "--memory") == 0;
    BenchStart<QApplication> start(argc, argv);
    ScriptedDialogs dialogs;
    SystemClock clock;
    // The start-up without its end: the window is shown by hand, and no folder watcher runs, so
    // that every change is taken in by the screen entered, inside the time measured.
    MainWindow window(start.folder(), dialogs, clock);
    window.setScheduler([](qint64, std::function<void()>) {});
    window.Form_Load();
    window.show();
    QCoreApplication::processEvents();
    // The data files were written just now: their times lie too close to the reading to tell a
    // change by, until they are older than that.
    QThread::msleep(2100);
    const auto enter = [&](const char *button) {
        window.findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
        QCoreApplication::processEvents();
    };

    // For a profiler: enters one screen (and leaves it) again and again, after a change of the
    // data files with --changed.
    if (argc >= 3 && std::strcmp(argv[1], "--loop") == 0) {
        const bool changing = argc == 4;
        const QString path1 = start.filePath(FileName::data1), path2 = start.filePath(FileName::data2);
        const QByteArray full1 = fileBytes(path1), full2 = fileBytes(path2);
        QThread::msleep(2100);
        for (int i = 0; i < 200; ++i) {
            enter("cmdSettei");
            if (changing) {
                writeBytes(path1, i % 2 ? full1 : full1.left(full1.size() - 2));
                writeBytes(path2, i % 2 ? full2 : full2.left(full2.size() - 2));
            }
            enter(argv[2]);
        }
        return 0;
    }
    if (memoryOnly) {
        for (const char *partner : {"cmdUser1", "cmdUser2"}) {
            enter(partner);
            for (const Screen &screen : kScreens)
                enter(screen.button);
            enter("cmdSettei");
        }
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("MEMORY peak %.1f MB after every screen for both partners\n", double(usage.ru_maxrss) / 1024.0);
        return 0;
    }

    // Each data file in three versions: without its last line, whole, and whole with one weight
    // in the middle of the file rewritten. A run "after a change" finds the file changed on disk
    // as another program would leave it: a measurement added at the end (the usual change: a
    // save, a sync tool bringing the other computer's), or one corrected in the middle.
    const QString paths[] = {start.filePath(FileName::data1), start.filePath(FileName::data2)};
    struct Versions {
        QByteArray shorter, whole, corrected;
    } versions[2];
    for (int p = 0; p < 2; ++p) {
        Versions &v = versions[p];
        v.whole = fileBytes(paths[p]);
        v.shorter = v.whole.left(v.whole.lastIndexOf('\n', v.whole.size() - 2) + 1);
        v.corrected = v.whole;
        const qsizetype digit = v.corrected.indexOf("\",", v.corrected.indexOf('\n', v.corrected.size() / 2)) + 3;
        v.corrected[digit] = v.corrected[digit] == '5' ? '6' : '5';
    }
    Session &session = const_cast<Session &>(window.session());
    bool corrected = false;
    const auto change = [&](bool both, bool atEnd) {
        enter("cmdSettei");
        for (int p = 0; p < (both ? 2 : 1); ++p) {
            if (atEnd) {
                // The shorter file taken in first, untimed; then the line comes.
                writeBytes(paths[p], versions[p].shorter);
                session.refresh();
                writeBytes(paths[p], versions[p].whole);
            } else {
                writeBytes(paths[p], corrected ? versions[p].whole : versions[p].corrected);
            }
        }
        corrected = !atEnd && !corrected;
    };

    const BenchOp readRecords{QStringLiteral("read_records"), [&] {
                                  check(ReadMeasurements(start.folder(), FileName::data1).records.size() >= kMaxDataLines - 1,
                                        "a record short");
                              }};
    const BenchOp readBoth{QStringLiteral("read_records_both"), [&] {
                               check(ReadMeasurements(start.folder(), FileName::data1).records.size()
                                             + ReadMeasurements(start.folder(), FileName::data2).records.size()
                                         >= 2 * kMaxDataLines - 2,
                                     "a record short");
                           }};
    for (const char *kind : {"unchanged", "changed_end", "changed_middle"}) {
        for (const Screen &screen : kScreens) {
            const QString name = QString::fromLatin1(screen.name) + QStringLiteral("_enter_") + QString::fromLatin1(kind);
            std::function<void()> prepare = [&] { enter("cmdSettei"); };
            if (std::strcmp(kind, "changed_end") == 0)
                prepare = [&] { change(screen.bothPartners, true); };
            else if (std::strcmp(kind, "changed_middle") == 0)
                prepare = [&] { change(screen.bothPartners, false); };
            // Nothing changed: the files were last written long enough ago for their times alone
            // to tell. Leaving for the maintenance screen builds nothing that the screen entered shares.
            enter(screen.button);
            const BenchOp &base = screen.bothPartners ? readBoth : readRecords;
            // The same without the toolkit's showing and painting of the panel: what the program
            // itself does to have the screen show the files as they are (the screen button's
            // look at the files, then the screen's build).
            ScreenController *controller = nullptr;
            for (ScreenController *c : window.findChildren<ScreenController *>()) {
                if (c->panel()->objectName() == QLatin1String(screen.panel))
                    controller = c;
            }
            check(controller, "no controller for the screen");
            const QString built = QString(name).replace(QStringLiteral("_enter_"), QStringLiteral("_build_"));
            const std::vector<BenchTimes> times = benchInTurns({base,
                                                                {name, [&] { enter(screen.button); }, prepare},
                                                                {built,
                                                                 [&] {
                                                                     session.refresh();
                                                                     controller->prepareBeforeHiding();
                                                                     controller->prepareAfterHiding();
                                                                 },
                                                                 prepare}});
            printRatio(name + u'/' + base.name, times[1], times[0]);
            printRatio(built + u'/' + base.name, times[2], times[0]);
        }
    }
    return 0;
}
