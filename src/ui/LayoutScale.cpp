#include "ui/LayoutScale.h"

#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>

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

namespace {

// The desktop's font is the size at scale 1; kept from the first use, so that a second scale is
// applied to it and not to the first one's result.
std::optional<QFont> &rememberedDesktopFont()
{
    static std::optional<QFont> font;
    return font;
}

} // namespace

void setDesktopFont(const QFont &font)
{
    rememberedDesktopFont() = font;
}

QFont desktopFont()
{
    std::optional<QFont> &font = rememberedDesktopFont();
    if (!font)
        font = QApplication::font();
    return *font;
}

double desktopFontGrowth()
{
    return std::max(1.0, QFontInfo(desktopFont()).pointSizeF() / kDesignedFontPoints);
}

void applyLayoutScale(double scale)
{
    const QFont desktop = desktopFont();
    setLayoutScale(scale * desktopFontGrowth());
    QFont font = QApplication::font(); // the family chosen since
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, int(std::lround(desktop.pixelSize() * scale))));
    QApplication::setFont(font);
}

double applyLayoutScaleFor(const QSize &available, double dpi)
{
    const double growth = desktopFontGrowth();
    const QSize least = LeastWindowSize(dpi);
    const double scale = LayoutScaleFor(available, QSize(int(std::ceil(least.width() * growth)), int(std::ceil(least.height() * growth))));
    applyLayoutScale(scale);
    return scale;
}

double applyLayoutScaleFor(const QScreen *screen)
{
    if (!screen) {
        applyLayoutScale(1.0);
        return 1.0;
    }
    return applyLayoutScaleFor(screen->availableGeometry().size(), screen->logicalDotsPerInch());
}
