#include "app/MainWindow.h"

#include "app/PartnerButtons.h"
#include "screens/analyses/AnalysesController.h"
#include "screens/analyses/TrendController.h"
#include "screens/calendar/CalendarController.h"
#include "screens/comparison/ComparisonController.h"
#include "screens/diary/DiaryController.h"
#include "screens/entry/EntryDay.h"
#include "screens/entry/EntryController.h"
#include "screens/history/HistoryController.h"
#include "screens/maintenance/MaintenanceController.h"
#include "screens/maintenance/MaintenanceMeter.h"
#include "screens/maintenance/MaintenanceRegistration.h"
#include "screens/maintenance/MaintenanceSettings.h"
#include "screens/printing/PrintingController.h"
#include "screens/shell/HelpSections.h"
#include "screens/shell/ConflictCopyPrompt.h"
#include "screens/shell/LegacyConversionPrompt.h"
#include "diary/PartnerDiary.h"
#include "screens/shell/Session.h"
#include "screens/shell/SplashTiming.h"
#include "screens/shell/SplashWindow.h"
#include "store/Backup.h"
#include "store/FileNames.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/EnterPressesButton.h"
#include "ui/FittingScrollArea.h"
#include "ui/HelpViewer.h"
#include "ui/LayoutScale.h"
#include "ui/Pictures.h"
#include "ui/ReadableIndicators.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(const DataFolder &folder, Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(folder)
    , m_dialogs(dialogs)
    , m_clock(clock)
    , m_session(std::make_unique<Session>(m_folder))
    , m_context{m_folder, m_dialogs, m_clock, *m_session, *this, m_situations}
    , m_problems(m_dialogs)
    , m_conflicts(std::make_unique<ConflictCopyPrompt>(m_context))
{
    setObjectName(QStringLiteral("frmMain"));
    useReadableIndicators();
    m_schedule = [this](qint64 ms, std::function<void()> work) { QTimer::singleShot(ms, this, std::move(work)); };
    m_endProgram = [this] {
        close();
        QCoreApplication::quit();
    };
    buildWindow();
    // Connected after the screens: the entry screen has computed the new partner's day, or taken
    // the changed profile, before the window rebuilds what shows it.
    connect(m_session.get(), &Session::partnerChanged, this, &MainWindow::followPartner);
    connect(m_session.get(), &Session::profileChanged, this, &MainWindow::followProfile);
    connect(m_session.get(), &Session::recordsChanged, this, &MainWindow::followRecords);
    connect(m_session.get(), &Session::situationFileChanged, this, &MainWindow::followSituationFile);
    // A conflict copy that arrives while the program runs is offered at once.
    connect(m_session.get(), &Session::folderChanged, this, [this] {
        if (m_startupFinished)
            m_conflicts->OfferConflictCopies();
    });
    // A window left open overnight shows the new day in the morning.
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, &MainWindow::followToday);
}

MainWindow::~MainWindow() = default;

const Session &MainWindow::session() const
{
    return *m_session;
}

