#pragma once

#include "app/ProblemReports.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/DataFolder.h"

#include <QDate>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class AnalysesController;
class CalendarController;
class Clock;
class ComparisonController;
class ConflictCopyPrompt;
class DiaryController;
class Dialogs;
class EntryController;
class FittingScrollArea;
class HelpViewer;
class HistoryController;
class MaintenanceController;
class PartnerButtons;
class PrintingController;
class QCheckBox;
class QPushButton;
class ScreenController;
class Session;
class SplashWindow;
class TrendController;

// frmMain, the shell: the window with its screen buttons, partner buttons, help and exit, the
// start-up, and the services the screens call. Each screen's own handlers live with its
// controller under screens/; the window only opens the screens and keeps them in step.
class MainWindow : public QMainWindow, public ShellServices
{
    Q_OBJECT
public:
    // Schedules `work` to run after `ms` milliseconds; tests run it themselves.
    using Scheduler = std::function<void(qint64 ms, std::function<void()> work)>;

    MainWindow(const DataFolder &folder, Dialogs &dialogs, Clock &clock, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens at the designed size, as far as the available area of a screen allows, in its middle;
    // the window cannot be made smaller than its screens need while the area has room for them.
    void fitInto(const QRect &available);

    void setScheduler(Scheduler scheduler) { m_schedule = std::move(scheduler); }
    // What ending the program does (tests watch it instead of leaving).
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // The start-up: reads everything, builds the first screens, and shows the main window in
    // place of the splash window once the splash has stood its time.
    void Form_Load();
    bool startupFinished() const { return m_startupFinished; }

    void READ_SETTEI();
    // The screen-button convention: nothing when the screen is up already; otherwise build,
    // show, let it paint, and explain it.
    void openScreen(ScreenController *screen);

    const Session &session() const;
    int helpTourOn() const { return m_helpTourOn; }

    // ShellServices
    void HideAllScreens() override;
    void DSP_HELP() override;
    void processPendingEvents() override;
    void showStoreFailure(const QString &title, const QString &message) override;
    void noteMalformedLines(const QString &fileName, const QString &report) override;
    void noteUnreadableFile(const QString &fileName, const QString &message) override;
    void showPartnerCounts(int count1, int count2) override;
    void focusSelectedPartner() override;
    void openEntryOnDay(const QDate &day) override;
    void endProgram() override;

protected:
    // Closing the window through the platform ends the program as 終了 does.
    void closeEvent(QCloseEvent *event) override;
    // The window coming back to the user looks at the files and the day.
    void changeEvent(QEvent *event) override;

private:
    void buildWindow();
    void finishStartup();
    void RefreshVisibleScreen();
    // The screen whose panel is visible; none before the start-up shows one.
    ScreenController *screenShown() const;
    // Asks the screen shown whether it may be left (another screen, partner or the end); true
    // when there is none.
    bool leaveScreenShown();
    // Ctrl+S: the save button of the screen shown.
    void saveOnScreenShown();
    // BMI figures, standard weight, obesity and meter of the current partner, from the values
    // the last entry refresh kept: the entry screen's gauge, then the maintenance screen's meter.
    void refreshBodyMetrics();
    // What reading a partner's data file found, told once.
    void noteReadProblems(int partner);

    // screen buttons
    void cmdAvgtai_Click();
    void cmdMain_Click();
    void cmdTaijyu_Click();
    void cmdRentai_Click();
    void cmdBunseki_Click();
    void cmdCale_Click();
    void cmdMemo_Click();
    void cmdSettei_Click();

    // help and exit
    void cmdHelp_Click();
    void cmdOwari_Click();
    void chkHelp_Click();

    // partners
    void cmdUser1_Click();
    void cmdUser2_Click();
    void selectPartner(int partner);
    // The session has another partner: the window caption names them, the screen on view shows
    // them, and their button is marked.
    void followPartner(int partner);
    // A partner's profile changed: their button, and for the selected partner the caption and
    // the body metrics, show it.
    void followProfile(int partner);
    // A partner's records changed (here or in another program): the screen shown follows.
    void followRecords(int partner);
    void followSituationFile();
    // The day has changed since the window last looked (a window left open overnight).
    void followToday();
    void scheduleMidnight();
    // The screen shown shows the diaries as they are, once the change at hand is done.
    void scheduleShownRefresh();

    DataFolder m_folder;
    Dialogs &m_dialogs;
    Clock &m_clock;
    Scheduler m_schedule;
    std::function<void()> m_endProgram;
    // What the screens share, held through a pointer so that a change to it recompiles only what
    // reads it.
    std::unique_ptr<Session> m_session;
    SituationLists m_situations;
    ScreenContext m_context;
    qint64 m_splashShownAt = 0;
    bool m_startupFinished = false;
    bool m_firstStart = false;
    // Partner 1 has been registered and partner 2 not: the registration goes on at partner 2.
    bool m_registrationUnfinished = false;
    // Whether opening a screen explains it (the help tour), as 設定.txt says.
    int m_helpTourOn = 1;
    ProblemReports m_problems;
    std::unique_ptr<ConflictCopyPrompt> m_conflicts;
    // The day the window last looked at, and the timer that looks again just after midnight.
    QDate m_knownToday;
    QTimer m_midnight;
    bool m_shownRefreshPending = false;

    FittingScrollArea *m_scroller = nullptr;
    QCheckBox *chkHelp = nullptr;
    std::unique_ptr<PartnerButtons> m_partners;

    ComparisonController *m_comparison = nullptr; // fraAvgTai
    EntryController *m_entry = nullptr;           // fraMain
    HistoryController *m_history = nullptr;       // fraTaijyu
    TrendController *m_trend = nullptr;           // fraRenTai
    AnalysesController *m_analyses = nullptr;     // fraBunseki
    CalendarController *m_calendar = nullptr;     // fraCale
    DiaryController *m_diary = nullptr;           // fraMemo
    MaintenanceController *m_maintenance = nullptr; // fraSettei
    PrintingController *m_printing = nullptr;       // cmdPrint, cmdPrint1

    SplashWindow *frmSplash = nullptr;
    HelpViewer *m_help = nullptr;
};
