#pragma once

#include "screens/analyses/AnalysisRows.h"
#include "diary/TrendData.h"

#include <vector>

// The average trend (msgB3): the running mean of all weights so far and how many grams each
// measurement moved it; and the streak of measurements since the last one that raised the mean.
class AverageTrend : public AnalysisList
{
public:
    explicit AverageTrend(const TrendData &trend);
    int rowCount() const override { return int(m_weights.size()); }
    QString text(int row, int col) const override;
    // Label5(1); empty without a measurement.
    QString label() const { return m_label; }

private:
    std::vector<float> m_weights;
    std::vector<float> m_means;
    std::vector<float> m_grams;
    QString m_label;
};
