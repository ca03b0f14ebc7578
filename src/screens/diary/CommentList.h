#pragma once

#include "store/Measurement.h"

#include <QList>
#include <QString>

// The comment diary's list: every measurement of the partner in file order, with its change
// from the measurement before and its one-line comment. A list of 32,767 rows shows a dozen at a
// time, so each cell's text is made from the records when it is shown.
namespace CommentList {

enum Column {
    Number,     // the measurement's sequence number, "1", "2", ...
    Date,       // as stored
    Situation,
    Weight,     // shortest plain form: 65, 65.5
    Difference, // weight minus the previous measurement's, "0.0"; 0.0 for the first
    Mark,       // of the difference as shown: ↑, → or ↓
    BodyFat,    // shortest plain form
    Comment,
    ColumnCount
};

// The text of record `index` (from 0) in `column`.
QString text(const QList<Measurement> &records, qsizetype index, int column);
// The colour (0x00BBGGRR) of the record's mark cell.
quint32 markColour(const QList<Measurement> &records, qsizetype index);

} // namespace CommentList
