#pragma once

#include "store/CsvImport.h"
#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QDate>
#include <QList>
#include <QString>

// What importing a reading (CsvImport.h, or any other reader's) into a partner's data file would
// do, worked out before anything is written, so that the user can see it and decide.

// What an imported measurement may be: a file from elsewhere can hold anything, and nothing
// implausible is stored without a word (the entry screen keeps its own checks). A weight above
// 0 and below 1,000 kg, a body fat from 0 to 100 %, a date from 1900/01/01 to tomorrow (a
// tracker in a time zone ahead of ours may already be there).
inline constexpr float kMaxImportedWeight = 1000.0f;
inline constexpr float kMaxImportedBodyFat = 100.0f;
inline const QString kEarliestImportedDate = QStringLiteral("1900/01/01");

struct CsvImportPlan {
    // Set when nothing can be imported (the file as a whole is unreadable, or the data file would
    // exceed its line limit).
    QString error;
    // The measurements to add, as the data file will hold them (numbers with the digits it keeps),
    // in the order they are to be merged: by date, lines of one date by the time they give and
    // otherwise in the order the file gives them, a file that ends on an earlier day than it
    // begins (newest first) taken from its end.
    QList<Measurement> added;
    // Lines whose date, weight and body fat the data file holds already, compared as the file
    // stores them: the numbers written with seven significant digits and read back. Each record
    // of the data file stands for one such line, so importing the same file twice adds nothing
    // the second time, while two equal measurements of one day in the file both come in.
    int duplicates = 0;
    // The reading's unreadable lines and the measurements refused here (implausible, or a text the
    // data file may not hold: see checkStorableText), in line order; at most kMaxListedProblems,
    // the rest counted in unlistedProblems.
    QList<CsvLineProblem> problems;
    int unlistedProblems = 0;
    // The problems are numbered by record ("3件目"), not by line ("3行目").
    bool countsRecords = false;

    qsizetype problemCount() const { return problems.size() + unlistedProblems; }
    // "3行目：体重「abc」を数値として読み取れません", one line per problem, and "ほか12行" for
    // those not listed ("3件目：", "ほか12件" where records are counted).
    QString problemList() const;
    // Where a problem is: "3行目" or "3件目".
    QString place(int number) const;
};

// `today` tells the latest date taken (the day after it).
CsvImportPlan planCsvImport(const DataFolder &folder, const QString &dataFile, const CsvReading &reading, const QDate &today);

// Merges the measurements into the data file with one crash-safe rewrite: every line the file
// has stays as it is, byte for byte and in its order, and each new measurement goes after the
// file's lines of its date and before the first later one (the new ones keeping their order among
// themselves). `added` comes in date order, as the plan gives it; a text checkStorableText
// refuses fails the whole merge. A missing data file is created.
StoreResult mergeMeasurements(const DataFolder &folder, const QString &dataFile, const QList<Measurement> &added);
