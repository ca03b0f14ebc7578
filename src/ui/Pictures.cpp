#include "ui/Pictures.h"

#include "ui/Named.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace {

QPixmap transparent(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawFace(QPainter &p, const QRectF &r, Face face)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double s = r.width();
    const QPointF c = r.center();
    const QPen outline(QColor(0x8a, 0x5a, 0x00), std::max(1.0, s / 20));
    if (face == Face::None) {
        QPen dashed(QColor(0x99, 0x99, 0x99), std::max(1.0, s / 18), Qt::DashLine);
        p.setPen(dashed);
        p.setBrush(QColor(0xf4, 0xf4, 0xf4));
        p.drawEllipse(r.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06));
        p.setPen(QColor(0x99, 0x99, 0x99));
        QFont f = p.font();
        f.setPixelSize(int(s * 0.45));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    QRadialGradient skin(c - QPointF(s * 0.15, s * 0.18), s * 0.6);
    skin.setColorAt(0, QColor(0xff, 0xf6, 0x9a));
    skin.setColorAt(1, face == Face::Sulking ? QColor(0xf5, 0xc0, 0x50) : QColor(0xff, 0xd0, 0x30));
    p.setPen(outline);
    p.setBrush(skin);
    p.drawEllipse(r.adjusted(s * 0.05, s * 0.05, -s * 0.05, -s * 0.05));

    QPen feature(QColor(0x4a, 0x2a, 0x00), std::max(1.2, s / 14), Qt::SolidLine, Qt::RoundCap);
    p.setPen(feature);
    p.setBrush(Qt::NoBrush);
    const double eyeY = r.top() + s * 0.40;
    const double eyeDx = s * 0.17;
    if (face == Face::Laughing || face == Face::Beaming) {
        // closed, happy eyes: upturned arcs
        for (int side : {-1, 1}) {
            QRectF eye(c.x() + side * eyeDx - s * 0.08, eyeY - s * 0.04, s * 0.16, s * 0.12);
            p.drawArc(eye, 0, 180 * 16);
        }
    } else {
        p.setBrush(QColor(0x4a, 0x2a, 0x00));
        for (int side : {-1, 1})
            p.drawEllipse(QPointF(c.x() + side * eyeDx, eyeY), s * 0.045, s * 0.06);
        p.setBrush(Qt::NoBrush);
    }
    if (face == Face::Sulking) {
        // brows drawn down towards the middle, a flat pouting mouth
        for (int side : {-1, 1})
            p.drawLine(QPointF(c.x() + side * (eyeDx + s * 0.09), eyeY - s * 0.14), QPointF(c.x() + side * (eyeDx - s * 0.05), eyeY - s * 0.09));
        QPainterPath mouth;
        mouth.moveTo(c.x() - s * 0.16, r.top() + s * 0.72);
        mouth.quadTo(c.x(), r.top() + s * 0.64, c.x() + s * 0.16, r.top() + s * 0.72);
        p.drawPath(mouth);
    } else if (face == Face::Smiling) {
        p.drawArc(QRectF(c.x() - s * 0.2, r.top() + s * 0.45, s * 0.4, s * 0.28), 200 * 16, 140 * 16);
    } else {
        QPainterPath mouth;
        mouth.moveTo(c.x() - s * 0.22, r.top() + s * 0.58);
        mouth.lineTo(c.x() + s * 0.22, r.top() + s * 0.58);
        mouth.arcTo(QRectF(c.x() - s * 0.22, r.top() + s * 0.42, s * 0.44, s * 0.36), 0, -180);
        p.setBrush(QColor(0xc8, 0x30, 0x30));
        p.drawPath(mouth);
        if (face == Face::Beaming) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0x80, 0x90, 150));
            for (int side : {-1, 1})
                p.drawEllipse(QPointF(c.x() + side * s * 0.3, r.top() + s * 0.58), s * 0.08, s * 0.05);
        }
    }
}

QPixmap iconPixmap(int size, const std::function<void(QPainter &, double)> &draw)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size);
    return pixmap;
}

} // namespace

QPixmap facePixmap(Face face, int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter p(&pixmap);
    drawFace(p, QRectF(0, 0, size, size), face);
    return pixmap;
}

QPixmap gaugePointerPixmap(int size)
{
    return iconPixmap(size, [](QPainter &p, double s) {
        QPainterPath arrow;
        arrow.moveTo(s * 0.5, s * 0.95);
        arrow.lineTo(s * 0.2, s * 0.45);
        arrow.lineTo(s * 0.38, s * 0.45);
        arrow.lineTo(s * 0.38, s * 0.08);
        arrow.lineTo(s * 0.62, s * 0.08);
        arrow.lineTo(s * 0.62, s * 0.45);
        arrow.lineTo(s * 0.8, s * 0.45);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(0x60, 0x10, 0x10), 1.5));
        p.setBrush(QColor(0xe0, 0x30, 0x30));
        p.drawPath(arrow);
    });
}

