#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <utility>

class Dialogs;

// What the window tells of the files: a file that cannot be read (or has gone), lines of a file
// that are not records, and the failures of the start-up's own writes. Each file is told once:
// an unreadable file until it reads again, lines that are not records once in a run. While the
// start-up runs, everything waits until the window is up.
class ProblemReports
{
public:
    explicit ProblemReports(Dialogs &dialogs);

    // From now on until release(), nothing is shown but kept.
    void hold() { m_holding = true; }
    // Shows what was kept: the warnings in the order they came, then every line not read.
    void release();

    void warn(const QString &title, const QString &message);
    // `message` is the store's, or empty for a file just read whole.
    void noteUnreadableFile(const QString &fileName, const QString &message);
    void noteMalformedLines(const QString &fileName, const QString &report);

private:
    void showMalformedLines();

    Dialogs &m_dialogs;
    bool m_holding = false;
    QList<std::pair<QString, QString>> m_warnings;
    QStringList m_malformedReports;
    // Files whose lines were told (names in lower case: one name is one file).
    QSet<QString> m_reportedFiles;
    // Files told to be unreadable and not read whole since.
    QSet<QString> m_unreadableFiles;
};
