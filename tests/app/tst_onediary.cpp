// SPDX-License-Identifier: GPL-3.0-or-later
// One diary for every screen: whatever a screen writes (or another program), every other screen
// shows as a fresh start of the program would, and a correction afterwards is not refused.
#include "support/MainWindowHarness.h"

#include "screens/entry/EntryController.h"
#include "screens/entry/RecordEditDialog.h"
#include "ui/Chart.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QStringList kLines1 = {line(QStringLiteral("2026/12/01"), 70.0), line(QStringLiteral("2026/12/05"), 69.5),
                             line(QStringLiteral("2026/12/07"), 69.0), line(QStringLiteral("2026/12/07"), 68.8, 25, QStringLiteral("夕食後"))};
const QStringList kLines2 = {line(QStringLiteral("2026/12/03"), 55.0), line(QStringLiteral("2026/12/07"), 54.5)};

void startCouple(MainWindowHarness &h)
{
    h.writeCouple(kLines1, kLines2);
    h.setHelpTour(0);
    h.start();
}

// Everything a screen shows of the diaries: its lists, labels and graphs, the caption and the
// partner buttons. Two windows that show the same state give the same text.
QString shown(const MainWindowHarness &h, const QString &panelName)
{
    QStringList out{h.window->windowTitle(), h.find<QPushButton>(u"cmdUser1"_s)->text(), h.find<QPushButton>(u"cmdUser2"_s)->text()};
    QWidget *panel = h.find(panelName);
    for (const Grid *grid : panel->findChildren<Grid *>()) {
        for (int r = 0; r < grid->rows(); ++r) {
            for (int c = 0; c < grid->cols(); ++c)
                out << grid->textMatrix(r, c);
        }
    }
    for (const QLabel *label : panel->findChildren<QLabel *>())
        out << label->text();
    for (const Chart *chart : panel->findChildren<Chart *>()) {
        for (int r = 1; r <= chart->rowCount(); ++r) {
            for (int c = 1; c <= chart->columnCount(); ++c)
                out << QString::number(chart->value(r, c).value_or(-1));
        }
    }
    return out.join(u'|');
}

// A user's steps, one a word: "cmd…" clicks that button; "box=text" types into that box, or
// clicks that item of a list; "msg…=row,col" clicks that cell of a grid; "day=yyyy/MM/dd" picks
// the entry screen's day; "answer=yes|ok" answers the next box, "correct=weight" the correction
// dialog, "file=name" the file dialog, with a scale's CSV file there.
void act(MainWindowHarness &h, const QString &steps)
{
    auto *entry = h.window->findChild<EntryController *>();
    for (const QString &step : steps.split(u' ')) {
        const QString name = step.section(u'=', 0, 0);
        const QString value = step.section(u'=', 1);
        if (name.startsWith(u"cmd")) {
            h.click(name);
        } else if (name.startsWith(u"msg")) {
            Grid *grid = h.find<Grid>(name);
            const QModelIndex cell = grid->model()->index(value.section(u',', 0, 0).toInt(), value.section(u',', 1).toInt());
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        } else if (name == u"day") {
            entry->setSelectedDay(QDate::fromString(value, u"yyyy/MM/dd"));
            entry->mtvmain_DateClick();
        } else if (name == u"answer") {
            h.dialogs.answers = {value == u"yes" ? MessageAnswer::Yes : MessageAnswer::Ok};
        } else if (name == u"correct") { // the dialog runs modally: answered once it is up
            QTimer::singleShot(0, [value] {
                auto *dialog = qobject_cast<RecordEditDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    qFatal("the correction dialog is not shown");
                dialog->txtShuseiTai->setText(value);
                dialog->cmdShuseiOk->click();
            });
        } else if (name == u"file") {
            TestFiles::write(h.path(), value, QStringLiteral("DATE,WEIGHT,BODY_FAT\n2026-12-06,66.6,24\n"));
            h.dialogs.fileAnswers = {h.dir.filePath(value)};
        } else if (auto *list = h.window->findChild<QListWidget *>(name)) {
            QListWidgetItem *item = list->findItems(value, Qt::MatchExactly).value(0);
            list->setCurrentItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        } else if (auto *text = h.window->findChild<QPlainTextEdit *>(name)) {
            text->setPlainText(value);
        } else {
            h.find<QLineEdit>(name)->setText(value);
        }
    }
}

} // namespace

class OneDiaryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each writer changes the data through the window as a user would.
    void everyScreenShowsEveryWrite_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("save") << u"cmdMain lstAct=起床後 txtTaiInp=66.6 cmdTaiHozon day=2026/12/07"_s;
        QTest::newRow("insert") << u"cmdMain day=2026/12/02 lstAct=起床後 txtTaiInp=66.6 cmdTaiHozon day=2026/12/07"_s;
        QTest::newRow("correct") << u"cmdMain msgDayList=0,1 correct=66.6 cmdShusei"_s;
        QTest::newRow("delete") << u"cmdMain msgDayList=0,1 answer=yes cmdSakujo"_s;
        QTest::newRow("comment") << u"cmdMemo msgMemoList=2,7 txtMemo=散歩した cmdMemoHozon"_s;
        QTest::newRow("memo") << u"cmdMemo txtKizuki=野菜から食べる cmdKizukiHozon"_s;
        QTest::newRow("rename") << u"cmdSettei lstKoumoku=朝食後 txtChg=あさごはん後 answer=ok cmdChg"_s;
        QTest::newRow("profile") << u"cmdSettei txtPriData=ぽむぽむ txtSincyou=180 txtMokuTai=62 cmdPHozon1"_s;
        QTest::newRow("import") << u"cmdSettei file=in.csv answer=ok cmdCsvIn"_s;
        QTest::newRow("registration")
            << u"cmdSettei cmdNew1 txtPriData1=しん txtSincyou1=165 txtMokuTai1=60 txtNowTai=66.6 txtNowShi=22 answer=ok cmdStHozon"_s;
    }
    void everyScreenShowsEveryWrite()
    {
        QFETCH(QString, steps);
        const std::pair<QString, QString> viewers[] = {{u"cmdMain"_s, u"fraMain"_s}, {u"cmdAvgtai"_s, u"fraAvgTai"_s}, {u"cmdTaijyu"_s, u"fraTaijyu"_s},
                                                       {u"cmdRentai"_s, u"fraRenTai"_s}, {u"cmdBunseki"_s, u"fraBunseki"_s},
                                                       {u"cmdCale"_s, u"fraCale"_s}, {u"cmdMemo"_s, u"fraMemo"_s}};
        MainWindowHarness h;
        startCouple(h);
        // Every screen has been built before the change, and is hidden while it is made.
        for (const auto &[button, panel] : viewers)
            h.click(button);
        const auto files = [&] {
            QByteArray all;
            for (const QString &name : {FileName::data1, FileName::profile1, FileName::memo})
                all += TestFiles::bytes(h.path(), name) + '|';
            return all;
        };
        const QByteArray before = files();
        act(h, steps);
        QVERIFY(files() != before);

        MainWindowHarness fresh;
        fresh.folder = h.path();
        fresh.start();
        for (const auto &[button, panel] : viewers) {
            h.click(button);
            fresh.click(button);
            QVERIFY2(shown(h, panel) == shown(fresh, panel), qPrintable(panel));
        }

        // And the entry screen corrects a record of the changed file without a word against it.
        h.dialogs.clear();
        act(h, u"cmdMain msgDayList=0,1 correct=60.1 cmdShusei"_s);
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.dialogs.shown.value(0).text));
        QVERIFY(TestFiles::text(h.path(), FileName::data1).contains(QStringLiteral(",60.1,")));
    }

    // Another program appends to, replaces or cuts the data file while a screen is shown: within
    // two seconds the screen shows the file as it is; what was typed and not saved stays.
    void changesFromAnotherProgramShowWhileShown_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("partner1Rows");
        QTest::addColumn<bool>("told"); // the file is said to be unreadable, once
        const QString appended = QStringLiteral("printf '\"2026/12/07\",\"walk\",68.1,\"\",25,\"\"\\r\\n' >> \"$1\"");
        const QString replaced = QStringLiteral("printf '\"2026/12/07\",\"walk\",68.1,\"\",25,\"\"\\r\\n' > \"$1.new\" && mv \"$1.new\" \"$1\"");
        const QString cut = QStringLiteral("truncate -s $(head -n 3 \"$1\" | wc -c) \"$1\"");
        for (const char *screen : {"cmdMain", "cmdAvgtai"}) {
            QTest::addRow("%s, appended", screen) << QString::fromLatin1(screen) << appended << 5 << false;
            QTest::addRow("%s, replaced", screen) << QString::fromLatin1(screen) << replaced << 1 << false;
            QTest::addRow("%s, cut", screen) << QString::fromLatin1(screen) << cut << 3 << false;
            QTest::addRow("%s, removed", screen) << QString::fromLatin1(screen) << QStringLiteral("rm \"$1\"") << 0 << true;
        }
    }
    void changesFromAnotherProgramShowWhileShown()
    {
        QFETCH(QString, screen);
        QFETCH(QString, command);
        QFETCH(int, partner1Rows);
        QFETCH(bool, told);
        MainWindowHarness h;
        startCouple(h);
        h.click(screen);
        auto *typed = h.find<QLineEdit>(QStringLiteral("txtTaiInp"));
        typed->setText(QStringLiteral("67.3"));
        const QString panel = screen == u"cmdMain" ? u"fraMain"_s : u"fraAvgTai"_s;
        const QString before = shown(h, panel);
        QCOMPARE(QProcess::execute(u"/bin/sh"_s, {u"-c"_s, command, u"sh"_s, h.dir.filePath(FileName::data1)}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(h.window->session().recordCount(), partner1Rows, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(shown(h, panel) != before, 2000);
        QCOMPARE(typed->text(), QStringLiteral("67.3"));
        // Said once, and not on the next look at the folder either; nothing is written to it.
        h.window->activateWindow();
        h.click(QStringLiteral("cmdMemo"));
        QCOMPARE(h.dialogs.titles().count(QStringLiteral("読み込めないファイル")), told ? 1 : 0);
        QCOMPARE(QFile::exists(h.dir.filePath(FileName::data1)), !told);
        if (screen == u"cmdMain")
            QCOMPARE(h.find<Grid>(QStringLiteral("msgDayList"))->rows() - 1, partner1Rows == 5 ? 3 : partner1Rows == 0 ? 0 : 1);
    }
};

QTEST_MAIN(OneDiaryTest)
#include "tst_onediary.moc"
