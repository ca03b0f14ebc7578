// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up's offer to convert older weight histories: the question, what each answer does,
// when it is asked again, and what the user is told.
#include "support/MainWindowHarness.h"

#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"
#include "store/LegacyConversion.h"

namespace {
const QString kTitle = QStringLiteral("データ変換および体脂肪率確認");
const QString kAsk = QStringLiteral("\r\n\r\n変換する場合は現在の体脂肪率を入力してください。");
const QString kHistoryPrompt = kTitle + u'|' + QStringLiteral("連続体重.txtを検出しました。") + kAsk;
const QString kOlderPrompt = kTitle + u'|' + QStringLiteral("ミルテのデータを検出しました。") + kAsk;
const QString kHistoryLine = QStringLiteral("\"2003/08/21\",\"朝食前\",70.1");
const QStringList kPartner1 = {line(QStringLiteral("2026/12/01"), 70.0)};

void writeCoupleWithHistory(MainWindowHarness &h)
{
    h.writeCouple(kPartner1, {line(QStringLiteral("2026/12/03"), 55.0)});
    h.setHelpTour(0);
    h.write(LegacyFileName::weightHistory, kHistoryLine + QStringLiteral("\r\n"));
}
} // namespace

class LegacyPromptTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("bodyFat"); // empty: nothing converted
        QTest::newRow("21.5") << std::optional<QString>(QStringLiteral("21.5")) << QStringLiteral("21.5");
        QTest::newRow("with unit") << std::optional<QString>(QStringLiteral("18.5%")) << QStringLiteral("18.5");
        QTest::newRow("not a number") << std::optional<QString>(QStringLiteral("わからない")) << QStringLiteral("0");
        QTest::newRow("empty") << std::optional<QString>(QString()) << QString();
        QTest::newRow("cancelled") << std::optional<QString>() << QString();
    }
    void answers()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, bodyFat);
        MainWindowHarness h;
        writeCoupleWithHistory(h);
        const QByteArray before = TestFiles::bytes(h.path(), FileName::data1);
        h.dialogs.inputAnswers = {answer};
        h.start();
        QCOMPARE(h.dialogs.promptsAsked, QStringList{kHistoryPrompt});

        if (bodyFat.isEmpty()) {
            // Declined for now: nothing changed, and the next start asks again.
            QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), before);
            QCOMPARE(TestFiles::text(h.path(), LegacyFileName::weightHistory), kHistoryLine + QStringLiteral("\r\n"));
            QVERIFY(h.dialogs.shown.isEmpty());
            h.dialogs.promptsAsked.clear();
            h.start();
            QCOMPARE(h.dialogs.promptsAsked, QStringList{kHistoryPrompt});
            return;
        }
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1),
                 QStringList{QStringLiteral("\"2003/08/21\",\"朝食前\",70.1,\"\",%1,\"\"").arg(bodyFat)});
        // Partner 1's earlier diary and the older file are kept, and the user is told where.
        QCOMPARE(TestFiles::bytes(h.path(), LegacyFileName::dataBackup), before);
        QCOMPARE(TestFiles::text(h.path(), LegacyFileName::weightHistoryBackup), kHistoryLine + QStringLiteral("\r\n"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Information);
        QVERIFY(h.dialogs.shown[0].text.contains(QStringLiteral("「データbak.txt」")));
        // The entry screen was built from the converted file.
        QCOMPARE(h.window->findChild<EntryController *>()->day().startDate, QStringLiteral("2003/08/21"));
        // Converted once: no question at the next start.
        h.dialogs.promptsAsked.clear();
        h.start();
        QVERIFY(h.dialogs.promptsAsked.isEmpty());
    }

    // Lines without a body fat get the answer; the rest of each line stays as it was.
    void olderData()
    {
        MainWindowHarness h;
        const QStringList older = {QStringLiteral("\"2002/05/01\",\"起床後\",58.2,\"雨\",\"\",\"x\""),
                                   QStringLiteral("\"2002/05/02\",\"夕食後\",58,\"\",19.5,\"\"")};
        h.writeCouple(older, {line(QStringLiteral("2026/12/03"), 55.0)});
        h.setHelpTour(0);
        h.dialogs.inputAnswers = {QStringLiteral("23")};
        h.start();
        QCOMPARE(h.dialogs.promptsAsked, QStringList{kOlderPrompt});
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1),
                 (QStringList{QStringLiteral("\"2002/05/01\",\"起床後\",58.2,\"雨\",23,\"x\""), older[1]}));
        QCOMPARE(TestFiles::lines(h.path(), LegacyFileName::dataBackup), older);
        QVERIFY(h.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(LegacyPromptTest)
#include "tst_legacyprompt.moc"
