// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, screen switching, partners, help and the end of the program.
#include "support/MainWindowHarness.h"

#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"
#include "screens/shell/HelpTexts.h"
#include "screens/shell/Session.h"
#include "ui/Chart.h"
#include "ui/Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace {
const QStringList kScreens = {QStringLiteral("fraAvgTai"), QStringLiteral("fraMain"),  QStringLiteral("fraTaijyu"),
                              QStringLiteral("fraRenTai"), QStringLiteral("fraBunseki"), QStringLiteral("fraCale"),
                              QStringLiteral("fraMemo"),   QStringLiteral("fraSettei")};

void writeUsualCouple(MainWindowHarness &h)
{
    h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0), line(QStringLiteral("2026/12/07"), 69.0)},
                  {line(QStringLiteral("2026/12/03"), 55.0)});
}

const EntryController &entryScreen(const MainWindowHarness &h)
{
    return *h.window->findChild<EntryController *>();
}

// Clicks a data row's cell of a list (its heading row is the list's header).
void clickCell(Grid *list, int row, int col)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row - 1, col)).center());
}

QStringList visibleScreens(const MainWindowHarness &h)
{
    QStringList result;
    for (const QString &name : kScreens) {
        if (h.visible(name))
            result << name;
    }
    return result;
}
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startupOrderEffects()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        const QByteArray settingBefore = TestFiles::bytes(h.path(), FileName::helpTour);
        h.load();
        // The splash stands: the main window waits.
        QVERIFY(!h.window->isVisible());
        QCOMPARE(h.scheduled.size(), 1);
        QCOMPARE(h.scheduled.first().first, 1501);
        QVERIFY(h.dialogs.shown.isEmpty());

        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ぽむ のデータ"));
        QCOMPARE(h.find<QPushButton>(QStringLiteral("cmdUser1"))->text(), QStringLiteral("ぽむ"));
        QCOMPARE(h.find<QPushButton>(QStringLiteral("cmdUser2"))->text(), QStringLiteral("りな"));
        QCOMPARE(h.window->session().currentDataFile(), FileName::data1);
        QCOMPARE(h.window->session().targetWeight(1), 60.0f);
        QCOMPARE(h.window->session().targetWeight(2), 50.0f);
        QVERIFY(h.window->session().isLoading());

        h.advance(1600);
        QVERIFY(h.window->isVisible());
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraAvgTai")});
        QVERIFY(!h.window->session().isLoading());
        QVERIFY(h.find<QCheckBox>(QStringLiteral("chkHelp"))->isChecked());
        QVERIFY(h.find<QRadioButton>(QStringLiteral("optKon"))->isChecked());
        for (const QString &arrow : {QStringLiteral("cmdUp"), QStringLiteral("cmdDn"), QStringLiteral("cmdUp1"), QStringLiteral("cmdDn1")})
            QVERIFY(!h.find(arrow)->isEnabled());
        // Partner 1 selected: its button very light yellow, the other plain.
        QVERIFY(h.find(QStringLiteral("cmdUser1"))->styleSheet().contains(QStringLiteral("#fffff0")));
        QVERIFY(h.find(QStringLiteral("cmdUser2"))->styleSheet().isEmpty());
        // Setting the check box at start-up neither confirms nor writes; only the start-up
        // explanation of the tour appears.
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].title, QStringLiteral("ヘルプツアー"));
        QCOMPARE(h.dialogs.shown[0].text, helpTourText(HelpTopic::Startup));
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Information);
        QCOMPARE(TestFiles::bytes(h.path(), FileName::helpTour), settingBefore);
        // Today's counts: partner 1 has one, partner 2 none.
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser2"))->text(), QStringLiteral("0"));
    }

    void splashWaitsOnTheMonotonicClock_data()
    {
        QTest::addColumn<qint64>("loadMs");   // time the reading took
        QTest::addColumn<qint64>("firstWait");
        QTest::newRow("fast load") << qint64(200) << qint64(1301);
        QTest::newRow("exactly 1.5 s") << qint64(1500) << qint64(1);
        QTest::newRow("slow load") << qint64(2000) << qint64(0);
    }
    void splashWaitsOnTheMonotonicClock()
    {
        QFETCH(qint64, loadMs);
        QFETCH(qint64, firstWait);
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        // Just before midnight: only the monotonic counter counts, not the time of day.
        h.clock.time = QTime(23, 59, 59, 900);
        // Form_Load reads the counter when the splash appears and again when the reading is
        // done: between the two, the reading "takes" loadMs.
        h.clock.readings = {0, loadMs};
        h.load();
        if (firstWait == 0) {
            QVERIFY(h.scheduled.isEmpty());
            QVERIFY(h.window->isVisible());
            return;
        }
        QCOMPARE(h.scheduled.size(), 1);
        QCOMPARE(h.scheduled[0].first, firstWait);
        QVERIFY(!h.window->isVisible());
        // A timer that fires early does not cut the wait short.
        h.advance(firstWait - 1);
        QVERIFY(!h.window->isVisible());
        QCOMPARE(h.scheduled.size(), 1);
        QCOMPARE(h.scheduled[0].first, 1);
        h.advance(1);
        QVERIFY(h.window->isVisible());
        QVERIFY(h.window->startupFinished());
    }

    void emptyNicknameGivesTheProgramName()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0)}, {line(QStringLiteral("2026/12/01"), 55.0)}, QString());
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ポムリナ"));
        QCOMPARE(h.find<QPushButton>(QStringLiteral("cmdUser1"))->text(), QString());
    }

    void screenButtonConvention_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("topic");
        QTest::newRow("入力") << QStringLiteral("cmdMain") << QStringLiteral("fraMain") << int(HelpTopic::Entry);
        QTest::newRow("範囲指定") << QStringLiteral("cmdTaijyu") << QStringLiteral("fraTaijyu") << int(HelpTopic::History);
        QTest::newRow("全グラフ") << QStringLiteral("cmdRentai") << QStringLiteral("fraRenTai") << int(HelpTopic::Trend);
        QTest::newRow("分析リスト") << QStringLiteral("cmdBunseki") << QStringLiteral("fraBunseki") << int(HelpTopic::Analyses);
        QTest::newRow("カレンダー") << QStringLiteral("cmdCale") << QStringLiteral("fraCale") << int(HelpTopic::Calendar);
        QTest::newRow("一言日記") << QStringLiteral("cmdMemo") << QStringLiteral("fraMemo") << int(HelpTopic::Diary);
        QTest::newRow("編集") << QStringLiteral("cmdSettei") << QStringLiteral("fraSettei") << int(HelpTopic::Maintenance);
    }
    void screenButtonConvention()
    {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        QFETCH(int, topic);
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        h.dialogs.clear();

        h.click(button);
        QCOMPARE(visibleScreens(h), QStringList{panel});
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].title, QStringLiteral("ヘルプツアー"));
        QCOMPARE(h.dialogs.shown[0].text, helpTourText(HelpTopic(topic)));
        QCOMPARE(h.window->session().helpText(), helpTourText(HelpTopic(topic)));

        // Pressed again while its screen is up: nothing at all.
        h.click(button);
        QCOMPARE(visibleScreens(h), QStringList{panel});
        QCOMPARE(h.dialogs.shown.size(), 1);

        // And back to the comparison screen, which explains itself too.
        h.click(QStringLiteral("cmdAvgtai"));
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraAvgTai")});
        QCOMPARE(h.dialogs.shown.size(), 2);
        QCOMPARE(h.dialogs.shown[1].text, helpTourText(HelpTopic::Comparison));
        h.click(QStringLiteral("cmdAvgtai"));
        QCOMPARE(h.dialogs.shown.size(), 2);
    }

    void helpTourOffExplainsNothingButItsSwitch()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.start();
        for (const QString &b : {QStringLiteral("cmdMain"), QStringLiteral("cmdSettei"), QStringLiteral("cmdAvgtai")})
            h.click(b);
        QVERIFY(h.dialogs.shown.isEmpty());
        QVERIFY(!h.find<QCheckBox>(QStringLiteral("chkHelp"))->isChecked());

        h.click(QStringLiteral("chkHelp"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0], (Message{MessageIcon::Information, MessageButtons::Ok, QStringLiteral("ヘルプツアーＯＮ"),
                                              QStringLiteral("ヘルプツアー機能をオンにします。")}));
        QCOMPARE(TestFiles::text(h.path(), FileName::helpTour), QStringLiteral("\"ヘルプツアー\",1\r\n"));
        QCOMPARE(h.window->helpTourOn(), 1);
        // The current screen is not explained again; the next one is.
        QCOMPARE(h.dialogs.shown.size(), 1);
        h.click(QStringLiteral("cmdMain"));
        QCOMPARE(h.dialogs.shown.size(), 2);

        h.click(QStringLiteral("chkHelp"));
        QCOMPARE(h.dialogs.shown.size(), 3);
        QCOMPARE(h.dialogs.shown[2].title, QStringLiteral("ヘルプツアーＯＦＦ"));
        QCOMPARE(h.dialogs.shown[2].text, QStringLiteral("ヘルプツアー機能をオフにします。"));
        QCOMPARE(TestFiles::text(h.path(), FileName::helpTour), QStringLiteral("\"ヘルプツアー\",0\r\n"));
    }

    void comparisonGraphModesExplainThemselves()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        h.dialogs.clear();
        h.click(QStringLiteral("optGra1"));
        h.click(QStringLiteral("optGra2"));
        h.click(QStringLiteral("optGra1"));
        QCOMPARE(h.dialogs.shown.size(), 3);
        QCOMPARE(h.dialogs.shown[0].text, helpTourText(HelpTopic::SameAxisGraph));
        QCOMPARE(h.dialogs.shown[1].text, helpTourText(HelpTopic::SeparateAxesGraph));
        QCOMPARE(h.dialogs.shown[2].text, helpTourText(HelpTopic::SameAxisGraph));
    }

    void partnerSwitchWhileComparing()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        h.dialogs.clear();

        h.click(QStringLiteral("cmdUser2"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" りな のデータ"));
        QCOMPARE(h.window->session().currentDataFile(), FileName::data2);
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraAvgTai")});
        QVERIFY(h.dialogs.shown.isEmpty());
        QVERIFY(h.find(QStringLiteral("cmdUser2"))->styleSheet().contains(QStringLiteral("#fffff0")));
        QVERIFY(h.find(QStringLiteral("cmdUser1"))->styleSheet().isEmpty());

        // A second press on the selected partner changes nothing.
        const QString before = h.window->session().currentProfileFile();
        h.click(QStringLiteral("cmdUser2"));
        QCOMPARE(h.window->session().currentProfileFile(), before);

        // The entry screen now shows partner 2, whose only measurement is on 12/03.
        h.click(QStringLiteral("cmdMain"));
        QCOMPARE(entryScreen(h).day().lastRecordDate, QStringLiteral("2026/12/03"));
        QCOMPARE(h.window->session().recordCount(), 1);
    }

    void partnerSwitchOnTheEntryScreenShowsNoHelp()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        h.click(QStringLiteral("cmdMain"));
        h.dialogs.clear();
        h.click(QStringLiteral("cmdUser2"));
        QVERIFY(h.dialogs.shown.isEmpty());
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraMain")});
        // today 12/07: partner 2 has nothing, partner 1 one measurement
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text(), QStringLiteral("1"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser2"))->text(), QStringLiteral("0"));
        QCOMPARE(h.find<Grid>(QStringLiteral("msgDayList"))->rows(), 1);
        QVERIFY(h.visible(QStringLiteral("imgNon2")));
        QVERIFY(h.visible(QStringLiteral("imgKura1")));
        QVERIFY(h.visible(QStringLiteral("imgNashi")));
    }

    void trendAndListsFollowThePartner()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        // The lists have their headings from the start.
        QCOMPARE(h.find<Grid>(QStringLiteral("msgB3"))->textMatrix(0, 2), QStringLiteral("平均体重"));

        h.click(QStringLiteral("cmdRentai"));
        auto *chart = h.find<Chart>(QStringLiteral("mcrRentai"));
        QCOMPARE(chart->rowCount(), 2);
        h.click(QStringLiteral("optKon1"));
        h.dialogs.clear();
        h.click(QStringLiteral("cmdUser2"));
        QVERIFY(h.dialogs.shown.isEmpty());
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraRenTai")});
        QCOMPARE(*chart->value(1, 1), 55.0);
        QVERIFY(h.find<QRadioButton>(QStringLiteral("optKon1"))->isChecked());

        h.click(QStringLiteral("cmdBunseki"));
        auto *series = h.find<Grid>(QStringLiteral("msgB1"));
        QCOMPARE(series->rows(), 2);
        h.click(QStringLiteral("cmdUser1"));
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraBunseki")});
        QCOMPARE(series->textMatrix(2, 3), QStringLiteral("-1.0Kg"));
        QCOMPARE(h.window->session().recordCount(), 2);
        QCOMPARE(h.dialogs.shown.size(), 1); // the analyses' explanation, once
    }

    void historyFollowsThePartner()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(1);
        h.start();
        h.click(QStringLiteral("cmdTaijyu"));
        auto *list = h.find<Grid>(QStringLiteral("msgBunseki"));
        QCOMPARE(list->rows(), 3);
        h.click(QStringLiteral("cmdWeek(1)")); // 2026/12/07 is a Monday
        QCOMPARE(list->rows(), 2);
        h.dialogs.clear();
        h.click(QStringLiteral("cmdTaijyu")); // visible already: nothing
        QCOMPARE(list->rows(), 2);
        // The switch lists the other partner unfiltered and shows no help.
        h.click(QStringLiteral("cmdUser2"));
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraTaijyu")});
        QCOMPARE(list->rows(), 2);
        QCOMPARE(list->textMatrix(1, 1), QStringLiteral("26/12/03"));
        QVERIFY(h.dialogs.shown.isEmpty());
        // "全部" runs from that partner's first day to today.
        h.click(QStringLiteral("cmdAllDay"));
        QCOMPARE(h.find<QComboBox>(QStringLiteral("cboStdate"))->currentText(), QStringLiteral("2026/12/03"));
        QCOMPARE(list->rows(), 2);
    }

    void firstStartOnAnEmptyFolder()
    {
        MainWindowHarness h;
        h.start();
        // The settings files exist now, with their defaults.
        QCOMPARE(TestFiles::text(h.path(), FileName::helpTour), QStringLiteral("\"ヘルプツアー\",1\r\n"));
        QCOMPARE(TestFiles::text(h.path(), FileName::scaleSteps), QStringLiteral("0.1\r\n0.1\r\n"));
        QCOMPARE(TestFiles::text(h.path(), FileName::autoTime), QStringLiteral(" 0 \r\n"));
        QVERIFY(QFile::exists(h.dir.filePath(FileName::situationList)));
        QVERIFY(!QFile::exists(h.dir.filePath(FileName::data1)));
        // The registration is open for the new couple.
        QCOMPARE(visibleScreens(h), QStringList{QStringLiteral("fraSettei")});
        QVERIFY(h.visible(QStringLiteral("fraNew")));
        QCOMPARE(h.dialogs.titles(), (QStringList{QStringLiteral("ヘルプツアー"), QStringLiteral("データを登録しましょう")}));
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ポムリナ"));
        QCOMPARE(h.find<Grid>(QStringLiteral("msgDayList"))->rows(), 1);
        QCOMPARE(h.window->session().recordCount(), 0);
    }

    void secondStartDoesNotTouchTheSettings()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.start();
        // Missing settings files stay missing until something is changed.
        QVERIFY(!QFile::exists(h.dir.filePath(FileName::helpTour)));
        QVERIFY(!QFile::exists(h.dir.filePath(FileName::marker)));
        QCOMPARE(h.window->helpTourOn(), 1);
        QCOMPARE(entryScreen(h).markerStyle(), 1);
    }

    void backupThatFailsIsToldOnce()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.write(QStringLiteral("backup"), QStringLiteral("a file where the backups would go"));
        h.start();
        QCOMPARE(h.dialogs.titles(), QStringList{QStringLiteral("バックアップできません")});
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
        QVERIFY(h.visible(QStringLiteral("fraAvgTai")));
    }

    void malformedLineIsReportedOnceAndKept()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 70.0), QStringLiteral("garbage,,"), line(QStringLiteral("2026/12/07"), 69.0)},
                      {line(QStringLiteral("2026/12/03"), 55.0)});
        h.setHelpTour(0);
        h.start();
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].title, QStringLiteral("読み取れない行"));
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
        QVERIFY(h.dialogs.shown[0].details.contains(QStringLiteral("2行目")));
        QVERIFY(h.dialogs.shown[0].details.contains(QStringLiteral("garbage,,")));
        QCOMPARE(h.window->session().recordCount(), 2);
        h.click(QStringLiteral("cmdMain"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY(TestFiles::text(h.path(), FileName::data1).contains(QStringLiteral("garbage,,")));
    }

    void helpWindowAndExit()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdHelp"));
        auto *viewer = h.find(QStringLiteral("helpViewer"));
        QVERIFY(viewer->isVisible());
        auto *browser = h.find<QTextBrowser>(QStringLiteral("helpBrowser"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("ポムリナ")));
        QCOMPARE(h.ended, 0);
        h.click(QStringLiteral("cmdOwari"));
        QVERIFY(!viewer->isVisible());
        QCOMPARE(h.ended, 1);
    }

    // Text typed into the memo or a comment and not saved is not lost without a word: closing the
    // window, 終了, another partner or another screen asks first. はい saves as the save button
    // does, いいえ drops the typing, キャンセル stays; only what is still unsaved is asked again.
    void unsavedTextIsAskedFor_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("answer");
        const int yes = int(MessageAnswer::Yes), no = int(MessageAnswer::No), cancel = int(MessageAnswer::Cancel);
        QTest::newRow("memo, ×, はい") << QStringLiteral("txtKizuki") << QStringLiteral("close") << yes;
        QTest::newRow("memo, ×, いいえ") << QStringLiteral("txtKizuki") << QStringLiteral("close") << no;
        QTest::newRow("memo, 終了, キャンセル") << QStringLiteral("txtKizuki") << QStringLiteral("cmdOwari") << cancel;
        QTest::newRow("memo, partner, はい") << QStringLiteral("txtKizuki") << QStringLiteral("cmdUser2") << yes;
        QTest::newRow("memo, screen, いいえ") << QStringLiteral("txtKizuki") << QStringLiteral("cmdMain") << no;
        QTest::newRow("comment, screen, はい") << QStringLiteral("txtMemo") << QStringLiteral("cmdMain") << yes;
        QTest::newRow("comment, partner, キャンセル") << QStringLiteral("txtMemo") << QStringLiteral("cmdUser2") << cancel;
        QTest::newRow("comment, ×, はい") << QStringLiteral("txtMemo") << QStringLiteral("close") << yes;
        QTest::newRow("nothing typed") << QString() << QStringLiteral("close") << -1;
    }
    void unsavedTextIsAskedFor()
    {
        QFETCH(QString, box);
        QFETCH(QString, leave);
        QFETCH(int, answer);
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.write(FileName::memo, QStringLiteral("前のメモ\r\n"));
        h.startActive();
        h.click(QStringLiteral("cmdMemo"));
        const QString firstLine = TestFiles::lines(h.path(), FileName::data1)[0];
        if (box == QLatin1String("txtMemo"))
            clickCell(h.find<Grid>(QStringLiteral("msgMemoList")), 1, 7); // the comment box gets the focus
        else if (!box.isEmpty())
            h.find(box)->setFocus();
        if (!box.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("walk"));
        }
        if (answer >= 0)
            h.dialogs.answers = {MessageAnswer(answer)};
        bool left = leave == QLatin1String("close") && h.window->close();
        if (leave != QLatin1String("close")) {
            h.click(leave);
            left = leave == QLatin1String("cmdOwari")   ? h.ended == 1
                   : leave == QLatin1String("cmdUser2") ? h.window->session().partner() == 2
                                                        : h.visible(QStringLiteral("fraMain"));
        }
        QCOMPARE(left, answer != int(MessageAnswer::Cancel));
        QCOMPARE(h.dialogs.shown.size(), answer < 0 ? 0 : 1);
        if (answer < 0)
            return;
        QCOMPARE(h.dialogs.shown[0], (Message{MessageIcon::Question, MessageButtons::YesNoCancel, QStringLiteral("保存の確認"),
                                              QStringLiteral("保存されていない変更があります。保存しますか？")}));
        const bool memoSaved = answer == int(MessageAnswer::Yes) && box == QLatin1String("txtKizuki");
        const bool commentSaved = answer == int(MessageAnswer::Yes) && box == QLatin1String("txtMemo");
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), memoSaved ? QStringLiteral("前のメモwalk\r\n") : QStringLiteral("前のメモ\r\n"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1)[0], commentSaved ? QString(firstLine).replace(QStringLiteral(",\"\","), QStringLiteral(",\"walk\",")) : firstLine);
        if (answer == int(MessageAnswer::No)) // dropped: the box shows what is saved
            QCOMPARE(h.find<QPlainTextEdit>(QStringLiteral("txtKizuki"))->toPlainText(), QStringLiteral("前のメモ"));
        h.dialogs.clear();
        h.window->close();
        QCOMPARE(h.dialogs.shown.size(), answer == int(MessageAnswer::Cancel) ? 1 : 0);
    }

    // Alt with a screen's number opens it (its tooltip says so); Ctrl+S presses the save button
    // of the screen shown.
    void windowKeys()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.startActive();
        for (int number : {3, 8, 1, 7, 2}) {
            QTest::keyClick(h.window.get(), Qt::Key(Qt::Key_0 + number), Qt::AltModifier);
            // a shortcut shows its button pressed for a moment before the click
            QTRY_COMPARE(visibleScreens(h), QStringList{kScreens[number - 1]});
            // the keyboard goes on in the screen opened; on 入力, with the situation
            QVERIFY(h.find(kScreens[number - 1])->isAncestorOf(QApplication::focusWidget()));
            if (number == 2)
                QCOMPARE(QApplication::focusWidget(), h.find(QStringLiteral("lstAct")));
            if (number == 8) // not the button that starts a new couple
                QCOMPARE(QApplication::focusWidget(), h.find(QStringLiteral("txtPriData")));
        }
        QVERIFY(h.find(QStringLiteral("cmdMemo"))->toolTip().contains(QStringLiteral("Alt+7")));
        const auto ctrlS = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier); };

        h.click(QStringLiteral("cmdJikan")); // 入力: the measurement
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("68.8"));
        ctrlS();
        QVERIFY(TestFiles::lines(h.path(), FileName::data1).value(2).contains(QStringLiteral(",68.8,")));
        h.click(QStringLiteral("cmdMemo")); // 一言日記: the memo while it has the focus, else the comment
        h.find(QStringLiteral("txtKizuki"))->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("memo"));
        ctrlS();
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), QStringLiteral("memo\r\n"));
        clickCell(h.find<Grid>(QStringLiteral("msgMemoList")), 2, 7);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("note"));
        ctrlS();
        QVERIFY(TestFiles::lines(h.path(), FileName::data1)[1].contains(QStringLiteral("\"note\"")));
        h.click(QStringLiteral("cmdSettei")); // 編集: the profile
        h.find<QLineEdit>(QStringLiteral("txtSincyou"))->setText(QStringLiteral("171"));
        h.dialogs.clear();
        ctrlS();
        QCOMPARE(h.dialogs.titles(), QStringList{QStringLiteral("保存終了")});
        h.click(QStringLiteral("cmdAvgtai")); // 比較 saves nothing
        ctrlS();
        QCOMPARE(h.dialogs.shown.size(), 1);
    }

    // A refused input puts the focus on the box that failed, its text selected, so that the user
    // sees which one it was; nothing is written.
    void refusedInputFocusesTheBox_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("steps"); // "box=text", "click:button" or "enter:box"
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char *name, const char *screen, std::initializer_list<const char *> steps, const char *title,
                            const char *focus) {
            QStringList list;
            for (const char *step : steps)
                list << QString::fromUtf8(step);
            QTest::newRow(name) << QString::fromLatin1(screen) << list << QString::fromUtf8(title) << QString::fromLatin1(focus);
        };
        row("no situation", "cmdMain", {"txtTaiInp=65", "txtShiInp=20", "click:cmdTaiHozon"}, "行動未入力", "lstAct");
        row("weight", "cmdMain", {"click:cmdJikan", "txtTaiInp=6x5", "click:cmdTaiHozon"}, "数値以外入力", "txtTaiInp");
        row("body fat", "cmdMain", {"click:cmdJikan", "txtShiInp=2O.5", "click:cmdTaiHozon"}, "数値以外入力", "txtShiInp");
        row("weight step", "cmdSettei", {"txtKizami=abc", "enter:txtKizami"}, "体重の刻み", "txtKizami");
        row("body-fat step 0", "cmdSettei", {"txtKizami2=0", "enter:txtKizami2"}, "体脂肪率の刻み", "txtKizami2");
        row("negative height", "cmdSettei", {"txtSincyou=-5", "click:cmdPHozon1"}, "身長入力誤り", "txtSincyou");
        row("registration", "cmdSettei",
            {"click:cmdNew1", "txtPriData1=ぽむ", "txtSincyou1=0", "txtMokuTai1=60", "txtNowTai=70", "txtNowShi=25", "click:cmdStHozon"},
            "身長入力誤り", "txtSincyou1");
        row("period", "cmdTaijyu", {"cboStdate=2026/11/31", "click:cmdKikanF"}, "期間指定", "cboStdate");
    }
    void refusedInputFocusesTheBox()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, steps);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.startActive();
        const auto files = [&] {
            return TestFiles::bytes(h.path(), FileName::data1) + TestFiles::bytes(h.path(), FileName::profile1)
                   + TestFiles::bytes(h.path(), FileName::scaleSteps);
        };
        const QByteArray before = files();
        h.click(screen);
        for (const QString &step : steps) {
            const QString name = step.section(QRegularExpression(QStringLiteral("[=:]")), 0, 0);
            const QString arg = step.section(QRegularExpression(QStringLiteral("[=:]")), 1);
            if (name == QLatin1String("click"))
                h.click(arg);
            else if (name == QLatin1String("enter"))
                QTest::keyClick(h.find(arg), Qt::Key_Return);
            else if (auto *combo = h.window->findChild<QComboBox *>(name))
                combo->setEditText(arg);
            else
                h.find<QLineEdit>(name)->setText(arg);
        }
        QCOMPARE(h.dialogs.shown.last().title, title);
        QWidget *box = h.find(focus);
        QCOMPARE(QApplication::focusWidget(), box);
        auto *combo = qobject_cast<QComboBox *>(box);
        if (auto *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(box))
            QCOMPARE(edit->selectedText(), edit->text()); // the whole text selected
        QCOMPARE(files(), before);
    }

    // The help opens at the section of the screen shown; 目次へ goes back to its start.
    void helpOpensAtTheScreenShown_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::newRow("比較") << QStringLiteral("cmdAvgtai") << QStringLiteral("比較");
        QTest::newRow("範囲指定") << QStringLiteral("cmdTaijyu") << QStringLiteral("範囲指定");
        QTest::newRow("編集") << QStringLiteral("cmdSettei") << QStringLiteral("編集");
    }
    void helpOpensAtTheScreenShown()
    {
        QFETCH(QString, button);
        QFETCH(QString, heading);
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.start();
        h.click(button);
        h.click(QStringLiteral("cmdHelp"));
        auto *browser = h.find<QTextBrowser>(QStringLiteral("helpBrowser"));
        QCOMPARE(browser->cursorForPosition(QPoint(4, 4)).block().text(), heading); // the first line in view
        h.click(QStringLiteral("helpHome"));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
    }

    void closingTheWindowClosesTheHelp()
    {
        MainWindowHarness h;
        writeUsualCouple(h);
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdHelp"));
        QVERIFY(h.find(QStringLiteral("helpViewer"))->isVisible());
        h.window->close();
        QVERIFY(!h.find(QStringLiteral("helpViewer"))->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
