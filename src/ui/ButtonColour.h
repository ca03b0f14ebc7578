#pragma once

#include "ui/Colors.h"

class QPushButton;

// A button's background in a 0x00BBGGRR colour; the button face gives the platform's own look.
void setButtonBackColor(QPushButton *button, Bgr colour);
// The colour last set, the button face when none was.
Bgr buttonBackColor(const QPushButton *button);
