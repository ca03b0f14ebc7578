#pragma once

#include "screens/shell/ScreenController.h"

#include <QString>

class MaintenancePanel;
class QWidget;

// The maintenance screen (fraSettei): new couple registration, the scale steps, the automatic
// time stamp, the situation list, the profile and the BMI meter.
class MaintenanceController : public ScreenController
{
    Q_OBJECT
public:
    MaintenanceController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    MaintenancePanel *maintenancePanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Maintenance; }
    void prepareAfterHiding() override;
    void refreshForPartner() override;

    // settings
    void LoadAutoTimeSetting();
    void READ_KIZAMI();
    void chkJikan_Click();
    void optKizami_Click(int index);
    void optKizami1_Click(int index);
    void txtKizami_Enter();
    void txtKizami2_Enter();

    // BMI meter
    void prepareMeter();
    void ShowMeterFormula();
    void UpdateBmiMeter();
    // The meter follows the BMI the entry refresh found.
    void showBmiOnMeter();

    // new couple registration
    void cmdNew1_Click();
    void cmdStHozon_Click();
    void cmdYame_Click();

    // CSV export and import of the selected partner's measurements
    void cmdCsvOut_Click();
    void cmdCsvIn_Click();

    // situation list editor
    void lstKoumoku_Click();
    void lstKoumoku_MouseDown();
    void lstKoumoku_MouseUp();
    void cmdNew2_Click();
    void cmdSort_Click();
    void cmdDel_Click();
    void cmdDel2_Click();
    void cmdChg_Click();

    // profile editor
    void cmdPHozon1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectCsvControls();
    void connectControls();
    void connectSituationEditor();
    void connectProfileEditor();
    void prepareSituationEditor();
    // The list file now holds `entries`: all three list boxes show them, in the saved order.
    void showSavedSituations(const QStringList &entries);
    void fillProfileBoxes();
    void writeScaleSteps();

    MaintenancePanel *m_panel;
    // Where the last CSV file was written or read: the file dialogs start there.
    QString m_csvFolder;
};
