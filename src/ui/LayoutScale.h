#pragma once

#include <QFont>
#include <QSize>

class QScreen;

// The window opens 1180 × 780 pixels large at 96 DPI where the screen has room; every screen
// still has all its controls in 1180 × 720, its lists and graphs a little shorter. In twips, so
// that both follow the screen's DPI as the twips of the controls do.
inline constexpr int kDesignedWindowWidthTwips = 17700;
inline constexpr int kDesignedWindowHeightTwips = 11700;
inline constexpr int kLeastWindowWidthTwips = 17700;
inline constexpr int kLeastWindowHeightTwips = 10800;
// Below this Japanese text at the desktop's usual size gets hard to read: a smaller screen
// scrolls the window instead.
inline constexpr double kSmallestLayoutScale = 0.75;

// The one factor by which a window that needs `least` pixels is drawn so that it fits an
// `available` area with room for its title bar: 1 where it fits (a large screen never enlarges
// the layout), never below kSmallestLayoutScale.
double LayoutScaleFor(const QSize &available, const QSize &least);

// The designed and the least window in logical pixels at a logical DPI, unscaled.
QSize DesignedWindowSize(double dpi);
QSize LeastWindowSize(double dpi);

// A font designed at scale 1, at the layout's scale (for fonts the application's does not
// reach, such as a chart's).
QFont fontAtLayoutScale(const QFont &designed);

// Sets the scale of every twip and layout pixel and sizes the application's font by it, from the
// desktop's own font size; calling it again replaces the earlier scale. Before any window exists.
void applyLayoutScale(double scale);

// The scale for a screen's available area, applied. It is chosen once, when the program starts:
// a window moved to another screen afterwards keeps it.
double applyLayoutScaleFor(const QScreen *screen);
