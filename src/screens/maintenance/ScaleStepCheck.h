#pragma once

#include <QString>

#include <optional>

// A scale step the arrow buttons can use: a plain decimal number above 0. Anything else would be
// stored and leave the arrow buttons doing nothing.
bool IsUsableScaleStep(const QString &step);

// The message that refuses a typed step, naming its box ("体重の刻み", "体脂肪率の刻み");
// nothing when the step is usable.
std::optional<QString> ScaleStepRefusal(const QString &step, const QString &boxName);
