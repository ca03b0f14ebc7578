#include "app/CommandLine.h"

#include "store/CsvExport.h"
#include "store/MessageText.h"

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
        } else if (arg == QLatin1String("--unit")) {
            if (i + 1 >= arguments.size() || (arguments[i + 1] != QLatin1String("kg") && arguments[i + 1] != QLatin1String("lb"))) {
                result.error = QStringLiteral("--unit のあとに体重の単位（kg または lb）を指定してください");
                return result;
            }
            result.weightUnit = arguments[++i];
        } else {
            result.error = QStringLiteral("知らない引数です: %1").arg(arg);
            return result;
        }
    }
    if (!result.weightUnit.isEmpty() && result.csvAction != CsvAction::Import) {
        result.error = QStringLiteral("--unit は --import-csv と一緒に指定します");
        return result;
    }
    if (result.dataDir.isEmpty()) {
        // An XDG_DATA_HOME that is not absolute is to be ignored.
        const QString base = (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome)) ? xdgDataHome : home + QStringLiteral("/.local/share");
        result.dataDir = base + QStringLiteral("/pmlina");
    }
    return result;
}

namespace {

int columnsOf(QChar c)
{
    // East Asian wide and full-width characters take two columns of a terminal.
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115f) || (u >= 0x2e80 && u <= 0xa4cf) || (u >= 0xac00 && u <= 0xd7a3) || (u >= 0xf900 && u <= 0xfaff)
                   || (u >= 0xfe30 && u <= 0xfe4f) || (u >= 0xff00 && u <= 0xff60) || (u >= 0xffe0 && u <= 0xffe6)
               ? 2
               : 1;
}

bool mayBreakBetween(QChar before, QChar after)
{
    static const QString noLineStart = QStringLiteral("、。，．・：；？！）」』】〕）｝〉》ー～ぁぃぅぇぉっゃゅょァィゥェォッャュョ,.;:)]}");
    static const QString noLineEnd = QStringLiteral("（「『【〔｛〈《([{");
    if (noLineStart.contains(after) || noLineEnd.contains(before))
        return false;
    // Latin words and numbers stay whole; they break at their spaces.
    return columnsOf(before) == 2 || columnsOf(after) == 2;
}

} // namespace

QStringList WrappedLines(const QString &text, int columns)
{
    QStringList lines;
    QString line;
    int width = 0;
    qsizetype lastBreak = -1; // where `line` may be broken: the index the next line starts at
    for (const QChar c : text) {
        if (c == u' ' && line.isEmpty())
            continue;
        if (!line.isEmpty() && (c == u' ' || mayBreakBetween(line.back(), c)))
            lastBreak = line.size() + (c == u' ' ? 1 : 0);
        line += c;
        width += columnsOf(c);
        if (width > columns && lastBreak > 0) {
            lines << line.left(lastBreak).trimmed();
            line = line.mid(lastBreak).trimmed();
            width = 0;
            for (const QChar rest : std::as_const(line))
                width += columnsOf(rest);
            lastBreak = -1;
        }
    }
    if (!line.trimmed().isEmpty())
        lines << line.trimmed();
    return lines;
}

