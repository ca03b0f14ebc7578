#include "diary/Forecast.h"

#include "diary/TrendData.h"
#include "store/Measurement.h"
#include "store/NumberText.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

// The value at fraction p of the sorted values, between neighbours (p = 0.5 is the median).
double percentile(const std::vector<double> &sorted, double p)
{
    const double position = p * double(sorted.size() - 1);
    const auto below = std::size_t(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (position - double(below));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return percentile(values, 0.5);
}

struct DayValue {
    qint64 day; // Julian day
    double weight;
};

// The first day the line from `level` at `lastDay` with `pace` per day is at the target or
// beyond it, when that is within two years.
std::optional<QDate> crossing(const QDate &lastDay, double level, double pace, double target, int direction)
{
    if (pace * direction <= 0.0 || std::fabs(pace * 7.0) < kForecastLeastWeeklyPace)
        return std::nullopt;
    const double days = std::ceil((target - level) / pace);
    const QDate limit = lastDay.addYears(2);
    if (!(days <= double(lastDay.daysTo(limit))))
        return std::nullopt;
    return lastDay.addDays(qint64(days));
}

// The measured days of the four weeks up to today, oldest first, from records read backwards
// from the last one; `lastDay` is the last measured day up to today, in the window or not.
// The data file is kept in date order; reading stops at the first record before the window.
template <typename RecordAt>
std::vector<DayValue> windowDays(qsizetype count, const RecordAt &recordAt, const QDate &today, QDate *lastDay,
                                 qsizetype *measurements)
{
    std::map<qint64, std::pair<double, int>> sums;
    for (qsizetype i = count - 1; i >= 0; --i) {
        const auto [dateText, weight] = recordAt(i);
        const QDate date = parseStoredDate(dateText);
        if (!date.isValid() || date > today)
            continue;
        if (!lastDay->isValid())
            *lastDay = date;
        if (date.daysTo(today) >= kForecastWindowDays)
            break;
        auto &[sum, n] = sums[date.toJulianDay()];
        sum += double(weight);
        ++n;
        ++*measurements;
    }
    std::vector<DayValue> days;
    days.reserve(sums.size());
    for (const auto &[day, sum] : sums)
        days.push_back({day, sum.first / sum.second});
    return days;
}

template <typename RecordAt>
Forecast forecastOf(qsizetype count, const RecordAt &recordAt, float targetWeight, const QDate &today)
{
    Forecast f;
    if (count == 0 || !(targetWeight > 0.0f) || !today.isValid())
        return f;
    qsizetype measurements = 0;
    const std::vector<DayValue> days = windowDays(count, recordAt, today, &f.lastDay, &measurements);
    if (!f.lastDay.isValid())
        return f;
    f.target = targetWeight;
    f.daysSinceLast = int(f.lastDay.daysTo(today));
    // A pace from weeks ago says nothing of today's: the line would run on from a level that
    // is long gone, and could name a day already past.
    if (f.daysSinceLast > kForecastStaleDays) {
        f.state = Forecast::State::NoRecentRecord;
        return f;
    }

    const qint64 span = days.back().day - days.front().day + 1;
    f.measurementsPerDay = double(measurements) / double(span);
    if (qsizetype(days.size()) < kForecastLeastDays || span < kForecastLeastSpanDays) {
        f.state = Forecast::State::NeedMoreDays;
        f.moreDaysNeeded = int(std::max<qint64>(kForecastLeastDays - qint64(days.size()), kForecastLeastSpanDays - span));
        return f;
    }

    std::vector<double> slopes;
    slopes.reserve(days.size() * (days.size() - 1) / 2);
    for (std::size_t i = 0; i < days.size(); ++i) {
        for (std::size_t j = i + 1; j < days.size(); ++j)
            slopes.push_back((days[j].weight - days[i].weight) / double(days[j].day - days[i].day));
    }
    std::sort(slopes.begin(), slopes.end());
    f.pacePerDay = percentile(slopes, 0.5);
    std::vector<double> intercepts;
    intercepts.reserve(days.size());
    for (const DayValue &d : days)
        intercepts.push_back(d.weight - f.pacePerDay * double(d.day - days.back().day));
    f.level = median(std::move(intercepts));

    // Losing when the target is below the start of the diet, gaining when above.
    const double target = targetWeight;
    const double start = double(recordAt(0).second);
    const int direction = target <= start ? -1 : 1;
    if ((f.level - target) * direction >= 0.0) {
        f.state = Forecast::State::Reached;
        return f;
    }
    if (f.pacePerDay * direction <= 0.0 || std::fabs(f.pacePerWeek()) < kForecastLeastWeeklyPace) {
        f.state = Forecast::State::NotAtThisPace;
        return f;
    }
    const std::optional<QDate> date = crossing(f.lastDay, f.level, f.pacePerDay, target, direction);
    if (!date) {
        f.state = Forecast::State::MoreThanTwoYears;
        return f;
    }
    f.date = *date;
    if (f.date < today) {
        f.state = Forecast::State::DueByNow;
        return f;
    }
    f.state = Forecast::State::Date;
    // The faster quartile's pace arrives first; the slower one may not arrive at all.
    const double faster = direction < 0 ? percentile(slopes, 0.25) : percentile(slopes, 0.75);
    const double slower = direction < 0 ? percentile(slopes, 0.75) : percentile(slopes, 0.25);
    f.earliest = std::max(crossing(f.lastDay, f.level, faster, target, direction).value_or(f.date), today);
    f.latest = crossing(f.lastDay, f.level, slower, target, direction);
    return f;
}

QString dayOfRange(const QDate &day, const QDate &reference)
{
    const QString monthDay = QString::number(day.month()) + u'/' + QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'));
    return day.year() == reference.year() ? monthDay : QString::number(day.year()) + u'/' + monthDay;
}

QString signedKg(double value)
{
    const double shown = std::round(value * 100.0) / 100.0;
    return (shown > 0.0 ? QStringLiteral("+") : QString()) + QString::number(shown == 0.0 ? 0.0 : shown, 'f', 2) + QStringLiteral("Kg");
}

// The measured days of the window and the least-squares slope through their means.
template <typename RecordAt>
WeeklyRate weeklyRateOf(qsizetype count, const RecordAt &recordAt, const QDate &today)
{
    WeeklyRate rate;
    if (count == 0 || !today.isValid())
        return rate;
    QDate lastDay;
    qsizetype measurements = 0;
    const std::vector<DayValue> days = windowDays(count, recordAt, today, &lastDay, &measurements);
    rate.hasRecords = lastDay.isValid();
    rate.days = int(days.size());
    if (days.size() < 2)
        return rate;
    // About the mean day and the mean weight, which keeps the sums small and exact enough.
    double meanDay = 0;
    double meanWeight = 0;
    for (const DayValue &d : days) {
        meanDay += double(d.day - days.front().day);
        meanWeight += d.weight;
    }
    meanDay /= double(days.size());
    meanWeight /= double(days.size());
    double sxy = 0;
    double sxx = 0;
    for (const DayValue &d : days) {
        const double x = double(d.day - days.front().day) - meanDay;
        sxy += x * (d.weight - meanWeight);
        sxx += x * x;
    }
    rate.kgPerWeek = sxy / sxx * 7.0;
    return rate;
}

} // namespace

