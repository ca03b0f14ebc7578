// Entering each screen of the whole window, on two data files of 32,767 lines: when nothing
// changed since the screen was last built, and right after its data file changed on disk (so
// that entering reads it again). Against the bare reading of one data file.
//   bench_screens           prints the BENCH/RATIO lines
//   bench_screens --memory  visits every screen for both partners and prints the peak memory
#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "app/MainWindow.h"
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
    bool bothPartners; // shows both partners: a change is one to both files
};

const Screen kScreens[] = {
    {"cmdMain", "entry", false},      {"cmdAvgtai", "comparison", true}, {"cmdTaijyu", "history", false},
    {"cmdRentai", "trend", false},    {"cmdBunseki", "analyses", false}, {"cmdCale", "calendar", false},
    {"cmdMemo", "diary", false},
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

    // Each data file in two versions, the last line there or not: the prepare step before a run
    // "after a change" writes the other one, as another program would.
    const QString paths[] = {start.filePath(FileName::data1), start.filePath(FileName::data2)};
    QByteArray versions[2][2];
    for (int p = 0; p < 2; ++p) {
        versions[p][0] = fileBytes(paths[p]);
        versions[p][1] = versions[p][0].left(versions[p][0].lastIndexOf('\n', versions[p][0].size() - 2) + 1);
    }
    int shownVersion = 0;
    const auto changeFiles = [&](bool both) {
        shownVersion = 1 - shownVersion;
        for (int p = 0; p < (both ? 2 : 1); ++p)
            writeBytes(paths[p], versions[p][shownVersion]);
    };

    const BenchOp readRecords{QStringLiteral("read_records"), [&] {
                                  check(ReadMeasurements(start.folder(), FileName::data1).records.size() >= kMaxDataLines - 1,
                                        "a record short");
                              }};
    // Nothing changed: the files were last written long enough ago for their times alone to tell.
    // Leaving for the maintenance screen builds nothing that the screen entered shares.
    for (const Screen &screen : kScreens) {
        enter(screen.button);
        const std::vector<BenchTimes> times = benchInTurns({
            readRecords,
            {QStringLiteral("%1_enter_unchanged").arg(QString::fromLatin1(screen.name)), [&] { enter(screen.button); },
             [&] { enter("cmdSettei"); }},
        });
        printRatio(QStringLiteral("%1_enter_unchanged/read_records").arg(QString::fromLatin1(screen.name)), times[1], times[0]);
    }
    for (const Screen &screen : kScreens) {
        const std::vector<BenchTimes> times = benchInTurns({
            readRecords,
            {QStringLiteral("%1_enter_changed").arg(QString::fromLatin1(screen.name)), [&] { enter(screen.button); },
             [&] {
                 enter("cmdSettei");
                 changeFiles(screen.bothPartners);
             }},
        });
        printRatio(QStringLiteral("%1_enter_changed/read_records").arg(QString::fromLatin1(screen.name)), times[1], times[0]);
    }
    return 0;
}
