#include "screens/analyses/MovingAverage.h"

#include "store/NumberText.h"

#include <limits>

double MovingAverageSize(QStringView boxText)
{
    return leadingNumber(boxText);
}

std::vector<double> MovingAverage(const std::vector<float> &weights, double n)
{
    const std::size_t count = weights.size();
    std::vector<double> average(count, std::numeric_limits<double>::quiet_NaN());
    if (!(n >= 1.0) || n > double(count))
        return average;

    // total[k] is the sum of the first k weights.
    std::vector<double> total(count + 1, 0.0);
    for (std::size_t k = 0; k < count; ++k)
        total[k + 1] = total[k] + double(weights[k]);

    const auto firstRow = std::size_t(std::ceil(n)); // 1-based row of the first average
    for (std::size_t row = firstRow; row <= count; ++row) {
        // std::nearbyint rounds halves to even in the default rounding mode.
        const double start = std::nearbyint(double(row) - (n - 1.0));
        const auto from = std::size_t(std::max(start, 1.0));
        average[row - 1] = (total[row] - total[from - 1]) / n;
    }
    return average;
}
