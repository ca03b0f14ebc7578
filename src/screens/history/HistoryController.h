#pragma once

#include "screens/history/HistoryListing.h"
#include "screens/shell/ScreenController.h"

class HistoryPanel;
class QPushButton;
class QWidget;

// The history screen (fraTaijyu): the measurements filtered by situation, weekday and period.
// Every filter action lists the selected partner's diary as it is now in one pass; the filters
// live in the screen's controls and in the chosen weekday.
class HistoryController : public ScreenController
{
    Q_OBJECT
public:
    HistoryController(ScreenContext &context, QWidget *panelParent);

    QWidget *panel() const override;
    HistoryPanel *historyPanel() const { return m_panel; }
    HelpTopic helpTopic() const override { return HelpTopic::History; }
    // The screen button: the unfiltered history, the weight view, the filters at "全部".
    void prepareAfterHiding() override;
    // A partner switch: the same for the new partner, the chart's view unchanged.
    void refreshForPartner() override;
    void refreshShown() override;

    int selectedWeekday() const { return m_selectedWeekday; }

    void ListAllHistory();
    void ListHistoryByPeriod();
    void ListHistoryBySituation();
    void ListHistoryByWeekday();
    void ListHistoryBySituationAndWeekday();
    void RefreshHistory();
    // The chosen button of its row marked, every other one not; nullptr marks none.
    void markChosenPeriod(QPushButton *chosen);
    void markChosenWeekday(QPushButton *chosen);
    void ReloadHistory();

    void cmdKikan1_Click();
    void cmdKikan2_Click();
    void cmdKikan3_Click();
    void cmdKikan4_Click();
    void cmdKikan5_Click();
    void cmdKikan6_Click();
    void cmdKikan7_Click();
    void cmdKikan8_Click();
    void cmdAllDay_Click();
    void cmdKikanF_Click();
    void cmdWeek_Click(int index);
    void cmdAllWeek_Click();
    void cmdAllact_Click();
    void lstAct2_Click();
    void txtKey_GotFocus();
    void txtKey_KeyPress(int keyAscii);
    void optTai2_Click();
    void optShi2_Click();
    void optKon2_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    // Lists with the filter the boxes and buttons now choose.
    void listHistory(HistoryListingKind kind);
    // Lists with `filter`, from the diary as it now is.
    void listWith(const HistoryFilter &filter);
    // The three "全部" buttons chosen and every weekday allowed, after the unfiltered listing.
    void resetFilterMarks();
    void choosePeriodPreset(QPushButton *button, int daysBeforeToday);
    // Reads the typed period dates as dates and shows them in the list's form; false, after
    // saying so, when a box holds text that is no date.
    bool readPeriodBoxes();

    HistoryPanel *m_panel;
    // The listing shown, as it was chosen: a change of the diary lists it again as it was, not
    // as the boxes read while the user is typing in them.
    HistoryFilter m_listed;
    // selectedWeekday: 0 (Sunday) to 6, or all weekdays.
    int m_selectedWeekday = kAllWeekdays;
};
