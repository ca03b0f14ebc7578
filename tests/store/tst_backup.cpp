// SPDX-License-Identifier: GPL-3.0-or-later
// The daily backups and the copies made before files are replaced: exact bytes, once a day, the
// fourteen latest days kept, and failures reported with nothing half made left behind.

#include "FolderTest.h"

#include "store/Backup.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "store/SafeSave.h"

#include <QTemporaryDir>
#include <QTest>

using namespace StoreTest;

namespace {
const QDate kToday(2024, 6, 11);

// Bytes no text conversion would keep: CR alone, a lone lead byte, a NUL.
constexpr char kOdd[] = "\"2024/06/10\",\"\x82\",1,\"\",2,\"\"\r\x82\0end";
const QByteArray kOddBytes(kOdd, sizeof kOdd - 1);
} // namespace

class TestBackup : public FolderTest
{
    Q_OBJECT

private:
    QString backup(const QString &name) const { return QDir(BackupRoot(folder())).filePath(name); }
    QStringList backupFolders() const { return folderEntries(BackupRoot(folder())); }

    void makeDataFolder()
    {
        QVERIFY(writeFile(path(FileName::data1), kOddBytes));
        QVERIFY(writeFile(path(QStringLiteral("データ2.TXT")), cp932Lines({QStringLiteral("\"2024/06/10\",\"朝\",60,\"\",20,\"\"")})));
        QVERIFY(writeFile(path(FileName::profile1), cp932Lines({QStringLiteral("\"氏名\",\"ぽむ\"")})));
        QVERIFY(writeFile(path(QStringLiteral(".hidden")), QByteArrayLiteral("x")));
        // Not data: an earlier version's lock, and a save a crash cut short.
        QVERIFY(writeFile(path(FolderLock::legacyFileName()), QByteArrayLiteral("4242\nhost\npmlina\n")));
        QVERIFY(writeFile(path(FileName::data1 + QStringLiteral(".Xy12ab")), QByteArrayLiteral("half")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("own folder"))));
    }

    // A backup folder holding exactly the data folder's files as they are now.
    void verifyFullCopy(const QString &name)
    {
        QStringList files = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        files.removeAll(FolderLock::legacyFileName());
        files.removeAll(FileName::data1 + QStringLiteral(".Xy12ab"));
        QCOMPARE(folderEntries(backup(name)), files);
        for (const QString &file : files)
            QCOMPARE(readFile(backup(name + u'/' + file)), readFile(path(file)));
    }

