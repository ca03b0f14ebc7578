#pragma once

#include <cmath>

// Whole numbers made from measured values: a weight or body fat is whatever a person typed, 1e11
// and -5 included, and converting a float beyond the range of int is undefined behaviour. Every
// such conversion goes through these; the limit lies far beyond any real measurement and far
// inside what an int holds, so that sums and differences of two of them stay defined as well.
inline constexpr int kWholeNumberLimit = 1'000'000'000;

// Truncates towards zero after clamping to ±kWholeNumberLimit; a NaN gives 0.
inline int clampedInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= kWholeNumberLimit)
        return kWholeNumberLimit;
    if (value <= -kWholeNumberLimit)
        return -kWholeNumberLimit;
    return int(value);
}
inline int floorToInt(double value) { return clampedInt(std::floor(value)); }
inline int ceilToInt(double value) { return clampedInt(std::ceil(value)); }
// To the nearest whole number, a tie to the even one (the current rounding mode).
inline int nearestToInt(double value) { return clampedInt(std::nearbyint(value)); }
