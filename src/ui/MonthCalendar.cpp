#include "ui/MonthCalendar.h"

#include "ui/ReadableColour.h"

#include <QAbstractItemView>
#include <QEvent>
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
    colourWeekends();
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

void MonthCalendar::colourWeekends()
{
    // The days are drawn on the view's base colour, the names of the days above them on its
    // alternate one: light on a light desktop, dark on a dark one.
    const auto *view = findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    const QPalette colours = view ? view->palette() : palette();
    const std::pair<Qt::DayOfWeek, QColor> weekend[] = {{Qt::Sunday, QColor(0xCC, 0x22, 0x22)}, {Qt::Saturday, QColor(0x22, 0x44, 0xCC)}};
    for (const auto &[day, colour] : weekend) {
        QColor text = readableForeground(colours.color(QPalette::Base), colour);
        text = readableForeground(colours.color(QPalette::AlternateBase), text);
        QTextCharFormat format = weekdayTextFormat(day);
        format.setForeground(text);
        setWeekdayTextFormat(day, format);
    }
}

void MonthCalendar::changeEvent(QEvent *event)
{
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourWeekends();
}
