#pragma once

#include "screens/comparison/ComparisonStats.h"
#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The daily averages of both partners over the comparison period: one list row and one graph
// row per calendar day.

// The list and the graphs hold at most this many days. A longer period only comes from a date
// typed decades off; the latest days are the ones kept, since the list is scrolled to them.
inline constexpr int kMaxShownDays = 32767;

struct PartnerDays {
    // Index i is the shown day i + 1 (list row i + 1, graph row i + 1).
    // The average of the partner's own measurements of the day, nothing on a day without any.
    std::vector<std::optional<float>> dayAverage;
    // The graph's point: the day's average, or on a day without measurements the last average
    // before it; nothing before the partner's first measurement.
    std::vector<std::optional<float>> graphPoint;
};

struct DailyAverages {
    QDate firstShownDay;       // the day of list row 1
    qint64 firstDayNumber = 1; // its number in the period ("日数" column), 1 unless cut
    int shownDays = 0;
    PartnerDays partner1;
    PartnerDays partner2;

    QDate day(int index) const { return firstShownDay.addDays(index); }
    qint64 dayNumber(int index) const { return firstDayNumber + index; }
};

// One partner's pass over its lines. Each line lands on its day by date arithmetic, so the pass
// is linear in lines plus days and never searches back; lines outside the shown days only feed
// the carry into the first shown day.
PartnerDays dailyAveragesOf(const QList<Measurement> &records, const QDate &firstShownDay, int shownDays);

DailyAverages computeDailyAverages(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                   const ComparisonPeriod &period);

// The texts of the list.
QString dayNumberText(qint64 dayNumber);                 // "日数"
QString dayDateText(const QDate &day);                   // "日付": "yy/mm/dd"
QString dayAverageText(std::optional<float> average);    // "体重１"/"体重２": "0.0", empty without
// A graph point as the chart is handed it: general number text, empty for no point.
QString graphPointText(std::optional<float> point);

// The list's top row after filling: the last row once the list has more than 8 rows (heading
// included), so that the latest day is in view; otherwise row 1, no scrolling.
int listTopRow(int listRows);
