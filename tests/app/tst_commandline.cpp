#include "app/CommandLine.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
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
        QTest::addColumn<bool>("version");
        QTest::addColumn<bool>("error");
        const QString home = QStringLiteral("/home/pom");
        QTest::newRow("default") << QStringList{} << QString() << home + QStringLiteral("/.local/share/pmlina") << false << false << false;
        QTest::newRow("xdg") << QStringList{} << QStringLiteral("/data") << QStringLiteral("/data/pmlina") << false << false << false;
        QTest::newRow("relative xdg ignored") << QStringList{} << QStringLiteral("data") << home + QStringLiteral("/.local/share/pmlina")
                                              << false << false << false;
        QTest::newRow("--data-dir DIR") << QStringList{QStringLiteral("--data-dir"), QStringLiteral("/tmp/x")} << QStringLiteral("/data")
                                        << QStringLiteral("/tmp/x") << false << false << false;
        QTest::newRow("--data-dir=DIR") << QStringList{QStringLiteral("--data-dir=/tmp/y")} << QString() << QStringLiteral("/tmp/y")
                                        << false << false << false;
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QString() << home + QStringLiteral("/.local/share/pmlina")
                                << true << false << false;
        QTest::newRow("missing folder") << QStringList{QStringLiteral("--data-dir")} << QString() << QString() << false << false << true;
        QTest::newRow("unknown") << QStringList{QStringLiteral("--colour")} << QString() << QString() << false << false << true;
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << QString() << home + QStringLiteral("/.local/share/pmlina")
                                   << false << true << false;
        QTest::newRow("--version, unknown") << QStringList{QStringLiteral("--version"), QStringLiteral("--colour")} << QString() << QString()
                                            << false << true << true;
    }
    void folders()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, xdg);
        QFETCH(QString, folder);
        QFETCH(bool, help);
        QFETCH(bool, version);
        QFETCH(bool, error);
        const CommandLine c = ParseCommandLine(QStringList{QStringLiteral("pmlina")} + args, xdg, QStringLiteral("/home/pom"));
        QCOMPARE(!c.error.isEmpty(), error);
        QCOMPARE(c.showHelp, help);
        QCOMPARE(c.showVersion, version);
        if (!error)
            QCOMPARE(c.dataDir, folder);
    }

    // Told in Japanese, like everything else the program says.
    void errorsNameTheMistake_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << QStringList{QStringLiteral("--data-dir")}
                                        << QStringLiteral("--data-dir のあとにフォルダを指定してください");
        QTest::newRow("unknown") << QStringList{QStringLiteral("--colour")} << QStringLiteral("知らない引数です: --colour");
        QTest::newRow("partner 3") << QStringList{QStringLiteral("--export-csv"), QStringLiteral("3"), QStringLiteral("a.csv")}
                                   << QStringLiteral("--export-csv の登録者は 1 か 2 です（「3」ではありません）");
    }
    void errorsNameTheMistake()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QCOMPARE(ParseCommandLine(QStringList{QStringLiteral("pmlina")} + args, QString(), QStringLiteral("/home/pom")).error, message);
    }

    void usageNamesTheOptions()
    {
        QVERIFY(UsageText().contains(QStringLiteral("--data-dir")));
        QVERIFY(UsageText().contains(QStringLiteral("--help")));
        QVERIFY(UsageText().contains(QStringLiteral("--import-csv")));
        QVERIFY(UsageText().contains(QStringLiteral("--version")));
    }

    // The built program answers --help and --version where no display can be opened, with the
    // version CMake gave the project.
    void withoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--version") << QStringLiteral("--version") << QStringLiteral("pmlina (ポムリナ) " PMLINA_VERSION "\n");
        QTest::newRow("--help") << QStringLiteral("--help") << UsageText();
    }
    void withoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, printed);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PMLINA_BINARY), {option});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), printed);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    }

    // The manual page describes every option that --help lists.
    void manualNamesEveryOption()
    {
        QFile manual(QStringLiteral(PMLINA_MANUAL));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manual.readAll());
        const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*[a-z]"));
        QStringList options;
        for (const QRegularExpressionMatch &m : option.globalMatch(UsageText()))
            options << m.captured();
        options.removeDuplicates();
        QCOMPARE(options.size(), 6);
        for (QString name : options) {
            // In roff every hyphen of an option is written \-.
            name.replace(QLatin1Char('-'), QStringLiteral("\\-"));
            QVERIFY2(page.count(name) >= 2, qPrintable(name)); // in the English and the Japanese part
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
