#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double fallbackDpi = 96.0;

double logicalDpi(const QWidget *widget)
{
    QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen && qGuiApp)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : fallbackDpi;
}

} // namespace

int twipsToPixelsAtDpi(int twips, double dpi)
{
    return int(std::lround(double(twips) * dpi / twipsPerInch));
}

int twipsToPixels(int twips, const QWidget *widget)
{
    return twipsToPixelsAtDpi(twips, logicalDpi(widget));
}

double pixelsPerTwip(const QWidget *widget)
{
    return logicalDpi(widget) / twipsPerInch;
}
