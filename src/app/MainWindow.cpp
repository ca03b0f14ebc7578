#include "app/MainWindow.h"

#include "screens/analyses/AnalysesPanel.h"
#include "screens/analyses/TrendPanel.h"
#include "screens/calendar/CalendarPanel.h"
#include "screens/comparison/ComparisonPanel.h"
#include "screens/diary/DiaryPanel.h"
#include "screens/entry/EntryPanel.h"
#include "screens/history/HistoryPanel.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "screens/shell/SplashTiming.h"
#include "screens/shell/SplashWindow.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SettingsFiles.h"
#include "ui/Clock.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/HelpViewer.h"
#include "ui/MonthCalendar.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The spellings the program asks for; the folder matches them without regard to case.
const QString kDataFile1 = QStringLiteral("データ1.TXT");
const QString kDataFile2 = QStringLiteral("データ2.TXT");
const QString kProfileFile1 = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.TXT");
const QString kProfileFile2 = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ2.txt");

void setButtonColour(QPushButton *button, Bgr colour)
{
    if (colour == Colour::buttonFace) {
        button->setStyleSheet(QString());
        return;
    }
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #a0a0a0; border-radius: 3px; padding: 4px 10px; }")
                              .arg(colorFromBgr(colour).name()));
}

QLabel *countFace(const QString &name, Face face, const QString &tip, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(facePixmap(face, 28));
    label->setToolTip(tip);
    label->hide();
    return label;
}

} // namespace

