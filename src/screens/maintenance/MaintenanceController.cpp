#include "screens/maintenance/MaintenanceController.h"

#include "screens/maintenance/MaintenanceCsv.h"
#include "screens/maintenance/MaintenanceMeter.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "screens/maintenance/MaintenanceProfile.h"
#include "screens/maintenance/MaintenanceRegistration.h"
#include "screens/maintenance/MaintenanceSettings.h"
#include "screens/maintenance/MaintenanceSituations.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

MaintenanceController::MaintenanceController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new MaintenancePanel(panelParent))
    , m_registration(new MaintenanceRegistration(context, m_panel, this))
    , m_csv(new MaintenanceCsv(context, m_panel, this))
    , m_settings(new MaintenanceSettings(context, m_panel, this))
    , m_meter(new MaintenanceMeter(context, m_panel, this))
    , m_situations(new MaintenanceSituations(context, m_panel->editorRow(), this))
    , m_profile(new MaintenanceProfile(context, m_panel->editorRow(), this))
{
    m_panel->arrange({m_registration->startFrame(), m_csv->frame(), m_registration->form(), m_settings->frame(), m_meter->frame(),
                      m_situations->frame(), m_profile->frame()});
}

QWidget *MaintenanceController::panel() const
{
    return m_panel;
}

void MaintenanceController::prepareAfterHiding()
{
    m_ctx.session.refresh();
    m_profile->fillProfileBoxes();
    m_situations->prepare();
    noteBuilt();
}

void MaintenanceController::refreshShown()
{
    if (upToDate())
        return;
    m_profile->followProfile();
    noteBuilt();
}

QWidget *MaintenanceController::firstInput() const
{
    return m_profile->nicknameBox();
}

QAbstractButton *MaintenanceController::saveButton() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (m_registration->form()->isVisible() && focus && m_registration->form()->isAncestorOf(focus))
        return m_registration->saveButton();
    return m_profile->saveButton();
}
