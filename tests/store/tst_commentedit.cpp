// Changing one record's comment: only that field's bytes change, and a file changed since it
// was read, or a text the line cannot hold, is refused with the file left as it was.
#include "StoreTestUtil.h"

#include "store/CommentEdit.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QTemporaryDir>

using namespace StoreTest;

class TestCommentEdit : public QObject
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
        const CommentSave saved = ReplaceComment(folder(), FileName::data1, index, int(records.size()), records[index], comment);
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
        const CommentSave saved = ReplaceComment(folder(), FileName::data1, 1, int(records.size()) + countDelta, expected, comment);
        QVERIFY(!saved.result.ok());
        QTEST(saved.fileChanged, "fileChanged");
        QFETCH(QString, named);
        QVERIFY2(saved.result.message().contains(named), qPrintable(saved.result.message()));
        QCOMPARE(readFile(path()), before);
    }
};

QTEST_GUILESS_MAIN(TestCommentEdit)
#include "tst_commentedit.moc"
