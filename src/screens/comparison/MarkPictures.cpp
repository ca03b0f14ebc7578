#include "screens/comparison/MarkPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

QPixmap transparentPixmap(int size, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap winnerMarkPixmap(int size, qreal devicePixelRatio)
{
    QPixmap pixmap = transparentPixmap(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 20 x 20 grid and scaled, so the proportions hold at every size.
    p.scale(size / 20.0, size / 20.0);
    const QPolygonF crown({{2.0, 7.0}, {6.5, 11.0}, {10.0, 3.5}, {13.5, 11.0}, {18.0, 7.0}, {16.5, 16.0}, {3.5, 16.0}});
    QLinearGradient gold(0, 3, 0, 17);
    gold.setColorAt(0.0, QColor(0xFF, 0xE8, 0x6A));
    gold.setColorAt(1.0, QColor(0xE0, 0xA0, 0x10));
    p.setPen(QPen(QColor(0x9A, 0x6A, 0x00), 1.0));
    p.setBrush(gold);
    p.drawPolygon(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x20, 0x40));
    p.drawEllipse(QPointF(10.0, 13.0), 1.4, 1.4);
    p.setBrush(QColor(0x20, 0x70, 0xD0));
    p.drawEllipse(QPointF(6.0, 13.5), 1.1, 1.1);
    p.drawEllipse(QPointF(14.0, 13.5), 1.1, 1.1);
    p.setBrush(QColor(0xFF, 0xF4, 0xB0));
    for (const QPointF &tip : {QPointF(2.0, 7.0), QPointF(10.0, 3.5), QPointF(18.0, 7.0)})
        p.drawEllipse(tip, 1.3, 1.3);
    return pixmap;
}

QPixmap partnerBadgePixmap(const QColor &colour, int size, qreal devicePixelRatio)
{
    QPixmap pixmap = transparentPixmap(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 20.0, size / 20.0);
    QPainterPath heart;
    heart.moveTo(10.0, 17.5);
    heart.cubicTo(2.0, 12.0, 1.0, 7.5, 3.5, 4.5);
    heart.cubicTo(6.0, 2.0, 9.0, 3.0, 10.0, 5.5);
    heart.cubicTo(11.0, 3.0, 14.0, 2.0, 16.5, 4.5);
    heart.cubicTo(19.0, 7.5, 18.0, 12.0, 10.0, 17.5);
    p.setPen(QPen(colour.darker(140), 1.0));
    p.setBrush(colour);
    p.drawPath(heart);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(6.5, 7.0), 1.6, 1.1);
    return pixmap;
}
