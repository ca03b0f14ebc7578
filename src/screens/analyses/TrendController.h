#pragma once

#include "screens/analyses/Forecast.h"
#include "screens/analyses/TrendSource.h"
#include "screens/shell/ScreenController.h"

#include <memory>

class TrendPanel;
class QWidget;

// The whole-period trend graph (fraRenTai) with its moving average. Loading its data builds the
// trend data set, which the analysis lists and the history read.
class TrendController : public ScreenController, public TrendSource
{
    Q_OBJECT
public:
    TrendController(ScreenContext &context, QWidget *panelParent);
    ~TrendController() override;

    QWidget *panel() const override;
    TrendPanel *trendPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Trend; }
    // The screen button: the data and the graph, the target mode as it was, the weight view.
    void prepareBeforeHiding() override;
    // A partner switch: the data and the graph, the target mode as it was, the view unchanged.
    void refreshForPartner() override;

    void LoadMovingAverageSetting();
    void LoadTrendData() override;
    const TrendData &trendData() const override;
    void RedrawMovingAverage();
    bool lowerBoundAtTarget() const { return m_lowerBoundAtTarget; }
    const Forecast &forecast() const { return m_forecast; }

    void cboIdou_Click();
    void cboIdou_KeyPress(int keyAscii);
    void cmdMokuChk_Click();
    void optTai1_Click();
    void optShi1_Click();
    void optKon1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyLowerBound();
    void confirmMovingAverageSize();

    TrendPanel *m_panel;
    std::unique_ptr<TrendData> m_trend;
    // When the target is reached at the pace of the last four weeks, from the data set above.
    Forecast m_forecast;
    // LowerBoundAtTarget: the weight axis starts at the target weight.
    bool m_lowerBoundAtTarget = false;
};
