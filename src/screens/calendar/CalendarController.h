#pragma once

#include "screens/shell/ScreenController.h"

class CalendarPanel;
class QWidget;

// The month calendar of daily change (fraCale).
class CalendarController : public ScreenController
{
    Q_OBJECT
public:
    CalendarController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    CalendarPanel *calendarPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Calendar; }

private:
    CalendarPanel *m_panel;
};
