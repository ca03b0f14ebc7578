#include "screens/analyses/BreakProgress.h"

#include "store/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

// 0.5Kg減, 1.0Kg減, 1.5Kg減, ...
QString milestoneText(int k)
{
    const double loss = (k + 1) * 0.5;
    return generalNumber(loss) + (k % 2 == 1 ? QStringLiteral(".0") : QString()) + QStringLiteral("Kg減");
}

} // namespace

BreakProgress ComputeBreakProgress(const TrendData &trend)
{
    BreakProgress result;
    if (trend.count() == 0)
        return result;
    const std::vector<float> &w = trend.weights;
    const float w1 = w.front();
    const float total = tenthOf(w1 - trend.minWeight);
    // As many milestones as the loss holds, however large it is (up to what a list can show).
    const int milestones = int(std::clamp(std::floor(double(total) / 0.5), 0.0, double(kMaxMilestones)));
    if (milestones == 0)
        return result;
    result.rows.resize(milestones);

    // A milestone is reached only after every smaller one, so the reached ones are always the
    // first `next`; each measurement reports those it passes, in order.
    int next = 0;
    int previousDays = 0;
    for (int i = 0; i < trend.count() && next < milestones; ++i) {
        const float loss = w1 - w[std::size_t(i)];
        while (next < milestones && (next + 1) * 0.5 <= double(loss)) {
            const int days = daysBetween(trend.dates.front(), trend.dates[i]);
            result.rows[next] = {milestoneText(next), trend.dates[i], QString::number(days) + QStringLiteral("日後"),
                                 QString::number(days - previousDays) + QStringLiteral("日後")};
            previousDays = days;
            ++next;
        }
    }

    result.label = QStringLiteral("最高　") + formatKg(w1 - trend.minWeight) + QStringLiteral("減を達成してから　")
                   + QString::number(daysBetween(trend.minWeightDate, trend.dates.back())) + QStringLiteral("日経過");
    return result;
}
