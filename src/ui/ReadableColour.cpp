#include "ui/ReadableColour.h"

#include <cmath>

namespace {

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

QColor blendedColour(const QColor &from, const QColor &to, double t)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green()) + 0.0722 * linearChannel(rgb.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableForeground(const QColor &background, const QColor &preferred, double minimumContrast)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor extreme = contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    if (!preferred.isValid())
        return extreme;
    const QColor start = preferred.toRgb();
    if (contrastRatio(start, background) >= minimumContrast)
        return QColor(start.red(), start.green(), start.blue());
    // On the way from the preferred colour to the extreme the luminance moves one way only, out of
    // the band around the background's where the contrast falls short: the contrast falls short
    // up to one point and suffices from there on, and halving the interval finds that point. The
    // extreme itself always suffices.
    double fails = 0.0;
    double suffices = 1.0;
    for (int step = 0; step < 16; ++step) {
        const double middle = (fails + suffices) / 2;
        if (contrastRatio(blendedColour(start, extreme, middle), background) >= minimumContrast)
            suffices = middle;
        else
            fails = middle;
    }
    return blendedColour(start, extreme, suffices);
}
