// SPDX-License-Identifier: GPL-3.0-or-later
// A partner's diary follows its file whatever happens to it, and writes only to the file it has read.
#include "diary/PartnerDiary.h"
#include "store/FileNames.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kLine = QStringLiteral("\"2026/12/07\",\"朝\",65.5,\"\",20,\"\"\r\n");
} // namespace

class TestPartnerDiary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void followsTheFile_data()
    {
        QTest::addColumn<QString>("command"); // run on データ1.txt, as another program would
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("malformedLine"); // 0: none
        QTest::newRow("untouched") << QStringLiteral(":") << false << 2 << true << 0;
        QTest::newRow("times touched, bytes the same") << QStringLiteral("touch -d '2001-01-01' \"$1\"") << false << 2 << true << 0;
        QTest::newRow("copied over with the same bytes") << QStringLiteral("cp \"$1\" \"$1.x\" && mv \"$1.x\" \"$1\"") << false << 2 << true << 0;
        QTest::newRow("one byte changed in place, same size")
            << QStringLiteral("printf 6 | dd of=\"$1\" bs=1 seek=19 conv=notrunc status=none") << true << 2 << true << 0;
        QTest::newRow("appended") << QStringLiteral("head -n 1 \"$1\" >> \"$1\"") << true << 3 << true << 0;
        QTest::newRow("appended, no record") << QStringLiteral("printf 'x\\r\\n' >> \"$1\"") << true << 2 << true << 3;
        QTest::newRow("emptied") << QStringLiteral(": > \"$1\"") << true << 0 << true << 0;
        QTest::newRow("gone") << QStringLiteral("rm \"$1\"") << true << 0 << false << 0;
        QTest::newRow("a folder in its place") << QStringLiteral("rm \"$1\" && mkdir \"$1\"") << true << 0 << false << 0;
    }
    void followsTheFile()
    {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(int, records);
        QFETCH(bool, readable);
        QFETCH(int, malformedLine);
        QTemporaryDir dir;
        TestFiles::write(dir.path(), FileName::data1, kLine + kLine);
        PartnerDiary diary(DataFolder(dir.path()), 1);
        diary.load();
        const quint64 revision = diary.revision();
        QSignalSpy announced(&diary, &PartnerDiary::recordsChanged);
        QCOMPARE(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command, QStringLiteral("sh"), dir.filePath(FileName::data1)}), 0);

        QCOMPARE(diary.refresh(), changed);
        QCOMPARE(diary.revision() != revision, changed);
        QCOMPARE(announced.count(), changed ? 1 : 0);
        QCOMPARE(diary.recordCount(), records);
        QCOMPARE(diary.file().unreadable(), !readable);
        QCOMPARE(diary.file().malformed.value(0).lineNumber, malformedLine);
        if (changed && records == 2 && !malformedLine)
            QCOMPARE(diary.records().at(0).weight, 66.5f);
        // A file that cannot be read, or that has gone since it was read, is written to by nothing
        // but a new start; the refusal names it.
        const StoreResult saved = diary.append({QStringLiteral("2026/12/08"), QStringLiteral("朝"), 65.0f, {}, 20.0f, {}});
        QCOMPARE(saved.ok(), readable);
        if (!readable) {
            QVERIFY2(saved.message().contains(FileName::data1), qPrintable(saved.message()));
            QVERIFY(!QFileInfo(QDir(dir.path()).filePath(FileName::data1)).isFile());
        }
    }

    // A record is named by its place in the records a screen listed: once they changed, whoever
    // changed them, the change is refused and the records are those of the file.
    void listedRecordsMustBeTheCurrentOnes()
    {
        QTemporaryDir dir;
        TestFiles::write(dir.path(), FileName::data1, kLine + kLine);
        PartnerDiary diary(DataFolder(dir.path()), 1);
        diary.load();
        const quint64 listed = diary.recordsRevision();
        QVERIFY(diary.writeProfile({QStringLiteral("ぽむ"), 170.0f, 60.0f}).ok());
        QVERIFY(diary.replaceComment(listed, 0, QStringLiteral("散歩")).result.ok()); // a profile is no change of the records
        const RecordChange stale = diary.deleteRecord(listed, 1);
        QVERIFY(stale.fileChanged);
        QVERIFY(stale.result.message().contains(QStringLiteral("一覧を読み込み直しました")));
        QCOMPARE(diary.recordCount(), 2);
        QCOMPARE(diary.records().at(0).comment, QStringLiteral("散歩"));
    }
};

QTEST_GUILESS_MAIN(TestPartnerDiary)
#include "tst_partnerdiary.moc"