void MainWindow::buildWindow()
{
    m_scroller = new FittingScrollArea(this);
    auto *central = new QWidget(m_scroller);

    // The eight screens share one place; exactly one is visible once the start-up is over.
    auto *screensArea = new QWidget(central);
    screensArea->setObjectName(QStringLiteral("screens"));
    auto *stack = new QGridLayout(screensArea);
    stack->setContentsMargins(0, 0, 0, 0);
    m_comparison = new ComparisonController(m_context, screensArea);
    m_entry = new EntryController(m_context, screensArea);
    m_history = new HistoryController(m_context, screensArea);
    m_trend = new TrendController(m_context, screensArea);
    m_analyses = new AnalysesController(m_context, screensArea);
    m_calendar = new CalendarController(m_context, screensArea);
    m_diary = new DiaryController(m_context, screensArea);
    m_maintenance = new MaintenanceController(m_context, screensArea);
    // The meter follows the BMI the entry screen finds.
    connect(m_entry, &EntryController::bmiShown, &m_maintenance->meter(), &MaintenanceMeter::showBmiOnMeter);

    struct ScreenButton {
        const char *name;
        const char16_t *caption;
        ScreenController *screen;
        void (MainWindow::*handler)();
    };
    const ScreenButton screens[] = {
        {"cmdAvgtai", u"比較", m_comparison, &MainWindow::cmdAvgtai_Click},
        {"cmdMain", u"入力", m_entry, &MainWindow::cmdMain_Click},
        {"cmdTaijyu", u"範囲指定", m_history, &MainWindow::cmdTaijyu_Click},
        {"cmdRentai", u"全グラフ", m_trend, &MainWindow::cmdRentai_Click},
        {"cmdBunseki", u"分析リスト", m_analyses, &MainWindow::cmdBunseki_Click},
        {"cmdCale", u"カレンダー", m_calendar, &MainWindow::cmdCale_Click},
        {"cmdMemo", u"一言日記", m_diary, &MainWindow::cmdMemo_Click},
        {"cmdSettei", u"編集", m_maintenance, &MainWindow::cmdSettei_Click},
    };
    auto *screenRow = new QHBoxLayout;
    int number = 0;
    for (const ScreenButton &s : screens) {
        auto *button = new QPushButton(QString::fromUtf16(s.caption), central);
        button->setObjectName(QString::fromLatin1(s.name));
        // Alt with the screen's place in the row opens it from the keyboard.
        ++number;
        button->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + number)));
        button->setToolTip(QStringLiteral("%1の画面（Alt+%2）").arg(button->text()).arg(number));
        button->setMinimumWidth(layoutPixels(84, this));
        button->setMinimumHeight(layoutPixels(30, this));
        connect(button, &QPushButton::clicked, this, s.handler);
        screenRow->addWidget(button);
        // Every panel keeps its room while hidden: the window is as large as the largest of them
        // needs, so that opening a screen never makes the window grow.
        QWidget *panel = s.screen->panel();
        QSizePolicy policy = panel->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        panel->setSizePolicy(policy);
        stack->addWidget(panel, 0, 0);
    }
    screenRow->addStretch();
    chkHelp = new QCheckBox(central);
    chkHelp->setObjectName(QStringLiteral("chkHelp"));
    chkHelp->setIcon(helpTourIcon());
    chkHelp->setIconSize(QSize(layoutPixels(26, this), layoutPixels(26, this)));
    chkHelp->setToolTip(QStringLiteral("ヘルプツアーのＯｎ／Ｏｆｆです"));
    chkHelp->setAccessibleName(QStringLiteral("ヘルプツアー（画面を開くたびに説明を表示）"));
    connect(chkHelp, &QCheckBox::clicked, this, &MainWindow::chkHelp_Click);
    m_printing = new PrintingController(m_context, this);
    auto *cmdPrint = new QPushButton(QStringLiteral("画面印刷"), central);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, m_printing, &PrintingController::cmdPrint_Click);
    auto *cmdPrint1 = new QPushButton(QStringLiteral("用紙印刷"), central);
    cmdPrint1->setObjectName(QStringLiteral("cmdPrint1"));
    connect(cmdPrint1, &QPushButton::clicked, m_printing, &PrintingController::cmdPrint1_Click);
    auto *cmdHelp = new QPushButton(QStringLiteral("ヘルプ"), central);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    connect(cmdHelp, &QPushButton::clicked, this, &MainWindow::cmdHelp_Click);
    auto *cmdOwari = new QPushButton(QStringLiteral("終了"), central);
    cmdOwari->setObjectName(QStringLiteral("cmdOwari"));
    connect(cmdOwari, &QPushButton::clicked, this, &MainWindow::cmdOwari_Click);
    screenRow->addWidget(chkHelp);
    for (QPushButton *button : {cmdPrint, cmdPrint1, cmdHelp, cmdOwari}) {
        // The style's least width for a button with a text stays the same at every scale; the
        // row must shrink with the rest.
        button->setMinimumWidth(layoutPixels(72, this));
        screenRow->addWidget(button);
    }

    auto *partnerRow = new QHBoxLayout;
    m_partners = std::make_unique<PartnerButtons>(central, partnerRow);
    connect(m_partners->button(1), &QPushButton::clicked, this, &MainWindow::cmdUser1_Click);
    connect(m_partners->button(2), &QPushButton::clicked, this, &MainWindow::cmdUser2_Click);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(screenRow);
    layout->addLayout(partnerRow);
    layout->addWidget(screensArea, 1);
    m_scroller->setWidget(central);
    setCentralWidget(m_scroller);

    m_help = new HelpViewer(this);
    EnterPressesButton::install(this);
    // Ctrl+S presses the save button of the screen shown.
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &MainWindow::saveOnScreenShown);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        fitInto(screen->availableGeometry());
}

void MainWindow::fitInto(const QRect &available)
{
    const QSize room = WindowRoom(available.size());
    m_scroller->setRoom(room);
    // The window's least size follows the new room before the window is sized.
    layout()->activate();
    const QSize size = QSize(twipsToPixels(kDesignedWindowWidthTwips, this), twipsToPixels(kDesignedWindowHeightTwips, this))
                           .boundedTo(room)
                           .expandedTo(minimumSizeHint());
    resize(size);
    move(available.x() + (room.width() - size.width()) / 2, available.y() + (room.height() - size.height()) / 2);
}

