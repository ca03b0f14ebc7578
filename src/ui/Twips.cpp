#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double fallbackDpi = 96.0;
constexpr int twipsPerPixelAt96Dpi = 15;

double g_layoutScale = 1.0;

double logicalDpi(const QWidget *widget)
{
    QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen && qGuiApp)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : fallbackDpi;
}

} // namespace

int twipsToPixelsAtDpi(int twips, double dpi, double scale)
{
    return int(std::lround(double(twips) * dpi * scale / twipsPerInch));
}

int twipsToPixels(int twips, const QWidget *widget)
{
    return twipsToPixelsAtDpi(twips, logicalDpi(widget), g_layoutScale);
}

double pixelsPerTwip(const QWidget *widget)
{
    return logicalDpi(widget) * g_layoutScale / twipsPerInch;
}

int layoutPixels(int pixelsAt96Dpi, const QWidget *widget)
{
    return twipsToPixels(pixelsAt96Dpi * twipsPerPixelAt96Dpi, widget);
}

void setLayoutScale(double scale)
{
    g_layoutScale = scale;
}

double layoutScale()
{
    return g_layoutScale;
}
