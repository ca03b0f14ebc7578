#pragma once

#include "screens/entry/TrendMark.h"
#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// What the entry screen shows for one partner and one day, computed in one pass over the
// partner's records (file order).

struct DayListRow {
    QString ordinal;      // "1", "2", ...
    QString situation;
    QString weight;       // "0.0Kg"
    QString previousDiff; // against the measurement before, "0.0Kg"
    TrendMark previousMark;
    QString firstDiff;    // against the day's first measurement, "0.0Kg"
    TrendMark firstMark;
    QString bmi;          // "0.0"; empty without a height
    QString obesity;      // "0.0%"; empty without a height
    QString bodyFat;      // "0.0%"
    float weightValue = 0;
    float bodyFatValue = 0;
    int recordIndex = 0; // the record's place among the file's records, from 0
};

enum class DayFace { Laughing, Smiling, Sulking, None };

struct DayAxis {
    int minimum = 0;
    int maximum = 0;
};

struct EntryDay {
    // Start of the diet: the file's first line.
    QString startDate;
    float startWeight = 0;
    std::optional<float> startBmi;
    std::optional<float> startObesity;
    // The day's last measurement, or the file's last line when the day has none.
    float latestWeight = 0;
    float latestBodyFat = 0;
    QString latestDate;
    std::optional<float> latestBmi;
    std::optional<float> latestObesity;
    // The file's last line.
    QString lastRecordDate;
    float lastRecordWeight = 0;
    float lastRecordBodyFat = 0;
    // Extremes of the day; 0 and 999 when it has no measurement.
    float dayMaxWeight = 0;
    float dayMinWeight = 999;
    float dayMaxBodyFat = 0;
    float dayMinBodyFat = 999;

    QList<DayListRow> rows;
    // Graph ranges: whole numbers around the day's values; only when the day has measurements.
    std::optional<DayAxis> weightAxis;
    std::optional<DayAxis> bodyFatAxis;

    // The four status labels; empty while the file holds no measurement (and the BMI and
    // obesity ones without a height).
    QString elapsedText;
    QString weightText;
    QString bmiText;
    QString obesityText;

    DayFace face = DayFace::None;
};

EntryDay ComputeEntryDay(const QList<Measurement> &records, const QDate &day, float heightCm);
// How many of the records are dated `date` ("yyyy/mm/dd"): the other partner's count of the day.
int CountRecordsOn(const QList<Measurement> &records, const QString &date);

// " 増" when the start is below the latest value, " 同" when equal, " 減" when above.
QString ChangeWord(float start, float latest);
