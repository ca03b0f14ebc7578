#pragma once

#include "diary/Forecast.h"
#include "screens/shell/ScreenController.h"

class TrendPanel;
struct TrendData;
class QWidget;

// The whole-period trend graph (fraRenTai) with its moving average, drawn from the selected
// partner's trend data set, which their diary keeps.
class TrendController : public ScreenController
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
    void refreshShown() override;

    void LoadMovingAverageSetting();
    // The graph, the summary and the forecast from the selected partner's diary as it is now.
    void LoadTrendData();
    const TrendData &trendData() const;
    void RedrawMovingAverage();
    bool lowerBoundAtTarget() const { return m_lowerBoundAtTarget; }
    const Forecast &forecast() const { return m_forecast; }
    const WeeklyRate &weeklyRate() const { return m_weeklyRate; }

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
    // The forecast's line as far as the weight axis shows it; none while the weight is not shown.
    std::optional<ForecastProjection> projection() const;
    void showProjection();

    TrendPanel *m_panel;
    // The moving average's size as the box said when the graph was drawn.
    QString m_drawnAverageSize;
    // When the target is reached at the pace of the four weeks up to today, and how fast the
    // weight moves over them, from the data set above.
    Forecast m_forecast;
    WeeklyRate m_weeklyRate;
    // LowerBoundAtTarget: the weight axis starts at the target weight.
    bool m_lowerBoundAtTarget = false;
};
