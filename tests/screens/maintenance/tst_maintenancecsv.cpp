// SPDX-License-Identifier: GPL-3.0-or-later
// CSV out and in from the maintenance screen: the file dialogs, the summary shown before an
// import, and that only OK writes.
#include "screens/entry/EntryController.h"
#include "screens/entry/EntryDay.h"
#include "screens/maintenance/MaintenanceController.h"
#include "store/FileNames.h"
#include "support/MainWindowHarness.h"
#include "support/ScreenHarness.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString kData = QStringLiteral("\"2026/12/01\",\"朝\",72.5,\"\",28.1,\"\"\r\n"
                                     "\"2026/12/03\",\"夜\",72,\"07:10:00\",28,\"\"\r\n");

struct CsvHarness : ScreenHarness<MaintenanceController> {
    CsvHarness()
    {
        writeProfile(1, {QStringLiteral("ぽ/む"), 0.0f, 0.0f});
        write(FileName::data1, kData);
        session.load();
    }
    void click(const char *name) { QTest::mouseClick(find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton); }
    QString csvPath() const { return dir.filePath(QStringLiteral("in.csv")); }
    void writeCsv(const QByteArray &bytes)
    {
        QFile file(csvPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};
} // namespace

class MaintenanceCsvTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exportWritesTheChosenFile()
    {
        CsvHarness h;
        h.click("cmdCsvOut"); // cancelled: nothing written, nothing said
        QVERIFY(h.dialogs.shown.isEmpty());
        QVERIFY(h.dialogs.fileDialogsAsked.value(0).contains(QStringLiteral("/ぽ_む_2026-12-07.csv|")));

        const QString out = h.dir.filePath(QStringLiteral("out.csv"));
        h.dialogs.fileAnswers = {out};
        h.click("cmdCsvOut");
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION\r\n"
                                                                   "2026-12-01,00:00:00,72.5,28.1,,朝\r\n"
                                                                   "2026-12-03,07:10:00,72,28,07:10:00,夜\r\n"));
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY(h.dialogs.shown[0].text.startsWith(QStringLiteral("2件の記録を書き出しました。")));
        // the next dialog starts in the folder last used
        h.click("cmdCsvIn");
        QVERIFY(h.dialogs.fileDialogsAsked.last().contains(u'|' + h.path() + u'|'));
    }

    void importShowsWhatItWouldDoAndWritesOnlyOnOk()
    {
        CsvHarness h;
        h.writeCsv("date,weight,fat\n2026-12-03,72,28\n2026-12-02,x,28\n2026-12-02,71.5,27.5\n");
        const QByteArray before = TestFiles::bytes(h.path(), FileName::data1);
        QSignalSpy dataFileChanges(&h.session, &Session::recordsChanged);
        h.dialogs.fileAnswers = {h.csvPath()};
        h.dialogs.answers = {MessageAnswer::Cancel};
        h.click("cmdCsvIn");
        QCOMPARE(h.dialogs.shown.size(), 1);
        const Message summary = h.dialogs.shown[0];
        QCOMPARE(summary.buttons, MessageButtons::OkCancel);
        QCOMPARE(summary.text, QStringLiteral("「in.csv」の記録を「ぽ/む」のデータに取り込みます。\r\n\r\n"
                                              "新しく加える記録：1件\r\n"
                                              "すでにある記録（日付・体重・体脂肪率が同じ）：1件　→ 取り込みません\r\n"
                                              "読み取れない行：1行　→ 取り込みません（下の一覧）\r\n\r\n"
                                              "よろしいですか？"));
        QCOMPARE(summary.details, QStringLiteral("3行目：体重「x」を数値として読み取れません"));
        QCOMPARE(TestFiles::bytes(h.path(), FileName::data1), before);
        QCOMPARE(dataFileChanges.count(), 0);

        h.dialogs.fileAnswers = {h.csvPath()};
        h.click("cmdCsvIn");
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1),
                 (QStringList{QStringLiteral("\"2026/12/01\",\"朝\",72.5,\"\",28.1,\"\""),
                              QStringLiteral("\"2026/12/02\",\"取り込み\",71.5,\"\",27.5,\"\""),
                              QStringLiteral("\"2026/12/03\",\"夜\",72,\"07:10:00\",28,\"\"")}));
        QCOMPARE(dataFileChanges.count(), 1);
        QCOMPARE(h.dialogs.shown.last().text, QStringLiteral("1件の記録を取り込みました。"));

        // the same file again: nothing to add, no question asked
        h.dialogs.fileAnswers = {h.csvPath()};
        h.click("cmdCsvIn");
        QCOMPARE(h.dialogs.shown.last().buttons, MessageButtons::Ok);
        QCOMPARE(dataFileChanges.count(), 1);
    }

    // The file picked is read only when it can be, and its name is quoted as it shows.
    void importReadsOnlyAFileAndQuotesItsName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("said");
        QTest::newRow("FIFO") << QStringLiteral("in.csv") << true << QStringLiteral("「in.csv」を読み込めませんでした（普通のファイルではありません）。");
        QTest::newRow("escape in the name") << QStringLiteral("a\x1B[2J.csv") << false << QStringLiteral("「a<U+001B>[2J.csv」の記録を");
    }
    void importReadsOnlyAFileAndQuotesItsName()
    {
        QFETCH(QString, name);
        QFETCH(bool, fifo);
        QFETCH(QString, said);
        CsvHarness h;
        const QString path = h.dir.filePath(name);
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            TestFiles::write(h.path(), name, QStringLiteral("DATE,WEIGHT\n2026-12-02,71\n"));
        h.dialogs.fileAnswers = {path};
        h.dialogs.answers = {MessageAnswer::Cancel};
        h.click("cmdCsvIn");
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY2(h.dialogs.shown[0].text.startsWith(said), qPrintable(h.dialogs.shown[0].text));
    }

    void theEntryScreenFollowsAnImport()
    {
        // Its last date decides between appending and inserting a save: it must not stay behind.
        MainWindowHarness h;
        h.writeCouple({line(QStringLiteral("2026/12/01"), 72)}, {});
        h.setHelpTour(0);
        h.start();
        const QString csv = h.dir.filePath(QStringLiteral("in.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("DATE,TIME,WEIGHT,BODY_FAT\n2026-12-05,06:30:00,71,24.5\n"); // as openScale 3 writes it
        file.close();
        h.click(QStringLiteral("cmdSettei"));
        h.dialogs.fileAnswers = {csv};
        h.click(QStringLiteral("cmdCsvIn"));
        QCOMPARE(h.window->findChild<EntryController *>()->day().lastRecordDate, QStringLiteral("2026/12/05"));
        QCOMPARE(h.window->session().recordCount(), 2);
        QCOMPARE(TestFiles::lines(h.dir.path(), FileName::data1).last(), QStringLiteral("\"2026/12/05\",\"取り込み\",71,\"06:30:00\",24.5,\"\""));
    }
};

QTEST_MAIN(MaintenanceCsvTest)
#include "tst_maintenancecsv.moc"
