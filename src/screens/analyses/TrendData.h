#pragma once

#include "store/FileRead.h"
#include "store/Measurement.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <vector>

// The trend data set: every measurement of the selected partner in file order, with the
// extremes found on the way. The trend graph draws it, the analysis lists and the history's
// unfiltered listing read it; it is rebuilt from the file each time one of them is built.
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
    // The file the set was built from and its bytes as they were read; empty for a missing or
    // unreadable file.
    QString sourceFile;
    QByteArray sourceBytes;

    int count() const { return int(weights.size()); }
    const QString &situation(int i) const { return situationTexts[situations[std::size_t(i)]]; }
    // Whether `read` finds file `fileName` byte for byte as the set was built from it: the set
    // then holds every record a new reading would give, and the reader need not read them again.
    bool isBuiltFrom(const QString &fileName, const FileRead &read) const
    {
        return read.state == FileRead::State::Read && fileName == sourceFile && read.bytes == sourceBytes;
    }
};

TrendData ComputeTrendData(const QList<Measurement> &records);
// The same one record at a time, in file order, for a reader that goes through the file.
void AddTrendRecord(TrendData &trend, const MeasurementView &record);

// Whole days from one stored date to another; a date that is not a real day counts none.
int daysBetween(const QString &from, const QString &to);
