#pragma once

#include "store/DataFile.h"
#include "store/Measurement.h"

#include <QByteArrayView>
#include <QList>

// Weight histories in the layouts of older programs, read from a file's bytes (Windows-31J,
// lines ended by CR LF or LF). Neither layout holds a body fat, so the caller hands over the one
// every record is to carry. A line that cannot be read is listed, never passed over in silence;
// blank lines are skipped.

struct LegacyRecords {
    QList<Measurement> records;      // in file order, each ready to be written as a data line
    QList<MalformedLine> unreadable; // 1-based line numbers
};

// Three fields a line: the date (already "yyyy/mm/dd"), the situation and the weight. Every record
// gets an empty comment and `bodyFat`.
LegacyRecords readWeightHistory(QByteArrayView bytes, float bodyFat);

// The six fields of a data file with an empty body-fat field, which gets `bodyFat`; the other
// fields, the last one included, stay as read. A line that has a body fat of its own keeps it.
LegacyRecords readOlderData(QByteArrayView bytes, float bodyFat);

// Whether a data file holds older data: its first line has six fields and the fifth is empty.
bool isOlderData(QByteArrayView bytes);
