#pragma once

#include "store/DataFolder.h"
#include "store/FileRead.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QList>
#include <QString>

// A partner's data file: one measurement per line, in ascending date order, lines of one date in
// the order they were entered. Every consumer reads it whole, from the first line to the last.

// The consumers count lines in 16-bit integers.
inline constexpr int kMaxDataLines = 32767;

struct MalformedLine {
    int lineNumber = 0; // 1-based
    QString text;
};

struct MeasurementFile {
    QString fileName;
    bool exists = false; // there is a file of that name, readable or not
    // Set when the file exists but cannot be read (no permission, a folder of that name, an I/O
    // error, a read cut short): the store's message, ready to show. Its records are then empty,
    // which is not the empty diary of a missing file, and every writer refuses that file.
    QString readError;
    QList<Measurement> records;     // in file order; blank lines skipped
    QList<MalformedLine> malformed; // lines that are not a record; never dropped by a writer

    // "「データ1.txt」の3行目を読み取れません。…" for every malformed line, or empty.
    QString malformedReport() const;
    bool unreadable() const { return !readError.isEmpty(); }
};

// A missing file reads as no records; an unreadable one as no records with its readError.
MeasurementFile ReadMeasurements(const DataFolder &folder, const QString &name);
// The same from a file read already (whose bytes were looked at first).
MeasurementFile ReadMeasurements(const FileRead &read, const QString &name);

// Every writer reads the file first (FileRead.h) and refuses, writing nothing, when it cannot be
// read whole.

// Appends one line (the file is created when missing).
StoreResult AppendMeasurement(const DataFolder &folder, const QString &name, const Measurement &m);

// Writes the record after every line of its date and before the first later one, through a
// temporary file renamed over the original. Lines that are not records stay where they are.
StoreResult InsertMeasurementInOrder(const DataFolder &folder, const QString &name, const Measurement &m);

// Replaces the file with the given records, in the given order, `reserved` written empty. The
// caller hands over every record of the file; a file holding lines that are not records is not
// rewritten, since those lines would be lost.
StoreResult RewriteDataFile(const DataFolder &folder, const QString &name, const QList<Measurement> &records);

// Replaces the file with the one start line of a new diet, its numbers from 64-bit values.
StoreResult WriteFirstMeasurement(const DataFolder &folder, const QString &name, const QString &date,
                                  const QString &situation, double weight, double bodyFat);
