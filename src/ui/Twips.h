#pragma once

class QWidget;

// Geometry given in twips (1440 per inch) at the screen's logical DPI, times the layout scale.
int twipsToPixels(int twips, const QWidget *widget = nullptr);
int twipsToPixelsAtDpi(int twips, double dpi, double scale = 1.0);
double pixelsPerTwip(const QWidget *widget = nullptr);

// A size the program itself chose in pixels at 96 DPI (an icon, a button's least width), turned
// into pixels the way twips are, so that it grows and shrinks with the rest of the layout.
int layoutPixels(int pixelsAt96Dpi, const QWidget *widget = nullptr);

// One factor for the whole layout: every twip and layout pixel goes through it (the fonts get it
// from LayoutScale.h). It is chosen once, before the window is built.
void setLayoutScale(double scale);
double layoutScale();
