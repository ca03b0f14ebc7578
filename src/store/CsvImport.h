#pragma once

#include "store/DataFile.h"
#include "store/Measurement.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Reading measurements from the CSV files other weight trackers write, openScale's above all, and
// from our own export: UTF-8 (with or without a byte order mark), UTF-16 or Shift_JIS (see
// detectTextEncoding), comma or semicolon separated (a decimal comma allowed with semicolons),
// quoting as in RFC 4180, lines ended by LF, CR LF or a lone CR.
// - A header row names the columns (see columnsOfHeader): openScale 3's `DATE`, `TIME`, `WEIGHT`,
//   `BODY_FAT`, `COMMENT`; openScale 2's `dateTime`, `weight`, `fat`, `comment`; our own
//   `situation` besides.
// - A file without a header is read in openScale 1's layouts (see columnsOfHeaderlessLayout);
//   a line with more fields than the first line is refused.
// - Dates are "yyyy-MM-dd", "yyyy/MM/dd" or "dd.MM.yyyy", with a time "HH:mm" or "HH:mm:ss"
//   after them or in a `TIME` column of their own.

// The situation of a measurement whose file has none.
inline const QString kImportedSituation = QStringLiteral("取り込み");

// The largest file an import reads. A file brings at most kMaxDataLines measurements, as many
// as a data file can hold, and 4 KiB is far more than a line of any tracker takes (openScale 3
// writes some thirty short columns and a comment), in UTF-16 too: no file that can be imported
// is larger than 128 MiB.
inline constexpr qint64 kMaxCsvLineBytes = 4096;
inline constexpr qint64 kMaxCsvImportBytes = kMaxDataLines * kMaxCsvLineBytes;

// How many unreadable lines a reading or a plan lists one by one; the rest are only counted.
inline constexpr int kMaxListedProblems = 1000;

struct CsvLineProblem {
    int lineNumber = 0; // 1-based, the header being line 1
    QString reason;     // any text of the file in it shown by messageText()
    bool operator==(const CsvLineProblem &) const = default;
};

struct CsvMeasurement {
    int lineNumber = 0;
    // The second of the day the line gives, -1 without one. Our own export's times only keep a
    // day's measurements apart, so there it is always -1.
    int time = -1;
    Measurement measurement;
};

// What a reader of another program's file hands to the import plan (CsvMerge.h). The CSV reader
// fills it, and so can a reader of any other format: the plan checks every measurement itself.
struct CsvReading {
    // Set when the file as a whole cannot be taken (no header with a date and a weight column
    // and no header-less layout either, an encoding no reader reads, more measurements than a
    // data file can hold); then nothing else is filled.
    QString error;
    QList<CsvMeasurement> measurements; // in file order
    QList<CsvLineProblem> problems;     // lines that cannot be read, in file order, at most kMaxListedProblems
    int unlistedProblems = 0;           // lines that cannot be read beyond those listed

    // What the file was found to be ("Apple Health の書き出し"); empty for a CSV file of the
    // common kind. Readers of other trackers' exports fill the rest too.
    QString source;
    int weightsFound = 0;  // the weighings the file gives (a body fat alone is no measurement)
    int bodyFatsFound = 0; // the body fats it gives, joined to a weighing or not
    // The weights are numbers in a unit the file does not name (see applyWeightUnit).
    bool unitUnknown = false;
    // Problems are numbered by record (the n-th entry of a JSON file), not by line.
    bool countsRecords = false;
    // The file itself could not be read (error holds the message naming it), or the reading was
    // stopped by the user.
    bool fileUnreadable = false;
    bool cancelled = false;
};

// Every line is read as far as a file can tell: a real day, a time of day, finite numbers, as
// many fields as the header names (a line cut short, the last one of a file cut off above all,
// has fewer; and a number cut after its decimal point is none). A measurement without a comment
// whose time is not 00:00:00 gets that time as its comment ("07:40:00"), as the automatic time
// stamp would have written it, except in a file with a `situation` column: that is our own
// export, whose comments stand as they are. Whether a measurement can be stored at all is the
// plan's to tell.
CsvReading readCsvMeasurements(QByteArrayView bytes);
