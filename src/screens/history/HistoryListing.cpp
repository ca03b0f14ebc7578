#include "screens/history/HistoryListing.h"

#include "metrics/BodyMetrics.h"
#include "screens/entry/TrendMark.h"
#include "store/FieldReader.h"
#include "store/NumberText.h"
#include "store/WholeNumber.h"

#include <QDate>

#include <cmath>

namespace {

constexpr char16_t kWeekdayNames[] = u"日月火水木金土";

} // namespace

HistoryListingKind FilteredListingFor(const QString &key, int selectedWeekday)
{
    const bool weekday = selectedWeekday >= 0 && selectedWeekday <= 6;
    if (key.isEmpty())
        return weekday ? HistoryListingKind::ByWeekday : HistoryListingKind::ByPeriod;
    return weekday ? HistoryListingKind::BySituationAndWeekday : HistoryListingKind::BySituation;
}

QString WeekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return QString();
    return QString(QChar(kWeekdayNames[weekday]));
}

int WeekdayOf(QStringView date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (!isStoredDate(date, &year, &month, &day))
        return -1;
    return QDate(year, month, day).dayOfWeek() % 7;
}

HistoryListing::HistoryListing(const HistoryFilter &filter, float heightCm)
    : m_filter(filter)
    , m_heightCm(heightCm)
{
}

HistoryListing::HistoryListing(const TrendData &file, float heightCm)
    : m_heightCm(heightCm)
    , m_listed(file)
{
}

bool HistoryListing::datePasses(QStringView date) const
{
    // The box texts as they stand, character code by character code.
    if (date.compare(m_filter.firstDay) < 0 || date.compare(m_filter.lastDay) > 0)
        return false;
    const HistoryListingKind kind = m_filter.kind;
    if (kind == HistoryListingKind::ByWeekday || kind == HistoryListingKind::BySituationAndWeekday)
        return WeekdayOf(date) == m_filter.weekday;
    return true;
}

bool HistoryListing::passes(const MeasurementView &record)
{
    const HistoryListingKind kind = m_filter.kind;
    if (kind == HistoryListingKind::All)
        return true;
    if (!m_dateTested || !sameText(record.date, m_testedDate)) {
        m_testedDate = record.date.toString();
        m_dateTested = true;
        m_datePasses = datePasses(record.date);
    }
    if (!m_datePasses)
        return false;
    return (kind != HistoryListingKind::BySituation && kind != HistoryListingKind::BySituationAndWeekday)
           || record.situation.contains(m_filter.key);
}

void HistoryListing::add(const MeasurementView &record)
{
    if (passes(record))
        AddTrendRecord(m_listed, record);
}

void HistoryListing::addEach(const TrendData &file)
{
    MeasurementView record;
    for (int i = 0; i < file.count(); ++i) {
        record.date = file.dates[i];
        record.situation = file.situation(i);
        record.weight = file.weights[std::size_t(i)];
        record.bodyFat = file.fats[std::size_t(i)];
        add(record);
    }
}

float HistoryListing::previousWeight(int row) const
{
    const float own = weight(row);
    // Only the first listed row finds no weight before it (a weight of 0 counts as none).
    const float before = row > 1 ? weight(row - 1) : 0.0f;
    return before == 0 ? own : before;
}

QStringList HistoryListing::dates() const
{
    QStringList dates;
    if (m_filter.kind != HistoryListingKind::All)
        return dates;
    for (const QString &date : m_listed.dates) {
        if (dates.isEmpty() || dates.constLast() != date)
            dates.append(date);
    }
    return dates;
}

QString HistoryListing::text(int row, int col) const
{
    if (row < 1 || row > rowCount())
        return QString();
    const int i = row - 1;
    const float w = weight(row);
    const float first = m_listed.weights.front();
    switch (col) {
    case 0:
        return QString::number(row);
    case 1: {
        // "yy/mm/dd"; a date of another form is shown as it is stored.
        const QString &date = m_listed.dates[i];
        return isStoredDate(date) ? date.mid(2) : date;
    }
    case 2:
        return WeekdayName(WeekdayOf(m_listed.dates[i]));
    case 3:
        return m_listed.situation(i);
    case 4:
        return formatKg(w);
    case 5:
        return formatKg(w - previousWeight(row));
    case 6:
        return TrendMarkFor(w - previousWeight(row)).text;
    case 7:
        return formatKg(w - first);
    case 8:
        return TrendMarkFor(w - first).text;
    case 9:
        if (const std::optional<float> bmi = Bmi(w, m_heightCm))
            return formatOneDecimal(*bmi);
        return QString();
    case 10:
        if (const std::optional<float> obesity = Obesity(w, m_heightCm))
            return formatRatioPercent(*obesity);
        return QString();
    case 11:
        return formatFatPercent(bodyFat(row));
    default:
        return QString();
    }
}

std::optional<quint32> HistoryListing::backColour(int row, int col) const
{
    if (row < 1 || row > rowCount() || (col != 6 && col != 8))
        return std::nullopt;
    const float compared = col == 6 ? previousWeight(row) : m_listed.weights.front();
    return TrendMarkFor(weight(row) - compared).colour;
}

std::optional<HistoryAxis> HistoryListing::weightAxis() const
{
    if (rowCount() == 0)
        return std::nullopt;
    // The top is the whole number at or above the highest weight: adding 0.9 and cutting off
    // the fraction would leave a highest weight of 70.05, or 70.1 (a hair below it in single
    // precision), above an axis that ends at 70.
    return HistoryAxis{floorToInt(m_listed.minWeight), ceilToInt(m_listed.maxWeight)};
}

std::optional<HistoryAxis> HistoryListing::bodyFatAxis() const
{
    if (rowCount() == 0)
        return std::nullopt;
    return HistoryAxis{floorToInt(double(m_listed.minFat) - 4.0), floorToInt(double(m_listed.maxFat) + 3.9)};
}
