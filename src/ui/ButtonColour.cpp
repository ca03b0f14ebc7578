#include "ui/ButtonColour.h"

#include <QPushButton>
#include <QVariant>

namespace {
const char *const kColourProperty = "backColor";
}

void setButtonBackColor(QPushButton *button, Bgr colour)
{
    button->setProperty(kColourProperty, QVariant::fromValue(colour));
    if (colour == Colour::buttonFace) {
        button->setStyleSheet(QString());
        return;
    }
    // A style sheet, since the platform styles paint buttons without their palette.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #a0a0a0; border-radius: 3px; padding: 4px 10px; }")
                              .arg(colorFromBgr(colour).name()));
}

Bgr buttonBackColor(const QPushButton *button)
{
    const QVariant colour = button->property(kColourProperty);
    return colour.isValid() ? colour.value<Bgr>() : Colour::buttonFace;
}
