#pragma once

#include "screens/shell/ScreenController.h"

class AnalysesPanel;
class QWidget;
class TrendSource;

// The four analysis lists (fraBunseki), computed from the trend data set, which the screen has
// its source build afresh each time it is built.
class AnalysesController : public ScreenController
{
    Q_OBJECT
public:
    AnalysesController(ScreenContext &context, TrendSource &trend, QWidget *panelParent);

    QWidget *panel() const override;
    AnalysesPanel *analysesPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Analyses; }
    // The trend data, then the four lists.
    void prepareAfterHiding() override;

    // The headings of the four lists, once at start-up.
    void SetupAnalysisGrids();
    void ListWeightSeries();
    void ListBreakProgress();
    void ListAverageTrend();
    void ListWeightRanking();

    void Option1_Click();
    void Option2_Click();

private:
    AnalysesPanel *m_panel;
    TrendSource &m_trend;
};
