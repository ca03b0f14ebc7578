#include "screens/history/HistoryListing.h"

#include "metrics/BodyMetrics.h"
#include "screens/entry/TrendMark.h"
#include "store/NumberText.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace {

constexpr char16_t kWeekdayNames[] = u"日月火水木金土";

// How many of the situations last kept are looked through before a text is kept once more.
constexpr int kRecentSituations = 8;

int wholePart(double value)
{
    return int(std::floor(value));
}

// Equal texts, compared in place: most compared texts are a few characters long.
bool sameText(const QString &known, QStringView text)
{
    return known.size() == text.size()
           && std::equal(text.utf16(), text.utf16() + text.size(), reinterpret_cast<const char16_t *>(known.constData()));
}

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

bool HistoryListing::passes(const MeasurementView &record)
{
    const HistoryListingKind kind = m_filter.kind;
    if (kind == HistoryListingKind::All)
        return true;
    // The box texts as they stand, character code by character code.
    if (record.date.compare(m_filter.firstDay) < 0 || record.date.compare(m_filter.lastDay) > 0)
        return false;
    if ((kind == HistoryListingKind::BySituation || kind == HistoryListingKind::BySituationAndWeekday)
        && !record.situation.contains(m_filter.key))
        return false;
    if (kind == HistoryListingKind::ByWeekday || kind == HistoryListingKind::BySituationAndWeekday) {
        if (!sameText(m_testedDate, record.date)) {
            m_testedDate = record.date.toString();
            m_testedWeekday = WeekdayOf(record.date);
        }
        if (m_testedWeekday != m_filter.weekday)
            return false;
    }
    return true;
}

void HistoryListing::add(const MeasurementView &record)
{
    if (!passes(record))
        return;
    if (m_rows.empty())
        m_firstWeight = record.weight;
    // Only the first listed row finds no weight before it: it compares with itself.
    if (m_previousWeight == 0)
        m_previousWeight = record.weight;
    m_rows.push_back({dateIndex(record.date), situationIndex(record.situation), record.weight, record.bodyFat, m_previousWeight});
    m_maxWeight = std::max(m_maxWeight, record.weight);
    m_minWeight = std::min(m_minWeight, record.weight);
    m_maxFat = std::max(m_maxFat, record.bodyFat);
    m_minFat = std::min(m_minFat, record.bodyFat);
    m_previousWeight = record.weight;
}

int HistoryListing::dateIndex(QStringView date)
{
    if (m_dates.isEmpty() || !sameText(m_dates.constLast(), date)) {
        m_dates.append(date.toString());
        m_weekdays.push_back(qint8(WeekdayOf(date)));
    }
    return int(m_dates.size()) - 1;
}

int HistoryListing::situationIndex(QStringView situation)
{
    // The situation of the row before is the likeliest, then the others kept last.
    if (!m_rows.empty() && sameText(m_situations[m_rows.back().situation], situation))
        return m_rows.back().situation;
    const int count = int(m_situations.size());
    for (int i = count - 1; i >= std::max(0, count - kRecentSituations); --i) {
        if (sameText(m_situations[i], situation))
            return i;
    }
    m_situations.append(situation.toString());
    return count;
}

QStringList HistoryListing::dates() const
{
    return m_filter.kind == HistoryListingKind::All ? m_dates : QStringList();
}

QString HistoryListing::text(int row, int col) const
{
    if (row < 1 || row > rowCount())
        return QString();
    const Row &r = m_rows[std::size_t(row - 1)];
    switch (col) {
    case 0:
        return QString::number(row);
    case 1: {
        // "yy/mm/dd"; a date of another form is shown as it is stored.
        const QString &date = m_dates[r.date];
        return m_weekdays[std::size_t(r.date)] >= 0 ? date.mid(2) : date;
    }
    case 2:
        return WeekdayName(m_weekdays[std::size_t(r.date)]);
    case 3:
        return m_situations[r.situation];
    case 4:
        return formatKg(r.weight);
    case 5:
        return formatKg(r.weight - r.previousWeight);
    case 6:
        return TrendMarkFor(r.weight - r.previousWeight).text;
    case 7:
        return formatKg(r.weight - m_firstWeight);
    case 8:
        return TrendMarkFor(r.weight - m_firstWeight).text;
    case 9:
        if (const std::optional<float> bmi = Bmi(r.weight, m_heightCm))
            return formatOneDecimal(*bmi);
        return QString();
    case 10:
        if (const std::optional<float> obesity = Obesity(r.weight, m_heightCm))
            return formatRatioPercent(*obesity);
        return QString();
    case 11:
        return formatFatPercent(r.bodyFat);
    default:
        return QString();
    }
}

std::optional<quint32> HistoryListing::backColour(int row, int col) const
{
    if (row < 1 || row > rowCount() || (col != 6 && col != 8))
        return std::nullopt;
    const Row &r = m_rows[std::size_t(row - 1)];
    return TrendMarkFor(r.weight - (col == 6 ? r.previousWeight : m_firstWeight)).colour;
}

std::optional<HistoryAxis> HistoryListing::weightAxis() const
{
    if (m_rows.empty())
        return std::nullopt;
    // The top is the whole number at or above the highest weight: adding 0.9 and cutting off
    // the fraction would leave a highest weight of 70.05, or 70.1 (a hair below it in single
    // precision), above an axis that ends at 70.
    return HistoryAxis{wholePart(m_minWeight), int(std::ceil(m_maxWeight))};
}

std::optional<HistoryAxis> HistoryListing::bodyFatAxis() const
{
    if (m_rows.empty())
        return std::nullopt;
    return HistoryAxis{wholePart(double(m_minFat) - 4.0), wholePart(double(m_maxFat) + 3.9)};
}
