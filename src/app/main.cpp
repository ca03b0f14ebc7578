#include "app/CommandLine.h"
#include "app/CsvCommand.h"
#include "app/MainWindow.h"
#include "app/MergeCopiesCommand.h"
#include "app/SecondStart.h"
#include "store/FolderLock.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/JapaneseFont.h"
#include "ui/LayoutScale.h"
#include "ui/QtTranslation.h"
#include "ui/ReadableIndicators.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>

#include <cstdio>

namespace {
int printUsage(const CommandLine &command)
{
    if (command.showHelp) {
        std::fputs(UsageText().toUtf8().constData(), stdout);
        return 0;
    }
    if (command.showVersion && command.error.isEmpty()) {
        std::fputs(VersionText().toUtf8().constData(), stdout);
        return 0;
    }
    std::fprintf(stderr, "pmlina: %s\n%s", command.error.toUtf8().constData(), UsageText().toUtf8().constData());
    return ExitUsage;
}
} // namespace

int main(int argc, char *argv[])
{
    // The arguments are read before any application object: --help, --version and the CSV commands
    // must work where no display can be opened (over ssh, from cron). Arguments this cannot place
    // may be the toolkit's own (-platform, -style), which only the application object takes off.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine early = ParseCommandLine(arguments, qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (early.showHelp || (early.showVersion && early.error.isEmpty()) || (NamesWindowlessCommand(arguments) && !early.error.isEmpty()))
        return printUsage(early);
    if (early.error.isEmpty() && (early.csvAction != CsvAction::None || early.mergeCopies)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("pmlina"));
        return early.mergeCopies ? RunMergeCopiesCommand(early, stdout, stderr) : RunCsvCommand(early, stdout, stderr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pmlina"));
    QApplication::setApplicationDisplayName(QStringLiteral("ポムリナ"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/pmlina.png")));
    // Lets the desktop match the window to its desktop entry (its icon, its name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pmlina.pmlina"));
    const CommandLine command = ParseCommandLine(app.arguments(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (command.showHelp || command.showVersion || !command.error.isEmpty())
        return printUsage(command);
    if (!QDir().mkpath(command.dataDir)) {
        std::fprintf(stderr, "pmlina: %s\n",
                     QStringLiteral("データのフォルダ「%1」を作れません。").arg(command.dataDir).toUtf8().constData());
        return ExitNothingWritten;
    }
    chooseJapaneseFont(app);
    // Before the first box: the lock's message may come before the window.
    useReadableIndicators();
    // Every screen and box is built at the scale that fits the screen the window opens on.
    applyLayoutScaleFor(QGuiApplication::primaryScreen());
    installJapaneseQtTranslation(app);

    SystemClock clock;
    QtDialogs dialogs;
    const DataFolder folder(command.dataDir);
    FolderLock lock(folder);
    if (!ClaimDataFolder(lock, dialogs))
        return ExitNothingWritten;
    MainWindow window(folder, dialogs, clock);
    dialogs.setParent(&window);
    window.Form_Load();
    return app.exec();
}
