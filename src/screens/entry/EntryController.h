#pragma once

#include "screens/shell/ScreenController.h"

#include <QDate>
#include <QString>

#include <memory>

class EntryPanel;
class QLineEdit;
class QWidget;
struct EntryDay;

// The entry screen (fraMain): choosing a day and a situation, setting the values, saving, and
// the refresh of the day's list, graph, status, BMI gauge and both partners' counts.
class EntryController : public ScreenController
{
    Q_OBJECT
public:
    EntryController(ScreenContext &context, QWidget *panelParent);
    ~EntryController() override;

    QWidget *panel() const override;
    EntryPanel *entryPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::Entry; }
    // Ctrl+S: the save button.
    QAbstractButton *saveButton() const override;

    QDate selectedDay() const;
    void setSelectedDay(const QDate &day);
    // What the last refresh found: the start of the diet, the latest and the last measurement
    // and the day's extremes. The other screens that show them read them here.
    const EntryDay &day() const;
    // The situation chosen for the next measurement; empty after every refresh.
    const QString &selectedSituation() const { return m_selectedSituation; }
    // The entry graph's point marker: 0 none, 1 circle, 2 ball.
    int markerStyle() const { return m_markerStyle; }
    // The BMI of the current weight as the gauge last showed it, not clamped.
    float currentBmi() const { return m_currentBmi; }

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The gauge shows `bmi` for the current weight; the maintenance screen's meter follows it.
    void bmiShown(float bmi);

private:
    void connectControls();
    void ApplyMarkerStyle();
    void prefillInputs(bool moveFocus);
    void stepBox(QLineEdit *box, const QString &step, int direction);

    EntryPanel *m_panel;
    std::unique_ptr<EntryDay> m_day;
    QString m_selectedSituation;
    int m_markerStyle = 1;
    float m_currentBmi = 0;
};
