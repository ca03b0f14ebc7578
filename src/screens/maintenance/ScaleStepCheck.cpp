#include "screens/maintenance/ScaleStepCheck.h"

#include "store/NumberText.h"

#include <cmath>

bool IsUsableScaleStep(const QString &step)
{
    if (!isPlainDecimal(step))
        return false;
    const double value = leadingNumber(step);
    return std::isfinite(value) && value > 0;
}

std::optional<QString> ScaleStepRefusal(const QString &step, const QString &boxName)
{
    if (IsUsableScaleStep(step))
        return std::nullopt;
    return QStringLiteral("%1には0より大きい数値を入力してください（例：0.1）。").arg(boxName);
}
