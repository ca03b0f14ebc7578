#pragma once

#include "store/ConflictCopies.h"
#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What a conflict copy holds that the program's file lacks, and taking it in. A copy comes from
// another computer: it is read only up to a size no file of the program reaches, and nothing of
// it is written that the program would not write from its own window.

// A copy of a partner's data file against that file. Measurements are compared as whole records
// (date, situation, weight, comment and body fat), each record of the file standing for one equal
// record of the copy, so that a measurement typed twice on one side and once on the other counts
// once as missing.
struct DataCopyDifference {
    // Set when the copy or the file cannot be read whole; then nothing is to be merged.
    QString error;
    // The copy's measurements the file does not hold, in date order (those of one date in the
    // copy's order).
    QList<Measurement> missing;
    // The file's measurements the copy does not hold: deleted or corrected on the other computer.
    int onlyInFile = 0;
    // Lines of the copy that are not records; they stay in the copy.
    QList<MalformedLine> unreadable;
};
DataCopyDifference CompareDataCopy(const DataFolder &folder, const ConflictCopy &copy);

// Adds the chosen measurements (taken from `missing`) to the data file in date order, as the CSV
// import does, after copying the file to today's backup; one crash-safe rewrite. Those the file has
// come to hold since the comparison are not added twice. Then, also when none was chosen, moves
// the copy into the backup folder. `added` gets how many went in, `keptAs` where the copy went.
StoreResult MergeDataCopy(const DataFolder &folder, const ConflictCopy &copy, const QList<Measurement> &chosen, const QDate &today,
                          int *added = nullptr, QString *keptAs = nullptr);

// A copy of any other file (profile, settings, situation list, memo) against that file, line by
// line; blank lines do not count.
struct TextCopyDifference {
    QString error;
    QStringList onlyInCopy; // in the copy's order
    QStringList onlyInFile; // in the file's order
};
TextCopyDifference CompareTextCopy(const DataFolder &folder, const ConflictCopy &copy);

// Keeps the current file and moves the copy into the backup folder. For a copy of the memo,
// `appendToMemo` (lines of the copy) goes at the end of the memo first, after a backup of it.
StoreResult KeepCurrentFile(const DataFolder &folder, const ConflictCopy &copy, const QStringList &appendToMemo, const QDate &today,
                            QString *keptAs = nullptr);
