#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// `pmlina [--data-dir DIR] [--help] [--version]`, and for scripts `--export-csv PARTNER FILE`,
// `--import-csv PARTNER FILE [--unit kg|lb]` or `--merge-copies`, which open no window. Without --data-dir the data live in
// $XDG_DATA_HOME/pmlina, or ~/.local/share/pmlina when XDG_DATA_HOME is not set.
enum class CsvAction { None, Export, Import };

struct CommandLine {
    QString dataDir;
    bool showHelp = false;
    bool showVersion = false;
    CsvAction csvAction = CsvAction::None;
    int csvPartner = 0; // 1 or 2
    QString csvFile;
    // The unit of the weights of an imported file that does not name it: "kg", "lb" or empty.
    QString weightUnit;
    bool mergeCopies = false;
    QString error; // set when the arguments cannot be understood
};

// The arguments name a command that opens no window.
bool NamesWindowlessCommand(const QStringList &arguments);
CommandLine ParseCommandLine(const QStringList &arguments, const QString &xdgDataHome, const QString &home);

// The program's exit statuses.
enum ExitStatus : int {
    ExitDone = 0,
    ExitNothingWritten = 1, // also: the window cannot start (the folder cannot be made or is held)
    ExitUsage = 2,
    ExitLinesLeftOut = 3,
};

// One option or exit status as --help and the manual page tell it, in English and in Japanese.
struct HelpEntry {
    QString term;   // "--data-dir DIR", "0"
    QString termJa; // "--data-dir フォルダ"
    QString english;
    QString japanese;
};
// Both are told from these alone: the manual page is made from them when the program is built.
QList<HelpEntry> OptionHelp();
QList<HelpEntry> ExitStatusHelp();

// A text broken into lines of at most `columns` terminal columns (a Japanese character takes
// two): at spaces where it has them, elsewhere between any two characters but before an opening
// or after a closing bracket or punctuation mark.
QStringList WrappedLines(const QString &text, int columns);

QString UsageText();
QString VersionText();

// One line of a command's output or message: every message goes out with its own line breaks
// only, since a text from a file could otherwise clear the terminal, move the cursor or reorder
// the line.
void PrintLine(std::FILE *stream, const QString &text);
