#include "diary/TrendData.h"

#include "store/NumberText.h"

#include <algorithm>

namespace {

// How many of the texts kept last are looked through before a situation is kept once more.
constexpr int kRecentSituations = 8;

// Equal texts, compared in place: dates and situations are a few characters long.
bool sameText(const QString &known, QStringView text)
{
    const qsizetype n = text.size();
    if (known.size() != n)
        return false;
    const char16_t *a = reinterpret_cast<const char16_t *>(known.constData());
    const char16_t *b = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

int situationIndex(TrendData &t, QStringView situation)
{
    // The situation of the measurement before is the likeliest, then the others kept last.
    if (!t.situations.empty() && sameText(t.situationTexts[t.situations.back()], situation))
        return t.situations.back();
    const int count = int(t.situationTexts.size());
    for (int i = count - 1; i >= std::max(0, count - kRecentSituations); --i) {
        if (sameText(t.situationTexts[i], situation))
            return i;
    }
    t.situationTexts.append(situation.toString());
    return count;
}

} // namespace

namespace {
// Everything of a measurement but its date, which the caller has appended.
void addTrendValues(TrendData &t, QStringView situation, float weight, float bodyFat)
{
    t.weights.push_back(weight);
    t.fats.push_back(bodyFat);
    t.situations.push_back(situationIndex(t, situation));
    if (weight > t.maxWeight)
        t.maxWeight = weight;
    if (weight < t.minWeight) {
        t.minWeight = weight;
        t.minWeightDate = t.dates.constLast();
    }
    if (bodyFat > t.maxFat)
        t.maxFat = bodyFat;
    if (bodyFat < t.minFat)
        t.minFat = bodyFat;
}
} // namespace

void AddTrendRecord(TrendData &t, const MeasurementView &m)
{
    // A day's measurements share one date text.
    if (t.dates.isEmpty() || !sameText(t.dates.constLast(), m.date))
        t.dates.append(m.date.toString());
    else
        t.dates.append(t.dates.constLast());
    addTrendValues(t, m.situation, m.weight, m.bodyFat);
}

TrendData ComputeTrendData(const QList<Measurement> &records)
{
    TrendData t;
    const qsizetype n = records.size();
    t.dates.reserve(n);
    t.weights.reserve(std::size_t(n));
    t.fats.reserve(std::size_t(n));
    t.situations.reserve(std::size_t(n));
    for (const Measurement &m : records) {
        // The records' own texts: a day's records share theirs already.
        t.dates.append(m.date);
        addTrendValues(t, m.situation, m.weight, m.bodyFat);
    }
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