QList<HelpEntry> OptionHelp()
{
    return {
        {QStringLiteral("--data-dir DIR"), QStringLiteral("--data-dir フォルダ"),
         QStringLiteral("The folder that holds the data (default: $XDG_DATA_HOME/pmlina, or ~/.local/share/pmlina when XDG_DATA_HOME is "
                        "not set). The window creates it when it does not exist; the CSV commands do not."),
         QStringLiteral("データを置くフォルダ（既定: $XDG_DATA_HOME/pmlina、未設定なら ~/.local/share/pmlina）。無ければウィンドウを"
                        "開くときに作ります（CSV の書き出し・取り込みでは作りません）。")},
        {QStringLiteral("--export-csv PARTNER FILE"), QStringLiteral("--export-csv 登録者 ファイル"),
         QStringLiteral("Writes the measurements of partner 1 or 2 to the CSV file FILE in the form openScale 3 imports (UTF-8, columns "
                        "%1), without opening a window.")
             .arg(csvExportHeader()),
         QStringLiteral("登録者（1 または 2）の記録を openScale 3 が取り込める CSV ファイル（UTF-8、列 %1）に書き出します。"
                        "ウィンドウは開きません。")
             .arg(csvExportHeader())},
        {QStringLiteral("--import-csv PARTNER FILE"), QStringLiteral("--import-csv 登録者 ファイル"),
         QStringLiteral("Adds the measurements of FILE to the data of partner 1 or 2 without asking and without opening a window. FILE "
                        "is a CSV file (this program's export, the exports of openScale 1 to 3, and others) or another tracker's export, "
                        "recognised by its content: Apple Health (export.zip or export.xml), Google Fit (Takeout), Fitbit (a "
                        "weight-*.json file, a folder or a zip of them), Libra, trale, GNOME Health, Withings, Garmin Connect. What "
                        "was found is printed first. A measurement whose date, weight and body fat are already there is not added "
                        "again; a line that cannot be read is reported on standard error with its number and the reason, and "
                        "skipped. While a window is open on the folder, nothing is written."),
         QStringLiteral("ファイルの記録を登録者（1 または 2）のデータに確認なしで加えます。ファイルは CSV ファイル（この書き出し、"
                        "openScale 1～3 の書き出しなど）か、中身で見分けるほかのアプリの書き出し（Apple Health の export.zip・"
                        "export.xml、Google Fit（Takeout）、Fitbit の weight-*.json・そのフォルダ・zip、Libra、trale、GNOME Health、"
                        "Withings、Garmin Connect）です。見つけた記録の数をはじめに表示します。日付・体重・体脂肪率が同じ記録がすでに"
                        "あれば加えません。読み取れない行は行番号と理由を標準エラーに出して飛ばします。ウィンドウは開きません。"
                        "このフォルダでウィンドウが開いている間は何も書きません。")},
        {QStringLiteral("--unit kg|lb"), QStringLiteral("--unit kg|lb"),
         QStringLiteral("With --import-csv: the unit of the weights of a file that does not name it (GNOME Health, Fitbit, and others "
                        "where the file says nothing). Such a file is refused without this option; a file that names its unit is "
                        "read in its own unit whatever this option says."),
         QStringLiteral("--import-csv で、体重の単位が書かれていないファイル（GNOME Health、Fitbit など）の単位を指定します。"
                        "単位が書かれていないファイルはこの指定がないと取り込みません。単位が書かれたファイルはその単位で読みます。")},
        {QStringLiteral("--merge-copies"), QStringLiteral("--merge-copies"),
         QStringLiteral("Takes in the conflict copies a sync tool (Syncthing, Nextcloud, Dropbox) left in the folder, without opening a "
                        "window: every measurement of a data file's copy that the data file lacks is added; of the other files the "
                        "current one is kept (the memo gets the lines only the copy has); every copy moves into backup/conflicts. "
                        "While a window is open on the folder, nothing is written."),
         QStringLiteral("同期ソフト（Syncthing、Nextcloud、Dropbox）が作った競合コピーをまとめます。データの競合コピーにあってデータに"
                        "ない記録をすべて加え、ほかのファイルは今のものを残し（気付きメモにはコピーにしかない行を加えます）、コピーは "
                        "backup/conflicts に移します。ウィンドウは開きません。このフォルダでウィンドウが開いている間は何も書きません。")},
        {QStringLiteral("--help"), QStringLiteral("--help"), QStringLiteral("Prints the usage."), QStringLiteral("この説明を表示します。")},
        {QStringLiteral("--version"), QStringLiteral("--version"), QStringLiteral("Prints the version."),
         QStringLiteral("版（バージョン）を表示します。")},
    };
}

