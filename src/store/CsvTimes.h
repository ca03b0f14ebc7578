#pragma once

#include "store/Measurement.h"

#include <QList>
#include <QStringView>

// The times of day written for measurements that have only a date. Trackers such as openScale
// keep one measurement per date and time, so every measurement of a day needs a time of its own.

// The second of the day of a comment that is an automatic time stamp (H:mm:ss or HH:mm:ss), or -1.
int timeStampSecond(QStringView comment);

// A time (the second of the day) for every record, no two records of one date alike:
// - a record whose comment is a time stamp gets that time, unless an earlier record of its date
//   has the same stamp;
// - every other record gets the first whole minute after the time of the record before it on
//   its date (00:00:00 for the first record of a date) that no record of the date has; when no
//   whole minute is left before midnight, the first free second after that time, and failing
//   that the first free second of the day.
// So the records without a stamp keep their order among their neighbours, one minute apart.
// Records of one date need not stand together.
QList<int> distinctTimesOfDay(const QList<Measurement> &records);
