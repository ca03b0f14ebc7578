#pragma once

#include <QColor>
#include <QPalette>

// What GNOME's dark style (Adwaita dark) hands an application.
inline QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2d, 0x2d, 0x2d);
    const QColor text(0xee, 0xee, 0xec);
    QPalette p(text, window, window.lighter(130), window.darker(160), window.darker(120), text, QColor(Qt::white), base, window);
    p.setColor(QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    p.setColor(QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    p.setColor(QPalette::ToolTipBase, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x91, 0x91, 0x91));
    return p;
}
