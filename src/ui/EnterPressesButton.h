#pragma once

#include <QObject>

class QWidget;

// Enter (or the keypad's Enter) on a focused push button presses it, as Space does, for every
// push button inside `window` — also the ones a screen creates later. The entry screen's flow
// ends on the save button with Enter, and the forms are filled the same way.
class EnterPressesButton : public QObject
{
    Q_OBJECT
public:
    // Watches the application's key presses on behalf of `window`, and lives as long as it.
    static void install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterPressesButton(QWidget *window);
    QWidget *m_window;
};