void MainWindow::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void MainWindow::Form_Load()
{
    // 1-2: the splash window appears at once; the time it appeared starts its minimum stand.
    m_splashShownAt = m_clock.monotonicMs();
    frmSplash = new SplashWindow;
    frmSplash->show();
    processPendingEvents();

    // What the start-up finds wrong is told once the window is up.
    m_problems.hold();
    // The day's first start copies the folder before anything can change it.
    if (StoreResult r = MakeDailyBackup(m_folder, m_clock.today()); !r)
        m_problems.warn(QStringLiteral("バックアップできません"), r.message());

    // A folder without data files is a new installation: it gets its settings files now, and
    // the registration opens once the window is up.
    m_firstStart = !m_folder.exists(FileName::data1) && !m_folder.exists(FileName::data2);
    // A registration left after partner 1 goes on with partner 2 instead of starting over.
    m_registrationUnfinished = m_folder.exists(FileName::data1) && !m_folder.exists(FileName::data2);
    if (m_firstStart) {
        if (StoreResult r = CreateMissingSettingsFiles(m_folder); !r)
            m_problems.warn(QStringLiteral("設定を保存できません"), r.message());
    }

    // 3-6
    setWindowState(Qt::WindowNoState);
    m_session->setLoading(true);
    HideAllScreens();
    m_knownToday = m_clock.today();
    m_entry->setSelectedDay(m_knownToday);
    // Partner 1 is the selected partner from the start.
    m_partners->markSelected(m_session->partner());

    // 7-8: both partners' diaries, each with its profile, read once; partner 1's is the current
    // one and the caption names partner 1.
    m_session->load();
    m_partners->button(2)->setText(m_session->nickname(2));
    m_partners->button(1)->setText(m_session->nickname(1));
    setWindowTitle(windowCaptionFor(m_session->profile(1)));

    // 9-10
    m_maintenance->meter().prepareMeter();
    m_situations.setEntries(ReadSituationList(m_folder));
    m_trend->LoadMovingAverageSetting();
    m_maintenance->settings().LoadAutoTimeSetting();
    // 11
    m_analyses->SetupAnalysisGrids();

    // 12: older data, before the entry screen first reads partner 1's file. The splash stays on
    // top of every other window, so it steps aside while a question is open.
    LegacyConversionPrompt conversion(m_context);
    conversion.setBeforeAsking([this] {
        if (frmSplash)
            frmSplash->hide();
    });
    conversion.ConvertWeightHistoryFile();
    conversion.ConvertOlderDataFile();
    // What a sync tool kept from both computers, before any screen shows the files.
    m_conflicts->setBeforeAsking([this] {
        if (frmSplash)
            frmSplash->hide();
    });
    m_conflicts->OfferConflictCopies();
    m_conflicts->setBeforeAsking({});
    if (frmSplash && frmSplash->isHidden()) {
        frmSplash->show();
        processPendingEvents();
    }

    // 13-15
    for (const int partner : {1, 2})
        noteReadProblems(partner);
    m_entry->RefreshEntryScreen();
    m_entry->LoadMarkerStyle();
    refreshBodyMetrics();

    // 16-17
    m_diary->LoadMemo();
    READ_SETTEI();
    m_maintenance->settings().READ_KIZAMI();
    m_comparison->SetupAverageGrid();
    m_comparison->ShowComparison();

    // 18: the rest waits until the splash has stood its time.
    const qint64 remaining = SplashRemainingMs(m_splashShownAt, m_clock.monotonicMs());
    if (remaining > 0)
        m_schedule(remaining, [this] { finishStartup(); });
    else
        finishStartup();
}

void MainWindow::finishStartup()
{
    // The timer may fire a little early on some platforms; the rule is the clock's, not the timer's.
    if (const qint64 remaining = SplashRemainingMs(m_splashShownAt, m_clock.monotonicMs()); remaining > 0) {
        m_schedule(remaining, [this] { finishStartup(); });
        return;
    }
    // 19
    show();
    if (frmSplash) {
        frmSplash->close();
        frmSplash->deleteLater();
        frmSplash = nullptr;
    }
    processPendingEvents();
    HideAllScreens();
    m_comparison->panel()->setVisible(true);
    processPendingEvents();
    // 20-23
    chkHelp->setChecked(m_helpTourOn != 0);
    m_entry->setArrowButtonsEnabled(false);
    m_entry->selectMixedGraph();
    processPendingEvents();
    m_session->setLoading(false);
    m_startupFinished = true;
    // 24
    m_session->setHelpText(helpTourText(HelpTopic::Startup));
    DSP_HELP();

    m_problems.release();
    // From now on a change another program makes to the folder is taken in as it happens.
    m_session->watchFolder();
    scheduleMidnight();
    if (m_firstStart || m_registrationUnfinished) {
        // Straight to the registration; its own message says what to do.
        HideAllScreens();
        m_maintenance->prepareAfterHiding();
        m_maintenance->panel()->setVisible(true);
        processPendingEvents();
        if (m_firstStart)
            m_maintenance->registration().cmdNew1_Click();
        else
            m_maintenance->registration().continueWithPartner2();
    }
}

