#pragma once

#include "screens/shell/ScreenController.h"

class HistoryPanel;
class QWidget;

// The history screen (fraTaijyu): the measurements filtered by situation, weekday and period.
class HistoryController : public ScreenController
{
    Q_OBJECT
public:
    HistoryController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    HistoryPanel *historyPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::History; }

private:
    HistoryPanel *m_panel;
};
