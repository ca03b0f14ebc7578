// SPDX-License-Identifier: GPL-3.0-or-later
// The situation-list and profile editors of the maintenance screen, in the whole window: the file
// and the three list boxes agree after every operation.
#include "support/MainWindowHarness.h"

#include "screens/maintenance/MaintenanceSituations.h"
#include "screens/shell/Session.h"
#include "store/SituationListFile.h"
#include "ui/Colors.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// "A|B" is the list A, B.
QStringList ls(const char16_t *entries)
{
    return QString::fromUtf16(entries).split(u'|');
}

const QStringList kData1 = {line(QStringLiteral("2026/01/01"), 80.0), line(QStringLiteral("2026/01/02"), 79.0, 25, QStringLiteral("朝食後２")),
                            line(QStringLiteral("2026/01/03"), 78.5)};
const QStringList kData2 = {line(QStringLiteral("2026/01/01"), 60.0)};

struct EditorHarness : MainWindowHarness {
    EditorHarness()
    {
        writeCouple(kData1, kData2);
        setHelpTour(0);
        write(FileName::situationList, QStringLiteral("\"A\"\r\n\"B\"\r\n\"朝食後\"\r\nD\r\n"));
        start();
        click(QStringLiteral("cmdSettei"));
        dialogs.clear();
    }
    QListWidget *list(const char *name) const { return find<QListWidget>(QString::fromLatin1(name)); }
    QStringList entries(const char *name) const
    {
        QStringList result;
        for (int i = 0; i < list(name)->count(); ++i)
            result << list(name)->item(i)->text();
        return result;
    }
    // All three list boxes and the file hold these entries.
    void expectEverywhere(const QStringList &expected) const
    {
        for (const char *name : {"lstAct", "lstAct2", "lstKoumoku"})
            QCOMPARE(entries(name), expected);
        QCOMPARE(ReadSituationList(DataFolder(path())), expected);
    }
    void drag(int from, int to)
    {
        QListWidget *l = list("lstKoumoku");
        QWidget *port = l->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, l->visualItemRect(l->item(from)).center());
        QTest::mouseMove(port, l->visualItemRect(l->item(to)).center());
        QTest::mouseRelease(port, Qt::LeftButton, {}, l->visualItemRect(l->item(to)).center());
    }
    quint32 sortColour() const { return window->findChild<MaintenanceSituations *>()->sortColour(); }
};
} // namespace

class MaintenanceEditorsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dragAddAndSaveOrder()
    {
        EditorHarness h;
        QVERIFY(!h.find(QStringLiteral("cmdSort"))->isEnabled());
        h.drag(1, 2); // onto the next entry: the order stays
        QCOMPARE(h.entries("lstKoumoku"), ls(u"A|B|朝食後|D"));
        QCOMPARE(h.sortColour(), Colour::buttonFace);
        QVERIFY(h.find(QStringLiteral("cmdSort"))->isEnabled());
        h.drag(3, 1); // D onto B
        QCOMPARE(h.entries("lstKoumoku"), ls(u"A|D|B|朝食後"));
        h.drag(1, 3); // D onto 朝食後, as B onto D: only the editor's list changes until it is saved
        QCOMPARE(h.entries("lstKoumoku"), ls(u"A|B|D|朝食後"));
        QCOMPARE(h.entries("lstAct"), ls(u"A|B|朝食後|D"));
        QCOMPARE(h.sortColour(), Colour::chosenToggle);
        h.dialogs.inputAnswers = {QStringLiteral("朝, 晩")};
        h.click(QStringLiteral("cmdNew2"));
        QCOMPARE(h.entries("lstAct"), ls(u"A|B|朝食後|D|朝, 晩"));
        h.click(QStringLiteral("cmdSort"));
        h.expectEverywhere(ls(u"A|B|D|朝食後|朝, 晩"));
        QCOMPARE(h.sortColour(), Colour::buttonFace);
        QCOMPARE(h.dialogs.titles(), QStringList{QStringLiteral("並び替え完了")});
    }

    void deleteAndDeleteAllLeaveMeasurementsAlone()
    {
        EditorHarness h;
        const QByteArray data1 = TestFiles::bytes(h.path(), FileName::data1);
        h.list("lstKoumoku")->setCurrentRow(2);
        h.dialogs.answers = {MessageAnswer::Cancel};
        h.click(QStringLiteral("cmdDel"));
        h.expectEverywhere(ls(u"A|B|朝食後|D"));
        h.click(QStringLiteral("cmdDel"));
        QCOMPARE(h.dialogs.shown[1].text, QStringLiteral("朝食後を削除します。よろしいですか？"));
        h.expectEverywhere(ls(u"A|B|D"));
        QVERIFY(!h.find(QStringLiteral("cmdDel"))->isEnabled());
        h.click(QStringLiteral("cmdDel2"));
        h.expectEverywhere({});
        QVERIFY(QFile::exists(h.dir.filePath(FileName::situationList)));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("状況リストを削除しました。\n\n任意の状況をあらためて登録してください。"));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), data1);
    }

    void refusedTextsWriteNothing()
    {
        EditorHarness h;
        const QByteArray list = TestFiles::bytes(h.path(), FileName::situationList);
        const QByteArray data1 = TestFiles::bytes(h.path(), FileName::data1);
        h.dialogs.inputAnswers = {QStringLiteral("朝\"晩"), QString()};
        h.click(QStringLiteral("cmdNew2"));
        h.click(QStringLiteral("cmdNew2"));
        h.list("lstKoumoku")->setCurrentRow(2);
        h.find<QLineEdit>(QStringLiteral("txtChg"))->setText(QStringLiteral("朝😀"));
        h.click(QStringLiteral("cmdChg"));
        h.find<QLineEdit>(QStringLiteral("txtChg"))->clear();
        h.click(QStringLiteral("cmdChg"));
        QCOMPARE(h.dialogs.shown.size(), 4);
        for (const Message &m : h.dialogs.shown)
            QCOMPARE(m.icon, MessageIcon::Exclamation);
        QVERIFY(h.dialogs.shown[0].text.contains(QStringLiteral("ダブルクォーテーション")));
        QVERIFY(h.dialogs.shown[2].text.contains(QStringLiteral("「😀」")));
        QCOMPARE(h.dialogs.shown[3].title, QStringLiteral("変更後コメント未入力"));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::situationList), list);
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), data1);
    }

    void renameChangesOnlyTheCurrentPartner()
    {
        EditorHarness h;
        h.click(QStringLiteral("cmdUser2"));
        h.list("lstKoumoku")->setCurrentRow(2);
        h.find<QLineEdit>(QStringLiteral("txtChg"))->setText(QStringLiteral("朝ごはん後"));
        h.click(QStringLiteral("cmdChg"));
        QCOMPARE(h.dialogs.shown[0].text, QStringLiteral("『朝食後』 を 『朝ごはん後』 に変更します。よろしいですか？"));
        QCOMPARE(TestFiles::lines(h.path(), FileName::data2), QStringList{line(QStringLiteral("2026/01/01"), 60.0, 25, QStringLiteral("朝ごはん後"))});
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), kData1);
        h.expectEverywhere(ls(u"A|B|朝ごはん後|D"));
        QCOMPARE(TestFiles::text(h.path(), FileName::situationList), QStringLiteral("\"A\"\r\n\"B\"\r\n\"朝ごはん後\"\r\n\"D\"\r\n"));
        QCOMPARE(h.dialogs.titles().last(), QStringLiteral("コメント変更終了"));
    }

    void profileSaveShowsAtOnce()
    {
        EditorHarness h;
        h.find<QLineEdit>(QStringLiteral("txtSincyou"))->setText(QStringLiteral("1m80"));
        h.click(QStringLiteral("cmdPHozon1"));
        QCOMPARE(h.dialogs.titles(), QStringList{QStringLiteral("身長数値以外入力")});
        h.find<QLineEdit>(QStringLiteral("txtPriData"))->setText(QStringLiteral("ぽむぽむ"));
        h.find<QLineEdit>(QStringLiteral("txtSincyou"))->setText(QStringLiteral("180"));
        h.find<QLineEdit>(QStringLiteral("txtMokuTai"))->setText(QStringLiteral("70.5"));
        h.click(QStringLiteral("cmdPHozon1"));
        QCOMPARE(TestFiles::text(h.path(), FileName::profile1), QStringLiteral("\"氏名\",\"ぽむぽむ\"\r\n\"身長\",180\r\n\"目標体重\",70.5\r\n"));
        QCOMPARE(h.window->windowTitle(), QStringLiteral(" ぽむぽむ のデータ"));
        QCOMPARE(h.find<QPushButton>(QStringLiteral("cmdUser1"))->text(), QStringLiteral("ぽむぽむ"));
        QCOMPARE(h.window->session().targetWeight(1), 70.5f);
        QCOMPARE(h.find<QLabel>(QStringLiteral("Label9(30)"))->text(), QStringLiteral("1.8"));
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("保存が終了しました"));
    }
};

QTEST_MAIN(MaintenanceEditorsTest)
#include "tst_maintenanceeditors.moc"
