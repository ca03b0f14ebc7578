#include "screens/calendar/CalendarController.h"

#include "diary/PartnerDiary.h"
#include "screens/calendar/CalendarPanel.h"
#include "screens/shell/ReadProblems.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "ui/Clock.h"
#include "ui/Grid.h"

#include <QPushButton>

CalendarController::CalendarController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new CalendarPanel(panelParent))
{
    for (int i = 0; i < 2; ++i)
        connect(m_panel->cmdSel1[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdSel1_Click(i); });
    connect(m_panel->msgList2, &Grid::cellDoubleClicked, this, &CalendarController::msgList2_DblClick);
    // Enter on a day does what the double-click does.
    connect(m_panel->msgList2, &Grid::cellEnterPressed, this, &CalendarController::msgList2_DblClick);
}

QWidget *CalendarController::panel() const
{
    return m_panel;
}

void CalendarController::prepareAfterHiding()
{
    if (upToDate() && m_view == CalendarView::Detail)
        return;
    selectView(CalendarView::Detail);
    SetupCalendarGrid();
    FillCalendar();
}

void CalendarController::refreshShown()
{
    // In the view chosen.
    if (upToDate())
        return;
    SetupCalendarGrid();
    FillCalendar();
}

void CalendarController::selectView(CalendarView view)
{
    m_view = view;
    m_panel->showView(view);
}

void CalendarController::SetupCalendarGrid()
{
    m_panel->resetGrid();
}

void CalendarController::FillCalendar()
{
    m_ctx.session.refresh();
    const PartnerDiary &diary = m_ctx.session.diary();
    noteReadProblems(m_ctx.shell, diary.file());
    const CalendarData data = ComputeCalendar(diary.records(), m_ctx.clock.today());
    m_panel->showDays(data, m_view);
    m_panel->showSummary(SummarizeCalendar(data.counts));
    noteBuilt();
}

void CalendarController::cmdSel1_Click(int index)
{
    // The grid is filled again in place; the screen stays up.
    selectView(index == 1 ? CalendarView::Simple : CalendarView::Detail);
    SetupCalendarGrid();
    FillCalendar();
}

void CalendarController::msgList2_DblClick(int row, int col)
{
    const QDate day = CalendarCellDate(row, col, m_panel->msgList2->textMatrix(row, 0));
    if (!day.isValid())
        return;
    m_ctx.shell.openEntryOnDay(day);
}
