#include "ui/MonthCalendar.h"

#include <QLocale>
#include <QTextCharFormat>

#include <utility>

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
    // The calendar's own parts have only pictures and numbers: a screen reader needs their names.
    setAccessibleName(QStringLiteral("日付の選択"));
    const std::pair<const char *, const char16_t *> parts[] = {
        {"qt_calendar_calendarview", u"日付の一覧"},
        {"qt_calendar_prevmonth", u"前の月"},
        {"qt_calendar_nextmonth", u"次の月"},
        {"qt_calendar_monthbutton", u"月の選択"},
        {"qt_calendar_yearbutton", u"年の選択"},
        {"qt_spinbox_lineedit", u"年"},
    };
    for (const auto &[name, accessible] : parts) {
        if (QWidget *part = findChild<QWidget *>(QString::fromLatin1(name)))
            part->setAccessibleName(QString::fromUtf16(accessible));
    }
}
