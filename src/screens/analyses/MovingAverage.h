#pragma once

#include <QStringView>

#include <cmath>
#include <vector>

// The size of the moving average as the size box gives it: the leading number of its text
// ("12abc" gives 12, a word gives 0). A size below 1 is no size.
double MovingAverageSize(QStringView boxText);

// The moving average of the weights, one value per row (0-based here; row i of the graph is
// index i - 1): at row i >= n the mean of the weights from row i - (n - 1) to row i, divided by
// n as given; NaN before row n, and everywhere when n is below 1 or above the number of
// weights. A size that is not whole starts each window at the nearest whole row, a half going
// to the even one.
//
// The window sums come from running totals taken in double precision, which hold the sum of
// any number of single-precision weights in the range people weigh without rounding; so the
// work stays linear in the number of rows whatever the size, and a window's sum is the same
// wherever it comes from.
std::vector<double> MovingAverage(const std::vector<float> &weights, double n);
