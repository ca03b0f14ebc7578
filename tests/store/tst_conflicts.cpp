// SPDX-License-Identifier: GPL-3.0-or-later
// Conflict copies of sync tools: which names are copies of the program's files, what a copy of a
// data file holds that the file lacks, and taking copies in.
#include "FolderTest.h"

#include "store/Backup.h"
#include "store/ConflictMerge.h"
#include "store/FileNames.h"
#include "store/SafeSave.h"

#include <QTest>

using namespace StoreTest;
using namespace Qt::StringLiterals;

namespace {
QString rec(int day, const char *weight, const char *comment = "")
{
    return QStringLiteral("\"2026/12/%1\",\"朝\",%2,\"%3\",25,\"\"")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(weight), QLatin1String(comment));
}
const QString kCopy = QStringLiteral("データ1.sync-conflict-20261207-101010-ABCDEFG.txt");
const QDate kToday(2026, 12, 8);
} // namespace

class TestConflicts : public FolderTest
{
    Q_OBJECT
private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("original"); // empty: not a copy of the program's files
        QTest::newRow("Syncthing") << kCopy << FileName::data1;
        QTest::newRow("Syncthing, other case") << u"データ2.SYNC-CONFLICT-20261207-101010-abcdefg.TXT"_s << FileName::data2;
        QTest::newRow("Nextcloud") << u"データ1 (conflicted copy 2026-12-07 101010).txt"_s << FileName::data1;
        QTest::newRow("Nextcloud, user") << u"ﾌﾟﾗｲﾍﾞｰﾄ1 (conflicted copy 花子 Y 2026-12-07 101010).txt"_s << FileName::profile1;
        QTest::newRow("Dropbox") << u"状況リスト (name's conflicted copy 2026-12-07).txt"_s << FileName::situationList;
        QTest::newRow("Dropbox, numbered") << u"設定 (Taro's Conflicted Copy 2026-12-07 (1)).TXT"_s << FileName::helpTour;
        QTest::newRow("copy of a copy") << u"気付きメモ (conflicted copy 2026-12-07 101010) (conflicted copy 2026-12-08 090909).txt"_s << FileName::memo;
        QTest::newRow("copies of two tools") << u"マーカー (conflicted copy 2026-12-07 101010).sync-conflict-20261208-090909-HIJKLMN.txt"_s << FileName::marker;
        QTest::newRow("the file itself") << FileName::data1 << QString();
        QTest::newRow("short date") << u"データ1.sync-conflict-2026127-101010-ABCDEFG.txt"_s << QString();
        QTest::newRow("long device") << u"データ1.sync-conflict-20261207-101010-ABCDEFGH.txt"_s << QString();
        QTest::newRow("mark after the extension") << u"データ1.txt.sync-conflict-20261207-101010-ABCDEFG"_s << QString();
        QTest::newRow("no date") << u"データ1 (conflicted copy).txt"_s << QString();
        QTest::newRow("another file") << u"データ3 (conflicted copy 2026-12-07 101010).txt"_s << QString();
        QTest::newRow("not a copy") << u"データ1 (copy 2026-12-07).txt"_s << QString();
    }
    void names()
    {
        QFETCH(QString, name);
        QTEST(ConflictCopyOriginal(name), "original");
    }

    // Whole records, repeats counted; what is added goes in by date; the copy goes to backup.
    void dataCopy_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("copy");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<int>("onlyInFile");
        QTest::addColumn<QStringList>("merged");
        using L = QStringList;
        QTest::newRow("added, missing and repeated")
            << L{rec(2, "71"), rec(3, "70")} << L{rec(1, "72"), rec(2, "71"), rec(2, "71"), rec(4, "69.5", "x")}
            << L{rec(1, "72"), rec(2, "71"), rec(4, "69.5", "x")} << 1 << L{rec(1, "72"), rec(2, "71"), rec(2, "71"), rec(3, "70"), rec(4, "69.5", "x")};
        // Another comment makes another record; the same numbers written otherwise do not.
        QTest::newRow("whole records") << L{rec(2, "71.0"), rec(2, "71")} << L{rec(2, "71"), rec(2, "71", "y")} << L{rec(2, "71", "y")} << 1
                                       << L{rec(2, "71.0"), rec(2, "71"), rec(2, "71", "y")};
        QTest::newRow("nothing missing") << L{rec(2, "71")} << L{} << L{} << 1 << L{rec(2, "71")};
    }
    void dataCopy()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, copy);
        QFETCH(QStringList, missing);
        put(FileName::data1, file);
        put(kCopy, copy);
        QVERIFY(QDir().mkpath(path(QStringLiteral("backup/2026-12-07"))));
        put(QStringLiteral("backup/2026-12-07/") + kCopy, copy); // never looked into
        const QList<ConflictCopy> copies = FindConflictCopies(folder());
        QCOMPARE(copies.size(), 1);
        const DataCopyDifference difference = CompareDataCopy(folder(), copies[0]);
        QStringList missingLines;
        for (const Measurement &m : difference.missing)
            missingLines << measurementLine(m);
        QCOMPARE(missingLines, missing);
        QTEST(difference.onlyInFile, "onlyInFile");

        // Refused in a run that only reads: nothing moves.
        SafeSave::setReadOnly(true);
        QVERIFY(!MergeDataCopy(folder(), copies[0], difference.missing, kToday));
        SafeSave::setReadOnly(false);
        QCOMPARE(readFile(path(kCopy)), cp932Lines(copy));

        int added = -1;
        QVERIFY(MergeDataCopy(folder(), copies[0], difference.missing, kToday, &added));
        QCOMPARE(added, missing.size());
        QFETCH(QStringList, merged);
        QCOMPARE(readFile(path(FileName::data1)), cp932Lines(merged));
        QCOMPARE(readFile(path(QStringLiteral("backup/conflicts/") + kCopy)), cp932Lines(copy));
        QVERIFY(FindConflictCopies(folder()).isEmpty());
        // Taken in once: the same choice a second time adds nothing.
        put(kCopy, copy);
        QVERIFY(MergeDataCopy(folder(), copies[0], difference.missing, kToday, &added));
        QCOMPARE(added, 0);
        QVERIFY(QFile::exists(path(QStringLiteral("backup/conflicts/") + kCopy + QStringLiteral(".2"))));
    }

    // Other files stay as they are; the memo may get the copy's lines it lacks.
    void otherCopies_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("copy");
        QTest::addColumn<QStringList>("onlyInCopy");
        QTest::addColumn<QStringList>("onlyInFile");
        QTest::addColumn<QStringList>("after");
        using L = QStringList;
        const QString pom = u"\"氏名\",\"ぽむ\""_s, Pom = u"\"氏名\",\"ポム\""_s, height = u"\"身長\",170"_s;
        QTest::newRow("profile") << FileName::profile1 << L{pom, height} << L{Pom, height} << L{Pom} << L{pom} << L{pom, height};
        QTest::newRow("situation list") << FileName::situationList << L{u"起床後"_s, u"夕食後"_s} << L{u"起床後"_s, u"就寝前"_s} << L{u"就寝前"_s}
                                        << L{u"夕食後"_s} << L{u"起床後"_s, u"夕食後"_s};
        QTest::newRow("setting") << FileName::movingAverage << L{u"7"_s} << L{u"14"_s} << L{u"14"_s} << L{u"7"_s} << L{u"7"_s};
        QTest::newRow("memo") << FileName::memo << L{u"a"_s, u"b"_s} << L{u"a"_s, u""_s, u"c"_s, u"d"_s} << L{u"c"_s, u"d"_s} << L{u"b"_s}
                              << L{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    }
    void otherCopies()
    {
        QFETCH(QString, original);
        QFETCH(QStringList, file);
        QFETCH(QStringList, copy);
        QFETCH(QStringList, onlyInCopy);
        const ConflictCopy conflict{original.chopped(4) + QStringLiteral(" (conflicted copy 2026-12-07 101010).txt"), original};
        put(original, file);
        put(conflict.fileName, copy);
        const TextCopyDifference difference = CompareTextCopy(folder(), conflict);
        QCOMPARE(difference.onlyInCopy, onlyInCopy);
        QTEST(difference.onlyInFile, "onlyInFile");
        QVERIFY(KeepCurrentFile(folder(), conflict, difference.onlyInCopy, kToday));
        QFETCH(QStringList, after);
        QCOMPARE(readFile(path(original)), cp932Lines(after));
        QVERIFY(!QFile::exists(path(conflict.fileName)));
    }
};

QTEST_GUILESS_MAIN(TestConflicts)
#include "tst_conflicts.moc"
