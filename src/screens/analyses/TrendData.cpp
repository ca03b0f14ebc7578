#include "screens/analyses/TrendData.h"

#include "store/NumberText.h"

void AddTrendRecord(TrendData &t, const MeasurementView &m)
{
    // A day's measurements share one date text.
    if (t.dates.isEmpty() || t.dates.constLast() != m.date)
        t.dates.append(m.date.toString());
    else
        t.dates.append(t.dates.constLast());
    t.weights.push_back(m.weight);
    t.fats.push_back(m.bodyFat);
    if (m.weight > t.maxWeight)
        t.maxWeight = m.weight;
    if (m.weight < t.minWeight) {
        t.minWeight = m.weight;
        t.minWeightDate = t.dates.constLast();
    }
    if (m.bodyFat > t.maxFat)
        t.maxFat = m.bodyFat;
    if (m.bodyFat < t.minFat)
        t.minFat = m.bodyFat;
}

TrendData ComputeTrendData(const QList<Measurement> &records)
{
    TrendData t;
    const qsizetype n = records.size();
    t.dates.reserve(n);
    t.weights.reserve(std::size_t(n));
    t.fats.reserve(std::size_t(n));
    for (const Measurement &m : records)
        AddTrendRecord(t, MeasurementView{m.date, m.situation, m.weight, m.comment, m.bodyFat, m.reserved});
    return t;
}

int daysBetween(const QString &from, const QString &to)
{
    const QDate a = parseStoredDate(from);
    const QDate b = parseStoredDate(to);
    if (!a.isValid() || !b.isValid())
        return 0;
    return int(a.daysTo(b));
}
