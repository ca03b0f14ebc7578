// SPDX-License-Identifier: GPL-3.0-or-later
// The demo folder copied for `scripts/run --demo`: dates moved up to today, nothing else changed.
#include "DemoCopy.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestDemoCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameDayKeepsEveryByte();
    void laterDayMovesEveryDate_data();
    void laterDayMovesEveryDate();
    void theFolderOfAnEarlierDemo_data();
    void theFolderOfAnEarlierDemo();
};

void TestDemoCopy::sameDayKeepsEveryByte()
{
    // The shipped files end on 2026/12/06: copied on that day, nothing moves.
    QTemporaryDir dir;
    QCOMPARE(CopyDemoFolder(QStringLiteral(PMLINA_DEMO_DATA), dir.path(), QDate(2026, 12, 6)).outcome, DemoCopy::Done);
    const QDir source(QStringLiteral(PMLINA_DEMO_DATA));
    for (const QString &name : source.entryList(QDir::Files))
        QCOMPARE(TestFiles::bytes(dir.path(), name), TestFiles::bytes(source.path(), name));
}

void TestDemoCopy::laterDayMovesEveryDate_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("next day") << QDate(2026, 12, 7);
    QTest::newRow("over a leap day") << QDate(2028, 3, 15);
}

void TestDemoCopy::laterDayMovesEveryDate()
{
    QFETCH(QDate, today);
    QTemporaryDir dir;
    QCOMPARE(CopyDemoFolder(QStringLiteral(PMLINA_DEMO_DATA), dir.path(), today).outcome, DemoCopy::Done);
    const qint64 shift = QDate(2026, 12, 6).daysTo(today);
    for (int partner = 1; partner <= 2; ++partner) {
        const MeasurementFile original = ReadMeasurements(DataFolder(QStringLiteral(PMLINA_DEMO_DATA)), FileName::dataFile(partner));
        const MeasurementFile copy = ReadMeasurements(DataFolder(dir.path()), FileName::dataFile(partner));
        QCOMPARE(copy.malformedReport(), QString());
        QCOMPARE(copy.records.size(), original.records.size());
        for (qsizetype i = 0; i < copy.records.size(); ++i) {
            const Measurement &a = original.records[i];
            const Measurement &b = copy.records[i];
            QCOMPARE(QDate::fromString(b.date, QStringLiteral("yyyy/MM/dd")),
                     QDate::fromString(a.date, QStringLiteral("yyyy/MM/dd")).addDays(shift));
            QCOMPARE(b.weight, a.weight);
            QCOMPARE(b.situation, a.situation);
            QCOMPARE(b.comment, a.comment);
        }
        // The couple measured yesterday and today.
        const QString yesterday = today.addDays(-1).toString(QStringLiteral("yyyy/MM/dd"));
        QCOMPARE(copy.records.last().date, today.toString(QStringLiteral("yyyy/MM/dd")));
        QVERIFY(std::any_of(copy.records.cbegin(), copy.records.cend(), [&](const Measurement &m) { return m.date == yesterday; }));
    }
}

// One folder serves every demo start: what an earlier demo left there goes, unless a window still
// has it open; a folder that never held a demo is not touched.
void TestDemoCopy::theFolderOfAnEarlierDemo_data()
{
    QTest::addColumn<DemoCopy>("outcome");
    QTest::newRow("a demo used for a day") << DemoCopy::Done;
    QTest::newRow("a demo still open") << DemoCopy::InUse;
    QTest::newRow("someone's own files") << DemoCopy::Failed;
}

void TestDemoCopy::theFolderOfAnEarlierDemo()
{
    QFETCH(DemoCopy, outcome);
    QTemporaryDir dir;
    const QString demo = QStringLiteral(PMLINA_DEMO_DATA);
    if (outcome != DemoCopy::Failed)
        QCOMPARE(CopyDemoFolder(demo, dir.path(), QDate(2026, 12, 6)).outcome, DemoCopy::Done);
    // What a day of use leaves: a measurement, a backup folder, a file of its own.
    TestFiles::write(dir.path(), FileName::data1, QStringLiteral("\"2026/12/06\",\"起床後\",70,\"\",25,\"\"\r\n"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("backup/2026-12-06")));
    TestFiles::write(dir.path(), QStringLiteral("backup/2026-12-06/") + FileName::data1, QStringLiteral("x"));
    const QByteArray used = TestFiles::bytes(dir.path(), FileName::data1);
    FolderLock window{DataFolder(dir.path())};
    if (outcome == DemoCopy::InUse)
        QCOMPARE(window.tryLock(), FolderLock::Outcome::Held);

    const auto entries = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name); };
    QStringList expected = entries();
    QCOMPARE(CopyDemoFolder(demo, dir.path(), QDate(2026, 12, 6)).outcome, outcome);
    if (outcome == DemoCopy::Done) {
        expected = QDir(demo).entryList(QDir::Files) << DemoMarkName();
        expected.sort();
    }
    QCOMPARE(entries(), expected);
    QCOMPARE(TestFiles::bytes(dir.path(), FileName::data1), outcome == DemoCopy::Done ? TestFiles::bytes(demo, FileName::data1) : used);
}

QTEST_GUILESS_MAIN(TestDemoCopy)
#include "tst_democopy.moc"
