#pragma once

#include "store/CsvImport.h"
#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QList>
#include <QString>

// What importing a CSV reading into a partner's data file would do, worked out before anything
// is written, so that the user can see it and decide.
struct CsvImportPlan {
    // Set when nothing can be imported (the file as a whole is unreadable, or the data file would
    // exceed its line limit).
    QString error;
    // The measurements to add, in the order they are to be merged: by date, lines of one date by
    // the time they give and otherwise in the order the file gives them, a file that ends on an
    // earlier day than it begins (newest first) taken from its end.
    QList<Measurement> added;
    // Lines whose date, weight and body fat the data file holds already. Each record of the data
    // file stands for one such line, so importing the same file twice adds nothing the second
    // time, while two equal measurements of one day in the file both come in.
    int duplicates = 0;
    QList<CsvLineProblem> problems;

    // "3行目：体重「abc」を数値として読み取れません", one line per problem.
    QString problemList() const;
};

CsvImportPlan planCsvImport(const DataFolder &folder, const QString &dataFile, const CsvReading &reading);

// Merges the measurements into the data file with one crash-safe rewrite: every line the file
// has stays as it is, byte for byte and in its order, and each new measurement goes after the
// file's lines of its date and before the first later one (the new ones keeping their order among
// themselves). `added` comes in date order, as the plan gives it. A missing data file is created.
StoreResult mergeMeasurements(const DataFolder &folder, const QString &dataFile, const QList<Measurement> &added);
