#include "screens/maintenance/ProfileEditing.h"

#include "store/NumberText.h"

#include <cmath>

namespace {
// A plain decimal that stays finite as the 32-bit value the profile holds.
bool isProfileNumber(const QString &text)
{
    return isPlainDecimal(text) && std::isfinite(float(leadingNumber(text)));
}
} // namespace

std::optional<RegistrationRefusal> CheckProfileBoxes(const ProfileBoxes &boxes)
{
    if (boxes.height.isEmpty())
        return RegistrationRefusal{QStringLiteral("身長が入力されていません"), QStringLiteral("身長未入力"), RegistrationBox::Height};
    if (boxes.target.isEmpty())
        return RegistrationRefusal{QStringLiteral("目標体重が入力されていません"), QStringLiteral("目標体重未入力"), RegistrationBox::Target};
    if (!isProfileNumber(boxes.height))
        return RegistrationRefusal{QStringLiteral("身長は数値で入力してください"), QStringLiteral("身長数値以外入力"), RegistrationBox::Height};
    if (!isProfileNumber(boxes.target))
        return RegistrationRefusal{QStringLiteral("目標体重は数値で入力してください"), QStringLiteral("目標体重数値以外入力"),
                                   RegistrationBox::Target};
    return CheckHeightIsPositive(boxes.height);
}

PartnerProfile ProfileFromBoxes(const ProfileBoxes &boxes)
{
    return {boxes.nickname, float(leadingNumber(boxes.height)), float(leadingNumber(boxes.target))};
}
