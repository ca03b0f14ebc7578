#pragma once

#include "screens/entry/TrendMark.h"
#include "store/Measurement.h"

#include <QList>
#include <QString>

// The comment diary's list: every measurement of the partner in file order, with its change
// from the measurement before and its one-line comment.
struct CommentRow {
    QString number;     // the measurement's sequence number, "1", "2", ...
    QString date;       // as stored
    QString situation;
    QString weight;     // shortest plain form: 65, 65.5
    QString difference; // weight minus the previous measurement's, "0.0"; 0.0 for the first
    TrendMark mark;     // of the difference as shown
    QString bodyFat;    // shortest plain form
    QString comment;
};

QList<CommentRow> ComputeCommentList(const QList<Measurement> &records);
