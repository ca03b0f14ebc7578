#pragma once

#include <optional>

// The three figures shown beside every weight. Height is in centimetres, weights in kilograms,
// results in single precision as the screens show them.
//
// A height of 0 (a profile not filled in yet) has no figures: these return nothing instead of
// dividing by zero, and the screens leave those places alone.

bool heightIsUsable(float heightCm);

// weight ÷ (height ÷ 100)²
std::optional<float> Bmi(float weight, float heightCm);
// (height ÷ 100)² × 22, the weight of the ideal BMI 22
std::optional<float> StandardWeight(float heightCm);
// (weight − standard weight) ÷ standard weight, a ratio (0.185 is shown as 18.5%)
std::optional<float> Obesity(float weight, float heightCm);
