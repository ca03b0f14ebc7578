#include "screens/comparison/DailyAverages.h"

#include "store/NumberText.h"

#include <algorithm>
#include <limits>

PartnerDays dailyAveragesOf(const QList<Measurement> &records, const QDate &firstShownDay, int shownDays)
{
    PartnerDays days;
    if (shownDays <= 0 || !firstShownDay.isValid())
        return days;

    // Slot 0 stands for the day before the first shown one; slot j for shown day j. The sum is a
    // 32-bit value like the weights it adds up.
    std::vector<float> sum(size_t(shownDays) + 1, 0.0f);
    std::vector<qint64> count(size_t(shownDays) + 1, 0);
    const qint64 slotZeroDay = firstShownDay.toJulianDay() - 1;
    // When the period is cut, slot 0 collects the latest day with measurements before the cut,
    // so that the first shown day carries the right average.
    qint64 carriedDay = std::numeric_limits<qint64>::min();

    // Lines of one day follow each other, so the date is parsed once per day, not per line.
    QString previousDate;
    bool dated = false;
    qint64 julian = 0;
    for (const Measurement &m : records) {
        if (m.date != previousDate) {
            previousDate = m.date;
            const QDate date = parseStoredDate(m.date);
            dated = date.isValid();
            julian = dated ? date.toJulianDay() : 0;
        }
        if (!dated)
            continue;
        const qint64 slot = julian - slotZeroDay;
        if (slot >= 1 && slot <= shownDays) {
            sum[size_t(slot)] += m.weight;
            ++count[size_t(slot)];
        } else if (slot < 1) {
            if (julian > carriedDay) {
                carriedDay = julian;
                sum[0] = 0.0f;
                count[0] = 0;
            }
            if (julian == carriedDay) {
                sum[0] += m.weight;
                ++count[0];
            }
        }
        // A line after the last shown day cannot occur in a file in date order; it is left out.
    }

    days.dayAverage.resize(size_t(shownDays));
    days.graphPoint.resize(size_t(shownDays));
    for (int j = 1; j <= shownDays; ++j) {
        const size_t i = size_t(j);
        // Both divisions are tested: a day without measurements has no average of its own.
        if (count[i] > 0)
            days.dayAverage[i - 1] = sum[i] / float(count[i]);
        else {
            sum[i] = sum[i - 1];
            count[i] = count[i - 1];
        }
        if (count[i] > 0)
            days.graphPoint[i - 1] = sum[i] / float(count[i]);
    }
    return days;
}

DailyAverages computeDailyAverages(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                   const ComparisonPeriod &period)
{
    DailyAverages result;
    if (period.dayCount <= 0 || !period.periodStart.isValid())
        return result;
    result.shownDays = int(std::min<qint64>(period.dayCount, kMaxShownDays));
    result.firstDayNumber = period.dayCount - result.shownDays + 1;
    result.firstShownDay = period.periodStart.addDays(result.firstDayNumber - 1);
    result.partner1 = dailyAveragesOf(records1, result.firstShownDay, result.shownDays);
    result.partner2 = dailyAveragesOf(records2, result.firstShownDay, result.shownDays);
    return result;
}

QString dayNumberText(qint64 dayNumber)
{
    return QString::number(dayNumber);
}

QString dayDateText(const QDate &day)
{
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    if (!day.isValid() || year < 0)
        return day.toString(QStringLiteral("yy/MM/dd"));
    // Written out digit by digit: the locale's date formatting costs more than the rest of a
    // list row, and the list has a row for every day of the period.
    const int yy = year % 100;
    const char16_t text[] = {char16_t(u'0' + yy / 10), char16_t(u'0' + yy % 10),       u'/',
                             char16_t(u'0' + month / 10), char16_t(u'0' + month % 10), u'/',
                             char16_t(u'0' + dayOfMonth / 10), char16_t(u'0' + dayOfMonth % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 8);
}

QString dayAverageText(std::optional<float> average)
{
    return average ? formatOneDecimal(*average) : QString();
}

QString graphPointText(std::optional<float> point)
{
    return point ? generalNumber(*point) : QString();
}

int listTopRow(int listRows)
{
    return listRows > 8 ? listRows - 1 : 1;
}
