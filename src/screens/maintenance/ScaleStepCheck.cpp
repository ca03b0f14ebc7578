#include "screens/maintenance/ScaleStepCheck.h"

#include "store/NumberText.h"

#include <cmath>

std::optional<QString> ScaleStepRefusal(const QString &step, const QString &boxName)
{
    if (isPlainDecimal(step)) {
        const double value = leadingNumber(step);
        if (std::isfinite(value) && value > 0)
            return std::nullopt;
    }
    return QStringLiteral("%1には0より大きい数値を入力してください（例：0.1）。").arg(boxName);
}
