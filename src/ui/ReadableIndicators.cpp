#include "ui/ReadableIndicators.h"

#include "ui/ReadableColour.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include <algorithm>

namespace {

// The colour itself where it stands out from the ground by well over the least contrast of text,
// otherwise the nearest shade of it that does: an edge and a mark are thin, and their antialiased
// pixels fall short of their colour.
QColor strongInk(const QColor &ink, const QColor &ground)
{
    return readableForeground(ground, ink, 7.0);
}

} // namespace

ReadableIndicators::ReadableIndicators(const QString &key)
    : QProxyStyle(key)
{
}

void ReadableIndicators::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const bool radio = element == PE_IndicatorRadioButton;
    if (!radio && element != PE_IndicatorCheckBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette::ColorGroup group = option->state & State_Enabled ? QPalette::Active : QPalette::Disabled;
    // The caption is drawn in WindowText on what lies behind it, and reads there; so do an edge
    // and a mark in that colour, on the ground of a text box, which the text colour reads on too.
    QColor ground = option->palette.color(group, QPalette::Base);
    const QColor ink = strongInk(option->palette.color(group, QPalette::WindowText), ground);
    if (option->state & State_Sunken)
        ground = blendedColour(ground, ink, 0.15);

    const QRectF box = QRectF(option->rect).adjusted(0.75, 0.75, -0.75, -0.75);
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    // An edge wide enough that antialiasing leaves whole pixels of its colour all round.
    painter->setPen(QPen(ink, 1.5));
    painter->setBrush(ground);
    if (radio) {
        painter->drawEllipse(square);
        if (option->state & State_On) {
            const qreal dot = side * 0.27;
            painter->setPen(Qt::NoPen);
            painter->setBrush(ink);
            painter->drawEllipse(square.center(), dot, dot);
        }
    } else {
        painter->drawRoundedRect(square, 2.0, 2.0);
        QPen stroke(ink, std::max(1.5, side / 6.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter->setPen(stroke);
        painter->setBrush(Qt::NoBrush);
        const auto at = [&square](qreal x, qreal y) { return QPointF(square.left() + x * square.width(), square.top() + y * square.height()); };
        if (option->state & State_NoChange) {
            painter->drawLine(at(0.25, 0.5), at(0.75, 0.5));
        } else if (option->state & State_On) {
            QPainterPath tick;
            tick.moveTo(at(0.22, 0.52));
            tick.lineTo(at(0.42, 0.72));
            tick.lineTo(at(0.78, 0.28));
            painter->drawPath(tick);
        }
    }
    painter->restore();
}

void useReadableIndicators()
{
    if (qobject_cast<ReadableIndicators *>(QApplication::style()))
        return;
    QApplication::setStyle(new ReadableIndicators(QApplication::style()->name()));
}
