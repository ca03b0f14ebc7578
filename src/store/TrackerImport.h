#pragma once

#include "store/CsvImport.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// Bringing in the history another tracker keeps: the file is recognised by what it holds, never
// by its name, and read into the same CsvReading the CSV import makes, so that one plan
// (CsvMerge.h) checks and merges every measurement whatever its source.
// - Apple Health: export.zip, or the export.xml in it, read as a stream however large;
// - Google Fit (Takeout): the merged weight data points, alone or in the Takeout zip;
// - Libra, trale, GNOME Health, Withings (weight.csv), Garmin Connect (the weight CSV);
// - Fitbit: weight-YYYY-MM-DD.json files, one, a folder or a zip of them;
// - any other CSV file as readCsvMeasurements reads it.
// A zip or a folder is read for the files of one tracker: files of two trackers in it are refused
// rather than merged (the same weighings would come twice), and files no tracker wrote are passed
// by. Every measurement gets the situation kImportedSituation and, where the source gives a time,
// that time as its comment.

enum class WeightUnit { Kilogram, Pound };

// Told how far a long reading has come (bytes of `total`); returning false stops it.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// What the file, zip or folder at `path` holds. A file that cannot be read, is no regular file or
// is larger than kMaxCsvImportBytes (a zip and an Apple Health export excepted: those are read in
// pieces) gives an error with fileUnreadable set.
CsvReading readImportMeasurements(const QString &path, const ImportProgress &progress = {});
// The same for bytes already read (a zip held in memory included).
CsvReading readImportBytes(QByteArrayView bytes, const ImportProgress &progress = {});

// Takes the weights of a reading whose file does not name their unit to kilograms (a pound is
// 0.45359237 kg); the plan then keeps them to the digits the data file stores.
void applyWeightUnit(CsvReading *reading, WeightUnit unit);

// What was found, for the summary before anything is written:
// "Apple Health の書き出し：体重 1,204件、体脂肪率 310件（2019/03/02〜2026/12/07）"; empty for
// a CSV file of the common kind.
QString readingFound(const CsvReading &reading);
