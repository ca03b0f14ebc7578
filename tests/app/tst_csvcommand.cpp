// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV commands as a script runs them: the built program, no display, its exit status.
#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString kData = QStringLiteral("\"2026/12/01\",\"朝\",72.5,\"\",28.1,\"\"\r\n");

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run pmlina(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PMLINA_BINARY), arguments);
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

class CsvCommandTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("args"); // DIR and IN stand for the data folder and a CSV file
        QTest::addColumn<QByteArray>("csv");   // IN's bytes; FIFO: IN is a FIFO, ZERO: a link to /dev/zero
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");    // on standard error, or on standard output for 0
        QTest::addColumn<int>("linesAfter"); // lines of データ1.txt afterwards
        QTest::addColumn<bool>("windowOpen"); // a running program holds the folder
        const QByteArray fine = "dateTime,weight,fat\n2026-12-02 07:00,72,28\n";
        const QStringList import1 = {QStringLiteral("--data-dir"), QStringLiteral("DIR"), QStringLiteral("--import-csv"),
                                     QStringLiteral("1"), QStringLiteral("IN")};
        QTest::newRow("import") << import1 << fine << 0 << QStringLiteral("1件を加えました") << 2 << false;
        QTest::newRow("import, a line unreadable")
            << import1 << QByteArray(fine + "2026-12-03,abc,28\n") << 3 << QStringLiteral("3行目：体重「abc」") << 2 << false;
        QTest::newRow("import, openScale 2")
            << import1 << QByteArray("\"comment\",\"dateTime\",\"fat\",\"weight\"\n\"\",\"02.12.2026 07:12\",27.5,71.5\n") << 0
            << QStringLiteral("1件を加えました") << 2 << false;
        QTest::newRow("import, no header") << import1 << QByteArray("2026-12-02,72,28\n") << 1 << QStringLiteral("見出しの行") << 1 << false;
        QTest::newRow("import, missing file") << (QStringList(import1.mid(0, 4)) << QStringLiteral("nothing.csv")) << QByteArray() << 1
                                              << QStringLiteral("「nothing.csv」を読み込めませんでした（ファイルまたはフォルダがありません）") << 1 << false;
        for (const char *special : {"FIFO", "ZERO"})
            QTest::addRow("import, %s", special) << import1 << QByteArray(special) << 1 << QStringLiteral("普通のファイルではありません") << 1 << false;
        QTest::newRow("import, escape sequences") << import1 << QByteArray("DATE,WEIGHT\n\x1B[2J\x1B]0;title\x07,72\n") << 3
                                                  << QStringLiteral("日付「<U+001B>[2J<U+001B>]0;title<U+0007>」") << 1 << false;
        // Another tracker's export, which does not name its unit: refused without --unit.
        const QByteArray fitbit = "[{\"logId\":1,\"weight\":160.2,\"date\":\"12/02/26\",\"time\":\"07:40:00\",\"source\":\"API\"}]";
        QTest::newRow("import, Fitbit without a unit") << import1 << fitbit << 1 << QStringLiteral("--unit kg か --unit lb を付けて") << 1 << false;
        QTest::newRow("import, Fitbit in pounds") << (QStringList(import1) << QStringLiteral("--unit") << QStringLiteral("lb")) << fitbit << 0
                                                  << QStringLiteral("Fitbit の書き出し：体重 1件、体脂肪率 0件（2026/12/02〜2026/12/02）") << 2 << false;
        QTest::newRow("export") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("DIR"), QStringLiteral("--export-csv"),
                                               QStringLiteral("1"), QStringLiteral("IN")}
                                << QByteArray() << 0 << QStringLiteral("1件の記録を書き出しました") << 1 << false;
        QTest::newRow("partner 3") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("DIR"), QStringLiteral("--export-csv"),
                                                  QStringLiteral("3"), QStringLiteral("IN")}
                                   << QByteArray() << 2 << QStringLiteral("1 か 2") << 1 << false;
        QTest::newRow("import while the window is open")
            << import1 << fine << 1 << QStringLiteral("（プロセス番号 %1）がこのデータフォルダで起動中").arg(QCoreApplication::applicationPid()) << 1
            << true;
        // IN is then a conflict copy of データ1.txt.
        const QStringList merge = {QStringLiteral("--data-dir"), QStringLiteral("DIR"), QStringLiteral("--merge-copies")};
        const QByteArray copy = "\"2026/12/01\",\"\x92\xa9\",72.5,\"\",28.1,\"\"\r\n\"2026/12/03\",\"\",71,\"\",27,\"\"\r\n";
        QTest::newRow("merge copies") << merge << copy << 0 << QStringLiteral("1件の記録を「データ1.txt」に加えました") << 2 << false;
        QTest::newRow("merge copies, a line unreadable") << merge << QByteArray(copy + "x\r\n") << 3 << QStringLiteral("3行目は記録として")
                                                         << 2 << false;
        QTest::newRow("merge copies while the window is open") << merge << copy << 1 << QStringLiteral("起動中") << 1 << true;
        QTest::newRow("no such folder") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("DIR/none"),
                                                       QStringLiteral("--export-csv"), QStringLiteral("1"), QStringLiteral("IN")}
                                        << QByteArray() << 1 << QStringLiteral("がありません") << 1 << false;
    }
    void exitStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, csv);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(int, linesAfter);
        QFETCH(bool, windowOpen);
        QTemporaryDir dir;
        FolderLock window{DataFolder(dir.path())};
        if (windowOpen)
            QCOMPARE(window.tryLock(), FolderLock::Outcome::Held);
        TestFiles::write(dir.path(), FileName::data1, kData);
        const QString in = dir.filePath(args.contains(QStringLiteral("--merge-copies")) ? QStringLiteral("データ1.sync-conflict-20261207-101010-ABCDEFG.txt")
                                                                                    : QStringLiteral("in.csv"));
        QFile file(in);
        if (csv == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(in).constData(), 0600), 0);
        else if (csv == "ZERO")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), in));
        else if (!csv.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.flush());
        for (QString &arg : args)
            arg = arg == QLatin1String("IN") ? in : QString(arg).replace(QLatin1String("DIR"), dir.path());
        const Run run = pmlina(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(said), qPrintable(run.out + run.err));
        QVERIFY(!run.err.contains(QChar(0x1B)));
        QCOMPARE(TestFiles::lines(dir.path(), FileName::data1).size(), linesAfter);
        if (args.contains(QStringLiteral("--export-csv")) && exitCode == 0)
            QCOMPARE(TestFiles::bytes(dir.path(), QStringLiteral("in.csv")),
                     QByteArray("DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION\r\n2026-12-01,00:00:00,72.5,28.1,,\xE6\x9C\x9D\r\n"));
    }
};

QTEST_GUILESS_MAIN(CsvCommandTest)
#include "tst_csvcommand.moc"
