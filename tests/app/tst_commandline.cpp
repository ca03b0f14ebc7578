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

    void usageNamesTheOptions()
    {
        QVERIFY(UsageText().contains(QStringLiteral("--data-dir")));
        QVERIFY(UsageText().contains(QStringLiteral("--help")));
        QVERIFY(UsageText().contains(QStringLiteral("--import-csv")));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
