#pragma once

#include <QList>
#include <QStringView>

#include <optional>

// Where the values a measurement needs stand in the records of a CSV file.
struct CsvColumns {
    // -1 where the file has no such column
    int date = -1; // a date, perhaps followed by a time
    int time = -1; // a time of day of its own
    int weight = -1;
    int fat = -1;
    int comment = -1;
    int situation = -1;
    // For a file without a header, the number of fields its layout has; 0 for a header.
    int layoutFields = 0;
};

// The columns a header row names, found without regard to case, order or surrounding spaces:
// `dateTime` (or else `date`), `time`, `weight`, `body_fat` or `fat`, `comment`, `situation`;
// the first of two columns for one value counts and any other column is ignored. Nothing without
// a date and a weight column.
std::optional<CsvColumns> columnsOfHeader(const QList<QStringView> &header);

// openScale 1 wrote no header; openScale tells its layouts by the number of fields of the first
// line, which begins with the date and time:
//  5: dateTime, weight, fat, water, comment
//  6: dateTime, weight, fat, water, muscle, comment
//  8: dateTime, weight, fat, water, muscle, waist, hip, comment
//  9: dateTime, weight, fat, water, muscle, bone, waist, hip, comment
// 10: dateTime, weight, fat, water, muscle, lbm, bone, waist, hip, comment
// The columns of the layout of `firstRecord`, or nothing when it is none of these.
std::optional<CsvColumns> columnsOfHeaderlessLayout(const QList<QStringView> &firstRecord);
