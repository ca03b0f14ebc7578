#pragma once

#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The month calendar of daily change: one row per month in which the partner measured, one cell
// per day, each measured day classed by how the weight moved within it.

enum class DayClass {
    Decreased, // two or more measurements, the day's last weight below its first
    Unchanged, // two or more, last equal to first
    Increased, // two or more, last above first
    Once,      // exactly one measurement
};

// The day's first and last weights in file order, whatever lies between them.
DayClass ClassifyDay(int measurements, float firstWeight, float lastWeight);

struct CalendarDay {
    int row = 0; // grid row of the day's month, from 1
    int day = 0; // day of the month, which is also the grid column
    DayClass dayClass = DayClass::Once;
};

struct CalendarCounts {
    int decreased = 0;
    int unchanged = 0;
    int increased = 0;
    int once = 0;
    // Days from the first record's date to today, both included, that have no measurement.
    int unmeasured = 0;
};

struct CalendarData {
    QStringList months; // "yyyy年mm月"; grid row r shows months[r - 1]
    QList<CalendarDay> days;
    CalendarCounts counts;
};

// One pass over the records in file order. A month row opens whenever a record's month differs
// from the previous record's, so a month without measurements has no row.
CalendarData ComputeCalendar(const QList<Measurement> &records, const QDate &today);

// The two views: the colours of the four classes as 0x00BBGGRR values.
enum class CalendarView { Detail, Simple };
quint32 DayColour(DayClass dayClass, CalendarView view);
inline constexpr quint32 kChosenViewColour = 0xC0E0FF;

enum class CalendarFace { Laughing, Smiling, Sad };

// The counter and summary labels as the screen shows them.
struct CalendarSummary {
    QString decreased;  // lblDn_c
    QString increased;  // lblUp_c
    QString unchanged;  // lblSm_c
    QString once;       // lblOne_c
    QString unmeasured; // lblNon_c
    QString good;       // lblGenT: unchanged + decreased days
    QString bad;        // lblZouT: once + increased days
    QString sign;       // lblHugou: ">", "=" or "<"
    CalendarFace face = CalendarFace::Smiling;
};
CalendarSummary SummarizeCalendar(const CalendarCounts &counts);

// The day a cell of the grid stands for: the month of its row ("yyyy年mm月") and the day of its
// column. Invalid for the heading row, the month column and a day past the month's end.
QDate CalendarCellDate(int row, int col, const QString &monthText);
