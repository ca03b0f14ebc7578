#pragma once

#include "app/MainState.h"
#include "screens/shell/HelpTexts.h"
#include "store/DataFolder.h"

#include <QMainWindow>
#include <QSet>

#include <array>
#include <functional>

class AnalysesPanel;
class CalendarPanel;
class Clock;
class ComparisonPanel;
class DiaryPanel;
class Dialogs;
class EntryPanel;
class HelpViewer;
class HistoryPanel;
class MaintenancePanel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SplashWindow;
class TrendPanel;
struct EntryDay;

// frmMain: the one window of the program. It owns all state and all operations; each screen is
// a panel of it, shown one at a time. The handlers keep the names of the controls and events
// they answer (cmdTaiHozon_Click, mtvmain_DateClick, ...).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Schedules `work` to run after `ms` milliseconds; tests run it themselves.
    using Scheduler = std::function<void(qint64 ms, std::function<void()> work)>;

    MainWindow(const DataFolder &folder, Dialogs &dialogs, Clock &clock, QWidget *parent = nullptr);
    ~MainWindow() override;

    void setScheduler(Scheduler scheduler) { m_schedule = std::move(scheduler); }
    // What ending the program does (tests watch it instead of leaving).
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // The start-up: reads everything, builds the first screens, and shows the main window in
    // place of the splash window once the splash has stood its time.
    void Form_Load();
    bool startupFinished() const { return m_startupFinished; }

    void DSP_HELP();
    void READ_SETTEI();
    void READ_KIZAMI();

    const MainState &state() const { return m_state; }

protected:
    // Closing the window through the platform ends the program as 終了 does.
    void closeEvent(QCloseEvent *event) override;

private:

    // window
    void buildWindow();
    void finishStartup();
    void HideAllScreens();
    void RefreshVisibleScreen(bool entryAlreadyRefreshed);
    void openScreen(QWidget *panel, HelpTopic topic, const std::function<void()> &buildBeforeHiding,
                    const std::function<void()> &buildAfterHiding);
    void processPendingEvents();
    void showStoreFailure(const QString &title, const QString &message);
    void noteMalformedLines(const QString &fileName, const QString &report);
    void showMalformedLines();
    void endProgram();

    // screen buttons and the shell
    void cmdAvgtai_Click();
    void cmdMain_Click();
    void cmdTaijyu_Click();
    void cmdRentai_Click();
    void cmdBunseki_Click();
    void cmdCale_Click();
    void cmdMemo_Click();
    void cmdSettei_Click();
    void fillProfileBoxes();
    void cmdHelp_Click();
    void cmdOwari_Click();
    void chkHelp_Click();
    void ShowComparison();

    // partners and profiles
    void cmdUser1_Click();
    void cmdUser2_Click();
    void selectPartner(int partner);
    void markSelectedPartner(int partner);
    void ReadProfile();

    // settings
    void connectMaintenanceScreen();
    void LoadSituationList();
    void LoadMovingAverageSetting();
    void LoadAutoTimeSetting();
    void LoadMarkerStyle();
    void LoadMemo();
    void chkJikan_Click();
    void optKizami_Click(int index);
    void optKizami1_Click(int index);
    void txtKizami_Enter();
    void txtKizami2_Enter();
    void writeScaleSteps();

    // entry screen
    void connectEntryScreen();
    int currentPartner() const;
    void RefreshEntryScreen();
    void RefreshPartnerCounts();
    void mtvmain_DateClick();
    void graphQuantity_Click();
    void mcrMain_Click();
    void ApplyMarkerStyle();
    void lstAct_Click();
    void cmdJikan_Click();
    void cmdFree_Click();
    void prefillInputs(bool moveFocus);
    void txtTaiInp_Enter();
    void txtShiInp_Enter();
    void stepBox(QLineEdit *box, const QString &step, int direction);
    void cmdTaiHozon_Click();
    void setArrowButtonsEnabled(bool enabled);

    // body metrics
    void ShowBmiGauge();
    void ShowMeterFormula();
    void UpdateBmiMeter();

    // new couple registration
    void cmdNew1_Click();
    void cmdStHozon_Click();
    void cmdYame_Click();

    DataFolder m_folder;
    Dialogs &m_dialogs;
    Clock &m_clock;
    Scheduler m_schedule;
    std::function<void()> m_endProgram;
    MainState m_state;
    qint64 m_splashShownAt = 0;
    bool m_startupFinished = false;
    bool m_firstStart = false;
    QStringList m_malformedReports;
    QSet<QString> m_reportedFiles;

    // controls of the window itself
    std::array<QPushButton *, 8> m_screenButtons{};
    QPushButton *cmdAvgtai = nullptr;
    QPushButton *cmdMain = nullptr;
    QPushButton *cmdTaijyu = nullptr;
    QPushButton *cmdRentai = nullptr;
    QPushButton *cmdBunseki = nullptr;
    QPushButton *cmdCale = nullptr;
    QPushButton *cmdMemo = nullptr;
    QPushButton *cmdSettei = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdOwari = nullptr;
    QCheckBox *chkHelp = nullptr;
    QPushButton *cmdUser1 = nullptr;
    QPushButton *cmdUser2 = nullptr;
    QLabel *lblUser1 = nullptr;
    QLabel *lblUser2 = nullptr;
    std::array<QLabel *, 4> m_faces1{}; // imgNon1, imgKura1, imgNi1, imgWarai1
    std::array<QLabel *, 4> m_faces2{}; // imgNon2, imgKura2, imgNi2, imgWarai2

    // the panels
    ComparisonPanel *fraAvgTai = nullptr;
    EntryPanel *fraMain = nullptr;
    HistoryPanel *fraTaijyu = nullptr;
    TrendPanel *fraRenTai = nullptr;
    AnalysesPanel *fraBunseki = nullptr;
    CalendarPanel *fraCale = nullptr;
    DiaryPanel *fraMemo = nullptr;
    MaintenancePanel *fraSettei = nullptr;

    SplashWindow *frmSplash = nullptr;
    HelpViewer *m_help = nullptr;
};
