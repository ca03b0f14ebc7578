#include "ui/MonthCalendar.h"

#include <QLocale>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget *parent)
    : QCalendarWidget(parent)
{
    setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    setFirstDayOfWeek(Qt::Sunday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    QTextCharFormat sunday;
    sunday.setForeground(QColor(0xCC, 0x22, 0x22));
    setWeekdayTextFormat(Qt::Sunday, sunday);
    QTextCharFormat saturday;
    saturday.setForeground(QColor(0x22, 0x44, 0xCC));
    setWeekdayTextFormat(Qt::Saturday, saturday);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::dateClick);
}
