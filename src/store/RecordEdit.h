#pragma once

#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QString>

// Changing or removing one record a screen has listed. Only that record's line changes (or, for
// a removal, goes with its line end); every other byte of the file stays as it was, lines that
// are not records included. The whole file is replaced through a temporary file, so a crash
// leaves either the old file or the new one.
//
// Each takes the record as the caller listed it: `index` counts the file's records from 0, as
// ReadMeasurements yields them (blank lines and lines that are not records do not count);
// `recordCount` and `expected` are what the caller read. The file must still hold that many
// records, and that record must still be `expected`; otherwise nothing is written.

struct RecordChange {
    StoreResult result = StoreResult::success();
    // Refused because the file no longer holds the records it held when they were read (another
    // record count, or another record at that place); nothing was written.
    bool fileChanged = false;
};

// The one-line diary of the record. The comment must fit in a line (no double quote, no line
// break) and in the code page; only the bytes of the comment field change.
RecordChange ReplaceComment(const DataFolder &folder, const QString &name, int index, int recordCount,
                            const Measurement &expected, const QString &comment);

// The record's situation, weight and body fat, as `replacement` holds them; its date, comment
// and the reserved field stay. The line is written in the program's form.
RecordChange ReplaceRecord(const DataFolder &folder, const QString &name, int index, int recordCount,
                           const Measurement &expected, const Measurement &replacement);

// Removes the record's line. The file's only record is refused: its first record is the start
// of the diet, and a diary without one has no start to compare with.
RecordChange DeleteRecord(const DataFolder &folder, const QString &name, int index, int recordCount,
                          const Measurement &expected);
