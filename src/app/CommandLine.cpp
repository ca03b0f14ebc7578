#include "app/CommandLine.h"

#include <QDir>

bool NamesWindowlessCommand(const QStringList &arguments)
{
    return arguments.contains(QLatin1String("--export-csv")) || arguments.contains(QLatin1String("--import-csv"))
           || arguments.contains(QLatin1String("--merge-copies"));
}

CommandLine ParseCommandLine(const QStringList &arguments, const QString &xdgDataHome, const QString &home)
{
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.showHelp = true;
        } else if (arg == QLatin1String("--version")) {
            result.showVersion = true;
        } else if (arg == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                result.error = QStringLiteral("--data-dir のあとにフォルダを指定してください");
                return result;
            }
            result.dataDir = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--data-dir="))) {
            result.dataDir = arg.mid(int(qstrlen("--data-dir=")));
            if (result.dataDir.isEmpty()) {
                result.error = QStringLiteral("--data-dir のあとにフォルダを指定してください");
                return result;
            }
        } else if (arg == QLatin1String("--merge-copies")) {
            if (result.csvAction != CsvAction::None) {
                result.error = QStringLiteral("--export-csv、--import-csv、--merge-copies は一度にひとつだけ指定できます");
                return result;
            }
            result.mergeCopies = true;
        } else if (arg == QLatin1String("--export-csv") || arg == QLatin1String("--import-csv")) {
            if (result.csvAction != CsvAction::None || result.mergeCopies) {
                result.error = QStringLiteral("--export-csv、--import-csv、--merge-copies は一度にひとつだけ指定できます");
                return result;
            }
            if (i + 2 >= arguments.size() || arguments[i + 2].isEmpty()) {
                result.error = QStringLiteral("%1 のあとに登録者（1 または 2）とファイルを指定してください").arg(arg);
                return result;
            }
            const QString &partner = arguments[i + 1];
            if (partner != QLatin1String("1") && partner != QLatin1String("2")) {
                result.error = QStringLiteral("%1 の登録者は 1 か 2 です（「%2」ではありません）").arg(arg, partner);
                return result;
            }
            result.csvAction = arg == QLatin1String("--export-csv") ? CsvAction::Export : CsvAction::Import;
            result.csvPartner = partner.toInt();
            result.csvFile = arguments[i + 2];
            i += 2;
        } else {
            result.error = QStringLiteral("知らない引数です: %1").arg(arg);
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
    return QStringLiteral("使い方: pmlina [--data-dir フォルダ] [--export-csv 登録者 ファイル | --import-csv 登録者 ファイル |\n"
                          "                                    --merge-copies]\n"
                          "Usage: pmlina [--data-dir DIR] [--export-csv PARTNER FILE | --import-csv PARTNER FILE | --merge-copies]\n"
                          "\n"
                          "  --data-dir DIR  データを置くフォルダ（既定: $XDG_DATA_HOME/pmlina、\n"
                          "                  未設定なら ~/.local/share/pmlina。無ければ作ります）\n"
                          "  --export-csv PARTNER FILE\n"
                          "                  登録者（1 または 2）の記録を openScale 3 が取り込める CSV ファイル\n"
                          "                  （UTF-8、列 DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION）に書き出します。\n"
                          "                  ウィンドウは開きません\n"
                          "  --import-csv PARTNER FILE\n"
                          "                  CSV ファイル（この書き出し、openScale 1～3 の書き出しなど）の記録を\n"
                          "                  登録者（1 または 2）のデータに確認なしで加えます。\n"
                          "                  日付・体重・体脂肪率が同じ記録がすでにあれば加えません。読み取れない行は\n"
                          "                  行番号と理由を標準エラーに出して飛ばします。ウィンドウは開きません\n"
                          "  --merge-copies  同期ソフト（Syncthing、Nextcloud、Dropbox）が作った競合コピーをまとめます。\n"
                          "                  データの競合コピーにあってデータにない記録をすべて加え、ほかのファイルは\n"
                          "                  今のものを残し（気付きメモにはコピーにしかない行を加えます）、コピーは\n"
                          "                  backup/conflicts に移します。ウィンドウは開きません\n"
                          "  --help          この説明を表示します\n"
                          "  --version       版（バージョン）を表示します\n"
                          "\n"
                          "終了コード / exit status (--export-csv, --import-csv, --merge-copies):\n"
                          "  0  すべての行を書き出した・取り込んだ・まとめた / done, every line taken\n"
                          "  1  何も書いていない（ウィンドウがこのフォルダで開いている、ファイルを読めない・\n"
                          "     書けない、見出しの行も openScale 1 の形もない、上限の行数を超える）\n"
                          "     / nothing written: a window holds the folder, a file cannot be read or written,\n"
                          "     no header, too many lines\n"
                          "  2  コマンドラインの誤り / the arguments cannot be understood\n"
                          "  3  読み取れない行を飛ばして残りを書いた（標準エラーに一覧）\n"
                          "     / done, but the lines listed on standard error could not be read\n"
                          "\n"
                          "ロックファイル（同じフォルダでの二重起動を防ぐ印）は $XDG_RUNTIME_DIR/pmlina に置きます。\n"
                          "The lock that keeps a second program off the folder is in $XDG_RUNTIME_DIR/pmlina.\n");
}

QString VersionText()
{
    return QStringLiteral("pmlina (ポムリナ) %1\n").arg(QLatin1String(PMLINA_VERSION));
}
