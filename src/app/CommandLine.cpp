#include "app/CommandLine.h"

#include <QDir>

CommandLine ParseCommandLine(const QStringList &arguments, const QString &xdgDataHome, const QString &home)
{
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.showHelp = true;
        } else if (arg == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                result.error = QStringLiteral("--data-dir needs a folder");
                return result;
            }
            result.dataDir = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--data-dir="))) {
            result.dataDir = arg.mid(int(qstrlen("--data-dir=")));
            if (result.dataDir.isEmpty()) {
                result.error = QStringLiteral("--data-dir needs a folder");
                return result;
            }
        } else {
            result.error = QStringLiteral("unknown argument: %1").arg(arg);
            return result;
        }
    }
    if (result.dataDir.isEmpty()) {
        // An XDG_DATA_HOME that is not absolute is to be ignored.
        const QString base = (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome)) ? xdgDataHome : home + QStringLiteral("/.local/share");
        result.dataDir = base + QStringLiteral("/pmlina");
    }
    return result;
}

QString UsageText()
{
    return QStringLiteral("使い方: pmlina [--data-dir フォルダ]\n"
                          "Usage: pmlina [--data-dir DIR]\n"
                          "\n"
                          "  --data-dir DIR  データを置くフォルダ（既定: $XDG_DATA_HOME/pmlina、\n"
                          "                  未設定なら ~/.local/share/pmlina。無ければ作ります）\n"
                          "  --help          この説明を表示します\n");
}
