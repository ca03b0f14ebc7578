#include "ui/EnterPressesButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

EnterPressesButton::EnterPressesButton(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void EnterPressesButton::install(QWidget *window)
{
    qApp->installEventFilter(new EnterPressesButton(window));
}

bool EnterPressesButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
        return false;
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    // Push buttons only: Enter on a check box or an option button does not toggle it.
    if (!button || !(qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button)))
        return false;
    if (!button->isEnabled() || !button->isVisible() || !m_window->isAncestorOf(button))
        return false;
    button->click();
    return true;
}
