#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QSize WindowRoom(const QSize &available)
{
    return {available.width(), std::max(0, available.height() - kTitleBarRoom)};
}

QRect PlaceInside(const QRect &window, const QRect &available)
{
    const QSize size = window.size().boundedTo(WindowRoom(available.size()));
    const int right = available.x() + available.width() - size.width();
    const int bottom = available.y() + available.height() - kTitleBarRoom - size.height();
    return {std::max(available.x(), std::min(window.x(), right)), std::max(available.y(), std::min(window.y(), bottom)), size.width(),
            size.height()};
}

void keepInsideAvailableArea(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize before = window->size();
    const QSize room = PlaceInside(QRect(window->pos(), before), available).size();
    if (room != before)
        window->resize(room);
    // A window that cannot shrink so far (a message box keeps its size) at least starts at the
    // top left of the area, where its title bar can be reached.
    const QPoint place = PlaceInside(QRect(window->pos(), window->size()), available).topLeft();
    if (place != window->pos())
        window->move(place);
}
