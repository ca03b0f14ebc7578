#include "screens/entry/EntryDay.h"

#include "metrics/BodyMetrics.h"
#include "store/NumberText.h"

#include "store/WholeNumber.h"

#include <algorithm>
#include <cmath>

QString ChangeWord(float start, float latest)
{
    if (start < latest)
        return QStringLiteral(" 増");
    if (start == latest)
        return QStringLiteral(" 同");
    return QStringLiteral(" 減");
}

EntryDay ComputeEntryDay(const QList<Measurement> &records, const QDate &day, float heightCm)
{
    EntryDay e;
    const QString date = storedDate(day);
    if (!records.isEmpty()) {
        const Measurement &first = records.first();
        e.startDate = first.date;
        e.startWeight = first.weight;
        e.startBmi = Bmi(first.weight, heightCm);
        e.startObesity = Obesity(first.weight, heightCm);
    }

    float previousWeight = 0;
    float dayFirstWeight = 0;
    const Measurement *lineBefore = nullptr;
    int counter = 1;
    for (qsizetype index = 0; index < records.size(); ++index) {
        const Measurement &m = records[index];
        if (m.date == date) {
            if (counter == 1)
                dayFirstWeight = m.weight;
            DayListRow row;
            row.ordinal = QString::number(counter);
            row.situation = m.situation;
            row.weight = formatKg(m.weight);
            // The first measurement of the diet compares with itself; the first of any later day
            // with the last measurement before it.
            if (previousWeight == 0 && m.date == e.startDate)
                previousWeight = m.weight;
            if (previousWeight == 0)
                previousWeight = lineBefore ? lineBefore->weight : m.weight;
            const float toPrevious = m.weight - previousWeight;
            row.previousDiff = formatKg(toPrevious);
            row.previousMark = TrendMarkFor(toPrevious);
            const float toFirst = m.weight - dayFirstWeight;
            row.firstDiff = formatKg(toFirst);
            row.firstMark = TrendMarkFor(toFirst);
            if (const std::optional<float> bmi = Bmi(m.weight, heightCm))
                row.bmi = formatOneDecimal(*bmi);
            if (const std::optional<float> obesity = Obesity(m.weight, heightCm))
                row.obesity = formatRatioPercent(*obesity);
            row.bodyFat = formatFatPercent(m.bodyFat);
            row.weightValue = m.weight;
            row.bodyFatValue = m.bodyFat;
            row.recordIndex = int(index);
            e.rows.append(row);

            e.dayMaxWeight = std::max(e.dayMaxWeight, m.weight);
            e.dayMinWeight = std::min(e.dayMinWeight, m.weight);
            e.dayMaxBodyFat = std::max(e.dayMaxBodyFat, m.bodyFat);
            e.dayMinBodyFat = std::min(e.dayMinBodyFat, m.bodyFat);

            previousWeight = m.weight;
            e.latestWeight = m.weight;
            e.latestBodyFat = m.bodyFat;
            e.latestDate = m.date;
            ++counter;
        }
        lineBefore = &m;
        e.lastRecordDate = m.date;
        e.lastRecordWeight = m.weight;
        e.lastRecordBodyFat = m.bodyFat;
    }

    if (!e.rows.isEmpty()) {
        // The top is the whole number at or above the day's maximum: 65.5 gives 66, 65.0 gives 65.
        // (Adding 0.9 and cutting off the fraction leaves a typed 65.04 above the axis, and a
        // single 74.1 as well once the sum is taken in double precision.)
        e.weightAxis = DayAxis{floorToInt(e.dayMinWeight), ceilToInt(e.dayMaxWeight)};
        e.bodyFatAxis = DayAxis{floorToInt(e.dayMinBodyFat), ceilToInt(e.dayMaxBodyFat)};
        const TrendMark &last = e.rows.last().firstMark;
        e.face = last.sign > 0 ? DayFace::Sulking : last.sign < 0 ? DayFace::Laughing : DayFace::Smiling;
    } else {
        e.latestWeight = e.lastRecordWeight;
        e.latestBodyFat = e.lastRecordBodyFat;
        e.latestDate = e.lastRecordDate;
    }

    if (records.isEmpty())
        return e;
    e.latestBmi = Bmi(e.latestWeight, heightCm);
    e.latestObesity = Obesity(e.latestWeight, heightCm);

    const QDate start = parseStoredDate(e.startDate);
    const QDate latest = parseStoredDate(e.latestDate);
    e.elapsedText = start.toString(QStringLiteral("yy/MM/dd")) + QStringLiteral(" → ") + QString::number(start.daysTo(latest))
                    + QStringLiteral("日経過");
    e.weightText = formatKg(e.startWeight) + QStringLiteral(" → ") + formatKg(std::fabs(e.latestWeight - e.startWeight))
                   + ChangeWord(e.startWeight, e.latestWeight);
    if (e.startBmi && e.latestBmi)
        e.bmiText = formatOneDecimal(*e.startBmi) + QStringLiteral(" → ") + formatOneDecimal(std::fabs(*e.latestBmi - *e.startBmi))
                    + ChangeWord(*e.startBmi, *e.latestBmi);
    if (e.startObesity && e.latestObesity)
        e.obesityText = formatRatioPercent(*e.startObesity) + QStringLiteral(" → ")
                        + formatRatioPercent(std::fabs(*e.latestObesity - *e.startObesity))
                        + ChangeWord(*e.startObesity, *e.latestObesity);
    return e;
}

int CountRecordsOn(const QList<Measurement> &records, const QString &date)
{
    return int(std::count_if(records.begin(), records.end(), [&](const Measurement &m) { return m.date == date; }));
}
