// The comment diary and the free memo: the list with its marks, choosing a row, saving a comment
// (only its field changes; refused texts and a changed file write nothing) and saving the memo.
#include "screens/diary/CommentList.h"
#include "screens/diary/DiaryController.h"
#include "store/SafeSave.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"
#include "ui/Grid.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QStringList kLines = {
    line(QStringLiteral("2003/11/08"), 65.0, 21, QStringLiteral("朝"), QStringLiteral("はじめ")),
    QStringLiteral("これは記録ではない"),
    line(QStringLiteral("2003/11/08"), 65.5, 21.5, QStringLiteral("夜")),
    QStringLiteral("\"2003/11/09\",\"朝\",65.50,\"残す\",21.0,\"\""),
};

struct Diary : ScreenHarness<DiaryController> {
    Diary()
    {
        state.currentDataFile = FileName::data1;
        write(FileName::data1, kLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        controller->prepareAfterHiding();
    }
    Grid *list() { return find<Grid>(QStringLiteral("msgMemoList")); }
    QLineEdit *box() { return find<QLineEdit>(QStringLiteral("txtMemo")); }
    QByteArray data() { return TestFiles::bytes(path(), FileName::data1); }
    void enter(const QString &text)
    {
        box()->setText(text);
        QTest::keyClick(box(), Qt::Key_Return);
    }
};
} // namespace

class TestDiary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void differencesAndMarks()
    {
        CommentRows rows;
        rows.restart();
        QStringList got;
        QList<uint> colours;
        for (float weight : {65.0f, 65.5f, 65.5f, 64.8f}) {
            const CommentRow r = rows.next({QStringLiteral("2003/11/08"), QString(), weight, QString(), weight - 45, QString()});
            got << r.number + u' ' + r.weight + u' ' + r.difference + u' ' + r.mark.text + u' ' + r.bodyFat;
            colours << r.mark.colour;
        }
        QCOMPARE(got, (QStringList{QStringLiteral("1 65 0.0 → 20"), QStringLiteral("2 65.5 0.5 ↑ 20.5"),
                                   QStringLiteral("3 65.5 0.0 → 20.5"), QStringLiteral("4 64.8 -0.7 ↓ 19.8")}));
        QCOMPARE(colours, (QList<uint>{12648447u, 12632319u, 12648447u, 12648384u}));
    }

    void enterBeforeARowIsChosenChangesNothing()
    {
        Diary h;
        const QByteArray before = h.data();
        QVERIFY(!h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
        h.enter(QStringLiteral("なにか"));
        QTest::mouseClick(h.find<QPushButton>(QStringLiteral("cmdMemoHozon")), Qt::LeftButton);
        Q_EMIT h.list()->cellClicked(0, 7); // the heading row is no measurement
        h.enter(QStringLiteral("なにか"));
        QVERIFY(!h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
        QCOMPARE(h.data(), before);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void commentSaveChangesOnlyThatField()
    {
        Diary h;
        QCOMPARE(h.list()->rows(), 4);
        Q_EMIT h.list()->cellClicked(2, 1);
        QCOMPARE(h.list()->col(), 7);
        QVERIFY(h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
        h.enter(QStringLiteral("食べ過ぎ、反省"));
        QStringList expected = kLines;
        expected[2] = line(QStringLiteral("2003/11/08"), 65.5, 21.5, QStringLiteral("夜"), QStringLiteral("食べ過ぎ、反省"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), expected);
        QCOMPARE(h.list()->textMatrix(2, 7), QStringLiteral("食べ過ぎ、反省"));
        // The same row again, emptied; the row whose line is not in the stored form keeps it.
        h.enter(QString());
        Q_EMIT h.list()->cellClicked(3, 7);
        QCOMPARE(h.box()->text(), QStringLiteral("残す"));
        h.enter(QStringLiteral("残した"));
        expected[2] = line(QStringLiteral("2003/11/08"), 65.5, 21.5, QStringLiteral("夜"));
        expected[3] = QStringLiteral("\"2003/11/09\",\"朝\",65.50,\"残した\",21.0,\"\"");
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), expected);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void refusedTextsStayInTheBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("double quote") << QStringLiteral("5\"cm") << QStringLiteral("ダブルクォーテーション");
        QTest::newRow("outside the code page") << QStringLiteral("🍰") << QStringLiteral("「🍰」");
    }
    void refusedTextsStayInTheBox()
    {
        QFETCH(QString, text);
        Diary h;
        const QByteArray before = h.data();
        Q_EMIT h.list()->cellClicked(1, 7);
        h.enter(text);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QFETCH(QString, named);
        QVERIFY(h.dialogs.shown[0].text.contains(named));
        QCOMPARE(h.box()->text(), text);
        QCOMPARE(h.data(), before);
    }

    void changedFileIsRefusedAndReread()
    {
        Diary h;
        Q_EMIT h.list()->cellClicked(3, 7);
        QStringList changed = kLines;
        changed.insert(0, line(QStringLiteral("2003/11/07"), 66));
        h.write(FileName::data1, changed.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        const QByteArray before = h.data();
        h.enter(QStringLiteral("上書き"));
        QCOMPARE(h.data(), before);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.list()->rows(), 5);
        QVERIFY(!h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
    }

    void failedWriteIsReported()
    {
        Diary h;
        const QByteArray before = h.data();
        Q_EMIT h.list()->cellClicked(1, 7);
        SafeSave::injectFault({3, false});
        h.enter(QStringLiteral("新"));
        QCOMPARE(h.shell.failures.size(), 1);
        QCOMPARE(h.data(), before);
        QCOMPARE(h.list()->textMatrix(1, 7), QStringLiteral("はじめ"));
    }

    void memo()
    {
        Diary h;
        auto *memo = h.find<QPlainTextEdit>(QStringLiteral("txtKizuki"));
        auto *save = h.find<QPushButton>(QStringLiteral("cmdKizukiHozon"));
        memo->setPlainText(QStringLiteral("一行目\n\"引用\"\n"));
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), QStringLiteral("一行目\r\n\"引用\"\r\n\r\n"));
        h.controller->LoadMemo();
        QCOMPARE(memo->toPlainText(), QStringLiteral("一行目\n\"引用\"\n"));
        memo->setPlainText(QStringLiteral("絵文字😀"));
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY(h.dialogs.shown[0].text.contains(QStringLiteral("😀")));
        QCOMPARE(memo->toPlainText(), QStringLiteral("絵文字😀"));
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), QStringLiteral("一行目\r\n\"引用\"\r\n\r\n"));
    }

    // Through the window: the button, and the partner switch that rebuilds the list.
    void inTheWindow()
    {
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 65)}, {line(QStringLiteral("2026/12/01"), 55), line(QStringLiteral("2026/12/02"), 54)});
        h.setHelpTour(0);
        h.start();
        h.click(QStringLiteral("cmdMemo"));
        QVERIFY(h.visible(QStringLiteral("fraMemo")));
        auto *list = h.find<Grid>(QStringLiteral("msgMemoList"));
        list->setCurrentCell(1, 0);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
        h.click(QStringLiteral("cmdUser2"));
        QVERIFY(h.visible(QStringLiteral("fraMemo")));
        QCOMPARE(list->rows(), 3);
        QCOMPARE(list->textMatrix(2, 4), QStringLiteral("-1.0"));
        QVERIFY(!h.find(QStringLiteral("cmdMemoHozon"))->isEnabled());
    }
};

QTEST_MAIN(TestDiary)
#include "tst_diary.moc"