void MainWindow::HideAllScreens()
{
    for (ScreenController *screen : std::initializer_list<ScreenController *>{m_history, m_analyses, m_trend, m_entry, m_maintenance,
                                                                              m_calendar, m_diary, m_comparison})
        screen->panel()->setVisible(false);
}

void MainWindow::DSP_HELP()
{
    if (m_helpTourOn != 0)
        m_dialogs.information(QStringLiteral("ヘルプツアー"), m_session->helpText());
}

void MainWindow::READ_SETTEI()
{
    m_helpTourOn = ReadHelpTourSetting(m_folder);
}

void MainWindow::openScreen(ScreenController *screen)
{
    QWidget *panel = screen->panel();
    if (panel->isVisible())
        return;
    if (!leaveScreenShown())
        return;
    // What changed in the files is taken in first; the screen builds only what it must.
    m_session->refresh();
    screen->prepareBeforeHiding();
    HideAllScreens();
    screen->prepareAfterHiding();
    panel->setVisible(true);
    // The keyboard goes on in the screen, not on the button that opened it.
    if (QWidget *input = screen->firstInput())
        input->setFocus(Qt::OtherFocusReason);
    processPendingEvents();
    m_session->setHelpText(helpTourText(screen->helpTopic()));
    DSP_HELP();
}

void MainWindow::cmdAvgtai_Click() { openScreen(m_comparison); }
void MainWindow::cmdMain_Click() { openScreen(m_entry); }
void MainWindow::cmdTaijyu_Click() { openScreen(m_history); }
void MainWindow::cmdRentai_Click() { openScreen(m_trend); }
void MainWindow::cmdBunseki_Click() { openScreen(m_analyses); }
void MainWindow::cmdCale_Click() { openScreen(m_calendar); }
void MainWindow::cmdMemo_Click() { openScreen(m_diary); }
void MainWindow::cmdSettei_Click() { openScreen(m_maintenance); }

ScreenController *MainWindow::screenShown() const
{
    for (ScreenController *screen : std::initializer_list<ScreenController *>{m_entry, m_trend, m_history, m_analyses, m_calendar,
                                                                              m_diary, m_maintenance, m_comparison}) {
        if (screen->panel()->isVisible())
            return screen;
    }
    return nullptr;
}

bool MainWindow::leaveScreenShown()
{
    ScreenController *screen = screenShown();
    return !screen || screen->mayLeave();
}

void MainWindow::RefreshVisibleScreen()
{
    ScreenController *screen = screenShown();
    if (!screen || !screen->followsPartner())
        return;
    HideAllScreens();
    screen->refreshForPartner();
    screen->panel()->setVisible(true);
}

void MainWindow::saveOnScreenShown()
{
    ScreenController *screen = screenShown();
    QAbstractButton *button = screen ? screen->saveButton() : nullptr;
    if (button && button->isVisible())
        button->click();
}

void MainWindow::refreshBodyMetrics()
{
    m_entry->ShowBmiGauge();
    m_maintenance->meter().ShowMeterFormula(m_entry->day().lastRecordWeight);
    m_maintenance->meter().UpdateBmiMeter();
}

void MainWindow::openEntryOnDay(const QDate &day)
{
    m_entry->setSelectedDay(day);
    m_entry->RefreshEntryScreen();
    HideAllScreens();
    m_entry->prepareAfterHiding();
    m_entry->panel()->setVisible(true);
}

void MainWindow::showPartnerCounts(int count1, int count2)
{
    m_partners->showCounts(count1, count2);
}

void MainWindow::focusSelectedPartner()
{
    m_partners->button(m_session->partner())->setFocus();
}

void MainWindow::followProfile(int partner)
{
    m_partners->button(partner)->setText(m_session->nickname(partner));
    if (partner == m_session->partner()) {
        setWindowTitle(windowCaptionFor(m_session->profile()));
        refreshBodyMetrics();
    }
    scheduleShownRefresh();
}