QList<HelpEntry> ExitStatusHelp()
{
    const auto code = [](ExitStatus status) { return QString::number(int(status)); };
    return {
        {code(ExitDone), code(ExitDone), QStringLiteral("Done; every line was exported or read."),
         QStringLiteral("すべての行を書き出した・取り込んだ。")},
        {code(ExitNothingWritten), code(ExitNothingWritten),
         QStringLiteral("Nothing written: a window holds the folder (import, merge of conflict copies); the folder, the data file or "
                        "the CSV file cannot be read or written; the CSV file is no regular file, is larger than 128 MiB or is UTF-32; "
                        "it has neither a header naming a date and a weight column nor openScale 1's header-less layout; it has more "
                        "than 32,767 measurements; or the data file would exceed 32,767 lines. Also: an export that is damaged, "
                        "a zip or folder with no tracker's file or with the files of two trackers, or a file that does not name its "
                        "unit imported without --unit."),
         QStringLiteral("何も書いていない（このフォルダでウィンドウが開いている（取り込み、競合コピーのまとめ）、フォルダ・データファイル・"
                        "CSV ファイルを読めない・書けない、CSV ファイルが普通のファイルでない・128 MiB を超える・UTF-32 である、"
                        "日付と体重の列を名指す見出しの行も openScale 1 の形もない、記録が 32,767 件を超える、データファイルが "
                        "32,767 行を超える、書き出しが壊れている、zip やフォルダに取り込めるファイルがない・二つのアプリのファイルがある、"
                        "単位が書かれていないファイルを --unit なしで取り込もうとした）。")},
        {code(ExitUsage), code(ExitUsage),
         QStringLiteral("The command line cannot be understood (a partner other than 1 or 2, a missing file name, an unknown option)."),
         QStringLiteral("コマンドラインの誤り（1 と 2 以外の登録者、ファイル名がない、知らない引数）。")},
        {code(ExitLinesLeftOut), code(ExitLinesLeftOut),
         QStringLiteral("Lines were left out, each listed on standard error (on import the CSV lines that cannot be read, on export the "
                        "lines of the data file that are not records, on a merge the lines of a conflict copy that are not records, "
                        "which stay in the moved copy); the other lines, if any, were written."),
         QStringLiteral("行を飛ばした（取り込みでは読み取れない CSV の行、書き出しではデータファイルの記録でない行、競合コピーのまとめでは"
                        "コピーの記録でない行（移したコピーに残ります）。標準エラーに一覧）。ほかの行はあれば書いた。")},
    };
}

QString UsageText()
{
    constexpr int width = 78;
    const QString indent(18, u' ');
    QString text = QStringLiteral("使い方: pmlina [--data-dir フォルダ] [--export-csv 登録者 ファイル |\n"
                                  "              --import-csv 登録者 ファイル [--unit kg|lb] | --merge-copies]\n"
                                  "Usage: pmlina [--data-dir DIR] [--export-csv PARTNER FILE |\n"
                                  "              --import-csv PARTNER FILE [--unit kg|lb] | --merge-copies]\n\n");
    for (const HelpEntry &option : OptionHelp()) {
        text += QStringLiteral("  ") + option.term;
        QStringList lines = WrappedLines(option.japanese, width - indent.size());
        // A short option name and the first line of its text share a line.
        if (option.term.size() + 2 < indent.size() - 1)
            text += QString(indent.size() - 2 - option.term.size(), u' ') + lines.takeFirst();
        text += u'\n';
        for (const QString &line : std::as_const(lines))
            text += indent + line + u'\n';
    }
    text += QStringLiteral("\n終了コード / exit status (--export-csv, --import-csv, --merge-copies):\n");
    for (const HelpEntry &status : ExitStatusHelp()) {
        const QString statusIndent(5, u' ');
        const QStringList japanese = WrappedLines(status.japanese, width - statusIndent.size());
        const QStringList english = WrappedLines(QStringLiteral("/ ") + status.english, width - statusIndent.size());
        text += QStringLiteral("  %1  ").arg(status.term) + japanese.join(u'\n' + statusIndent) + u'\n';
        text += statusIndent + english.join(u'\n' + statusIndent) + u'\n';
    }
    text += QStringLiteral("\nロックファイル（同じフォルダでの二重起動を防ぐ印）は\n$XDG_RUNTIME_DIR/pmlina に置きます。\n"
                           "The lock that keeps a second program off the folder is in\n$XDG_RUNTIME_DIR/pmlina.\n");
    return text;
}

QString VersionText()
{
    return QStringLiteral("pmlina (ポムリナ) %1\n").arg(QLatin1String(PMLINA_VERSION));
}

void PrintLine(std::FILE *stream, const QString &text)
{
    std::fputs(terminalText(text).toUtf8().constData(), stream);
    std::fputc('\n', stream);
}
