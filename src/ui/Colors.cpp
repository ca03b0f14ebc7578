#include "ui/Colors.h"

#include "ui/ReadableColour.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace {

// The low byte of a system colour is the index the old platform gave its colour roles; the
// screens only use the button face, but any other index should still give something that
// looks like the same part of the desktop.
QColor systemColour(quint32 index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 1:  // desktop
    case 4:  // menu
        return palette.color(QPalette::Window);
    case 5:  // window background
        return palette.color(QPalette::Base);
    case 2:  // active caption
    case 13: // selection
        return palette.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // selected text
        return palette.color(QPalette::HighlightedText);
    case 6:  // window frame
    case 21: // darkest 3-D shadow
        return palette.color(QPalette::Shadow);
    case 7:  // menu text
    case 19: // inactive caption text
        return palette.color(QPalette::WindowText);
    case 8:  // window text
        return palette.color(QPalette::Text);
    case 3:  // inactive caption
    case 12: // application workspace
    case 16: // button shadow
        return palette.color(QPalette::Mid);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23: // tool tip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return palette.color(QPalette::ToolTipBase);
    default: // 15 is the button face; scroll bars and borders look like it too
        return palette.color(QPalette::Button);
    }
}

// Every text role of the palette in `text`; a disabled control's text half way to the background.
void setTextRoles(QPalette &palette, const QColor &text, const QColor &background)
{
    const QColor disabled = QColor::fromRgbF((text.redF() + background.redF()) / 2, (text.greenF() + background.greenF()) / 2,
                                             (text.blueF() + background.blueF()) / 2);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    // Links keep the desktop's colour for them where it reads (a dark desktop's is light).
    for (QPalette::ColorRole role : {QPalette::Link, QPalette::LinkVisited})
        palette.setColor(role, readableForeground(background, palette.color(role)));
}

void paintWith(QWidget *widget, QPalette::ColorRole role, Bgr bgr)
{
    const QColor background = colorFromBgr(bgr);
    QPalette palette = widget->palette();
    palette.setColor(role, background);
    setTextRoles(palette, readableForeground(background), background);
    widget->setPalette(palette);
}

} // namespace

QColor colorFromBgr(Bgr bgr)
{
    if (bgr & 0x80000000u)
        return systemColour(bgr & 0xFFu);
    return QColor(int(bgr & 0xFFu), int((bgr >> 8) & 0xFFu), int((bgr >> 16) & 0xFFu));
}

void setBackColor(QWidget *widget, Bgr bgr)
{
    widget->setAutoFillBackground(true);
    paintWith(widget, QPalette::Window, bgr);
}

void setBoxColor(QWidget *box, Bgr bgr)
{
    paintWith(box, QPalette::Base, bgr);
}

void setForeColor(QWidget *widget, Bgr bgr)
{
    QPalette palette = widget->palette();
    const QColor background = palette.color(widget->backgroundRole());
    setTextRoles(palette, readableForeground(background, colorFromBgr(bgr)), background);
    widget->setPalette(palette);
}
