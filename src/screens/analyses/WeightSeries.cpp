#include "screens/analyses/WeightSeries.h"

#include "store/NumberText.h"

QString WeightSeriesHeading(WeightDifference mode)
{
    return mode == WeightDifference::ToPrevious ? QStringLiteral("前回差") : QStringLiteral("初回差");
}

WeightSeries::WeightSeries(const TrendData &trend, WeightDifference mode)
    : m_dates(trend.dates)
    , m_weights(trend.weights)
{
    const std::vector<float> &w = m_weights;
    m_differences.resize(w.size());
    for (std::size_t i = 1; i < w.size(); ++i)
        m_differences[i] = tenthOf(w[i] - w[mode == WeightDifference::ToPrevious ? i - 1 : 0]);
}

QString WeightSeries::text(int row, int col) const
{
    const auto i = std::size_t(row);
    switch (col) {
    case 0:
        return ordinalText(row + 1);
    case 1:
        return m_dates[row];
    case 2:
        return formatKg(m_weights[i]);
    default: {
        // A fall carries its own minus.
        const float d = m_differences[i];
        return (d == 0 ? QStringLiteral("±") : d > 0 ? QStringLiteral("+") : QString()) + formatKg(d);
    }
    }
}
