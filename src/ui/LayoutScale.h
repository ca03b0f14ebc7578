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
// The layout was drawn for the toolkit's own font of 9 points. A desktop with a larger font
// (GTK's 10 points, GNOME's 11) has the whole layout drawn larger by as much, so that every text
// keeps the room the layout gives it; where the screen has no room for that, the layout scale
// makes it smaller again.
inline constexpr double kDesignedFontPoints = 9.0;

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

// The desktop's own font, which the application's font is sized from: the application's font
// when the layout is first applied, unless set before.
void setDesktopFont(const QFont &font);
QFont desktopFont();

// How much larger than designed the desktop's font is (1 for one no larger than designed).
double desktopFontGrowth();

// Sets the scale the layout is drawn smaller by: the application's font is the desktop's times
// `scale`, and every twip and layout pixel grows with the desktop's font and is then scaled by
// `scale` (layoutScale() holds the product). Calling it again replaces the earlier scale. Before
// any window exists.
void applyLayoutScale(double scale);

// The scale for an available area at a logical DPI, applied: the layout, grown with the
// desktop's font, fits the area where the smallest scale allows.
double applyLayoutScaleFor(const QSize &available, double dpi);
// The same for a screen's available area. It is chosen once, when the program starts: a window
// moved to another screen afterwards keeps it.
double applyLayoutScaleFor(const QScreen *screen);
