#pragma once

class QWidget;

// Geometry given in twips (1440 per inch) at the screen's logical DPI.
int twipsToPixels(int twips, const QWidget *widget = nullptr);
int twipsToPixelsAtDpi(int twips, double dpi);
double pixelsPerTwip(const QWidget *widget = nullptr);
