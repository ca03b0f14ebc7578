#include "screens/analyses/AnalysesController.h"

#include "screens/analyses/AnalysesPanel.h"

AnalysesController::AnalysesController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new AnalysesPanel(panelParent))
{
}

QWidget *AnalysesController::panel() const
{
    return m_panel;
}

