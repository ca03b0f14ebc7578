#include "screens/shell/SplashWindow.h"

#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(layoutPixels(480), layoutPixels(300));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    keepInsideAvailableArea(this);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, splashPixmap(size()));
    painter.setPen(QColor(0xd0, 0x90, 0xa0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
