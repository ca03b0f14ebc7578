#pragma once

#include <QFrame>

// The month calendar of daily change (fraCale); its content comes later.
class CalendarPanel : public QFrame
{
    Q_OBJECT
public:
    explicit CalendarPanel(QWidget *parent = nullptr);
};
