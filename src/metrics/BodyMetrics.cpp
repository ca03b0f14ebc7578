#include "metrics/BodyMetrics.h"

#include <cmath>

namespace {
// The square of the height in metres is taken in double precision, as the ^ operator of the
// original formulas does, and each result is then held as a single.
double squaredMetres(float heightCm)
{
    const double metres = double(heightCm / 100.0f);
    return metres * metres;
}
} // namespace

bool heightIsUsable(float heightCm)
{
    return std::isfinite(heightCm) && heightCm > 0.0f;
}

std::optional<float> Bmi(float weight, float heightCm)
{
    if (!heightIsUsable(heightCm))
        return std::nullopt;
    return float(double(weight) / squaredMetres(heightCm));
}

std::optional<float> StandardWeight(float heightCm)
{
    if (!heightIsUsable(heightCm))
        return std::nullopt;
    return float(squaredMetres(heightCm) * 22.0);
}

std::optional<float> Obesity(float weight, float heightCm)
{
    const std::optional<float> standard = StandardWeight(heightCm);
    if (!standard)
        return std::nullopt;
    return (weight - *standard) / *standard;
}
