#include "ui/Shape.h"

#include "ui/Twips.h"

#include <cmath>

Shape::Shape(QWidget *parent, Bgr colour)
    : QWidget(parent)
    , m_colour(colour)
{
    ::setBackColor(this, colour);
}

void Shape::setBackColor(Bgr colour)
{
    m_colour = colour;
    ::setBackColor(this, colour);
}

void placeInTwips(QWidget *widget, double left, double top, double width, double height)
{
    const double k = pixelsPerTwip(widget);
    widget->setGeometry(int(std::lround(left * k)), int(std::lround(top * k)), std::max(1, int(std::lround(width * k))),
                        std::max(1, int(std::lround(height * k))));
}

void moveLeftInTwips(QWidget *widget, double left)
{
    widget->move(int(std::lround(left * pixelsPerTwip(widget))), widget->y());
}
