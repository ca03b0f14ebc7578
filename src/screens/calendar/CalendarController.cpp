#include "screens/calendar/CalendarController.h"

#include "screens/calendar/CalendarPanel.h"

CalendarController::CalendarController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new CalendarPanel(panelParent))
{
}

QWidget *CalendarController::panel() const
{
    return m_panel;
}