private Q_SLOTS:
    void dailyBackupCopiesEveryFileExactly()
    {
        makeDataFolder();
        QVERIFY(QDir().mkpath(backup(QStringLiteral("2024-06-10"))));
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        // Files only: neither the backups nor other folders are copied into the backup.
        verifyFullCopy(QStringLiteral("2024-06-11"));
        QCOMPARE(backupFolders(), (QStringList{QStringLiteral("2024-06-10"), QStringLiteral("2024-06-11")}));
    }

    void onlyOncePerDay()
    {
        makeDataFolder();
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        QVERIFY(writeFile(path(FileName::data1), QByteArrayLiteral("changed\r\n")));
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        QCOMPARE(readFile(backup(QStringLiteral("2024-06-11/") + FileName::data1)), kOddBytes);
        QVERIFY(MakeDailyBackup(folder(), kToday.addDays(1)).ok());
        QCOMPARE(readFile(backup(QStringLiteral("2024-06-12/") + FileName::data1)), QByteArrayLiteral("changed\r\n"));
    }

    void nothingToCopyInAnEmptyFolder()
    {
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        QVERIFY(!QFileInfo::exists(BackupRoot(folder())));
    }

    void rotation_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after"); // besides today's new folder
        QStringList twenty;
        for (int i = 1; i <= 20; ++i)
            twenty << kToday.addDays(-i).toString(QStringLiteral("yyyy-MM-dd"));
        std::sort(twenty.begin(), twenty.end());
        QTest::newRow("twenty days: the thirteen latest stay") << twenty << twenty.mid(7);
        QTest::newRow("numbered folders go with their day")
            << (twenty + QStringList{QStringLiteral("2024-05-22-2"), QStringLiteral("2024-05-29-2")})
            << (twenty.mid(7) + QStringList{QStringLiteral("2024-05-29-2")});
        // After a long pause the old backups are all there is: days without a backup do not count.
        const QStringList old = {QStringLiteral("2023-01-01"), QStringLiteral("2023-01-02"), QStringLiteral("2023-02-01")};
        QTest::newRow("old days after a pause stay") << old << old;
        QTest::newRow("other folders and cut-short copies")
            << QStringList{QStringLiteral("mine"), QStringLiteral(".partial-2024-06-01-aB3dEf"), QStringLiteral(".partial-2024-06-11-zZ9yY8"),
                           QStringLiteral("2024-02-30")}
            << QStringList{QStringLiteral("mine"), QStringLiteral(".partial-2024-06-11-zZ9yY8"), QStringLiteral("2024-02-30")};
        // A clock set back: today's copy stays, and the latest days besides it.
        QStringList later;
        for (int i = 1; i <= 14; ++i)
            later << kToday.addYears(1).addDays(i).toString(QStringLiteral("yyyy-MM-dd"));
        QTest::newRow("later days than today") << later << later.mid(1);
    }
    void rotation()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        makeDataFolder();
        for (const QString &name : before) {
            QVERIFY(QDir().mkpath(backup(name)));
            QVERIFY(writeFile(backup(name + QStringLiteral("/データ1.txt")), QByteArrayLiteral("old")));
        }
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        after << QStringLiteral("2024-06-11");
        after.sort();
        QStringList left = backupFolders();
        left.sort();
        QCOMPARE(left, after);
        verifyFullCopy(QStringLiteral("2024-06-11"));
    }

    void beforeReplaceKeepsEachVersionOnce()
    {
        makeDataFolder();
        const QStringList replaced = {FileName::data2, FileName::profile2, FileName::profile1};
        // No backup today yet: the day's full copy is made.
        QVERIFY(BackupBeforeReplace(folder(), replaced, kToday).ok());
        verifyFullCopy(QStringLiteral("2024-06-11"));
        // The same files again: already held.
        QVERIFY(BackupBeforeReplace(folder(), replaced, kToday).ok());
        QCOMPARE(backupFolders(), QStringList{QStringLiteral("2024-06-11")});
        // Changed since: the named files that exist go into a new folder, in their own spelling.
        const QByteArray first = readFile(path(QStringLiteral("データ2.TXT")));
        QVERIFY(writeFile(path(QStringLiteral("データ2.TXT")), QByteArrayLiteral("new\r\n")));
        QVERIFY(BackupBeforeReplace(folder(), replaced, kToday).ok());
        QCOMPARE(backupFolders(), (QStringList{QStringLiteral("2024-06-11"), QStringLiteral("2024-06-11-2")}));
        QCOMPARE(folderEntries(backup(QStringLiteral("2024-06-11-2"))), (QStringList{QStringLiteral("データ2.TXT"), FileName::profile1}));
        QCOMPARE(readFile(backup(QStringLiteral("2024-06-11-2/データ2.TXT"))), QByteArrayLiteral("new\r\n"));
        QCOMPARE(readFile(backup(QStringLiteral("2024-06-11/データ2.TXT"))), first);
        // Back to a version a folder of today holds: nothing new.
        QVERIFY(BackupBeforeReplace(folder(), {FileName::data2}, kToday).ok());
        QCOMPARE(backupFolders().size(), 2);
        QVERIFY(writeFile(path(QStringLiteral("データ2.TXT")), QByteArrayLiteral("newer\r\n")));
        QVERIFY(BackupBeforeReplace(folder(), {FileName::data2}, kToday).ok());
        QCOMPARE(readFile(backup(QStringLiteral("2024-06-11-3/データ2.TXT"))), QByteArrayLiteral("newer\r\n"));
    }

    void beforeReplaceOfNothing()
    {
        QVERIFY(writeFile(path(FileName::memo), QByteArrayLiteral("memo")));
        QVERIFY(BackupBeforeReplace(folder(), {FileName::data1, FileName::data2}, kToday).ok());
        QVERIFY(!QFileInfo::exists(BackupRoot(folder())));
    }

    void failureReportedAndNothingHalfMadeLeft_data()
    {
        QTest::addColumn<int>("faultAfterBytes");
        QTest::addColumn<bool>("atCommit");
        QTest::newRow("write cut short") << 0 << false;
        QTest::newRow("rename refused") << -1 << true;
    }
    void failureReportedAndNothingHalfMadeLeft()
    {
        QFETCH(int, faultAfterBytes);
        QFETCH(bool, atCommit);
        makeDataFolder();
        const auto armed = SafeSave::injectFault({faultAfterBytes, atCommit});
        const StoreResult r = MakeDailyBackup(folder(), kToday);
        QVERIFY(!r.ok());
        QVERIFY2(r.message().startsWith(QStringLiteral("データのバックアップを作れませんでした。")), qPrintable(r.message()));
        QCOMPARE(backupFolders(), QStringList());
        // The next start tries again.
        QVERIFY(MakeDailyBackup(folder(), kToday).ok());
        verifyFullCopy(QStringLiteral("2024-06-11"));
    }

    void unusableBackupFolderReported()
    {
        makeDataFolder();
        QVERIFY(writeFile(BackupRoot(folder()), QByteArrayLiteral("a file where the folder goes")));
        const StoreResult r = MakeDailyBackup(folder(), kToday);
        QVERIFY(!r.ok());
        QVERIFY2(r.message().contains(BackupRoot(folder())), qPrintable(r.message()));
        QVERIFY(!BackupBeforeReplace(folder(), {FileName::data1}, kToday).ok());
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
