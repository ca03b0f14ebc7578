#pragma once

#include "screens/shell/ScreenController.h"

class MaintenanceCsv;
class MaintenanceMeter;
class MaintenancePanel;
class MaintenanceProfile;
class MaintenanceRegistration;
class MaintenanceSettings;
class MaintenanceSituations;
class QWidget;

// The maintenance screen (fraSettei), made of rooms that each own their frame, their controls
// and their state: new couple registration, the CSV exchange, the input settings, the BMI meter,
// the situation-list editor and the profile editor. The controller only puts them together.
class MaintenanceController : public ScreenController
{
    Q_OBJECT
public:
    MaintenanceController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    HelpTopic helpTopic() const override { return HelpTopic::Maintenance; }
    // The profile boxes from the current profile; the situation editor with nothing selected.
    void prepareAfterHiding() override;
    void refreshShown() override;
    // Ctrl+S: 新規登録 while the registration form has the focus, otherwise the profile's データ変更.
    QAbstractButton *saveButton() const override;
    // The profile's first box: the first control of the screen starts a new couple, which Enter
    // alone must not.
    QWidget *firstInput() const override;

    MaintenanceRegistration &registration() const { return *m_registration; }
    MaintenanceSettings &settings() const { return *m_settings; }
    MaintenanceMeter &meter() const { return *m_meter; }

private:
    MaintenancePanel *m_panel;
    // Built in the order of the screen, which is the order Tab goes through their controls.
    MaintenanceRegistration *m_registration;
    MaintenanceCsv *m_csv;
    MaintenanceSettings *m_settings;
    MaintenanceMeter *m_meter;
    MaintenanceSituations *m_situations;
    MaintenanceProfile *m_profile;
};
