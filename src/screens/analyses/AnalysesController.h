#pragma once

#include "screens/shell/ScreenController.h"

class AnalysesPanel;
class QWidget;
struct TrendData;

// The four analysis lists (fraBunseki), computed from the selected partner's trend data set,
// which their diary keeps.
class AnalysesController : public ScreenController
{
    Q_OBJECT
public:
    AnalysesController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    AnalysesPanel *analysesPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Analyses; }
    // The four lists, when the diary changed since they were listed.
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
    const TrendData &trend() const;

    AnalysesPanel *m_panel;
};
