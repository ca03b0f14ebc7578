#include "screens/analyses/TrendSummary.h"

#include "screens/entry/EntryDay.h"
#include "store/NumberText.h"
#include "store/WholeNumber.h"

#include <cmath>


TrendSummary ComputeTrendSummary(const TrendData &trend, float targetWeight)
{
    TrendSummary s;
    s.mokuChk = kMokuChkCaption;
    if (trend.count() == 0)
        return s;
    const float w1 = trend.weights.front();
    const float wn = trend.weights.back();
    const QString &d1 = trend.dates.front();
    const QString &dn = trend.dates.back();

    s.nichis = d1 + QStringLiteral(" ( ") + generalNumber(w1) + QStringLiteral("Kg ) でスタート ～ ") + dn + QStringLiteral(" ( ")
               + generalNumber(wn) + QStringLiteral("Kg ) まで ") + QString::number(daysBetween(d1, dn)) + QStringLiteral("日経過 _ ")
               + formatKg(std::fabs(w1 - wn)) + ChangeWord(w1, wn);
    s.kiro = QStringLiteral("最小記録 ") + trend.minWeightDate + QStringLiteral(" の ") + generalNumber(trend.minWeight)
             + QStringLiteral("Kg   初日から ") + formatKg(w1 - trend.minWeight) + ChangeWord(w1, trend.minWeight);
    s.mokuChk = kMokuChkCaption + QStringLiteral("　") + formatKg(wn - targetWeight);

    s.hasAxes = true;
    s.weightMin = floorToInt(trend.minWeight);
    // The whole number at or above the highest weight. (Adding 0.9 and cutting off the fraction
    // leaves a highest weight of 70.05 above an axis that ends at 70, and 70.1 as well, which
    // is a hair below 70.1 in single precision.)
    s.weightMax = ceilToInt(trend.maxWeight);
    s.fatMin = floorToInt(double(trend.minFat) - 4.0);
    s.fatMax = floorToInt(double(trend.maxFat) + 3.9);
    return s;
}

int TrendWeightAxisMinimum(const TrendData &trend, float targetWeight, bool atTarget)
{
    return floorToInt(atTarget ? targetWeight : trend.minWeight);
}
