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

using namespace Qt::StringLiterals;

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

    // A file from elsewhere: it is read only when it can be, and its name is quoted as it shows;
    // another tracker's export names what was found in the summary, the unit is asked where the
    // file does not name it, and a cancelled question or reading writes nothing and says nothing.
    void importOfAFileFromElsewhere_data()
    {
        QTest::addColumn<QString>("name");             // the file picked
        QTest::addColumn<QByteArray>("file");           // its bytes; "FIFO": it is a FIFO
        QTest::addColumn<std::optional<int>>("unit"); // the answer to the unit question; none: cancelled
        QTest::addColumn<int>("cancelAt");             // the progress advance the user cancels at (0: never)
        QTest::addColumn<QStringList>("asked");        // the unit question, when asked
        QTest::addColumn<QString>("said");             // how the first box's text starts, empty when none is shown
        QTest::addColumn<QString>("added");            // the line the data file gains, empty when none
        const QByteArray apple = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<HealthData locale=\"ja_JP\">\n"
                                 " <Record type=\"HKQuantityTypeIdentifierBodyMass\" sourceName=\"Health\" unit=\"kg\" "
                                 "startDate=\"2026-12-02 07:12:45 +0900\" endDate=\"2026-12-02 07:12:45 +0900\" value=\"71.5\"/>\n</HealthData>\n";
        const QByteArray fitbit = "[{\"logId\":1,\"weight\":160.2,\"bmi\":24.3,\"fat\":22.5,\"date\":\"12/02/26\",\"time\":\"07:40:00\",\"source\":\"Aria\"}]";
        const QStringList question = {u"CSV取り込み|「in.csv」（Fitbit の書き出し）には体重の単位が書かれていません。\r\n"
                                      u"体重はどちらの単位で書かれていますか？|kg|lb（ポンド）"_s};
        const QString summary = u"「in.csv」の記録を「ぽ/む」のデータに取り込みます。\r\n\r\n%1\r\n\r\n新しく加える記録：1件"_s;
        const std::optional<int> none;
        QTest::newRow("FIFO") << u"in.csv"_s << QByteArray("FIFO") << none << 0 << QStringList()
                              << u"「in.csv」を読み込めませんでした（普通のファイルではありません）。"_s << QString();
        QTest::newRow("escape in the name") << u"a\x1B[2J.csv"_s << QByteArray("DATE,WEIGHT\n2026-12-02,71\n") << none << 0 << QStringList()
                                            << u"「a<U+001B>[2J.csv」の記録を"_s << u"\"2026/12/02\",\"取り込み\",71,\"\",0,\"\""_s;
        QTest::newRow("Apple Health") << u"in.csv"_s << apple << none << 0 << QStringList()
                                      << summary.arg(u"Apple Health の書き出し：体重 1件、体脂肪率 0件（2026/12/02〜2026/12/02）"_s)
                                      << u"\"2026/12/02\",\"取り込み\",71.5,\"07:12:45\",0,\"\""_s;
        QTest::newRow("Fitbit in pounds") << u"in.csv"_s << fitbit << std::optional<int>(1) << 0 << question
                                          << summary.arg(u"Fitbit の書き出し：体重 1件、体脂肪率 1件（2026/12/02〜2026/12/02）"_s)
                                          << u"\"2026/12/02\",\"取り込み\",72.6655,\"07:40:00\",22.5,\"\""_s;
        QTest::newRow("unit not told") << u"in.csv"_s << fitbit << none << 0 << question << QString() << QString();
        QTest::newRow("reading cancelled") << u"in.csv"_s << apple << none << 1 << QStringList() << QString() << QString();
    }
    void importOfAFileFromElsewhere()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(std::optional<int>, unit);
        QFETCH(int, cancelAt);
        QFETCH(QString, said);
        QFETCH(QString, added);
        CsvHarness h;
        const QString path = h.dir.filePath(name);
        QFile out(path);
        if (file == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush());
        QStringList after = TestFiles::lines(h.path(), FileName::data1);
        h.dialogs.fileAnswers = {path};
        h.dialogs.choiceAnswers = {unit};
        h.dialogs.cancelProgressAt = cancelAt;
        h.click("cmdCsvIn");
        QTEST(h.dialogs.choicesAsked, "asked");
        QCOMPARE(h.dialogs.shown.isEmpty(), said.isEmpty());
        if (!said.isEmpty())
            QVERIFY2(h.dialogs.shown[0].text.startsWith(said), qPrintable(h.dialogs.shown[0].text));
        if (!added.isEmpty())
            after.insert(1, added);
        QCOMPARE(TestFiles::lines(h.path(), FileName::data1), after);
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