std::optional<ForecastProjection> ProjectionOf(const Forecast &f, double axisMinimum, double axisMaximum, int measurementRows)
{
    if (f.state != Forecast::State::Date && f.state != Forecast::State::DueByNow)
        return std::nullopt;
    if (!(f.level >= axisMinimum && f.level <= axisMaximum))
        return std::nullopt;
    const double rows = std::max(1.0, std::min(std::round(double(f.lastDay.daysTo(f.date)) * f.measurementsPerDay), 1e6));
    // The share of the line inside the range: up to the edge the target lies beyond.
    const double edge = f.target < axisMinimum ? axisMinimum : f.target > axisMaximum ? axisMaximum : f.target;
    const double share = (edge - f.level) / (f.target - f.level);
    const double shown = std::max(1.0, std::min({rows, std::ceil(rows * share), std::floor(measurementRows / 3.0)}));
    return ForecastProjection{int(shown), f.level, f.level + (f.target - f.level) * shown / rows};
}

Forecast ComputeForecast(const QList<QString> &dates, const std::vector<float> &weights, float targetWeight, const QDate &today)
{
    const qsizetype count = std::min(dates.size(), qsizetype(weights.size()));
    return forecastOf(
        count, [&](qsizetype i) { return std::pair<QStringView, float>(dates[i], weights[std::size_t(i)]); }, targetWeight, today);
}

Forecast ComputeForecast(const TrendData &trend, float targetWeight, const QDate &today)
{
    return ComputeForecast(trend.dates, trend.weights, targetWeight, today);
}

