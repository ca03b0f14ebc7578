#include "ui/WindowPlacement.h"

#include "ui/Twips.h"

#include <QFontMetrics>
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

int titleBarRoom(const QString &title, const QWidget *window)
{
    // The window manager's icon, its three buttons and its margins, at 96 DPI.
    constexpr int decorationRoom = 150;
    QString shown = title;
    const QString program = QGuiApplication::applicationDisplayName();
    if (!program.isEmpty() && !title.endsWith(program))
        shown += QStringLiteral(" \u2014 ") + program;
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(shown) + layoutPixels(decorationRoom, window);
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
