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
// of the last four weeks: the median of the slopes of all pairs of days, so that one odd
// weigh-in does not move it, and it does not jump with each new measurement as the last few
// would. The present level is the median of (value - pace x day), taken at the last day.
struct Forecast {
    enum class State {
        None,             // no records, or no target
        NeedMoreDays,     // too few days to tell a pace
        Reached,          // the level is at the target or beyond it
        NotAtThisPace,    // moving away from the target, or all but standing still
        MoreThanTwoYears, // further than two years from the last day
        Date,
    };
    State state = State::None;
    int moreDaysNeeded = 0; // NeedMoreDays: days of records still wanting
    QDate lastDay;          // the last measured day
    double pacePerDay = 0;  // kg per day; negative when losing
    double level = 0;       // kg, at lastDay
    double target = 0;      // kg
    // Measurements per calendar day over the days the pace was taken from.
    double measurementsPerDay = 0;
    QDate date;             // Date: the first day the line is at the target or beyond it
    // Date: the same with the pace at the 25th and 75th percentiles of the pair slopes; the later
    // end is missing when that pace would not get there within two years.
    QDate earliest;
    std::optional<QDate> latest;

    double pacePerWeek() const { return pacePerDay * 7.0; }
};

inline constexpr int kForecastWindowDays = 28;
inline constexpr int kForecastLeastDays = 7;
inline constexpr int kForecastLeastSpanDays = 14;
inline constexpr double kForecastLeastWeeklyPace = 0.05;

// The dashed line of the trend graph, whose rows are measurements, not days: from the level at
// the last measurement to the target at the forecast date, as many rows on as the measurements of
// the last four weeks would take to get there. Only for a forecast with a date.
struct ForecastProjection {
    int rows = 0; // rows after the last measurement
    double from = 0;
    double to = 0;
};
std::optional<ForecastProjection> ProjectionOf(const Forecast &forecast);

// `dates` and `weights` are the partner's measurements in file order (dates "yyyy/mm/dd"); the
// first one is the start of the diet, which tells whether the target means losing or gaining.
Forecast ComputeForecast(const QList<QString> &dates, const std::vector<float> &weights, float targetWeight);
Forecast ComputeForecast(const TrendData &trend, float targetWeight);
Forecast ComputeForecast(const QList<Measurement> &records, float targetWeight);

// "このペースなら 2027/03/14 ごろ目標到達（2/28〜4/02）・週 -0.42Kg", or the sentence for a state
// without a date; empty for State::None.
QString ForecastText(const Forecast &forecast);
// The short form for a line about both partners: "2027/03/14 ごろ", "到達済み", ...
QString ForecastShortText(const Forecast &forecast);
// Both partners, and who is expected first when both have a date, the parts joined by
// `separator` (a line break where the room is narrow); empty when neither partner has a forecast.
QString CoupleForecastText(const QString &nickname1, const Forecast &forecast1, const QString &nickname2,
                           const Forecast &forecast2, const QString &separator = QStringLiteral("　"));