Forecast ComputeForecast(const QList<Measurement> &records, float targetWeight, const QDate &today)
{
    return forecastOf(
        records.size(), [&](qsizetype i) { return std::pair<QStringView, float>(records[i].date, records[i].weight); }, targetWeight,
        today);
}

WeeklyRate ComputeWeeklyRate(const QList<QString> &dates, const std::vector<float> &weights, const QDate &today)
{
    const qsizetype count = std::min(dates.size(), qsizetype(weights.size()));
    return weeklyRateOf(count, [&](qsizetype i) { return std::pair<QStringView, float>(dates[i], weights[std::size_t(i)]); }, today);
}

WeeklyRate ComputeWeeklyRate(const TrendData &trend, const QDate &today)
{
    return ComputeWeeklyRate(trend.dates, trend.weights, today);
}

QString WeeklyRateText(const WeeklyRate &rate)
{
    if (!rate.hasRecords)
        return QString();
    if (rate.days == 0)
        return QStringLiteral("直近28日の傾き：この間の記録がありません");
    if (!rate.kgPerWeek)
        return QStringLiteral("直近28日の傾き：記録が1日分だけでは出せません");
    return QStringLiteral("直近28日の傾き 週 ") + signedKg(*rate.kgPerWeek) + QStringLiteral("（記録%1日分）").arg(rate.days);
}

QString ForecastText(const Forecast &f)
{
    switch (f.state) {
    case Forecast::State::None:
        return QString();
    case Forecast::State::NoRecentRecord:
        return QStringLiteral("最後の記録から%1日たっているため予測できません").arg(f.daysSinceLast);
    case Forecast::State::NeedMoreDays:
        return QStringLiteral("到達予測には、あと%1日分の記録が必要です").arg(f.moreDaysNeeded);
    case Forecast::State::Reached:
        return QStringLiteral("目標体重に到達しています");
    case Forecast::State::NotAtThisPace:
        return QStringLiteral("このペースでは目標に届きません");
    case Forecast::State::MoreThanTwoYears:
        return QStringLiteral("このペースでは目標到達は2年以上先です");
    case Forecast::State::DueByNow:
        return QStringLiteral("このペースなら、もう目標に届いているころです");
    case Forecast::State::Date:
        break;
    }
    // Without a later end the slower pace does not get there within two years: only the
    // earliest day is certain enough to name.
    const QString range = f.latest ? dayOfRange(f.earliest, f.date) + u'〜' + dayOfRange(*f.latest, f.date)
                                   : QStringLiteral("早ければ ") + dayOfRange(f.earliest, f.date);
    return QStringLiteral("このペースなら ") + storedDate(f.date) + QStringLiteral(" ごろ目標到達（") + range + QStringLiteral("）");
}

QString ForecastShortText(const Forecast &f)
{
    switch (f.state) {
    case Forecast::State::None:
        return QString();
    case Forecast::State::NoRecentRecord:
        return QStringLiteral("最後の記録から%1日、予測なし").arg(f.daysSinceLast);
    case Forecast::State::NeedMoreDays:
        return QStringLiteral("予測まであと%1日").arg(f.moreDaysNeeded);
    case Forecast::State::Reached:
        return QStringLiteral("到達済み");
    case Forecast::State::NotAtThisPace:
        return QStringLiteral("このペースでは未到達");
    case Forecast::State::MoreThanTwoYears:
        return QStringLiteral("2年以上先");
    case Forecast::State::DueByNow:
        return QStringLiteral("もう届くころ");
    case Forecast::State::Date:
        break;
    }
    return storedDate(f.date) + QStringLiteral(" ごろ");
}

QString CoupleForecastText(const QString &nickname1, const Forecast &forecast1, const QString &nickname2,
                           const Forecast &forecast2, const QString &separator)
{
    QStringList parts;
    if (forecast1.state != Forecast::State::None)
        parts << nickname1 + u'：' + ForecastShortText(forecast1);
    if (forecast2.state != Forecast::State::None)
        parts << nickname2 + u'：' + ForecastShortText(forecast2);
    if (parts.isEmpty())
        return QString();
    parts.prepend(QStringLiteral("目標到達予測"));
    if (forecast1.state == Forecast::State::Date && forecast2.state == Forecast::State::Date) {
        const qint64 gap = forecast1.date.daysTo(forecast2.date);
        if (gap == 0)
            parts << QStringLiteral("ふたり同じころ到達の見込み");
        else
            parts << QStringLiteral("%1さんが約%2日早く到達の見込み").arg(gap > 0 ? nickname1 : nickname2).arg(std::abs(gap));
    }
    return parts.join(separator);
}
