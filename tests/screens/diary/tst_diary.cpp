// SPDX-License-Identifier: GPL-3.0-or-later
// The comment diary and the free memo: the list with its marks, choosing a row, saving a comment
// (only its field changes; refused texts and a changed file write nothing) and saving the memo.
#include "screens/diary/DiaryController.h"
#include "store/SafeSave.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"
#include "ui/Grid.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// A line that is no record, and one whose numbers are not in the stored form.
const QStringList kLines = {line(u"2003/11/08"_s, 65.0, 21, u"朝"_s, u"はじめ"_s), u"これは記録ではない"_s,
                            line(u"2003/11/08"_s, 65.5, 21.5, u"夜"_s), u"\"2003/11/09\",\"朝\",65.50,\"残す\",21.0,\"\""_s};

struct Diary : ScreenHarness<DiaryController> {
    Diary()
    {
        write(FileName::data1, kLines.join(u"\r\n"_s) + u"\r\n"_s);
        controller->prepareAfterHiding();
    }
    Grid *list() { return find<Grid>(u"msgMemoList"_s); }
    QLineEdit *box() { return find<QLineEdit>(u"txtMemo"_s); }
    bool saveEnabled() { return find(u"cmdMemoHozon"_s)->isEnabled(); }
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
        QList<Measurement> records;
        for (float weight : {65.0f, 65.5f, 65.5f, 64.8f})
            records.append({u"2003/11/08"_s, QString(), weight, QString(), weight - 45, QString()});
        QStringList got;
        QList<uint> colours;
        for (qsizetype i = 0; i < records.size(); ++i) {
            QStringList texts;
            for (int column : {CommentList::Number, CommentList::Weight, CommentList::Difference, CommentList::Mark, CommentList::BodyFat})
                texts << CommentList::text(records, i, column);
            got << texts.join(u' ');
            colours << CommentList::markColour(records, i);
        }
        QCOMPARE(got, (QStringList{u"1 65 0.0 → 20"_s, u"2 65.5 0.5 ↑ 20.5"_s, u"3 65.5 0.0 → 20.5"_s, u"4 64.8 -0.7 ↓ 19.8"_s}));
        QCOMPARE(colours, (QList<uint>{12648447u, 12632319u, 12648447u, 12648384u}));
    }

    void enterBeforeARowIsChosenChangesNothing()
    {
        Diary h;
        const QByteArray before = h.data();
        h.enter(u"なにか"_s);
        QTest::mouseClick(h.find<QPushButton>(u"cmdMemoHozon"_s), Qt::LeftButton);
        Q_EMIT h.list()->cellClicked(0, 7); // the heading row is no measurement
        h.enter(u"なにか"_s);
        QVERIFY(!h.saveEnabled());
        QCOMPARE(h.data(), before);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void commentSaveChangesOnlyThatField()
    {
        Diary h;
        QCOMPARE(h.list()->rows(), 4);
        Q_EMIT h.list()->cellClicked(2, 1);
        QCOMPARE(h.list()->col(), 7);
        QVERIFY(h.saveEnabled());
        h.enter(u"食べ過ぎ、反省"_s);
        QStringList expected = kLines;
        expected[2] = line(u"2003/11/08"_s, 65.5, 21.5, u"夜"_s, u"食べ過ぎ、反省"_s);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), expected);
        QCOMPARE(h.list()->textMatrix(2, 7), u"食べ過ぎ、反省"_s);
        // The same row again, emptied; then the row whose line keeps its own number forms.
        h.enter(QString());
        Q_EMIT h.list()->cellClicked(3, 7);
        QCOMPARE(h.box()->text(), u"残す"_s);
        h.enter(u"残した"_s);
        expected[2] = line(u"2003/11/08"_s, 65.5, 21.5, u"夜"_s);
        expected[3] = u"\"2003/11/09\",\"朝\",65.50,\"残した\",21.0,\"\""_s;
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), expected);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    void refusedAndFailedSavesKeepTheFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("failAfterBytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("double quote") << u"5\"cm"_s << -1 << u"ダブルクォーテーション"_s;
        QTest::newRow("outside the code page") << u"🍰"_s << -1 << u"「🍰」（U+1F370）"_s;
        QTest::newRow("escape sequence") << u"\x1B[2J"_s << -1 << u"「<U+001B>[2J」のU+001B"_s;
        QTest::newRow("write fails") << u"新"_s << 3 << u"一言日記保存|"_s;
    }
    void refusedAndFailedSavesKeepTheFile()
    {
        QFETCH(QString, text);
        QFETCH(int, failAfterBytes);
        QFETCH(QString, message);
        Diary h;
        const QByteArray before = h.data();
        Q_EMIT h.list()->cellClicked(1, 7);
        const auto armed = SafeSave::injectFault({failAfterBytes, false});
        h.enter(text);
        QStringList shown = h.shell.failures; // one box in all: a refusal or the store's failure
        for (const Message &box : h.dialogs.shown)
            shown << box.text;
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(message), qPrintable(shown[0]));
        QCOMPARE(h.box()->text(), text);
        QCOMPARE(h.list()->textMatrix(1, 7), u"はじめ"_s);
        QCOMPARE(h.data(), before);
    }

    void changedFileIsRefusedAndReread()
    {
        Diary h;
        Q_EMIT h.list()->cellClicked(3, 7);
        h.write(FileName::data1, (QStringList{line(u"2003/11/07"_s, 66)} + kLines).join(u"\r\n"_s) + u"\r\n"_s);
        const QByteArray before = h.data();
        h.enter(u"上書き"_s);
        QCOMPARE(h.data(), before);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.list()->rows(), 5);
        QVERIFY(!h.saveEnabled());
    }

    void memo()
    {
        Diary h;
        auto *memo = h.find<QPlainTextEdit>(u"txtKizuki"_s);
        auto *save = h.find<QPushButton>(u"cmdKizukiHozon"_s);
        memo->setPlainText(u"一行目\n\"引用\"\n"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);
        const QString saved = u"一行目\r\n\"引用\"\r\n\r\n"_s;
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), saved);
        h.controller->LoadMemo();
        QCOMPARE(memo->toPlainText(), u"一行目\n\"引用\"\n"_s);
        memo->setPlainText(u"絵文字😀"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY(h.dialogs.shown[0].text.contains(u"😀"_s));
        QCOMPARE(memo->toPlainText(), u"絵文字😀"_s);
        QCOMPARE(TestFiles::text(h.path(), FileName::memo), saved);
    }

    // Through the window: the button, Enter on a row, and the partner switch that rebuilds the list.
    void inTheWindow()
    {
        MainWindowHarness h;
        h.writeCouple({line(u"2026/12/01"_s, 65)}, {line(u"2026/12/01"_s, 55), line(u"2026/12/02"_s, 54)});
        h.setHelpTour(0);
        h.start();
        h.click(u"cmdMemo"_s);
        auto *list = h.find<Grid>(u"msgMemoList"_s);
        list->setCurrentCell(1, 0);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(h.find(u"cmdMemoHozon"_s)->isEnabled());
        h.click(u"cmdUser2"_s);
        QVERIFY(h.visible(u"fraMemo"_s));
        QCOMPARE(list->textMatrix(2, 4), u"-1.0"_s);
        QVERIFY(!h.find(u"cmdMemoHozon"_s)->isEnabled());
    }
};

QTEST_MAIN(TestDiary)
#include "tst_diary.moc"
