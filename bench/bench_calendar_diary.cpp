#include "BenchData.h"
#include "BenchScreen.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "screens/calendar/CalendarController.h"
#include "screens/calendar/CalendarPanel.h"
#include "screens/diary/DiaryController.h"
#include "screens/diary/DiaryPanel.h"
#include "store/RecordEdit.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QFile>

// The calendar and the diary at their largest: a data file of 32,767 lines over about three
// years. Each screen is built as its button builds it (file read, grid and labels filled,
// painted) and compared with the bare reading of the same file; one comment in the middle of the
// file is saved and compared with the store's rewrite of the whole file.

int main(int argc, char **argv)
{
    BenchStart<QApplication> start(argc, argv);
    const DataFolder &folder = start.folder();
    const QString path = folder.pathFor(FileName::data1);
    QByteArray original;
    {
        QFile file(path);
        check(file.open(QIODevice::ReadOnly), "no data file");
        original = file.readAll();
    }
    QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    check(records.size() == kMaxDataLines, "the data file is not full");

    {
        BenchScreen<CalendarController> screen(start.path());
        QCoreApplication::processEvents();
        const std::vector<BenchTimes> times = benchInTurns({
            readRecordsOp(folder, kMaxDataLines),
            {QStringLiteral("calendar_enter"),
             [&] {
                 screen.controller->prepareAfterHiding();
                 QCoreApplication::processEvents();
             }},
        });
        // About three years of months: a figure is worth nothing if the grid did not get them.
        check(screen.controller->calendarPanel()->msgList2->rows() >= 30, "calendar rows");
        printRatio(QStringLiteral("calendar_enter/read_records"), times[1], times[0]);
    }

    {
        BenchScreen<DiaryController> screen(start.path());
        QCoreApplication::processEvents();
        const std::vector<BenchTimes> times = benchInTurns({
            readRecordsOp(folder, kMaxDataLines),
            {QStringLiteral("diary_enter"),
             [&] {
                 screen.controller->prepareAfterHiding();
                 QCoreApplication::processEvents();
             }},
        });
        check(screen.controller->diaryPanel()->msgMemoList->rows() == kMaxDataLines + 1, "diary rows");
        printRatio(QStringLiteral("diary_enter/read_records"), times[1], times[0]);
    }

    const auto restore = [&] {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(original) == original.size() && file.flush(),
              "cannot restore the data file");
    };
    const int middle = kMaxDataLines / 2;
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("rewrite"), [&] { check(bool(RewriteDataFile(folder, FileName::data1, records)), "rewrite"); }, restore},
        {QStringLiteral("comment_save"),
         [&] {
             const RecordChange saved = ReplaceComment(folder, FileName::data1, middle, int(records.size()), records[middle],
                                                      QStringLiteral("夜食を我慢した"));
             check(bool(saved.result), "comment save");
         },
         restore},
    }, BenchClock::Wall);
    printRatio(QStringLiteral("comment_save/rewrite"), times[1], times[0]);
    return 0;
}
