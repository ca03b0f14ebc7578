#include "BenchData.h"
#include "BenchScreen.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "screens/analyses/AnalysesController.h"
#include "screens/analyses/AnalysesPanel.h"
#include "diary/Forecast.h"
#include "diary/TrendData.h"
#include "screens/analyses/TrendController.h"
#include "screens/analyses/TrendPanel.h"
#include "store/FileNames.h"
#include "ui/Chart.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>

// The trend screen and the analysis screen at their largest: a data file of 32,767 lines,
// each screen built as its button builds it after the file changed (one weight in the middle
// rewritten, as another program would: the file read again, the trend data set, graph or lists
// filled and brought up to the paint), with moving averages of 10 and of 30, against the bare
// reading of the same file. The data end today, so that the forecast, the weekly rate and the week and
// month averages have all their work to do.

int main(int argc, char **argv)
{
    constexpr int lines = kMaxDataLines;
    BenchStart<QApplication> start(argc, argv, lines);
    constexpr int days = 1100;
    const QDate today = QDate::currentDate();
    writeBenchDataFiles(start.path(), lines, today.addDays(1 - days), days);

    // The trend screen, shown.
    BenchScreen<TrendController> trend(start.path());
    trend.writeProfile(1, {QString(), 0.0f, 65.0f});
    trend.controller->LoadMovingAverageSetting();
    QCoreApplication::processEvents();

    // The analysis screen, shown.
    BenchScreen<AnalysesController> analyses(start.path());
    analyses.controller->SetupAnalysisGrids();
    QCoreApplication::processEvents();

    // Before every timed build, untimed: the file with one weight in the middle changed, and back.
    const QByteArray whole = TestFiles::bytes(start.path(), FileName::data1);
    QByteArray corrected = whole;
    const qsizetype digit = corrected.indexOf("\",", corrected.indexOf('\n', corrected.size() / 2)) + 3;
    corrected[digit] = corrected[digit] == '5' ? '6' : '5';
    bool isCorrected = false;
    const auto change = [&] {
        isCorrected = !isCorrected;
        QFile file(start.folder().pathFor(FileName::data1));
        check(file.open(QIODevice::WriteOnly) && file.write(isCorrected ? corrected : whole) == whole.size(), "cannot write the data file");
    };

    for (const int size : {10, 30}) {
        const QString suffix = size == 10 ? QString() : QStringLiteral("_size%1").arg(size);
        trend.controller->trendPanel()->cboIdou->setEditText(QString::number(size));

        const std::vector<BenchTimes> times = benchInTurns({
            readRecordsOp(start.folder(), lines),
            {QStringLiteral("trend_enter") + suffix,
             [&] {
                 trend.session.refresh();
                 trend.controller->prepareBeforeHiding();
                 QCoreApplication::processEvents();
                 const Chart *chart = trend.controller->trendPanel()->mcrRentai;
                 check(chart->rowCount() >= lines && chart->value(lines, 1) && !chart->value(lines + 1, 1),
                       "the graph does not have a row per measurement");
                 check(!chart->value(size - 1, 2) && chart->value(size, 2) && chart->value(lines, 2), "the average starts at the wrong row");
                 check(trend.controller->upToDate(), "the graph was not built from the changed file");
             },
             change},
            {QStringLiteral("analyses_enter") + suffix,
             [&] {
                 analyses.session.refresh();
                 analyses.controller->prepareAfterHiding();
                 QCoreApplication::processEvents();
                 check(analyses.session.recordCount() == lines, "the analyses did not load the whole file");
                 const AnalysesPanel *lists = analyses.controller->analysesPanel();
                 check(lists->msgB1->rows() == lines + 1 && lists->msgB3->rows() == lines + 1, "a list does not have a row per measurement");
                 check(lists->msgB2->rows() > 1 && lists->msgB4->rows() > 1, "a list is empty");
                 check(analyses.controller->upToDate(), "the lists were not built from the changed file");
             },
             change},
        });
        printRatio(QStringLiteral("trend_enter%1/read_records").arg(suffix), times[1], times[0]);
        printRatio(QStringLiteral("analyses_enter%1/read_records").arg(suffix), times[2], times[0]);
    }

    // The forecast from the trend data set of the full file, as the trend screen computes it on
    // every build (the comparison screen does the same from the records it has read).
    const TrendData &data = trend.controller->trendData();
    const std::vector<BenchTimes> times = benchInTurns({
        readRecordsOp(start.folder(), lines),
        {QStringLiteral("forecast"), [&] { check(ComputeForecast(data, 65.0f, today).state != Forecast::State::None, "no forecast"); }},
    });
    printRatio(QStringLiteral("forecast/read_records"), times[1], times[0]);

    // The week and month averages of both partners, as the option buttons list them: both
    // diaries' records through to the grid, brought up to the paint.
    AnalysesPanel *lists = analyses.controller->analysesPanel();
    const auto periodList = [&](int option, int least) {
        return [&, option, least] {
            lists->Option3[std::size_t(option)]->setChecked(true);
            analyses.controller->ListPeriodAverages();
            QCoreApplication::processEvents();
            check(lists->msgB5->rows() > least && !lists->msgB5->textMatrix(2, 6).isEmpty() && !lists->msgB5->textMatrix(2, 7).isEmpty(),
                  "the averages do not list both partners' periods");
        };
    };
    const std::vector<BenchTimes> periods = benchInTurns({
        readRecordsOp(start.folder(), lines),
        {QStringLiteral("period_weeks"), periodList(0, days / 7)},
        {QStringLiteral("period_months"), periodList(1, days / 31)},
    });
    printRatio(QStringLiteral("period_weeks/read_records"), periods[1], periods[0]);
    printRatio(QStringLiteral("period_months/read_records"), periods[2], periods[0]);
    return 0;
}
