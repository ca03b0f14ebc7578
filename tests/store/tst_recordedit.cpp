// SPDX-License-Identifier: GPL-3.0-or-later
// Changing one listed record (its comment, or its situation and values) or removing it: only
// that record's bytes change, and a file changed since it was read, a text the line cannot hold
// or a failed write leaves the file as it was.
#include "StoreTestUtil.h"

#include "store/RecordEdit.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/SafeSave.h"

#include <QTemporaryDir>

using namespace StoreTest;

class TestRecordEdit : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    DataFolder folder() const { return DataFolder(m_dir.path()); }
    QString path() const { return folder().pathFor(FileName::data1); }

    // Writes the bytes and reads the records as the diary list does.
    QList<Measurement> given(const QByteArray &bytes)
    {
        if (!writeFile(path(), bytes))
            qFatal("cannot write");
        return ReadMeasurements(folder(), FileName::data1).records;
    }

private Q_SLOTS:
    void onlyTheCommentChanges_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QByteArray>("after");
        // A line that is no record, a blank line, numbers not in the stored form, spaces, a line
        // without CR and a last line without its line end: all stay as they were.
        const QByteArray head = cp932(QStringLiteral("\"2003/11/08\",\"はじめ\",65.50,\"\",21.3,\"x\"\r\nこわれた行\r\n\r\n"));
        const QByteArray tail = cp932(QStringLiteral("\"2003/11/09\",\"夜\",64,\"ok\",21,\"\"\n \"2003/11/10\" , \"朝\" ,63.0,  \"元\"  ,20,\"\""));
        QTest::newRow("first record") << head + tail << 0 << QStringLiteral("一言①")
                                      << cp932(QStringLiteral("\"2003/11/08\",\"はじめ\",65.50,\"一言①\",21.3,\"x\"\r\nこわれた行\r\n\r\n")) + tail;
        QTest::newRow("spaced record, no line end") << head + tail << 2 << QString()
                                                    << head + cp932(QStringLiteral("\"2003/11/09\",\"夜\",64,\"ok\",21,\"\"\n \"2003/11/10\" , \"朝\" ,63.0,  \"\"  ,20,\"\""));
        QTest::newRow("bare comment field") << cp932(QStringLiteral("\"2004/01/01\",\"朝\",65, abc ,20,\"\"\r\n")) << 0 << QStringLiteral("新")
                                            << cp932(QStringLiteral("\"2004/01/01\",\"朝\",65, \"新\" ,20,\"\"\r\n"));
    }
    void onlyTheCommentChanges()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, index);
        QFETCH(QString, comment);
        const QList<Measurement> records = given(before);
        const RecordChange saved = ReplaceComment(folder(), FileName::data1, index, int(records.size()), records[index], comment);
        QVERIFY2(saved.result.ok(), qPrintable(saved.result.message()));
        QTEST(readFile(path()), "after");
        // And once more, from the records as they now are.
        const QList<Measurement> again = ReadMeasurements(folder(), FileName::data1).records;
        QCOMPARE(again[index].comment, comment);
        QVERIFY(ReplaceComment(folder(), FileName::data1, index, int(again.size()), again[index], QStringLiteral("二回目")).result.ok());
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records[index].comment, QStringLiteral("二回目"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("countDelta");
        QTest::addColumn<bool>("otherRecord");
        QTest::addColumn<bool>("fileChanged");
        QTest::addColumn<QString>("named");
        QTest::newRow("line break") << QStringLiteral("a\nb") << 0 << false << false << QStringLiteral("改行");
        QTest::newRow("a record more") << QStringLiteral("x") << -1 << false << true << FileName::data1;
        QTest::newRow("another record there") << QStringLiteral("x") << 0 << true << true << FileName::data1;
    }
    void refusals()
    {
        QFETCH(QString, comment);
        QFETCH(int, countDelta);
        QFETCH(bool, otherRecord);
        const QByteArray before = cp932Lines({QStringLiteral("\"2003/11/08\",\"朝\",65,\"\",21,\"\""),
                                              QStringLiteral("\"2003/11/09\",\"夜\",64,\"\",21,\"\"")});
        const QList<Measurement> records = given(before);
        const Measurement expected = otherRecord ? records[0] : records[1];
        const RecordChange saved = ReplaceComment(folder(), FileName::data1, 1, int(records.size()) + countDelta, expected, comment);
        QVERIFY(!saved.result.ok());
        QTEST(saved.fileChanged, "fileChanged");
        QFETCH(QString, named);
        QVERIFY2(saved.result.message().contains(named), qPrintable(saved.result.message()));
        QCOMPARE(readFile(path()), before);
    }

    // A day of three records between a first day with a damaged and a blank line after it, and a
    // last record with spaces and no line end.
    static QStringList dayLines()
    {
        return {QStringLiteral("\"2003/11/08\",\"はじめ\",65.50,\"\",21.3,\"x\"\r\n"), QStringLiteral("こわれた行\r\n"), QStringLiteral("\r\n"),
                QStringLiteral("\"2003/11/09\",\"朝\",64,\"ok\",21,\"\"\n"), QStringLiteral("\"2003/11/09\",\"昼\",63.8,\"\",20.9,\"\"\r\n"),
                QStringLiteral("\"2003/11/09\",\"夜\",64.2,\"\",21,\"\"\r\n"), QStringLiteral(" \"2003/11/10\" , \"朝\" ,63.0,  \"元\"  ,20,\"\"")};
    }
    static QByteArray joined(const QStringList &lines) { return cp932(lines.join(QString())); }

    void deleteAndReplace_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("line");      // in dayLines()
        QTest::addColumn<QString>("after"); // the line in its place, when replaced
        const QString lineEnd = QStringLiteral("\r\n");
        QTest::newRow("delete first of file") << true << 0 << 0 << QString();
        QTest::newRow("delete first of day") << true << 1 << 3 << QString();
        QTest::newRow("delete middle of day") << true << 2 << 4 << QString();
        QTest::newRow("delete last of day") << true << 3 << 5 << QString();
        QTest::newRow("delete last of file") << true << 4 << 6 << QString();
        // The date, the comment and the reserved field stay; the line is written in the program's form.
        QTest::newRow("correct first of file") << false << 0 << 0 << QStringLiteral("\"2003/11/08\",\"起床後①\",65.2,\"\",21.5,\"x\"\r\n");
        QTest::newRow("correct first of day, LF kept") << false << 1 << 3 << QStringLiteral("\"2003/11/09\",\"起床後①\",65.2,\"ok\",21.5,\"\"\n");
        QTest::newRow("correct middle of day") << false << 2 << 4 << QStringLiteral("\"2003/11/09\",\"起床後①\",65.2,\"\",21.5,\"\"\r\n");
        QTest::newRow("correct last of file") << false << 4 << 6 << QStringLiteral("\"2003/11/10\",\"起床後①\",65.2,\"元\",21.5,\"\"");
    }
    void deleteAndReplace()
    {
        QFETCH(bool, remove);
        QFETCH(int, index);
        QFETCH(int, line);
        QFETCH(QString, after);
        QStringList lines = dayLines();
        const QList<Measurement> records = given(joined(lines));
        QCOMPARE(records.size(), 5);
        Measurement replacement = record(QString(), QStringLiteral("起床後①"), 65.2f, 21.5f);
        const RecordChange changed = remove ? DeleteRecord(folder(), FileName::data1, index, 5, records[index])
                                            : ReplaceRecord(folder(), FileName::data1, index, 5, records[index], replacement);
        QVERIFY2(changed.result.ok(), qPrintable(changed.result.message()));
        if (remove)
            lines.removeAt(line);
        else
            lines[line] = after;
        QCOMPARE(readFile(path()), joined(lines));
        // The records read now are the listed ones with exactly that one changed.
        QList<Measurement> expected = records;
        if (remove) {
            expected.removeAt(index);
        } else {
            expected[index].situation = replacement.situation;
            expected[index].weight = replacement.weight;
            expected[index].bodyFat = replacement.bodyFat;
        }
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records, expected);
    }

    void changeRefused_data()
    {
        QTest::addColumn<int>("op"); // 0 delete, 1 correct, 2 comment
        QTest::addColumn<int>("countDelta");
        QTest::addColumn<bool>("otherRecord");
        QTest::addColumn<bool>("fileChanged");
        for (int op = 0; op < 3; ++op) {
            const char *name[] = {"delete", "correct", "comment"};
            QTest::addRow("%s, a record more on disk", name[op]) << op << -1 << false << true;
            QTest::addRow("%s, another record there", name[op]) << op << 0 << true << true;
            QTest::addRow("%s, write fails", name[op]) << op << 0 << false << false;
        }
    }
    void changeRefused()
    {
        QFETCH(int, op);
        QFETCH(int, countDelta);
        QFETCH(bool, otherRecord);
        const QByteArray before = joined(dayLines());
        const QList<Measurement> records = given(before);
        const Measurement expected = otherRecord ? records[1] : records[2];
        const int count = int(records.size()) + countDelta;
        const QStringList entries = folderEntries(m_dir.path());
        // A refusal writes nothing, so the fault can be armed for every row.
        const auto armed = SafeSave::injectFault({10, false});
        RecordChange changed;
        switch (op) {
        case 0: changed = DeleteRecord(folder(), FileName::data1, 2, count, expected); break;
        case 1: changed = ReplaceRecord(folder(), FileName::data1, 2, count, expected, records[0]); break;
        default: changed = ReplaceComment(folder(), FileName::data1, 2, count, expected, QStringLiteral("新")); break;
        }
        QVERIFY(!changed.result.ok());
        QTEST(changed.fileChanged, "fileChanged");
        QVERIFY2(changed.result.message().contains(FileName::data1), qPrintable(changed.result.message()));
        QCOMPARE(readFile(path()), before);
        QCOMPARE(folderEntries(m_dir.path()), entries);
    }

    void onlyRecordAndBadTextRefused()
    {
        const QByteArray before = cp932Lines({QStringLiteral("\"2003/11/08\",\"朝\",65,\"\",21,\"\""), QStringLiteral("こわれた行")});
        const QList<Measurement> records = given(before);
        QVERIFY(!DeleteRecord(folder(), FileName::data1, 0, 1, records[0]).result.ok());
        for (const QString &situation : {QStringLiteral("a\"b"), QStringLiteral("한국")}) {
            const RecordChange changed = ReplaceRecord(folder(), FileName::data1, 0, 1, records[0], record(QString(), situation, 60, 20));
            QVERIFY(!changed.result.ok());
            QVERIFY(!changed.fileChanged);
        }
        QCOMPARE(readFile(path()), before);
        // The only record can still be corrected.
        QVERIFY(ReplaceRecord(folder(), FileName::data1, 0, 1, records[0], record(QString(), QStringLiteral("夜"), 60, 20)).result.ok());
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records.first().situation, QStringLiteral("夜"));
    }
};

QTEST_GUILESS_MAIN(TestRecordEdit)
#include "tst_recordedit.moc"
