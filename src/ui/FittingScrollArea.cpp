#include "ui/FittingScrollArea.h"

#include <QEvent>

FittingScrollArea::FittingScrollArea(QWidget *parent)
    : QScrollArea(parent)
    , m_room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The area itself shows no focus: as a Tab stop it would be an invisible one between the
    // controls. It still scrolls to the control that has the focus.
    setFocusPolicy(Qt::NoFocus);
}

void FittingScrollArea::setRoom(const QSize &room)
{
    m_room = room;
    updateGeometry();
}

QSize FittingScrollArea::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    return widget()->minimumSizeHint().expandedTo(widget()->minimumSize()).boundedTo(m_room);
}

QSize FittingScrollArea::sizeHint() const
{
    return widget() ? widget()->sizeHint().boundedTo(m_room) : QScrollArea::sizeHint();
}

bool FittingScrollArea::event(QEvent *event)
{
    // The content's least size changed (a longer nickname, another screen's controls): the
    // window's least size follows.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::event(event);
}
