#pragma once

#include "screens/calendar/CalendarMonths.h"
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
    // Every entry, and every partner switch, starts in the detail view.
    void prepareAfterHiding() override;
    void refreshShown() override;

    void SetupCalendarGrid();
    void FillCalendar();

    void cmdSel1_Click(int index);
    void msgList2_DblClick(int row, int col);

private:
    void selectView(CalendarView view);

    CalendarPanel *m_panel;
    // Decides unchangedDayColour and onceDayColour; the other classes keep theirs in both views.
    CalendarView m_view = CalendarView::Detail;
};
