#include "store/CsvTimes.h"

#include "store/CsvDateTime.h"

#include <algorithm>
#include <bitset>
#include <numeric>

namespace {

// The seconds of one day already given to a record, with the lowest second that may be free.
class TakenSeconds
{
public:
    bool taken(int second) const { return m_taken.test(size_t(second)); }
    void take(int second) { m_taken.set(size_t(second)); }
    void clear(const QList<int> &times, const QList<qsizetype> &indexes)
    {
        for (const qsizetype i : indexes)
            m_taken.reset(size_t(times[i]));
        m_lowestFree = 0;
    }

    int freeAfter(int previous)
    {
        for (int s = previous < 0 ? 0 : (previous / 60 + 1) * 60; s < kSecondsPerDay; s += 60) {
            if (!taken(s))
                return s;
        }
        for (int s = previous + 1; s < kSecondsPerDay; ++s) {
            if (!taken(s))
                return s;
        }
        // Seconds are only taken within a day, so the lowest free one never moves back.
        while (m_lowestFree < kSecondsPerDay - 1 && taken(m_lowestFree))
            ++m_lowestFree;
        return m_lowestFree; // a day of more records than seconds cannot be kept apart
    }

private:
    std::bitset<kSecondsPerDay> m_taken;
    int m_lowestFree = 0;
};

} // namespace

int timeStampSecond(QStringView c)
{
    // H:mm:ss or HH:mm:ss, nothing else on the line
    const qsizetype n = c.size();
    if (n != 7 && n != 8)
        return -1;
    const qsizetype h = n - 6; // digits of the hour
    const auto digit = [&](qsizetype i) { return c[i] >= u'0' && c[i] <= u'9' ? int(c[i].unicode() - u'0') : -1; };
    if (c[h] != u':' || c[h + 3] != u':')
        return -1;
    int hour = 0;
    for (qsizetype i = 0; i < h; ++i) {
        if (digit(i) < 0)
            return -1;
        hour = hour * 10 + digit(i);
    }
    for (qsizetype i : {h + 1, h + 2, h + 4, h + 5}) {
        if (digit(i) < 0)
            return -1;
    }
    const int minute = digit(h + 1) * 10 + digit(h + 2);
    const int second = digit(h + 4) * 10 + digit(h + 5);
    if (hour > 23 || minute > 59 || second > 59)
        return -1;
    return (hour * 60 + minute) * 60 + second;
}

QList<int> distinctTimesOfDay(const QList<Measurement> &records)
{
    const qsizetype n = records.size();
    QList<int> times(n, -1);
    // The records by date, each date's in file order; a data file is in date order already.
    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    const auto earlierDate = [&](qsizetype a, qsizetype b) { return records[a].date < records[b].date; };
    if (!std::is_sorted(order.begin(), order.end(), earlierDate))
        std::stable_sort(order.begin(), order.end(), earlierDate);

    TakenSeconds day;
    QList<qsizetype> ofDay;
    for (qsizetype begin = 0; begin < n;) {
        const QString &date = records[order[begin]].date;
        ofDay.clear();
        for (qsizetype k = begin; k < n && records[order[k]].date == date; ++k)
            ofDay.append(order[k]);
        begin += ofDay.size();

        for (const qsizetype i : std::as_const(ofDay)) {
            const int stamp = timeStampSecond(records[i].comment);
            if (stamp >= 0 && !day.taken(stamp)) {
                day.take(stamp);
                times[i] = stamp;
            }
        }
        int previous = -1;
        for (const qsizetype i : std::as_const(ofDay)) {
            if (times[i] < 0) {
                times[i] = day.freeAfter(previous);
                day.take(times[i]);
            }
            previous = times[i];
        }
        day.clear(times, ofDay);
    }
    return times;
}
