#pragma once

#include <QString>
#include <QStringView>

// Dates and times of day as weight trackers write them in CSV files.

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// "yyyy-M-d", "yyyy/M/d" or "d.M.yyyy" (openScale 2), optionally followed by spaces and a time as
// parseCsvTime reads it. On success the stored form ("yyyy/mm/dd") goes into `date` and the
// second of the day into `second`, -1 when the text gives no time; false for any other text
// and for a day the calendar does not have.
bool parseCsvDate(QStringView text, QString *date, int *second);

// "H:mm", "H:mm:ss" or "H:mm:ss.fff…" (the fraction of a second dropped): the second of the day,
// or -1.
int parseCsvTime(QStringView text);

// Reads a number of `minDigits` to `maxDigits` digits at `*i`, moving past it; -1 without one.
int digitsAt(QStringView text, qsizetype *i, int minDigits, int maxDigits);

// "HH:mm:ss", the form of the automatic time stamp.
QString timeOfDayText(int second);
