#pragma once

#include <QCalendarWidget>

// The month calendar of the entry screen: a selected day that can be read and set, and an event
// when the user picks a day (setting the day from the program raises none).
class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget *parent = nullptr);

Q_SIGNALS:
    void dateClick(const QDate &date);

protected:
    void changeEvent(QEvent *event) override;

private:
    // Sundays red and Saturdays blue, in shades that read on the calendar's background.
    void colourWeekends();
};
