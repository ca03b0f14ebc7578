// SPDX-License-Identifier: GPL-3.0-or-later
// Correcting or removing a measurement from the entry screen's day list: through the buttons,
// the context menu and the keys, with the question, the dialog's checks, a file changed on disk
// and a failed write, and the refresh of everything that reads the data.
#include "support/MainWindowHarness.h"

#include "screens/entry/RecordEditDialog.h"
#include "store/SafeSave.h"
#include "ui/Grid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QStringList kLines = {
    line(QStringLiteral("2026/12/01"), 70.0, 30.0, QStringLiteral("起床後")),
    line(QStringLiteral("2026/12/07"), 69.0, 29.0, QStringLiteral("起床後")),
    line(QStringLiteral("2026/12/07"), -5, 28.5, QStringLiteral("朝食後")),
    line(QStringLiteral("2026/12/07"), 68.6, 28.1, QStringLiteral("夕食後")),
};

struct CorrectionHarness : MainWindowHarness {
    void startOnEntry()
    {
        writeCouple(kLines, {line(QStringLiteral("2026/12/07"), 55.0)});
        setHelpTour(0);
        start();
        click(QStringLiteral("cmdMain"));
    }
    Grid *dayList() { return find<Grid>(QStringLiteral("msgDayList")); }
    QStringList data1() { return TestFiles::lines(path(), FileName::data1); }
    void selectRow(int row)
    {
        Grid *list = dayList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row - 1, 1)).center());
    }
    bool actionsEnabled()
    {
        const bool buttons = find<QPushButton>(QStringLiteral("cmdShusei"))->isEnabled();
        if (buttons != find<QPushButton>(QStringLiteral("cmdSakujo"))->isEnabled()
            || buttons != find<QAction>(QStringLiteral("actShusei"))->isEnabled())
            qFatal("the buttons and the menu disagree");
        return buttons;
    }
};

// Runs `work` on the correction dialog once it is up (it runs modally), then leaves it to close.
void whenDialogShows(std::function<void(RecordEditDialog *)> work)
{
    QTimer::singleShot(0, [work] {
        auto *dialog = qobject_cast<RecordEditDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the correction dialog is not shown");
        work(dialog);
        // A check that failed returned early; the test must not wait on the dialog for good.
        if (dialog->isVisible())
            dialog->reject();
    });
}

QString typed(const QString &text, RecordEditDialog *dialog, QLineEdit *box)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    return dialog->fields().weight;
}

} // namespace

class RecordCorrectionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void removeARow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("question");
        QTest::newRow("first of the day, button") << 1 << QStringLiteral("button") << QStringLiteral("1回目 起床後 69.0Kg を削除しますか？");
        QTest::newRow("middle, context menu") << 2 << QStringLiteral("menu") << QStringLiteral("2回目 朝食後 -5.0Kg を削除しますか？");
        QTest::newRow("last of day and file, Delete key") << 3 << QStringLiteral("key") << QStringLiteral("3回目 夕食後 68.6Kg を削除しますか？");
    }
    void removeARow()
    {
        QFETCH(int, row);
        QFETCH(QString, way);
        CorrectionHarness h;
        h.startOnEntry();
        QVERIFY(!h.actionsEnabled());
        QCOMPARE(h.dayList()->rows(), 4);
        h.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (way == QLatin1String("menu")) {
                Grid *list = h.dayList();
                const QPoint at = list->visualRect(list->model()->index(row - 1, 2)).center();
                Q_EMIT list->customContextMenuRequested(at);
                auto *menu = h.find<QMenu>(QStringLiteral("mnuDayList"));
                QVERIFY(menu->isVisible());
                QCOMPARE(list->selectedRow(), row);
                menu->hide();
                h.find<QAction>(QStringLiteral("actSakujo"))->trigger();
            } else {
                h.selectRow(row);
                QVERIFY(h.actionsEnabled());
                if (way == QLatin1String("key"))
                    QTest::keyClick(h.dayList(), Qt::Key_Delete);
                else
                    h.click(QStringLiteral("cmdSakujo"));
            }
            QCOMPARE(h.dialogs.shown.size(), attempt + 1);
            const Message asked = h.dialogs.shown.last();
            QFETCH(QString, question);
            QCOMPARE(asked.text, question);
            QVERIFY(asked.cautiousDefault);
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
            if (attempt == 0) // No: nothing changes
                QCOMPARE(h.data1(), kLines);
        }
        QStringList expected = kLines;
        expected.removeAt(row);
        QCOMPARE(h.data1(), expected);
        // The screen shows the file as it now is, with nothing selected.
        QCOMPARE(h.dayList()->rows(), 3);
        QVERIFY(!h.actionsEnabled());
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblUser1"))->text().toInt(), 2);
        // Comparison reads it afresh: three measurements in all.
        h.click(QStringLiteral("cmdAvgtai"));
        QVERIFY2(h.find<QLabel>(QStringLiteral("lblD1(1)"))->text().startsWith(u'3'), qPrintable(h.find<QLabel>(QStringLiteral("lblD1(1)"))->text()));
    }

    // The dialog: pre-filled, every check of a save, the dialog kept open on a refusal with the
    // typed text, Cancel changing nothing; only keys used.
    void correctARowWithTheKeyboard()
    {
        CorrectionHarness h;
        h.startOnEntry();
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        Grid *list = h.dayList();
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(list->selectedRow(), 0); // the focus alone chooses nothing to change
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->selectedRow(), 2);

        QStringList refusals;
        whenDialogShows([&](RecordEditDialog *d) {
            QCOMPARE(d->cboShuseiAct->currentText(), QStringLiteral("朝食後"));
            QCOMPARE(d->txtShuseiTai->text(), QStringLiteral("-5"));
            QCOMPARE(d->txtShuseiShi->text(), QStringLiteral("28.5"));
            QCOMPARE(d->focusWidget(), d->txtShuseiTai);
            typed(QStringLiteral("abc"), d, d->txtShuseiTai);
            QTest::keyClick(d->txtShuseiTai, Qt::Key_Return); // refused: stays open
            refusals = h.dialogs.titles();
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), d->txtShuseiTai);
            QCOMPARE(typed(QStringLiteral("65.2"), d, d->txtShuseiTai), QStringLiteral("65.2"));
            d->cboShuseiAct->setEditText(QStringLiteral("昼食後の散歩"));
            QTest::keyClick(d->txtShuseiShi, Qt::Key_Return);
        });
        QTest::keyClick(h.find<QPushButton>(QStringLiteral("cmdShusei")), Qt::Key_Return);
        QCOMPARE(refusals.size(), 1);
        QStringList expected = kLines;
        expected[2] = line(QStringLiteral("2026/12/07"), 65.2, 28.5, QStringLiteral("昼食後の散歩"));
        QCOMPARE(h.data1(), expected);
        QCOMPARE(h.dayList()->textMatrix(2, 2), QStringLiteral("65.2Kg"));
        QCOMPARE(h.window->focusWidget(), list);

        // Cancel, with the keyboard as well.
        h.selectRow(1);
        bool escaped = false;
        whenDialogShows([&](RecordEditDialog *d) {
            d->txtShuseiTai->setText(QStringLiteral("1"));
            QTest::keyClick(d, Qt::Key_Escape);
            escaped = !d->isVisible();
        });
        h.click(QStringLiteral("cmdShusei"));
        QVERIFY(escaped);
        QCOMPARE(h.data1(), expected);
    }

    void refusedChangesLeaveTheFile_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("changedOnDisk");
        QTest::newRow("delete, changed on disk") << true << true;
        QTest::newRow("correct, changed on disk") << false << true;
        QTest::newRow("delete, write fails") << true << false;
        QTest::newRow("correct, write fails") << false << false;
    }
    void refusedChangesLeaveTheFile()
    {
        QFETCH(bool, remove);
        QFETCH(bool, changedOnDisk);
        CorrectionHarness h;
        h.startOnEntry();
        h.selectRow(2);
        QStringList onDisk = kLines;
        if (changedOnDisk) { // another program added a line since the list was filled
            onDisk.insert(2, line(QStringLiteral("2026/12/07"), 68.8, 28.8, QStringLiteral("昼食後")));
            TestFiles::write(h.path(), FileName::data1, onDisk.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        }
        // Today's backup holds the file already (the start made it), so the rewrite is the one write.
        const auto armed = SafeSave::injectFault({changedOnDisk ? -1 : 8, false, 0});
        if (remove) {
            h.click(QStringLiteral("cmdSakujo"));
        } else {
            whenDialogShows([](RecordEditDialog *d) {
                d->txtShuseiTai->setText(QStringLiteral("65.2"));
                d->cmdShuseiOk->click();
            });
            h.click(QStringLiteral("cmdShusei"));
        }
        QCOMPARE(h.data1(), onDisk);
        const Message said = h.dialogs.shown.last();
        QCOMPARE(said.title, remove ? QStringLiteral("削除できません") : QStringLiteral("修正できません"));
        QVERIFY2(said.text.contains(FileName::data1), qPrintable(said.text));
        // A changed file is listed again as it now is; after a failed write the list stays.
        QCOMPARE(h.dayList()->rows(), changedOnDisk ? 5 : 4);
        QCOMPARE(h.dayList()->textMatrix(2, 2), changedOnDisk ? QStringLiteral("68.8Kg") : QStringLiteral("-5.0Kg"));
    }
};

QTEST_MAIN(RecordCorrectionTest)
#include "tst_recordcorrection.moc"
