// SPDX-License-Identifier: GPL-3.0-or-later
// Converting weight histories kept in older layouts: the backups kept and their names, lines that
// cannot be read, and failed writes leaving every file as it was.

#include "FolderTest.h"

#include "store/FileNames.h"
#include "store/LegacyConversion.h"
#include "store/SafeSave.h"

#include <QTemporaryDir>
#include <QTest>

using namespace StoreTest;

namespace {
const QString kData = FileName::data1;
const QString kHistory = LegacyFileName::weightHistory;

// Every file of a folder with its bytes: what a failed conversion must leave unchanged.
} // namespace

class TestLegacy : public FolderTest
{
    Q_OBJECT

private Q_SLOTS:
    // Partner 1's earlier data and earlier backups survive; each backup takes the next free name,
    // names compared without regard to case.
    void backupsNeverReplaceEarlierOnes_data()
    {
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QString>("dataBackup");
        QTest::addColumn<QString>("historyBackup");
        QTest::newRow("none") << QStringList{} << QStringLiteral("データbak.txt") << QStringLiteral("連続体重bak.txt");
        QTest::newRow("one each") << QStringList{QStringLiteral("データbak.txt"), QStringLiteral("連続体重bak.txt")}
                                  << QStringLiteral("データbak2.txt") << QStringLiteral("連続体重bak2.txt");
        QTest::newRow("other case") << QStringList{QStringLiteral("データBAK.TXT"), QStringLiteral("データbak2.txt")}
                                    << QStringLiteral("データbak3.txt") << QStringLiteral("連続体重bak.txt");
    }
    void backupsNeverReplaceEarlierOnes()
    {
        QFETCH(QStringList, earlier);
        QFETCH(QString, dataBackup);
        QFETCH(QString, historyBackup);
        for (const QString &name : earlier)
            put(name, {QStringLiteral("earlier ") + name});
        const QStringList partnerLines = {QStringLiteral("\"2024/01/01\",\"起床後\",60,\"\",20,\"\"")};
        put(FileName::data1, partnerLines);
        put(kHistory, {QStringLiteral("\"2003/08/21\",\"朝食前\",70.1")});

        LegacyConversionReport report;
        QVERIFY(convertWeightHistoryFile(folder(), kData, 21.5f, &report).ok());
        QCOMPARE(report.dataBackupName, dataBackup);
        QCOMPARE(report.sourceBackupName, historyBackup);
        QCOMPARE(readFile(path(dataBackup)), cp932Lines(partnerLines));
        for (const QString &name : earlier)
            QCOMPARE(readFile(path(name)), cp932Lines({QStringLiteral("earlier ") + name}));

        // Converting the older program's data after that needs yet another name.
        put(FileName::data1, {QStringLiteral("\"2003/08/21\",\"朝食前\",70.1,\"\",\"\",\"\"")});
        QVERIFY(holdsOlderData(folder(), kData));
        QVERIFY(convertOlderDataFile(folder(), kData, 20.0f, &report).ok());
        QVERIFY(report.dataBackupName != dataBackup);
        QCOMPARE(readFile(path(dataBackup)), cp932Lines(partnerLines));
    }

    // A line that cannot be read is named with its line number; the rest converts and the
    // original stays whole in its backup.
    void unreadableLinesAreReported_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("date not padded") << cp932(QStringLiteral("\"2003/8/22\",\"朝食前\",70"));
        QTest::newRow("weight quoted") << cp932(QStringLiteral("\"2003/08/22\",\"朝食前\",\"70\""));
        QTest::newRow("two fields") << cp932(QStringLiteral("\"2003/08/22\",\"朝食前\""));
        QTest::newRow("open quote") << cp932(QStringLiteral("\"2003/08/22\",\"朝食前,70"));
        QTest::newRow("not Windows-31J") << QByteArray("\"2003/08/22\",\"\x82\",70");
    }
    void unreadableLinesAreReported()
    {
        QFETCH(QByteArray, line);
        const QByteArray bytes = cp932Lines({QStringLiteral("\"2003/08/21\",\"朝食前\",70.1")}) + line + "\r\n"
                                 + cp932Lines({QStringLiteral("\"2003/08/23\",\"朝食前\",69.9")});
        QVERIFY(writeFile(path(kHistory), bytes));
        LegacyConversionReport report;
        QVERIFY(convertWeightHistoryFile(folder(), kData, 20.0f, &report).ok());
        QCOMPARE(report.converted, 2);
        QCOMPARE(report.unreadable.size(), 1);
        QCOMPARE(report.unreadable[0].lineNumber, 2);
        QVERIFY(report.unreadableReport().startsWith(QStringLiteral("「連続体重.txt」の2行目：")));
        QCOMPARE(readFile(path(LegacyFileName::weightHistoryBackup)), bytes);
    }

    // A write that fails at any step, in either conversion, leaves every file as it was and no
    // backup or temporary file behind.
    void failedWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("history");
        QTest::addColumn<int>("skipWrites");
        QTest::addColumn<bool>("atCommit");
        for (bool history : {true, false}) {
            const char *kind = history ? "weight history" : "older data";
            QTest::addRow("%s, backup cut short", kind) << history << 0 << false;
            QTest::addRow("%s, backup not renamed", kind) << history << 0 << true;
            QTest::addRow("%s, data cut short", kind) << history << 1 << false;
            QTest::addRow("%s, data not renamed", kind) << history << 1 << true;
        }
    }
    void failedWriteChangesNothing()
    {
        QFETCH(bool, history);
        QFETCH(int, skipWrites);
        QFETCH(bool, atCommit);
        put(FileName::data1, {history ? QStringLiteral("\"2024/01/01\",\"起床後\",60,\"\",20,\"\"")
                                      : QStringLiteral("\"2002/05/01\",\"起床後\",58.2,\"\",\"\",\"\"")});
        if (history)
            put(kHistory, {QStringLiteral("\"2003/08/21\",\"朝食前\",70.1")});
        const auto before = snapshot(m_dir->path());

        const auto armed = SafeSave::injectFault({atCommit ? -1 : 5, atCommit, skipWrites});
        LegacyConversionReport report;
        const StoreResult r = history ? convertWeightHistoryFile(folder(), kData, 21.5f, &report)
                                      : convertOlderDataFile(folder(), kData, 21.5f, &report);
        QVERIFY(!r.ok());
        QVERIFY(r.message().contains(QStringLiteral("書き込めませんでした")));
        QCOMPARE(snapshot(m_dir->path()), before);
    }
};

QTEST_GUILESS_MAIN(TestLegacy)
#include "tst_legacy.moc"
