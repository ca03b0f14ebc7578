#pragma once

#include "ui/Colors.h"

#include <QString>

class Chart;
class QRadioButton;
class QWidget;

// The three charts of one partner's measurements (entry, trend, history) draw weight against
// the left value axis and body fat against the right one; each has three options that choose
// what is shown.
enum class GraphQuantity { Weight, BodyFat, Mixed };

// Shows or hides the two value axes and every series by the axis it belongs to. The points, the
// ranges and the colours stay as they are.
void SelectGraphQuantity(Chart *chart, GraphQuantity quantity);

// An option of such a group: white, its text in the colour of what it shows, at least
// `widthTwips` wide.
QRadioButton *quantityOption(const char *name, const QString &caption, Bgr textColour, int widthTwips, QWidget *parent);