void MainWindow::cmdHelp_Click()
{
    // The help opens where it explains the screen in view.
    ScreenController *screen = screenShown();
    m_help->showTopic(screen ? helpDocumentSection(screen->helpTopic()) : QString());
}

void MainWindow::cmdOwari_Click()
{
    if (!leaveScreenShown())
        return;
    m_help->closeAll();
    endProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Text typed and not saved is not dropped without a word; the user may stay.
    if (!leaveScreenShown()) {
        event->ignore();
        return;
    }
    m_help->closeAll();
    QMainWindow::closeEvent(event);
}

void MainWindow::endProgram()
{
    if (m_endProgram)
        m_endProgram();
}

void MainWindow::chkHelp_Click()
{
    if (m_session->isLoading())
        return;
    if (chkHelp->isChecked()) {
        m_dialogs.information(QStringLiteral("ヘルプツアーＯＮ"), QStringLiteral("ヘルプツアー機能をオンにします。"));
        m_helpTourOn = 1;
    } else {
        m_dialogs.information(QStringLiteral("ヘルプツアーＯＦＦ"), QStringLiteral("ヘルプツアー機能をオフにします。"));
        m_helpTourOn = 0;
    }
    if (StoreResult r = WriteHelpTourSetting(m_folder, m_helpTourOn); !r)
        showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MainWindow::showStoreFailure(const QString &title, const QString &message)
{
    m_dialogs.warning(title, message);
}

void MainWindow::noteMalformedLines(const QString &fileName, const QString &report)
{
    m_problems.noteMalformedLines(fileName, report);
}

void MainWindow::noteUnreadableFile(const QString &fileName, const QString &message)
{
    m_problems.noteUnreadableFile(fileName, message);
}

void MainWindow::noteReadProblems(int partner)
{
    const MeasurementFile &file = m_session->diary(partner).file();
    m_problems.noteUnreadableFile(file.fileName, file.readError);
    m_problems.noteMalformedLines(file.fileName, file.malformedReport());
}

// ---- the files and the day as they change ----

void MainWindow::followRecords(int partner)
{
    // A file that has become unreadable or gone is said once, as at start-up.
    noteReadProblems(partner);
    scheduleShownRefresh();
}

void MainWindow::scheduleShownRefresh()
{
    // After the handler that made the change has done its own part (a save shows its screen
    // itself): then the screen shown needs nothing, or shows what came from outside.
    if (m_shownRefreshPending)
        return;
    m_shownRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_shownRefreshPending = false;
        if (!m_startupFinished)
            return;
        if (ScreenController *screen = screenShown())
            screen->refreshShown();
    });
}

void MainWindow::followSituationFile()
{
    const QStringList entries = ReadSituationList(m_folder);
    if (entries != m_situations.entries())
        m_situations.setEntries(entries);
}

void MainWindow::followToday()
{
    const QDate today = m_clock.today();
    if (today != m_knownToday) {
        const QDate yesterday = std::exchange(m_knownToday, today);
        m_entry->followToday(yesterday, today);
        scheduleShownRefresh();
    }
    scheduleMidnight();
}

void MainWindow::scheduleMidnight()
{
    const QTime now = m_clock.timeOfDay();
    const qint64 untilMidnight = qint64(now.msecsTo(QTime(23, 59, 59, 999))) + 1;
    // A second past midnight: a timer may fire a little early.
    m_midnight.start(int(std::max<qint64>(untilMidnight, 0) + 1000));
}

void MainWindow::changeEvent(QEvent *event)
{
    // Inotify does not see every change (a network folder changed by another computer): the
    // files are looked at whenever the window comes back to the user, and the day with them.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_startupFinished) {
        m_session->refresh();
        followToday();
    }
    QMainWindow::changeEvent(event);
}

// ---- partners ----

void MainWindow::cmdUser1_Click()
{
    selectPartner(1);
}

void MainWindow::cmdUser2_Click()
{
    selectPartner(2);
}

void MainWindow::selectPartner(int partner)
{
    if (m_session->partner() == partner)
        return;
    if (!leaveScreenShown())
        return;
    // The entry screen computes the partner's day as the session tells it; followPartner does the rest.
    m_session->refresh();
    m_session->selectPartner(partner);
}

void MainWindow::followPartner(int partner)
{
    setWindowTitle(windowCaptionFor(m_session->profile()));
    noteReadProblems(partner);
    RefreshVisibleScreen();
    // Whatever screen the switch happened on, the gauges and the meter show the new partner's
    // figures; the entry screen has read their file already.
    refreshBodyMetrics();
    m_partners->markSelected(partner);
}
