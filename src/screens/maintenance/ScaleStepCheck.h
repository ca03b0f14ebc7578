#pragma once

#include <QString>

#include <optional>

// A typed scale step must be a plain decimal number above 0: anything else would be stored and
// leave the arrow buttons doing nothing. The message that refuses it names its box ("体重の刻み",
// "体脂肪率の刻み"); nothing when the step is usable.
std::optional<QString> ScaleStepRefusal(const QString &step, const QString &boxName);
