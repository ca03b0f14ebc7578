#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct Measurement;
struct TrendData;

// When the partner reaches the target weight at the present pace. The pace is the Theil-Sen
// slope of one value per measured day (the mean of that day's weights) over the measured days
// of the four weeks up to today: the median of the slopes of all pairs of days, so that one odd
// weigh-in does not move it, and it does not jump with each new measurement as the last few
// would. The present level is the median of (value - pace x day), taken at the last measured
// day. A forecast is about what lies ahead of today: it names no day before today, and none at
// all when the last measurement is too old to tell the present pace.
struct Forecast {
    enum class State {
        None,             // no records up to today, or no target
        NoRecentRecord,   // the last measured day is more than kForecastStaleDays before today
        NeedMoreDays,     // too few days to tell a pace
        Reached,          // the level is at the target or beyond it
        NotAtThisPace,    // moving away from the target, or all but standing still
        MoreThanTwoYears, // further than two years from the last day
        DueByNow,         // at the pace, the target would have been reached between the last day and today
        Date,
    };
    State state = State::None;
    int moreDaysNeeded = 0; // NeedMoreDays: days of records still wanting
    QDate lastDay;          // the last measured day up to today
    int daysSinceLast = 0;  // from lastDay to today
    double pacePerDay = 0;  // kg per day; negative when losing
    double level = 0;       // kg, at lastDay
    double target = 0;      // kg
    // Measurements per calendar day over the days the pace was taken from.
    double measurementsPerDay = 0;
    // Date: the first day the line is at the target or beyond it, today or later (DueByNow: the
    // day before today it was).
    QDate date;
    // Date: the same with the pace at the 25th and 75th percentiles of the pair slopes, the
    // earlier one today at the soonest; the later one is missing when that pace would not get
    // there within two years.
    QDate earliest;
    std::optional<QDate> latest;

    double pacePerWeek() const { return pacePerDay * 7.0; }
};

inline constexpr int kForecastWindowDays = 28;
inline constexpr int kForecastLeastDays = 7;
inline constexpr int kForecastLeastSpanDays = 14;
inline constexpr double kForecastLeastWeeklyPace = 0.05;
inline constexpr int kForecastStaleDays = 14;

// The dashed line of the trend graph, whose rows are measurements, not days: from the level at
// the last measurement towards the target at the forecast date, as many rows on as the
// measurements of the last four weeks would take to get there. Only for a forecast with a date
// (or one due by now), and only as far as it can be seen: where the target lies beyond the
// weight axis, the line ends where it leaves the axis range, and the graph gives no rows to the
// rest; none when it starts outside the range. It is the history's graph: the line takes at
// most a third as many rows as the measurements have (a quarter of the width), and shows the
// way rather than the whole way when the target is further off.
struct ForecastProjection {
    int rows = 0; // rows after the last measurement
    double from = 0;
    double to = 0; // the value at the last row: the target, or where the line is cut short
};
std::optional<ForecastProjection> ProjectionOf(const Forecast &forecast, double axisMinimum, double axisMaximum,
                                               int measurementRows);

// Records dated after today take no part.
Forecast ComputeForecast(const QList<QString> &dates, const std::vector<float> &weights, float targetWeight, const QDate &today);
Forecast ComputeForecast(const TrendData &trend, float targetWeight, const QDate &today);
Forecast ComputeForecast(const QList<Measurement> &records, float targetWeight, const QDate &today);

// "このペースなら 2027/03/14 ごろ目標到達（2/28〜4/02）", "…（早ければ 2/28）" when the slower pace
// does not get there within two years, or the sentence for a state without a date; empty for
// State::None. The pace itself is the weekly rate's to tell.
QString ForecastText(const Forecast &forecast);
// The short form for a line about both partners: "2027/03/14 ごろ", "到達済み", ...
QString ForecastShortText(const Forecast &forecast);
// Both partners, and who is expected first when both have a date, the parts joined by
// `separator` (a line break where the room is narrow); empty when neither partner has a forecast.
QString CoupleForecastText(const QString &nickname1, const Forecast &forecast1, const QString &nickname2,
                           const Forecast &forecast2, const QString &separator = QStringLiteral("　"));

// How fast the weight moves, beside the forecast: the least-squares slope of the daily mean
// weights over the measured days of the same four weeks up to today, in kg per week, and how
// many days it rests on.
struct WeeklyRate {
    bool hasRecords = false; // any record up to today at all
    int days = 0;            // measured days of the four weeks
    std::optional<double> kgPerWeek; // from two measured days on
};
WeeklyRate ComputeWeeklyRate(const QList<QString> &dates, const std::vector<float> &weights, const QDate &today);
WeeklyRate ComputeWeeklyRate(const TrendData &trend, const QDate &today);
// "直近28日の傾き 週 -0.45Kg（記録20日分）", or why there is none; empty without records.
QString WeeklyRateText(const WeeklyRate &rate);
