#pragma once

#include <QDate>
#include <QString>

// Copies the shipped demo folder and moves every measurement by the same number of days, so
// that the couple's last day is `today`: a demo started months later still opens on a day with
// measurements, with the same history behind it.
// Returns an empty string on success, otherwise what went wrong.
QString CopyDemoFolder(const QString &from, const QString &to, const QDate &today);
