#pragma once

#include <QRect>
#include <QShowEvent>

class QWidget;

// What a window's title bar may take at the top of the screen's available area (the frame is
// not known before the window manager has drawn it).
inline constexpr int kTitleBarRoom = 40;

// The largest window, without its frame, that fits an available area below a title bar.
QSize WindowRoom(const QSize &available);

// `window` (its position that of the frame, its size the window's own) moved, and shrunk where it
// must, so that it and a title bar above it lie within `available`.
QRect PlaceInside(const QRect &window, const QRect &available);

// How wide a window must be for its title bar to show the whole title: the title as the desktop
// shows it (with the program's name after it), in a bold face as title bars use, and room for the
// window's icon and buttons.
int titleBarRoom(const QString &title, const QWidget *window);

// Keeps a top-level window inside the available area of its screen.
void keepInsideAvailableArea(QWidget *window);

// A dialog that, once it has chosen its size and place, keeps them inside the available area.
template <typename Dialog>
class OnScreen : public Dialog
{
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        Dialog::showEvent(event);
        keepInsideAvailableArea(this);
    }
};
