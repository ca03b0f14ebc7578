#include "BenchData.h"
#include "BenchScreen.h"

#include "screens/calendar/CalendarController.h"
#include "screens/calendar/CalendarPanel.h"
#include "screens/diary/DiaryController.h"
#include "screens/diary/DiaryPanel.h"
#include "store/CommentEdit.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The calendar and the diary at their largest: a data file of 32,767 lines over about three
// years. Each screen is built as its button builds it (file read, grid and labels filled,
// painted) and compared with the bare reading of the same file; one comment in the middle of the
// file is saved and compared with the store's rewrite of the whole file.
//
// The machine is shared, so the two sides of each comparison are timed in turns, one run of
// each after the other: a busy moment then slows both alike. Each figure is the median of its
// runs; each ratio is the median of the runs' ratios.

namespace {

constexpr int runs = 31;

double msOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times `work` and `base` in turns, each after its untimed `prepare`, and prints both medians
// and the median ratio.
void compare(const QString &workName, const std::function<void()> &prepare, const std::function<void()> &work,
             const QString &baseName, const std::function<void()> &base)
{
    std::vector<double> workMs, baseMs, ratios;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const double w = msOf(work);
        prepare();
        const double b = msOf(base);
        workMs.push_back(w);
        baseMs.push_back(b);
        ratios.push_back(w / b);
    }
    printBench(workName, median(workMs));
    printBench(baseName, median(baseMs));
    printRatio(workName + u'/' + baseName, median(ratios));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(dir.path());
    const DataFolder folder(dir.path());
    const QString path = folder.pathFor(FileName::data1);
    QByteArray original;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail("no data file");
        original = file.readAll();
    }
    QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    if (records.size() != 32767)
        fail("the data file is not full");
    const auto readRecords = [&] {
        if (ReadMeasurements(folder, FileName::data1).records.size() != 32767)
            fail("read records");
    };

    {
        BenchScreen<CalendarController> screen(dir.path());
        QCoreApplication::processEvents();
        compare(QStringLiteral("calendar_enter"), [] {}, [&] {
            screen.controller->prepareAfterHiding();
            QCoreApplication::processEvents();
        }, QStringLiteral("read_records"), readRecords);
        // About three years of months: a figure is worth nothing if the grid did not get them.
        if (screen.controller->calendarPanel()->msgList2->rows() < 30)
            fail("calendar rows");
    }

    {
        BenchScreen<DiaryController> screen(dir.path());
        QCoreApplication::processEvents();
        compare(QStringLiteral("diary_enter"), [] {}, [&] {
            screen.controller->prepareAfterHiding();
            QCoreApplication::processEvents();
        }, QStringLiteral("read_records"), readRecords);
        if (screen.controller->diaryPanel()->msgMemoList->rows() != 32768)
            fail("diary rows");
    }

    const auto restore = [&] {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(original) != original.size() || !file.flush())
            fail("cannot restore the data file");
    };
    const int middle = 16383;
    compare(QStringLiteral("comment_save"), restore, [&] {
        const CommentSave saved = ReplaceComment(folder, FileName::data1, middle, int(records.size()), records[middle],
                                                 QStringLiteral("夜食を我慢した"));
        if (!saved.result)
            fail("comment save");
    }, QStringLiteral("rewrite"), [&] {
        if (!RewriteDataFile(folder, FileName::data1, records))
            fail("rewrite");
    });
    return 0;
}
