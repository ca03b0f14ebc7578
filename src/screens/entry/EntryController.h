#pragma once

#include "screens/shell/ScreenController.h"

#include <QDate>

class EntryPanel;
class QLineEdit;
class QWidget;

// The entry screen (fraMain): choosing a day and a situation, setting the values, saving, and
// the refresh of the day's list, graph, status, BMI gauge and both partners' counts.
class EntryController : public ScreenController
{
    Q_OBJECT
public:
    EntryController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    EntryPanel *entryPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Entry; }
    // The switch has refreshed the entry screen already; the body metrics follow it.
    bool showsBodyMetrics() const override { return true; }

    QDate selectedDay() const;
    void setSelectedDay(const QDate &day);

    void RefreshEntryScreen();
    void RefreshPartnerCounts();
    void ShowBmiGauge();
    void LoadMarkerStyle();
    void setArrowButtonsEnabled(bool enabled);
    // The start-up's choice: weight and body fat together.
    void selectMixedGraph();

    void mtvmain_DateClick();
    void optTai_Click();
    void optShi_Click();
    void optKon_Click();
    void mcrMain_Click();
    void lstAct_Click();
    void cmdJikan_Click();
    void cmdFree_Click();
    void txtTaiInp_Enter();
    void txtShiInp_Enter();
    void cmdTaiHozon_Click();

private:
    void connectControls();
    void ApplyMarkerStyle();
    void prefillInputs(bool moveFocus);
    void stepBox(QLineEdit *box, const QString &step, int direction);

    EntryPanel *m_panel;
};
