#include "screens/analyses/TrendController.h"

#include "screens/analyses/TrendPanel.h"
#include "store/SettingsFiles.h"

#include <QComboBox>

TrendController::TrendController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new TrendPanel(panelParent))
{
}

QWidget *TrendController::panel() const
{
    return m_panel;
}

void TrendController::LoadMovingAverageSetting()
{
    QComboBox *combo = m_panel->cboIdou;
    for (int i = 1; i <= 30; ++i)
        combo->addItem(QString::number(i));
    combo->setEditText(ReadMovingAverageSetting(m_ctx.folder));
}
