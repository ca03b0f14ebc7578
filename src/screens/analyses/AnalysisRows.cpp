#include "screens/analyses/AnalysisRows.h"

#include <cmath>

AnalysisRow AnalysisList::row(int index) const
{
    return {text(index, 0), text(index, 1), text(index, 2), text(index, 3)};
}

AnalysisRows AnalysisList::rows() const
{
    AnalysisRows all;
    all.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        all.append(row(r));
    return all;
}

float tenthOf(float x)
{
    const float scaled = x * 10.0f;
    return float(std::floor(double(scaled) + 0.5) / 10.0);
}

double tenthOf(double x)
{
    return std::floor(x * 10.0 + 0.5) / 10.0;
}

QString ordinalText(int number)
{
    return QString::number(number) + QStringLiteral("回目");
}
