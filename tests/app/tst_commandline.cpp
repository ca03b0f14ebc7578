#include "app/CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void folders_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("error");
        const QString home = QStringLiteral("/home/pom");
        QTest::newRow("default") << QStringList{} << QString() << home + QStringLiteral("/.local/share/pmlina") << false << false;
        QTest::newRow("xdg") << QStringList{} << QStringLiteral("/data") << QStringLiteral("/data/pmlina") << false << false;
        QTest::newRow("relative xdg ignored") << QStringList{} << QStringLiteral("data") << home + QStringLiteral("/.local/share/pmlina")
                                              << false << false;
        QTest::newRow("--data-dir DIR") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("/tmp/x")} << QStringLiteral("/data")
                                        << QStringLiteral("/tmp/x") << false << false;
        QTest::newRow("--data-dir=DIR") << QStringList{QStringLiteral("--data-dir=/tmp/y")} << QString() << QStringLiteral("/tmp/y")
                                        << false << false;
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QString() << home + QStringLiteral("/.local/share/pmlina")
                                << true << false;
        QTest::newRow("missing folder") << QStringList{QStringLiteral("--data-dir")} << QString() << QString() << false << true;
        QTest::newRow("unknown") << QStringList{QStringLiteral("--colour")} << QString() << QString() << false << true;
    }
    void folders()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, xdg);
        QFETCH(QString, folder);
        QFETCH(bool, help);
        QFETCH(bool, error);
        const CommandLine c = ParseCommandLine(QStringList{QStringLiteral("pmlina")} + args, xdg, QStringLiteral("/home/pom"));
        QCOMPARE(!c.error.isEmpty(), error);
        QCOMPARE(c.showHelp, help);
        if (!error)
            QCOMPARE(c.dataDir, folder);
    }

    void csvCommands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action"); // CsvAction, -1 for an error
        QTest::addColumn<int>("partner");
        QTest::addColumn<QString>("file");
        const QString ex = QStringLiteral("--export-csv");
        const QString im = QStringLiteral("--import-csv");
        QTest::newRow("export") << QStringList{ex, QStringLiteral("2"), QStringLiteral("a.csv"), QStringLiteral("--data-dir"), QStringLiteral("/d")}
                                << int(CsvAction::Export) << 2 << QStringLiteral("a.csv");
        QTest::newRow("import") << QStringList{im, QStringLiteral("1"), QStringLiteral("--x.csv")} << int(CsvAction::Import) << 1
                                << QStringLiteral("--x.csv");
        QTest::newRow("no file") << QStringList{im, QStringLiteral("1")} << -1 << 0 << QString();
        QTest::newRow("partner 0") << QStringList{ex, QStringLiteral("0"), QStringLiteral("a.csv")} << -1 << 0 << QString();
        QTest::newRow("both") << QStringList{ex, QStringLiteral("1"), QStringLiteral("a.csv"), im, QStringLiteral("1"), QStringLiteral("a.csv")}
                              << -1 << 0 << QString();
    }
    void csvCommands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QFETCH(int, partner);
        QFETCH(QString, file);
        const CommandLine c = ParseCommandLine(QStringList{QStringLiteral("pmlina")} + args, QString(), QStringLiteral("/home/pom"));
        QCOMPARE(!c.error.isEmpty(), action < 0);
        if (action < 0)
            return;
        QCOMPARE(int(c.csvAction), action);
        QCOMPARE(c.csvPartner, partner);
        QCOMPARE(c.csvFile, file);
    }

    void usageNamesTheOptions()
    {
        QVERIFY(UsageText().contains(QStringLiteral("--data-dir")));
        QVERIFY(UsageText().contains(QStringLiteral("--help")));
        QVERIFY(UsageText().contains(QStringLiteral("--import-csv")));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
