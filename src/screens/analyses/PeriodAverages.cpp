#include "screens/analyses/PeriodAverages.h"

#include "screens/entry/TrendMark.h"
#include "store/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// One measured day of a partner: the sums of its measurements.
struct DaySums {
    qint64 day = 0; // Julian day
    double weight = 0;
    int count = 0;
    double fat = 0;
    int fatCount = 0;
};

// The measured days in day order. The file is kept in date order and a day's records share
// their date text, so a date is read once per day; a file put out of order by hand is sorted.
std::vector<DaySums> measuredDays(const QList<Measurement> &records)
{
    std::vector<DaySums> days;
    const QString *lastText = nullptr;
    bool lastValid = false;
    bool sorted = true;
    for (const Measurement &m : records) {
        if (!lastText || m.date != *lastText) {
            lastText = &m.date;
            const QDate date = parseStoredDate(m.date);
            lastValid = date.isValid();
            if (!lastValid)
                continue;
            const qint64 day = date.toJulianDay();
            if (days.empty() || days.back().day != day) {
                sorted = sorted && (days.empty() || days.back().day < day);
                days.push_back({day});
            }
        }
        if (!lastValid)
            continue;
        DaySums &sums = days.back();
        sums.weight += double(m.weight);
        ++sums.count;
        if (m.bodyFat > 0.0f) {
            sums.fat += double(m.bodyFat);
            ++sums.fatCount;
        }
    }
    if (!sorted) {
        std::sort(days.begin(), days.end(), [](const DaySums &a, const DaySums &b) { return a.day < b.day; });
        std::vector<DaySums> merged;
        for (const DaySums &d : days) {
            if (!merged.empty() && merged.back().day == d.day) {
                DaySums &m = merged.back();
                m.weight += d.weight;
                m.count += d.count;
                m.fat += d.fat;
                m.fatCount += d.fatCount;
            } else {
                merged.push_back(d);
            }
        }
        days = std::move(merged);
    }
    return days;
}

// A period's number: weeks count Mondays (a Monday's Julian day is a multiple of 7), months
// count from year 0.
qint64 periodKey(const QDate &date, PeriodKind kind)
{
    if (kind == PeriodKind::Week)
        return (date.toJulianDay() - (date.dayOfWeek() - 1)) / 7;
    return qint64(date.year()) * 12 + (date.month() - 1);
}

QDate periodFirst(qint64 key, PeriodKind kind)
{
    if (kind == PeriodKind::Week)
        return QDate::fromJulianDay(key * 7);
    return QDate(int(key / 12), int(key % 12) + 1, 1);
}

QDate periodLast(const QDate &first, PeriodKind kind)
{
    return kind == PeriodKind::Week ? first.addDays(6) : first.addMonths(1).addDays(-1);
}

struct PeriodSums {
    double weight = 0; // sum of the days' means
    int days = 0;
    double fat = 0;
    int fatDays = 0;
};

// Hundredths as shown: the figures of the list are compared as the user reads them.
qint64 hundredths(double value)
{
    return std::llround(value * 100.0);
}

QString signedHundredths(double value, const QString &unit)
{
    const int sign = displayedSign(value, 2, 15);
    if (sign == 0)
        return QStringLiteral("±0.00") + unit;
    return (sign > 0 ? QStringLiteral("+") : QString()) + formatFixed(value, 2, 15) + unit;
}

} // namespace

std::vector<PeriodRow> ComputePeriodAverages(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                             PeriodKind kind, const QDate &today)
{
    const std::array<std::vector<DaySums>, 2> days{measuredDays(records1), measuredDays(records2)};
    if (days[0].empty() && days[1].empty())
        return {};
    qint64 firstKey = std::numeric_limits<qint64>::max();
    qint64 lastKey = today.isValid() ? periodKey(today, kind) : std::numeric_limits<qint64>::min();
    for (const std::vector<DaySums> &partner : days) {
        if (partner.empty())
            continue;
        firstKey = std::min(firstKey, periodKey(QDate::fromJulianDay(partner.front().day), kind));
        lastKey = std::max(lastKey, periodKey(QDate::fromJulianDay(partner.back().day), kind));
    }
    firstKey = std::max(firstKey, lastKey - kMaxPeriods + 1);
    // The sums start one period before the first shown, for the first row's change.
    const qint64 base = firstKey - 1;
    std::vector<std::array<PeriodSums, 2>> sums(std::size_t(lastKey - base + 1));
    for (std::size_t p = 0; p < 2; ++p) {
        for (const DaySums &d : days[p]) {
            const qint64 key = periodKey(QDate::fromJulianDay(d.day), kind);
            if (key < base)
                continue;
            PeriodSums &s = sums[std::size_t(key - base)][p];
            s.weight += d.weight / d.count;
            ++s.days;
            if (d.fatCount > 0) {
                s.fat += d.fat / d.fatCount;
                ++s.fatDays;
            }
        }
    }

    std::vector<PeriodRow> rows;
    rows.reserve(std::size_t(lastKey - firstKey + 1));
    for (qint64 key = lastKey; key >= firstKey; --key) {
        PeriodRow row;
        row.first = periodFirst(key, kind);
        row.last = periodLast(row.first, kind);
        for (std::size_t p = 0; p < 2; ++p) {
            const PeriodSums &s = sums[std::size_t(key - base)][p];
            if (s.days == 0)
                continue;
            PeriodFigures &f = row.partners[p];
            f.days = s.days;
            f.weight = s.weight / s.days;
            if (s.fatDays > 0)
                f.fat = s.fat / s.fatDays;
            if (const PeriodSums &before = sums[std::size_t(key - base - 1)][p]; before.days > 0)
                f.change = f.weight - before.weight / before.days;
        }
        rows.push_back(row);
    }
    return rows;
}

