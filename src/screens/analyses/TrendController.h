#pragma once

#include "screens/shell/ScreenController.h"

class TrendPanel;
class QWidget;

// The whole-period trend graph (fraRenTai) with its moving average.
class TrendController : public ScreenController
{
    Q_OBJECT
public:
    TrendController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    TrendPanel *trendPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Trend; }

    void LoadMovingAverageSetting();
private:
    TrendPanel *m_panel;
};
