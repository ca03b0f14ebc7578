#pragma once

#include "store/Measurement.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Reading measurements from the CSV files other weight trackers write, openScale's above all, and
// from our own export: UTF-8 with or without a byte order mark, comma or semicolon separated
// (a decimal comma allowed with semicolons), quoting as in RFC 4180.
// - A header row names the columns (see columnsOfHeader): openScale 3's `DATE`, `TIME`, `WEIGHT`,
//   `BODY_FAT`, `COMMENT`; openScale 2's `dateTime`, `weight`, `fat`, `comment`; our own
//   `situation` besides.
// - A file without a header is read in openScale 1's layouts (see columnsOfHeaderlessLayout);
//   a line with more fields than the first line is refused.
// - Dates are "yyyy-MM-dd", "yyyy/MM/dd" or "dd.MM.yyyy", with a time "HH:mm" or "HH:mm:ss"
//   after them or in a `TIME` column of their own.

// The situation of a measurement whose file has none.
inline const QString kImportedSituation = QStringLiteral("取り込み");

struct CsvLineProblem {
    int lineNumber = 0; // 1-based, the header being line 1
    QString reason;
    bool operator==(const CsvLineProblem &) const = default;
};

struct CsvMeasurement {
    int lineNumber = 0;
    // The second of the day the line gives, -1 without one. Our own export's times only keep a
    // day's measurements apart, so there it is always -1.
    int time = -1;
    Measurement measurement;
};

struct CsvReading {
    // Set when the file as a whole cannot be taken (no header with a date and a weight column,
    // and no header-less layout either); then nothing else is filled.
    QString error;
    QList<CsvMeasurement> measurements; // in file order
    QList<CsvLineProblem> problems;     // lines that cannot be read, in file order
};

// Every line is checked as the data file will hold it: a real day, finite numbers and texts the
// code page can store. A measurement without a comment whose time is not 00:00:00 gets that time
// as its comment ("07:40:00"), as the automatic time stamp would have written it, except in a
// file with a `situation` column: that is our own export, whose comments stand as they are.
CsvReading readCsvMeasurements(QByteArrayView bytes);