PeriodList::PeriodList(std::vector<PeriodRow> rows, PeriodKind kind, int selectedPartner, QString nickname1, QString nickname2)
    : m_rows(std::move(rows))
    , m_kind(kind)
    , m_selected(selectedPartner == 2 ? 1 : 0)
    , m_nicknames{nickname1.isEmpty() ? QStringLiteral("登録者１") : std::move(nickname1),
                  nickname2.isEmpty() ? QStringLiteral("登録者２") : std::move(nickname2)}
{
}

const PeriodFigures &PeriodList::selected(int index) const
{
    return m_rows[std::size_t(index)].partners[std::size_t(m_selected)];
}

QString PeriodList::heading(int col) const
{
    switch (col) {
    case Period: return m_kind == PeriodKind::Week ? QStringLiteral("週") : QStringLiteral("月");
    case Days: return QStringLiteral("日数");
    case Weight: return QStringLiteral("平均体重");
    case Fat: return QStringLiteral("体脂肪率");
    case Change: return m_kind == PeriodKind::Week ? QStringLiteral("前週差") : QStringLiteral("前月差");
    case Mark: return QStringLiteral("差");
    case Partner1: return m_nicknames[0];
    case Partner2: return m_nicknames[1];
    case LostMore: return QStringLiteral("よく減った方");
    default: return QString();
    }
}

QString PeriodList::text(int index, int col) const
{
    if (index < 0 || index >= rowCount())
        return QString();
    const PeriodRow &row = m_rows[std::size_t(index)];
    const PeriodFigures &own = selected(index);
    switch (col) {
    case Period:
        if (m_kind == PeriodKind::Month)
            return row.first.toString(QStringLiteral("yyyy/MM"));
        return storedDate(row.first) + u'〜' + row.last.toString(QStringLiteral("MM/dd"));
    case Days:
        return own.days > 0 ? QString::number(own.days) + u'日' : QString();
    case Weight:
        return own.days > 0 ? formatFixed(own.weight, 2, 15) + QStringLiteral("Kg") : QStringLiteral("記録なし");
    case Fat:
        return own.fat ? formatFixed(*own.fat, 1, 15) + u'%' : QString();
    case Change:
        return own.change ? signedHundredths(*own.change, QStringLiteral("Kg")) : QString();
    case Mark:
        return own.change ? TrendMarkOfSign(displayedSign(*own.change, 2, 15)).text : QString();
    case Partner1:
    case Partner2: {
        const PeriodFigures &f = row.partners[std::size_t(col - Partner1)];
        return f.days > 0 ? formatFixed(f.weight, 2, 15) + QStringLiteral("Kg") : QString();
    }
    case LostMore: {
        const std::optional<double> &a = row.partners[0].change;
        const std::optional<double> &b = row.partners[1].change;
        if (!a || !b)
            return QString();
        const qint64 shownA = hundredths(*a);
        const qint64 shownB = hundredths(*b);
        const qint64 lower = std::min(shownA, shownB);
        if (lower >= 0)
            return QStringLiteral("なし");
        if (shownA == shownB)
            return QStringLiteral("同じ");
        return m_nicknames[shownA < shownB ? 0 : 1];
    }
    default:
        return QString();
    }
}

std::optional<quint32> PeriodList::backColour(int index, int col) const
{
    if (col != Mark || index < 0 || index >= rowCount() || !selected(index).change)
        return std::nullopt;
    return TrendMarkOfSign(displayedSign(*selected(index).change, 2, 15)).colour;
}
