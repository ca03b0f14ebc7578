#pragma once

#include "store/Measurement.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Reading measurements from the CSV files other weight trackers write (openScale among them):
// UTF-8 with or without a byte order mark, a header row naming the columns, comma or semicolon
// separated, a decimal comma allowed with semicolons. Columns are found by name without regard
// to case or order: "dateTime" or "date", "weight", "fat", "comment", "situation"; any other is
// ignored. Dates are "yyyy-MM-dd", "yyyy-MM-dd HH:mm", "yyyy-MM-dd HH:mm:ss" or "yyyy/MM/dd".

// The situation of a measurement whose file has none.
inline const QString kImportedSituation = QStringLiteral("取り込み");

struct CsvLineProblem {
    int lineNumber = 0; // 1-based, the header being line 1
    QString reason;
    bool operator==(const CsvLineProblem &) const = default;
};

struct CsvMeasurement {
    int lineNumber = 0;
    Measurement measurement;
};

struct CsvReading {
    // Set when the file as a whole cannot be taken (no header with a date and a weight column);
    // then nothing else is filled.
    QString error;
    QList<CsvMeasurement> measurements; // in file order
    QList<CsvLineProblem> problems;     // lines that cannot be read, in file order
};

// Every line is checked as the data file will hold it: a real day, finite numbers and texts the
// code page can store. A measurement without a comment whose time of day is not 00:00 gets that
// time as its comment ("07:40:00"), as the automatic time stamp would have written it.
CsvReading readCsvMeasurements(QByteArrayView bytes);
