#pragma once

#include <QString>
#include <QStringList>

// `pmlina [--data-dir DIR] [--help]`. Without --data-dir the data live in
// $XDG_DATA_HOME/pmlina, or ~/.local/share/pmlina when XDG_DATA_HOME is not set.
struct CommandLine {
    QString dataDir;
    bool showHelp = false;
    QString error; // set when the arguments cannot be understood
};

CommandLine ParseCommandLine(const QStringList &arguments, const QString &xdgDataHome, const QString &home);
QString UsageText();
