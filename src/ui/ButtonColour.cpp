#include "ui/ButtonColour.h"

#include "ui/ReadableColour.h"

#include <QPushButton>
#include <QVariant>

namespace {

const char *const kColourProperty = "backColor";

QString buttonColourSheet(Bgr colour)
{
    // A style sheet, since the platform styles paint buttons without their palette. The text gets
    // the colour that reads on the background (a dark desktop would give white text), and a
    // coloured button draws its own frame, so the keyboard focus needs one of its own.
    const QColor back = colorFromBgr(colour);
    const QColor text = readableForeground(back);
    const QColor disabled = QColor::fromRgbF((text.redF() + back.redF()) / 2, (text.greenF() + back.greenF()) / 2,
                                             (text.blueF() + back.blueF()) / 2);
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #a0a0a0; border-radius: 3px;"
                          " padding: 4px 10px; } QPushButton:focus { border: 2px solid #3070c0; }"
                          " QPushButton:disabled { color: %3; }")
        .arg(back.name(), text.name(), disabled.name());
}

} // namespace

void setButtonBackColor(QPushButton *button, Bgr colour)
{
    button->setProperty(kColourProperty, QVariant::fromValue(colour));
    // A new style sheet restyles the button even when it is the same one.
    const QString sheet = colour == Colour::buttonFace ? QString() : buttonColourSheet(colour);
    if (button->styleSheet() != sheet)
        button->setStyleSheet(sheet);
}

Bgr buttonBackColor(const QPushButton *button)
{
    const QVariant colour = button->property(kColourProperty);
    return colour.isValid() ? colour.value<Bgr>() : Colour::buttonFace;
}
