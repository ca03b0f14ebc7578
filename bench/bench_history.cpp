#include "BenchData.h"
#include "BenchScreen.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "screens/history/HistoryController.h"
#include "screens/history/HistoryPanel.h"
#include "store/FileNames.h"
#include "ui/Chart.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

// The history screen at its largest: a data file of 32,767 lines over three years. Entering the
// screen lists every record (after loading the trend data, which redraws the hidden trend
// graph, as in the window) and brings list and chart up to the paint; a filter action lists one
// situation on one weekday over a full year. Both against the bare reading of the same file.

int main(int argc, char **argv)
{
    constexpr int lines = kMaxDataLines;
    BenchStart<QApplication> start(argc, argv, lines);

    BenchScreen<HistoryController> history(start.path());
    history.writeProfile(1, {QString(), 172.0f, 0.0f});
    HistoryPanel *panel = history.controller->historyPanel();
    QCoreApplication::processEvents();

    // Entering leaves the whole file listed and the filters cleared, so each filtered run starts
    // from there: it takes the filters as the user sets them after entering.
    const auto setFilters = [&] {
        panel->txtKey->setText(QStringLiteral("夕食後"));
        history.controller->cmdWeek_Click(1);
        panel->setPeriod(QStringLiteral("2021/01/01"), QStringLiteral("2021/12/31"));
    };
    const std::vector<BenchTimes> times = benchInTurns({
        readRecordsOp(start.folder(), lines),
        {QStringLiteral("history_enter"),
         [&] {
             // As the screen button does it: built while hidden, then shown and painted.
             panel->hide();
             history.controller->prepareAfterHiding();
             panel->show();
             QCoreApplication::processEvents();
             check(history.session.recordCount() == lines, "the trend data were not loaded");
             check(panel->msgBunseki->rows() == lines + 1 && panel->mcrBunseki->rowCount() == lines, "not every record is listed");
             check(panel->cboStdate->count() > 1000, "the date lists are not filled");
         }},
        {QStringLiteral("history_filtered"),
         [&] {
             history.controller->cmdKikanF_Click();
             QCoreApplication::processEvents();
             const int listed = panel->msgBunseki->rows() - 1;
             check(listed > 100 && listed < 1000, "the filters do not narrow the listing as expected");
             check(panel->msgBunseki->textMatrix(1, 2) == QStringLiteral("月")
                       && panel->msgBunseki->textMatrix(listed, 3) == QStringLiteral("夕食後"),
                   "a listed row does not pass the filters");
         },
         [&] {
             setFilters();
             QCoreApplication::processEvents();
         }},
    });
    printRatio(QStringLiteral("history_enter/read_records"), times[1], times[0]);
    printRatio(QStringLiteral("history_filtered/read_records"), times[2], times[0]);
    return 0;
}
