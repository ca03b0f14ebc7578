#pragma once

#include "screens/analyses/AnalysisRows.h"
#include "diary/TrendData.h"

#include <vector>

// The time series of the weights (msgB1): every measurement with its difference, to one
// decimal, to the measurement before it or to the first one.
enum class WeightDifference { ToPrevious, ToFirst };

// The heading of the difference column.
QString WeightSeriesHeading(WeightDifference mode);

class WeightSeries : public AnalysisList
{
public:
    WeightSeries(const TrendData &trend, WeightDifference mode);
    int rowCount() const override { return int(m_weights.size()); }
    QString text(int row, int col) const override;

private:
    QList<QString> m_dates;
    std::vector<float> m_weights;
    std::vector<float> m_differences;
};
