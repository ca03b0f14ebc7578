#pragma once

#include <QProxyStyle>

// The desktop's style with option and check box indicators that read as text does. Styles draw
// their edge a shade darker than the window and their mark half transparent, which on a dark
// desktop leaves a near-black circle on dark grey with a small grey dot in it. Here the edge and
// the mark take the caption's own colour, on the colour of a text box, whatever the palette.
class ReadableIndicators : public QProxyStyle
{
    Q_OBJECT
public:
    // The style named `key`, as QStyleFactory makes it.
    explicit ReadableIndicators(const QString &key);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget = nullptr) const override;
};

// Makes the application's style (whichever the desktop chose) draw readable indicators; once is
// enough, more does no harm.
void useReadableIndicators();
