#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the screens name them: 0x00BBGGRR values, low byte red. The high bit marks a
// system colour (0x8000000F is the button face).
using Bgr = quint32;

namespace Colour {
inline constexpr Bgr lightRed = 0xC0C0FF;    // more, or worse
inline constexpr Bgr lightYellow = 0xC0FFFF; // equal; also a chosen filter button
inline constexpr Bgr lightGreen = 0xC0FFC0;  // less, or better
inline constexpr Bgr selectedPartner = 0xF0FFFF;
inline constexpr Bgr chosenToggle = 0xC0E0FF;
inline constexpr Bgr buttonFace = 0x8000000F;
} // namespace Colour

// The colour a 0x00BBGGRR value stands for; system colours come from the application palette.
QColor colorFromBgr(Bgr bgr);

class QWidget;
// Paints a label's (or any widget's) background in a 0x00BBGGRR colour, its text (and that of
// the controls inside it) in the colour that reads on it.
void setBackColor(QWidget *widget, Bgr bgr);
// The same for the inside of a text or list box.
void setBoxColor(QWidget *box, Bgr bgr);
// A text in a 0x00BBGGRR colour on whatever background the widget has from the desktop: that
// colour where it reads there, a shade of it that does where it does not.
void setForeColor(QWidget *widget, Bgr bgr);
