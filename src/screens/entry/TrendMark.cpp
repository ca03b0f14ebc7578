#include "screens/entry/TrendMark.h"

#include "store/NumberText.h"

TrendMark TrendMarkFor(float difference)
{
    return TrendMarkOfSign(displayedSign(difference));
}

TrendMark TrendMarkOfSign(int sign)
{
    if (sign > 0)
        return {1, QStringLiteral("↑"), 0xC0C0FF};
    if (sign < 0)
        return {-1, QStringLiteral("↓"), 0xC0FFC0};
    return {0, QStringLiteral("→"), 0xC0FFFF};
}
