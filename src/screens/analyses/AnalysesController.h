#pragma once

#include "screens/shell/ScreenController.h"

class AnalysesPanel;
class QWidget;
struct TrendData;

// The analysis lists (fraBunseki): four computed from the selected partner's trend data set,
// which their diary keeps, and the week and month averages of both partners.
class AnalysesController : public ScreenController
{
    Q_OBJECT
public:
    AnalysesController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    AnalysesPanel *analysesPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Analyses; }
    // The lists, when a diary or the day changed since they were listed.
    void prepareAfterHiding() override;

    // The headings of the four lists, once at start-up.
    void SetupAnalysisGrids();
    void ListWeightSeries();
    void ListBreakProgress();
    void ListAverageTrend();
    void ListWeightRanking();
    void ListPeriodAverages();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

protected:
    // The week and month averages show both partners.
    bool showsBothPartners() const override { return true; }

private:
    const TrendData &trend() const;

    AnalysesPanel *m_panel;
};
