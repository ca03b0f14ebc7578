#pragma once

#include <QString>
#include <QStringList>

// `pmlina [--data-dir DIR] [--help] [--version]`, and for scripts `--export-csv PARTNER FILE`,
// `--import-csv PARTNER FILE` or `--merge-copies`, which open no window. Without --data-dir the data live in
// $XDG_DATA_HOME/pmlina, or ~/.local/share/pmlina when XDG_DATA_HOME is not set.
enum class CsvAction { None, Export, Import };

struct CommandLine {
    QString dataDir;
    bool showHelp = false;
    bool showVersion = false;
    CsvAction csvAction = CsvAction::None;
    int csvPartner = 0; // 1 or 2
    QString csvFile;
    bool mergeCopies = false;
    QString error; // set when the arguments cannot be understood
};

// The arguments name a command that opens no window.
bool NamesWindowlessCommand(const QStringList &arguments);
CommandLine ParseCommandLine(const QStringList &arguments, const QString &xdgDataHome, const QString &home);
QString UsageText();
QString VersionText();