QIcon saveIcon()
{
    return QIcon(iconPixmap(48, [](QPainter &p, double s) {
        p.setPen(QPen(QColor(0x20, 0x30, 0x60), s / 24));
        p.setBrush(QColor(0x35, 0x5c, 0xb8));
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.06, s * 0.06);
        p.setBrush(QColor(0xe8, 0xe8, 0xf0));
        p.drawRect(QRectF(s * 0.28, s * 0.1, s * 0.44, s * 0.28));
        p.setBrush(QColor(0x35, 0x5c, 0xb8));
        p.drawRect(QRectF(s * 0.56, s * 0.14, s * 0.1, s * 0.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.22, s * 0.5, s * 0.56, s * 0.4));
        p.setPen(QPen(QColor(0x90, 0x90, 0xa0), s / 40));
        for (double y : {0.62, 0.72, 0.82})
            p.drawLine(QPointF(s * 0.3, s * y), QPointF(s * 0.7, s * y));
    }));
}

QIcon clockIcon()
{
    return QIcon(iconPixmap(48, [](QPainter &p, double s) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), s / 16));
        p.setBrush(QColor(0xff, 0xfb, 0xe8));
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), s / 14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.5, s * 0.22));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.7, s * 0.6));
    }));
}

QIcon pencilIcon()
{
    return QIcon(iconPixmap(48, [](QPainter &p, double s) {
        p.translate(s * 0.5, s * 0.5);
        p.rotate(45);
        p.setPen(QPen(QColor(0x40, 0x30, 0x10), s / 30));
        p.setBrush(QColor(0xf5, 0xb8, 0x20));
        p.drawRect(QRectF(-s * 0.1, -s * 0.42, s * 0.2, s * 0.6));
        p.setBrush(QColor(0xff, 0x9a, 0xb0));
        p.drawRect(QRectF(-s * 0.1, -s * 0.48, s * 0.2, s * 0.08));
        QPainterPath tip;
        tip.moveTo(-s * 0.1, s * 0.18);
        tip.lineTo(s * 0.1, s * 0.18);
        tip.lineTo(0, s * 0.42);
        tip.closeSubpath();
        p.setBrush(QColor(0xf0, 0xd8, 0xb0));
        p.drawPath(tip);
    }));
}

QIcon helpTourIcon()
{
    return QIcon(facePixmap(Face::Smiling, 48));
}

QPixmap splashPixmap(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xff, 0xe4, 0xec));
    sky.setColorAt(1, QColor(0xff, 0xf8, 0xe0));
    p.fillRect(pixmap.rect(), sky);
    const double w = size.width();
    const double h = size.height();
    // two faces side by side: the couple
    drawFace(p, QRectF(w * 0.16, h * 0.42, h * 0.34, h * 0.34), Face::Beaming);
    drawFace(p, QRectF(w * 0.84 - h * 0.34, h * 0.42, h * 0.34, h * 0.34), Face::Laughing);
    // a heart between them
    QPainterPath heart;
    const QPointF hc(w * 0.5, h * 0.56);
    const double r = h * 0.07;
    heart.moveTo(hc + QPointF(0, r * 1.6));
    heart.cubicTo(hc + QPointF(-r * 2.4, r * 0.2), hc + QPointF(-r * 1.2, -r * 1.6), hc + QPointF(0, -r * 0.4));
    heart.cubicTo(hc + QPointF(r * 1.2, -r * 1.6), hc + QPointF(r * 2.4, r * 0.2), hc + QPointF(0, r * 1.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0x50, 0x78));
    p.drawPath(heart);
    QFont title = p.font();
    title.setPixelSize(int(h * 0.16));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xd0, 0x3a, 0x6a));
    p.drawText(QRectF(0, h * 0.08, w, h * 0.22), Qt::AlignCenter, QStringLiteral("ポムリナ"));
    QFont sub = p.font();
    sub.setPixelSize(int(h * 0.055));
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(0x70, 0x50, 0x50));
    p.drawText(QRectF(0, h * 0.29, w, h * 0.1), Qt::AlignCenter, QStringLiteral("ふたりで続けるダイエット日記"));
    p.drawText(QRectF(0, h * 0.84, w, h * 0.1), Qt::AlignCenter, QStringLiteral("データを読み込んでいます…"));
    return pixmap;
}

QLabel *faceLabel(const char *name, Face face, int size, const QString &tip, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setPixmap(facePixmap(face, size));
    label->setToolTip(tip);
    label->hide();
    return label;
}
