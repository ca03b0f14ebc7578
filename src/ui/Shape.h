#pragma once

#include "ui/Colors.h"

#include <QWidget>

// A flat coloured rectangle: gauge zones, bars and heading bands. A text placed on it (a heading
// label inside its band) takes the colour that reads on it. (Inside a QFrame subclass the name is
// ::Shape, since QFrame has a Shape of its own.)
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr, Bgr colour = 0xFFFFFF);
    void setBackColor(Bgr colour);
    Bgr backColor() const { return m_colour; }

private:
    Bgr m_colour;
};

// Places a control at a position and size given in twips, relative to its parent.
void placeInTwips(QWidget *widget, double left, double top, double width, double height);
// Moves only the left edge (the pointer of a gauge).
void moveLeftInTwips(QWidget *widget, double left);
