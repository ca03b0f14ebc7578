// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up's offer of conflict copies: the window's choice taken in, あとで keeping all, and
// the other files' copies said and kept; and the window 同期の競合コピー itself.
#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"
#include "screens/shell/ConflictCopyPrompt.h"
#include "support/MainWindowHarness.h"

#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
const QString kCopy = QStringLiteral("データ1.sync-conflict-20261207-101010-ABCDEFG.txt");
const QString kA = line(QStringLiteral("2026/12/05"), 70.0);
const QString kB = line(QStringLiteral("2026/12/06"), 69.5);
const QString kC = line(QStringLiteral("2026/12/07"), 69.0);
const QString kD = line(QStringLiteral("2026/12/07"), 68.5, 25, QStringLiteral("夕食後"), QStringLiteral("外食"));
} // namespace

class ConflictPromptTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { ConflictCopyPrompt::setChooser(nullptr); }

    void dataCopy_data()
    {
        QTest::addColumn<std::optional<QList<int>>>("ticked"); // nothing: あとで
        QTest::addColumn<QStringList>("after");
        QTest::newRow("all") << std::optional<QList<int>>(QList<int>{0, 1}) << QStringList{kA, kB, kC, kD};
        QTest::newRow("one unticked") << std::optional<QList<int>>(QList<int>{1}) << QStringList{kA, kB, kD};
        QTest::newRow("later") << std::optional<QList<int>>() << QStringList{kA, kB};
    }
    void dataCopy()
    {
        QFETCH(std::optional<QList<int>>, ticked);
        QFETCH(QStringList, after);
        MainWindowHarness h;
        h.writeCouple({kA, kB}, {line(QStringLiteral("2026/12/03"), 55.0)});
        h.setHelpTour(0);
        h.write(kCopy, QStringList{kA, kC, kD}.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QList<ConflictCopyOffer> offers;
        ConflictCopyPrompt::setChooser([&](const ConflictCopyOffer &offer) { offers << offer; return ticked; });
        h.start();
        QCOMPARE(offers.size(), 1);
        QCOMPARE(offers[0].nickname, QStringLiteral("ぽむ"));
        QCOMPARE(offers[0].missing.size(), 2);
        QCOMPARE(offers[0].missing[1].comment, QStringLiteral("外食"));
        QCOMPARE(offers[0].onlyInFile, 1);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), after);
        // The entry screen was built from the file as it is now.
        QCOMPARE(h.window->findChild<EntryController *>()->day().rows.size(), after.size() - 2);
        QCOMPARE(QFile::exists(QDir(h.path()).filePath(kCopy)), !ticked);
        // A copy that arrives while the program runs is offered at once.
        h.write(QStringLiteral("データ1 (conflicted copy 2026-12-08 070000).txt"), line(QStringLiteral("2026/12/08"), 67.5) + QStringLiteral("\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(offers.size(), 2, 2000);
        // Offered again at the next start only when they were left for later.
        h.start();
        QCOMPARE(offers.size(), ticked ? 2 : 4);
    }

    void otherCopies()
    {
        MainWindowHarness h;
        h.writeCouple({kA}, {kB});
        h.setHelpTour(0);
        h.write(FileName::memo, QStringLiteral("朝は散歩\r\n"));
        h.write(QStringLiteral("気付きメモ (conflicted copy 2026-12-07 101010).txt"), QStringLiteral("朝は散歩\r\n夜は早く寝る\r\n"));
        const QString profileCopy = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1 (ぽむ's conflicted copy 2026-12-07).txt");
        h.write(profileCopy, QStringLiteral("\"氏名\",\"ポム\"\r\n\"身長\",170\r\n\"目標体重\",60\r\n"));
        const QByteArray profile = TestFiles::bytes(h.path(), FileName::profile1);
        const QByteArray copied = TestFiles::bytes(h.path(), profileCopy);
        h.start();
        QCOMPARE(h.dialogs.titles(), QStringList(2, QStringLiteral("同期の競合コピー")));
        QCOMPARE(h.dialogs.shown[0].details, QStringLiteral("夜は早く寝る"));
        QCOMPARE(h.dialogs.shown[1].icon, MessageIcon::Information);
        QCOMPARE(h.dialogs.shown[1].details, QStringLiteral("コピーにだけある行：\n\"氏名\",\"ポム\"\n\n今のファイルにだけある行：\n\"氏名\",\"ぽむ\""));
        QCOMPARE(TestFiles::lines(h.path(), FileName::memo), (QStringList{QStringLiteral("朝は散歩"), QStringLiteral("夜は早く寝る")}));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::profile1), profile);
        QCOMPARE(TestFiles::bytes(QDir(h.path()).filePath(QStringLiteral("backup/conflicts")), profileCopy), copied);
        QVERIFY(!QFile::exists(QDir(h.path()).filePath(profileCopy)));
    }

    // A copy that cannot be taken in is said once: the folder's later changes (every save is one)
    // do not bring the box back.
    void failedCopySaidOnce()
    {
        MainWindowHarness h;
        h.writeCouple({kA}, {kB});
        h.setHelpTour(0);
        const QString big = u"データ2.sync-conflict-20261207-101010-ABCDEFG.txt"_s;
        h.write(big, QString());
        QVERIFY(QFile::resize(QDir(h.path()).filePath(big), 33 * 1024 * 1024));
        h.start();
        QCOMPARE(h.dialogs.titles(), QStringList{u"同期の競合コピー"_s});
        const QString same = u"データ1 (conflicted copy 2026-12-08 070000).txt"_s;
        h.write(same, kA + u"\r\n"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QDir(h.path()).filePath(same)), 2000);
        QCOMPARE(h.dialogs.titles(), QStringList{u"同期の競合コピー"_s});
    }

    void dialog()
    {
        Measurement a{QStringLiteral("2026/12/07"), QStringLiteral("夕食後"), 68.5f, QStringLiteral("外食"), 25.5f, QString()};
        Measurement b = a;
        b.weight = 68.f;
        ConflictCopyDialog dialog({kCopy, FileName::data1, QStringLiteral("ぽむ"), {a, b, a}, 4});
        QAbstractItemModel *rows = dialog.lstKyogoKiroku->model();
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(dialog.chosen(), (QList<int>{0, 1, 2}));
        const QStringList expected = {u"2026/12/07"_s, u"夕食後"_s, u"68.0Kg"_s, u"25.5%"_s, u"外食"_s};
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(rows->index(1, c).data().toString(), expected[c]);
        rows->setData(rows->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
        QCOMPARE(dialog.chosen(), (QList<int>{0, 2}));
        dialog.cmdKyogoKuwaeru->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(ConflictPromptTest)
#include "tst_conflictprompt.moc"
