// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming a situation in one partner's data file: byte for byte as it was, apart from the
// renamed fields.

#include "StoreTestUtil.h"

#include "store/FileNames.h"
#include "store/SituationRename.h"

#include <QTemporaryDir>
#include <QTest>

using namespace StoreTest;

class TestSituationRename : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renameTouchesOnlyExactMatches_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("changed");
        const QString old = QStringLiteral("朝食後");
        const QString renamed = QStringLiteral("朝ごはん, 後");
        auto lineOf = [](const QString &situation, const QString &rest = QStringLiteral(",65.5,\"\",21.3,\"\"")) {
            return QStringLiteral("\"2026/01/02\",\"%1\"").arg(situation) + rest;
        };
        QTest::newRow("exact match, others alone")
            << old << cp932Lines({lineOf(old), lineOf(QStringLiteral("朝食後２")), lineOf(QStringLiteral("昼")), lineOf(old)})
            << cp932Lines({lineOf(renamed), lineOf(QStringLiteral("朝食後２")), lineOf(QStringLiteral("昼")), lineOf(renamed)}) << 2;
        QTest::newRow("case and width count")
            << QStringLiteral("ab") << cp932Lines({lineOf(QStringLiteral("ａｂ")), lineOf(QStringLiteral("AB")), lineOf(QStringLiteral("ab"))})
            << cp932Lines({lineOf(QStringLiteral("ａｂ")), lineOf(QStringLiteral("AB")), lineOf(renamed)}) << 1;
        // Numbers in a form the program would not write, spaces, a comment and reserved text:
        // none of it is rewritten.
        QTest::newRow("other fields kept as they stand")
            << old << cp932Lines({QStringLiteral(" \"2026/01/02\" , \"朝食後\" ,65.50,\"①, ～\",2.13e1,\"r\"")})
            << cp932Lines({QStringLiteral(" \"2026/01/02\" , \"朝ごはん, 後\" ,65.50,\"①, ～\",2.13e1,\"r\"")}) << 1;
        QTest::newRow("unquoted situation gets quotes")
            << old << cp932Lines({QStringLiteral("\"2026/01/02\",朝食後 ,65,\"\",21,\"\"")})
            << cp932Lines({QStringLiteral("\"2026/01/02\",\"朝ごはん, 後\" ,65,\"\",21,\"\"")}) << 1;
        // A line that is not a record keeps its bytes, even ones that are not Windows-31J text.
        QTest::newRow("malformed lines kept")
            << old << cp932Lines({lineOf(old, QStringLiteral(",abc,\"\",21,\"\"")), QStringLiteral("朝食後"), lineOf(old)})
                   + QByteArray("\"2026/01/03\",\"\x82\",65,\"\",21,\"\"\r\n")
            << cp932Lines({lineOf(old, QStringLiteral(",abc,\"\",21,\"\"")), QStringLiteral("朝食後"), lineOf(renamed)})
                   + QByteArray("\"2026/01/03\",\"\x82\",65,\"\",21,\"\"\r\n")
            << 1;
        QTest::newRow("line ends kept")
            << old << cp932(lineOf(old) + QStringLiteral("\n\r\n") + lineOf(old) + QStringLiteral("\r\n  \r\n") + lineOf(old))
            << cp932(lineOf(renamed) + QStringLiteral("\n\r\n") + lineOf(renamed) + QStringLiteral("\r\n  \r\n") + lineOf(renamed)) << 3;
    }
    void renameTouchesOnlyExactMatches()
    {
        QFETCH(QString, old);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, changed);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(FileName::data1), before));
        int count = -1;
        QVERIFY(RenameSituationInData(DataFolder(dir.path()), FileName::data1, old, QStringLiteral("朝ごはん, 後"), &count));
        QCOMPARE(count, changed);
        QCOMPARE(readFile(dir.filePath(FileName::data1)), after);
        QCOMPARE(folderEntries(dir.path()), QStringList{FileName::data1});
    }
};

QTEST_GUILESS_MAIN(TestSituationRename)
#include "tst_situationrename.moc"
