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

// Runs `work` on the correction dialog once it is up (it runs modally).
void whenCorrectionShows(const QString &weight)
{
    QTimer::singleShot(0, [weight] {
        auto *dialog = qobject_cast<RecordEditDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the correction dialog is not shown");
        dialog->txtShuseiTai->setText(weight);
        dialog->cmdShuseiOk->click();
    });
}

void selectFirstDayRow(MainWindowHarness &h)
{
    Grid *list = h.find<Grid>(QStringLiteral("msgDayList"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 1)).center());
}

// Everything a screen shows of the diaries: its lists, labels and graphs, the caption and the
// partner buttons. Two windows that show the same state give the same text.
QString shown(const MainWindowHarness &h, const QString &panelName)
{
    QStringList out{h.window->windowTitle(), h.find<QPushButton>(QStringLiteral("cmdUser1"))->text(),
                    h.find<QPushButton>(QStringLiteral("cmdUser2"))->text()};
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

// Each writer changes the data through the window as a user would.
void write(MainWindowHarness &h, const QString &writer)
{
    auto *entry = h.window->findChild<EntryController *>();
    if (writer == u"save" || writer == u"insert") {
        h.click(QStringLiteral("cmdMain"));
        if (writer == u"insert") {
            entry->setSelectedDay(QDate(2026, 12, 2));
            entry->mtvmain_DateClick();
        }
        auto *situations = h.find<QListWidget>(QStringLiteral("lstAct"));
        situations->setCurrentRow(0);
        entry->lstAct_Click();
        h.find<QLineEdit>(QStringLiteral("txtTaiInp"))->setText(QStringLiteral("66.6"));
        h.click(QStringLiteral("cmdTaiHozon"));
        entry->setSelectedDay(QDate(2026, 12, 7));
        entry->mtvmain_DateClick();
    } else if (writer == u"correct" || writer == u"delete") {
        h.click(QStringLiteral("cmdMain"));
        selectFirstDayRow(h);
        if (writer == u"correct")
            whenCorrectionShows(QStringLiteral("66.6"));
        else
            h.dialogs.answers = {MessageAnswer::Yes};
        h.click(writer == u"correct" ? QStringLiteral("cmdShusei") : QStringLiteral("cmdSakujo"));
    } else if (writer == u"comment") {
        h.click(QStringLiteral("cmdMemo"));
        Grid *list = h.find<Grid>(QStringLiteral("msgMemoList"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 7)).center());
        h.find<QLineEdit>(QStringLiteral("txtMemo"))->setText(QStringLiteral("散歩した"));
        h.click(QStringLiteral("cmdMemoHozon"));
    } else if (writer == u"memo") {
        h.click(QStringLiteral("cmdMemo"));
        h.find<QPlainTextEdit>(QStringLiteral("txtKizuki"))->setPlainText(QStringLiteral("野菜から食べる"));
        h.click(QStringLiteral("cmdKizukiHozon"));
    } else if (writer == u"rename") {
        h.click(QStringLiteral("cmdSettei"));
        auto *list = h.find<QListWidget>(QStringLiteral("lstKoumoku"));
        list->setCurrentItem(list->findItems(QStringLiteral("朝食後"), Qt::MatchExactly).value(0));
        h.find<QLineEdit>(QStringLiteral("txtChg"))->setText(QStringLiteral("あさごはん後"));
        h.dialogs.answers = {MessageAnswer::Ok};
        h.click(QStringLiteral("cmdChg"));
    } else if (writer == u"profile") {
        h.click(QStringLiteral("cmdSettei"));
        h.find<QLineEdit>(QStringLiteral("txtPriData"))->setText(QStringLiteral("ぽむぽむ"));
        h.find<QLineEdit>(QStringLiteral("txtSincyou"))->setText(QStringLiteral("180"));
        h.find<QLineEdit>(QStringLiteral("txtMokuTai"))->setText(QStringLiteral("62"));
        h.click(QStringLiteral("cmdPHozon1"));
    } else if (writer == u"import") {
        const QString csv = h.dir.filePath(QStringLiteral("in.csv"));
        TestFiles::write(h.path(), QStringLiteral("in.csv"), QStringLiteral("DATE,WEIGHT,BODY_FAT\n2026-12-06,66.6,24\n"));
        h.click(QStringLiteral("cmdSettei"));
        h.dialogs.fileAnswers = {csv};
        h.dialogs.answers = {MessageAnswer::Ok};
        h.click(QStringLiteral("cmdCsvIn"));
    } else if (writer == u"registration") {
        h.click(QStringLiteral("cmdSettei"));
        h.click(QStringLiteral("cmdNew1"));
        const char *boxes[] = {"txtPriData1", "txtSincyou1", "txtMokuTai1", "txtNowTai", "txtNowShi"};
        const char *texts[] = {"しん", "165", "60", "66.6", "22"};
        for (int i = 0; i < 5; ++i)
            h.find<QLineEdit>(QString::fromLatin1(boxes[i]))->setText(QString::fromUtf8(texts[i]));
        h.dialogs.answers = {MessageAnswer::Ok};
        h.click(QStringLiteral("cmdStHozon"));
    } else {
        qFatal("no writer %s", qPrintable(writer));
    }
}

} // namespace

class OneDiaryTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyScreenShowsEveryWrite_data()
    {
        QTest::addColumn<QString>("writer");
        for (const char *writer : {"save", "insert", "correct", "delete", "comment", "memo", "rename", "profile", "import", "registration"})
            QTest::newRow(writer) << QString::fromLatin1(writer);
    }
    void everyScreenShowsEveryWrite()
    {
        QFETCH(QString, writer);
        const std::pair<QString, QString> viewers[] = {
            {QStringLiteral("cmdMain"), QStringLiteral("fraMain")},       {QStringLiteral("cmdAvgtai"), QStringLiteral("fraAvgTai")},
            {QStringLiteral("cmdTaijyu"), QStringLiteral("fraTaijyu")},   {QStringLiteral("cmdRentai"), QStringLiteral("fraRenTai")},
            {QStringLiteral("cmdBunseki"), QStringLiteral("fraBunseki")}, {QStringLiteral("cmdCale"), QStringLiteral("fraCale")},
            {QStringLiteral("cmdMemo"), QStringLiteral("fraMemo")}};
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
        write(h, writer);
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
        h.click(QStringLiteral("cmdMain"));
        selectFirstDayRow(h);
        whenCorrectionShows(QStringLiteral("60.1"));
        h.click(QStringLiteral("cmdShusei"));
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
        const QString before = shown(h, screen == u"cmdMain" ? QStringLiteral("fraMain") : QStringLiteral("fraAvgTai"));
        QCOMPARE(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command, QStringLiteral("sh"),
                                                                 h.dir.filePath(FileName::data1)}),
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(h.window->session().recordCount(), partner1Rows, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(shown(h, screen == u"cmdMain" ? QStringLiteral("fraMain") : QStringLiteral("fraAvgTai")) != before, 2000);
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
