#include "app/CommandLine.h"
#include "store/CsvExport.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

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

    // --help names every option and keeps to a terminal's 80 columns.
    void usageNamesTheOptions()
    {
        for (const HelpEntry &option : OptionHelp())
            QVERIFY(UsageText().contains(QStringLiteral("  ") + option.term));
        for (const QString &line : UsageText().split(u'\n').mid(3)) // a character from U+2E80 on takes two columns
            QVERIFY2(line.size() + std::count_if(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() >= 0x2e80; }) <= 80, qPrintable(line));
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

    // The manual page tells what --help tells, in both its parts: every option, every exit status
    // with its text, and the columns the export really writes.
    void manualAgreesWithHelp_data()
    {
        QTest::addColumn<QString>("section");
        for (const char *section : {"OPTIONS", "EXIT STATUS", "オプション", "終了コード"})
            QTest::newRow(section) << QString::fromUtf8(section);
    }
    void manualAgreesWithHelp()
    {
        QFETCH(QString, section);
        const bool japanese = section.front().unicode() > 0x7f;
        QFile manual(QStringLiteral(PMLINA_MANUAL));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        QString page = QString::fromUtf8(manual.readAll());
        for (const char *escape : {"\\fB", "\\fI", "\\fR", "\\&"})
            page.remove(QLatin1String(escape));
        page.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const qsizetype start = page.indexOf(QStringLiteral(".SH ") + section + u'\n');
        QVERIFY(start >= 0);
        const qsizetype end = page.indexOf(QStringLiteral("\n.SH "), start + 1);
        // Each entry: its term and its text, the Japanese one broken into lines.
        QMap<QString, QString> told;
        for (const QString &entry : page.mid(start, end - start).split(QStringLiteral(".TP\n")).mid(1)) {
            QStringList lines = entry.split(u'\n', Qt::SkipEmptyParts);
            const QString term = lines.takeFirst().remove(QRegularExpression(QStringLiteral("^\\.BI? "))).remove(u'"').simplified();
            lines.removeAll(QStringLiteral(".nf"));
            // Japanese lines may break at a space, which the line break then stands for.
            told.insert(term, japanese ? lines.join(QString()).remove(u' ') : lines.join(u' '));
        }
        const bool options = section == QStringLiteral("OPTIONS") || section == QStringLiteral("オプション");
        QMap<QString, QString> expected;
        for (const HelpEntry &entry : options ? OptionHelp() : ExitStatusHelp())
            expected.insert(japanese ? entry.termJa : entry.term, japanese ? QString(entry.japanese).remove(u' ') : entry.english);
        QCOMPARE(told, expected);
        // The export's columns as the exporter writes them, in the manual and in --help.
        const QString columns = QString::fromUtf8(csvOfMeasurements({})).section(QStringLiteral("\r\n"), 0, 0);
        if (options) {
            QVERIFY(told.value(japanese ? QStringLiteral("--export-csv 登録者 ファイル") : QStringLiteral("--export-csv PARTNER FILE")).contains(columns));
            QVERIFY(UsageText().contains(columns));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