MainWindow::MainWindow(const DataFolder &folder, Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(folder)
    , m_dialogs(dialogs)
    , m_clock(clock)
{
    setObjectName(QStringLiteral("frmMain"));
    m_schedule = [this](qint64 ms, std::function<void()> work) { QTimer::singleShot(ms, this, std::move(work)); };
    m_endProgram = [this] {
        close();
        QCoreApplication::quit();
    };
    buildWindow();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    struct ScreenButton {
        QPushButton **button;
        const char *name;
        const char16_t *caption;
        void (MainWindow::*handler)();
    };
    const ScreenButton screens[] = {
        {&cmdAvgtai, "cmdAvgtai", u"比較", &MainWindow::cmdAvgtai_Click},
        {&cmdMain, "cmdMain", u"入力", &MainWindow::cmdMain_Click},
        {&cmdTaijyu, "cmdTaijyu", u"範囲指定", &MainWindow::cmdTaijyu_Click},
        {&cmdRentai, "cmdRentai", u"全グラフ", &MainWindow::cmdRentai_Click},
        {&cmdBunseki, "cmdBunseki", u"分析リスト", &MainWindow::cmdBunseki_Click},
        {&cmdCale, "cmdCale", u"カレンダー", &MainWindow::cmdCale_Click},
        {&cmdMemo, "cmdMemo", u"一言日記", &MainWindow::cmdMemo_Click},
        {&cmdSettei, "cmdSettei", u"編集", &MainWindow::cmdSettei_Click},
    };
    auto *screenRow = new QHBoxLayout;
    int i = 0;
    for (const ScreenButton &s : screens) {
        auto *button = new QPushButton(QString::fromUtf16(s.caption), central);
        button->setObjectName(QString::fromLatin1(s.name));
        button->setMinimumWidth(84);
        button->setMinimumHeight(30);
        connect(button, &QPushButton::clicked, this, s.handler);
        *s.button = button;
        m_screenButtons[i++] = button;
        screenRow->addWidget(button);
    }
    screenRow->addStretch();
    chkHelp = new QCheckBox(central);
    chkHelp->setObjectName(QStringLiteral("chkHelp"));
    chkHelp->setIcon(helpTourIcon());
    chkHelp->setIconSize(QSize(26, 26));
    chkHelp->setToolTip(QStringLiteral("ヘルプツアーのＯｎ／Ｏｆｆです"));
    connect(chkHelp, &QCheckBox::clicked, this, &MainWindow::chkHelp_Click);
    cmdHelp = new QPushButton(QStringLiteral("ヘルプ"), central);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    connect(cmdHelp, &QPushButton::clicked, this, &MainWindow::cmdHelp_Click);
    cmdOwari = new QPushButton(QStringLiteral("終了"), central);
    cmdOwari->setObjectName(QStringLiteral("cmdOwari"));
    connect(cmdOwari, &QPushButton::clicked, this, &MainWindow::cmdOwari_Click);
    screenRow->addWidget(chkHelp);
    screenRow->addWidget(cmdHelp);
    screenRow->addWidget(cmdOwari);

    // The partner buttons, each with its count of the selected day and its face.
    auto *partnerRow = new QHBoxLayout;
    auto partner = [&](QPushButton *&button, const char *name, QLabel *&count, const char *countName,
                       std::array<QLabel *, 4> &faces, int n) {
        button = new QPushButton(central);
        button->setObjectName(QString::fromLatin1(name));
        button->setMinimumWidth(120);
        button->setMinimumHeight(30);
        button->setToolTip(QStringLiteral("登録者%1のデータを表示します").arg(n));
        count = new QLabel(central);
        count->setObjectName(QString::fromLatin1(countName));
        count->setMinimumWidth(28);
        count->setAlignment(Qt::AlignCenter);
        count->setAutoFillBackground(true);
        count->setToolTip(QStringLiteral("この日の入力回数"));
        const QString suffix = QString::number(n);
        faces[0] = countFace(QStringLiteral("imgNon") + suffix, Face::None, QStringLiteral("未登録"), central);
        faces[1] = countFace(QStringLiteral("imgKura") + suffix, Face::Sulking, QStringLiteral("ムスッ"), central);
        faces[2] = countFace(QStringLiteral("imgNi") + suffix, Face::Smiling, QStringLiteral("ニコ"), central);
        faces[3] = countFace(QStringLiteral("imgWarai") + suffix, Face::Beaming, QStringLiteral("すごくニコニコ"), central);
        partnerRow->addWidget(button);
        partnerRow->addWidget(count);
        for (QLabel *face : faces)
            partnerRow->addWidget(face);
        partnerRow->addSpacing(18);
    };
    partner(cmdUser1, "cmdUser1", lblUser1, "lblUser1", m_faces1, 1);
    partner(cmdUser2, "cmdUser2", lblUser2, "lblUser2", m_faces2, 2);
    partnerRow->addStretch();
    connect(cmdUser1, &QPushButton::clicked, this, &MainWindow::cmdUser1_Click);
    connect(cmdUser2, &QPushButton::clicked, this, &MainWindow::cmdUser2_Click);

    // The eight screens share one place; exactly one is visible once the start-up is over.
    auto *screensArea = new QWidget(central);
    auto *stack = new QGridLayout(screensArea);
    stack->setContentsMargins(0, 0, 0, 0);
    fraAvgTai = new ComparisonPanel(screensArea);
    fraMain = new EntryPanel(screensArea);
    fraTaijyu = new HistoryPanel(screensArea);
    fraRenTai = new TrendPanel(screensArea);
    fraBunseki = new AnalysesPanel(screensArea);
    fraCale = new CalendarPanel(screensArea);
    fraMemo = new DiaryPanel(screensArea);
    fraSettei = new MaintenancePanel(screensArea);
    for (QWidget *panel : std::initializer_list<QWidget *>{fraAvgTai, fraMain, fraTaijyu, fraRenTai, fraBunseki, fraCale, fraMemo, fraSettei})
        stack->addWidget(panel, 0, 0);

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(screenRow);
    layout->addLayout(partnerRow);
    layout->addWidget(screensArea, 1);

    m_help = new HelpViewer(this);
    resize(1180, 780);

    // The screens' own events.
    connect(fraAvgTai, &ComparisonPanel::helpTextChosen, this, [this](const QString &text) {
        m_state.helpText = text;
        DSP_HELP();
    });
    connectEntryScreen();
    connectMaintenanceScreen();
}

void MainWindow::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void MainWindow::Form_Load()
{
    // 1-2: the splash window appears at once; the time it appeared starts its minimum stand.
    m_state.helpFileName = QStringLiteral("PmlinaHelp.chm");
    m_splashShownAt = m_clock.monotonicMs();
    frmSplash = new SplashWindow;
    frmSplash->show();
    processPendingEvents();

    // A folder without data files is a new installation: it gets its settings files now, and
    // the registration opens once the window is up.
    m_firstStart = !m_folder.exists(FileName::data1) && !m_folder.exists(FileName::data2);
    if (m_firstStart) {
        if (StoreResult r = CreateMissingSettingsFiles(m_folder); !r)
            m_malformedReports << r.message();
    }

    // 3-6
    setWindowState(Qt::WindowNoState);
    m_state.isLoading = true;
    HideAllScreens();
    m_state.recordMinWeight = 999.9f;
    m_state.entry.dayMaxWeight = 0;
    fraMain->mtvmain->setSelectedDate(m_clock.today());
    m_state.currentDataFile = kDataFile1;
    markSelectedPartner(1);

    // 7-8: partner 2's profile first, so that partner 1's is the current one afterwards.
    m_state.currentProfileFile = kProfileFile2;
    ReadProfile();
    cmdUser2->setText(m_state.profile.nickname);
    m_state.targetWeightOfPartner2 = m_state.profile.targetWeight;
    m_state.currentProfileFile = kProfileFile1;
    ReadProfile();
    cmdUser1->setText(m_state.profile.nickname);
    m_state.targetWeightOfPartner1 = m_state.profile.targetWeight;

    // 9-10
    fraSettei->lblTai->setText(QString());
    LoadSituationList();
    LoadMovingAverageSetting();
    LoadAutoTimeSetting();

    // 13-15
    RefreshEntryScreen();
    LoadMarkerStyle();
    ShowBmiGauge();
    ShowMeterFormula();
    UpdateBmiMeter();

    // 16-17
    LoadMemo();
    READ_SETTEI();
    READ_KIZAMI();
    fraAvgTai->SetupAverageGrid();
    ShowComparison();

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
    fraAvgTai->setVisible(true);
    processPendingEvents();
    // 20-23
    chkHelp->setChecked(m_state.helpTourOn != 0);
    setArrowButtonsEnabled(false);
    fraMain->optKon->setChecked(true);
    graphQuantity_Click();
    processPendingEvents();
    m_state.isLoading = false;
    m_startupFinished = true;
    // 24
    m_state.helpText = helpTourText(HelpTopic::Startup);
    DSP_HELP();

    showMalformedLines();
    if (m_firstStart) {
        // Straight to the registration; its own message says what to do.
        HideAllScreens();
        fillProfileBoxes();
        fraSettei->setVisible(true);
        processPendingEvents();
        cmdNew1_Click();
    }
}

void MainWindow::HideAllScreens()
{
    for (QWidget *panel : std::initializer_list<QWidget *>{fraTaijyu, fraBunseki, fraRenTai, fraMain, fraSettei, fraCale, fraMemo, fraAvgTai})
        panel->setVisible(false);
}

void MainWindow::DSP_HELP()
{
    if (m_state.helpTourOn != 0)
        m_dialogs.information(QStringLiteral("ヘルプツアー"), m_state.helpText);
}

void MainWindow::openScreen(QWidget *panel, HelpTopic topic, const std::function<void()> &buildBeforeHiding,
                            const std::function<void()> &buildAfterHiding)
{
    if (panel->isVisible())
        return;
    if (buildBeforeHiding)
        buildBeforeHiding();
    HideAllScreens();
    if (buildAfterHiding)
        buildAfterHiding();
    panel->setVisible(true);
    processPendingEvents();
    m_state.helpText = helpTourText(topic);
    DSP_HELP();
}

void MainWindow::cmdAvgtai_Click()
{
    openScreen(fraAvgTai, HelpTopic::Comparison, [this] {
        fraAvgTai->SetupAverageGrid();
        ShowComparison();
    }, nullptr);
}

void MainWindow::cmdMain_Click()
{
    openScreen(fraMain, HelpTopic::Entry, nullptr, nullptr);
}

void MainWindow::cmdTaijyu_Click()
{
    openScreen(fraTaijyu, HelpTopic::History, nullptr, nullptr);
}

void MainWindow::cmdRentai_Click()
{
    openScreen(fraRenTai, HelpTopic::Trend, nullptr, nullptr);
}

void MainWindow::cmdBunseki_Click()
{
    openScreen(fraBunseki, HelpTopic::Analyses, nullptr, nullptr);
}

void MainWindow::cmdCale_Click()
{
    openScreen(fraCale, HelpTopic::Calendar, nullptr, nullptr);
}

void MainWindow::cmdMemo_Click()
{
    openScreen(fraMemo, HelpTopic::Diary, nullptr, nullptr);
}

void MainWindow::cmdSettei_Click()
{
    openScreen(fraSettei, HelpTopic::Maintenance, nullptr, [this] { fillProfileBoxes(); });
}

void MainWindow::fillProfileBoxes()
{
    fraSettei->txtPriData->setText(m_state.profile.nickname);
    fraSettei->txtSincyou->setText(generalNumber(m_state.profile.height));
    fraSettei->txtMokuTai->setText(generalNumber(m_state.profile.targetWeight));
}

void MainWindow::ShowComparison()
{
    fraAvgTai->ShowComparison(m_folder, {cmdUser1->text(), cmdUser2->text(), m_state.targetWeightOfPartner1,
                                         m_state.targetWeightOfPartner2});
}

void MainWindow::RefreshVisibleScreen(bool entryAlreadyRefreshed)
{
    auto refreshEntry = [&] {
        if (!entryAlreadyRefreshed)
            RefreshEntryScreen();
        ShowBmiGauge();
        ShowMeterFormula();
        UpdateBmiMeter();
    };
    if (fraMain->isVisible()) {
        HideAllScreens();
        refreshEntry();
        fraMain->setVisible(true);
    } else if (fraSettei->isVisible()) {
        HideAllScreens();
        fillProfileBoxes();
        refreshEntry();
        fraSettei->setVisible(true);
    } else {
        // The screens still to come show nothing of a partner yet, and the comparison screen
        // shows both partners already.
        for (QWidget *panel : std::initializer_list<QWidget *>{fraRenTai, fraTaijyu, fraBunseki, fraCale, fraMemo}) {
            if (panel->isVisible()) {
                HideAllScreens();
                panel->setVisible(true);
                break;
            }
        }
    }
}

void MainWindow::cmdHelp_Click()
{
    m_help->showDefaultTopic();
}

void MainWindow::cmdOwari_Click()
{
    m_help->closeAll();
    endProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
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
    if (m_state.isLoading)
        return;
    if (chkHelp->isChecked()) {
        m_dialogs.information(QStringLiteral("ヘルプツアーＯＮ"), QStringLiteral("ヘルプツアー機能をオンにします。"));
        m_state.helpTourOn = 1;
    } else {
        m_dialogs.information(QStringLiteral("ヘルプツアーＯＦＦ"), QStringLiteral("ヘルプツアー機能をオフにします。"));
        m_state.helpTourOn = 0;
    }
    if (StoreResult r = WriteHelpTourSetting(m_folder, m_state.helpTourOn); !r)
        showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MainWindow::showStoreFailure(const QString &title, const QString &message)
{
    m_dialogs.warning(title, message);
}

void MainWindow::noteMalformedLines(const QString &fileName, const QString &report)
{
    if (report.isEmpty() || m_reportedFiles.contains(fileName.toLower()))
        return;
    m_reportedFiles.insert(fileName.toLower());
    m_malformedReports << report;
    if (!m_state.isLoading)
        showMalformedLines();
}

void MainWindow::showMalformedLines()
{
    if (m_malformedReports.isEmpty())
        return;
    const QString text = QStringLiteral("次の行は読み飛ばしました。ファイルからは消していません。\n\n") + m_malformedReports.join(u'\n');
    m_malformedReports.clear();
    m_dialogs.warning(QStringLiteral("読み取れない行"), text);
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
    if (m_state.selectedPartner == partner)
        return;
    m_state.currentProfileFile = partner == 1 ? kProfileFile1 : kProfileFile2;
    ReadProfile();
    m_state.currentDataFile = partner == 1 ? kDataFile1 : kDataFile2;
    RefreshEntryScreen();
    RefreshVisibleScreen(true);
    markSelectedPartner(partner);
}

void MainWindow::markSelectedPartner(int partner)
{
    m_state.selectedPartner = partner;
    setButtonColour(cmdUser1, partner == 1 ? Colour::selectedPartner : Colour::buttonFace);
    setButtonColour(cmdUser2, partner == 2 ? Colour::selectedPartner : Colour::buttonFace);
}

void MainWindow::ReadProfile()
{
    m_state.profile = ::ReadProfile(m_folder, m_state.currentProfileFile);
    setWindowTitle(windowCaptionFor(m_state.profile));
}
