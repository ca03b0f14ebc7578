#pragma once

#include "screens/shell/ScreenController.h"
#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class EntryPanel;
class PartnerDiary;
class QLineEdit;
class QPoint;
class QWidget;
struct DayListRow;
struct EntryDay;
struct RecordChange;

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
    // A measurement starts with its situation.
    QWidget *firstInput() const override;

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

    // The refresh after a save, a partner switch or a day chosen: the day from the diary, the
    // inputs cleared for the next measurement.
    void RefreshEntryScreen();
    void refreshShown() override;
    // The screen button builds nothing; a panel that missed a change while hidden shows it.
    void prepareAfterHiding() override;
    void RefreshPartnerCounts();
    // The day turned from `yesterday` to `today` while the window was open: a day list that
    // showed today shows the new day; another day chosen stays.
    void followToday(const QDate &yesterday, const QDate &today);
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
    // The selected row of the day list: corrected through a small dialog, or removed after a
    // question whose default is No. Either rewrites only that record's line.
    void cmdShusei_Click();
    void cmdSakujo_Click();

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
    void msgDayList_SelChange();
    void msgDayList_ContextMenu(const QPoint &pos);
    const DayListRow *selectedDayRow() const;
    // The day's values from the diary as it is now; what was typed stays.
    void refreshKeepingInput();
    // The same with the input cleared, ready for the next measurement.
    void showDayAfresh();
    // The list, the graph and the status of the day computed last.
    void showComputedDay();
    // Backs the data file up and makes a change to a listed record through the diary; a refusal
    // is shown under `failureTitle` (a file changed on disk has been listed again by then).
    void changeListedRecord(const QString &failureTitle, const std::function<RecordChange(PartnerDiary &)> &change);

    EntryPanel *m_panel;
    std::unique_ptr<EntryDay> m_day;
    // The revision of the records the day list was computed from: a correction names its record
    // by its place in them.
    quint64 m_listedRevision = 0;
    // Set while this screen saves: it refreshes after the save itself.
    bool m_writing = false;
    // The day was computed while the panel was hidden, and the panel does not show it yet.
    bool m_panelStale = false;
    // The other partner's count of the day, and what it was counted from.
    struct OtherCount {
        int partner = 0;
        quint64 revision = 0;
        QString date;
        bool operator==(const OtherCount &) const = default;
    } m_otherCountOf;
    int m_otherCount = 0;
    QString m_selectedSituation;
    int m_markerStyle = 1;
    float m_currentBmi = 0;
};
