#include "screens/history/HistoryController.h"

#include "screens/history/HistoryPanel.h"
#include "screens/shell/SituationLists.h"

#include <QListWidget>

HistoryController::HistoryController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new HistoryPanel(panelParent))
{
    m_ctx.situations.add(m_panel->lstAct2);
}

QWidget *HistoryController::panel() const
{
    return m_panel;
}

