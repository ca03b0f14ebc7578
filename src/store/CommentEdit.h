#pragma once

#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QString>

// Changing the one-line diary of a single measurement. Only the bytes of that record's comment
// field change; every other line, and every other field of that line, stays byte for byte as it
// was. The whole file is replaced through a temporary file, so a crash leaves either the old
// file or the new one.

struct CommentSave {
    StoreResult result = StoreResult::success();
    // Refused because the file no longer holds the records it held when they were read (another
    // record count, or another record at that place); nothing was written.
    bool fileChanged = false;
};

// `index` counts the file's records from 0, as ReadMeasurements yields them (blank lines and
// lines that are not records do not count). `recordCount` and `expected` are what the caller
// read: the file must still hold that many records, and that record must still be `expected`.
// The comment must fit in a line (no double quote, no line break) and in the code page.
CommentSave ReplaceComment(const DataFolder &folder, const QString &name, int index, int recordCount,
                           const Measurement &expected, const QString &comment);
