#pragma once

#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <vector>

// The trend data set: every measurement of a partner in file order, with the extremes found on
// the way. The trend graph draws it, the analysis lists and the history's listings read it; the
// partner's diary derives it once for each state of the records.
struct TrendData {
    QList<QString> dates;       // TrendDate, as stored
    std::vector<float> weights; // TrendWeight
    std::vector<float> fats;    // TrendFat
    // The situation of each measurement, as stored: an index into situationTexts, which keeps
    // each of the few texts a diary uses about once.
    std::vector<int> situations;
    QStringList situationTexts;
    // Only a strictly larger or smaller value moves an extreme, so among equal lowest weights
    // the earliest gives the date.
    float maxWeight = 0;   // TrendMaxWeight
    float minWeight = 999; // TrendMinWeight
    float maxFat = 0;      // TrendMaxFat
    float minFat = 999;    // TrendMinFat
    QString minWeightDate; // date text of the first measurement with minWeight

    int count() const { return int(weights.size()); }
    const QString &situation(int i) const { return situationTexts[situations[std::size_t(i)]]; }
};

TrendData ComputeTrendData(const QList<Measurement> &records);
// The same one record at a time, in file order, for a reader that goes through the file.
void AddTrendRecord(TrendData &trend, const MeasurementView &record);

// Whole days from one stored date to another; a date that is not a real day counts none.
int daysBetween(const QString &from, const QString &to);
