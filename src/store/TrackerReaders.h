#pragma once

#include "store/CsvImport.h"
#include "store/TrackerImport.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

// The readers of each tracker's file, for TrackerImport.cpp, the fuzzer and the tests.

enum class TrackerFormat { OtherCsv, AppleHealth, GoogleFit, Fitbit, Libra, Trale, GnomeHealth, Withings, Garmin };

// The format the start of a file shows (some tens of kilobytes are plenty).
TrackerFormat detectTrackerFormat(QByteArrayView head);
// "Apple Health の書き出し", "Libra の書き出し", …; empty for OtherCsv.
QString trackerSourceName(TrackerFormat format);

// A whole file of one of the small formats (all but Apple Health), its records numbered from
// `firstNumber` where they are records rather than lines.
// *records (when given) receives how many records the file holds, to number the next file on.
CsvReading readTrackerFile(TrackerFormat format, QByteArrayView bytes, int firstNumber = 1, int *records = nullptr);

// An Apple Health export.xml, read from `device` in pieces; `total` is its size for the progress
// (or 0 when unknown).
CsvReading readAppleHealth(QIODevice *device, qint64 total, const ImportProgress &progress);

// Each format on its own (text already decoded where the format is text).
CsvReading readLibra(QStringView text);
CsvReading readTrale(QStringView text);
CsvReading readGnomeHealth(QStringView text);
CsvReading readWithings(QStringView text);
CsvReading readGarmin(QStringView text);
CsvReading readGoogleFit(QByteArrayView bytes, int firstNumber, int *records);
CsvReading readFitbit(QByteArrayView bytes, int firstNumber, int *records);
