#pragma once

#include <QDate>
#include <QString>

// Copies the shipped demo folder and moves every measurement by the same number of days, so
// that the couple's last day is `today`: a demo started months later still opens on a day with
// measurements, with the same history behind it.
//
// `to` is one folder a user keeps for the demo: whatever an earlier demo left in it (backups, new
// measurements, settings) is removed first, so that every start begins with the demo as shipped.
// A folder a program has open is left as it is, and so is one that holds anything but an earlier
// demo (it has no mark of one).
enum class DemoCopy { Done, InUse, Failed };
struct DemoCopyResult {
    DemoCopy outcome = DemoCopy::Done;
    QString message; // what went wrong, for InUse and Failed
};
DemoCopyResult CopyDemoFolder(const QString &from, const QString &to, const QDate &today);

// The name of the file that marks a folder as a demo copy.
QString DemoMarkName();
