#include "ui/LayoutScale.h"

#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

double LayoutScaleFor(const QSize &available, const QSize &least)
{
    const QSize room = WindowRoom(available);
    if (least.isEmpty() || room.isEmpty())
        return kSmallestLayoutScale;
    const double fit = std::min(double(room.width()) / least.width(), double(room.height()) / least.height());
    return std::clamp(fit, kSmallestLayoutScale, 1.0);
}

QSize DesignedWindowSize(double dpi)
{
    return {twipsToPixelsAtDpi(kDesignedWindowWidthTwips, dpi), twipsToPixelsAtDpi(kDesignedWindowHeightTwips, dpi)};
}

QSize LeastWindowSize(double dpi)
{
    return {twipsToPixelsAtDpi(kLeastWindowWidthTwips, dpi), twipsToPixelsAtDpi(kLeastWindowHeightTwips, dpi)};
}

QFont fontAtLayoutScale(const QFont &designed)
{
    QFont font = designed;
    if (designed.pointSizeF() > 0)
        font.setPointSizeF(designed.pointSizeF() * layoutScale());
    else
        font.setPixelSize(std::max(1, int(std::lround(designed.pixelSize() * layoutScale()))));
    return font;
}

void applyLayoutScale(double scale)
{
    setLayoutScale(scale);
    // The desktop's font is the size at scale 1; kept from the first call, so that a second one
    // scales from it and not from the first one's result.
    static const QFont desktopFont = QApplication::font();
    QFont designed = QApplication::font(); // the family chosen since, at the desktop's size
    if (desktopFont.pointSizeF() > 0)
        designed.setPointSizeF(desktopFont.pointSizeF());
    else
        designed.setPixelSize(desktopFont.pixelSize());
    QApplication::setFont(fontAtLayoutScale(designed));
}

double applyLayoutScaleFor(const QScreen *screen)
{
    const double scale = screen ? LayoutScaleFor(screen->availableGeometry().size(), LeastWindowSize(screen->logicalDotsPerInch())) : 1.0;
    applyLayoutScale(scale);
    return scale;
}
