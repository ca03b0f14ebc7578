#include "screens/calendar/CalendarMonths.h"

#include "store/NumberText.h"

#include <QSet>

namespace {

QString monthTextOf(const QString &date)
{
    return date.left(4) + u'年' + date.mid(5, 2) + u'月';
}

// Fixed colours: light green, light yellow, light red, light purple.
constexpr quint32 kDecreasedColour = 12648384;
constexpr quint32 kUnchangedColour = 12648447;
constexpr quint32 kIncreasedColour = 12632319;
constexpr quint32 kOnceColour = 16761024;

} // namespace

DayClass ClassifyDay(int measurements, float firstWeight, float lastWeight)
{
    if (measurements <= 1)
        return DayClass::Once;
    if (lastWeight < firstWeight)
        return DayClass::Decreased;
    if (lastWeight > firstWeight)
        return DayClass::Increased;
    return DayClass::Unchanged;
}

CalendarData ComputeCalendar(const QList<Measurement> &records, const QDate &today)
{
    CalendarData data;
    CalendarCounts &counts = data.counts;
    const QString todayText = storedDate(today);
    QString startDate;
    QSet<QString> measuredUpToToday;

    // The day being collected.
    QString dayDate;
    int dayRow = 0;
    int dayCount = 0;
    float dayFirst = 0;
    float dayLast = 0;
    QString currentMonth;

    const auto closeDay = [&] {
        if (dayCount == 0)
            return;
        const DayClass dayClass = ClassifyDay(dayCount, dayFirst, dayLast);
        switch (dayClass) {
        case DayClass::Decreased: ++counts.decreased; break;
        case DayClass::Unchanged: ++counts.unchanged; break;
        case DayClass::Increased: ++counts.increased; break;
        case DayClass::Once: ++counts.once; break;
        }
        data.days.append({dayRow, QStringView(dayDate).mid(8, 2).toInt(), dayClass});
        if (dayDate >= startDate && dayDate <= todayText)
            measuredUpToToday.insert(dayDate);
    };

    for (const Measurement &m : records) {
        if (startDate.isEmpty())
            startDate = m.date;
        // Most records share the previous one's day, and the reader hands them one shared text.
        if (m.date.constData() == dayDate.constData() || m.date == dayDate) {
            ++dayCount;
            dayLast = m.weight;
            continue;
        }
        const QString month = monthTextOf(m.date);
        if (month != currentMonth) {
            data.months.append(month);
            currentMonth = month;
        }
        closeDay();
        dayDate = m.date;
        dayRow = int(data.months.size());
        dayCount = 1;
        dayFirst = dayLast = m.weight;
    }
    closeDay();

    if (!startDate.isEmpty()) {
        const QDate start = parseStoredDate(startDate);
        if (start.isValid() && start <= today)
            counts.unmeasured = int(start.daysTo(today) + 1) - int(measuredUpToToday.size());
    }
    return data;
}

quint32 DayColour(DayClass dayClass, CalendarView view)
{
    const bool simple = view == CalendarView::Simple;
    switch (dayClass) {
    case DayClass::Decreased:
        return kDecreasedColour;
    case DayClass::Unchanged:
        return simple ? kDecreasedColour : kUnchangedColour;
    case DayClass::Increased:
        return kIncreasedColour;
    case DayClass::Once:
        break;
    }
    return simple ? kIncreasedColour : kOnceColour;
}

CalendarSummary SummarizeCalendar(const CalendarCounts &c)
{
    const auto days = [](int n) { return QString::number(n) + u'日'; };
    CalendarSummary s;
    s.decreased = QStringLiteral("体重減  ") + days(c.decreased);
    s.increased = QStringLiteral("体重増  ") + days(c.increased);
    s.unchanged = QStringLiteral("増減無し  ") + days(c.unchanged);
    s.once = QStringLiteral("１回だけ計測  ") + days(c.once);
    s.unmeasured = QStringLiteral("未計測  ") + days(c.unmeasured);
    const int good = c.unchanged + c.decreased;
    const int bad = c.once + c.increased;
    s.good = days(good);
    s.bad = days(bad);
    if (good > bad) {
        s.sign = QStringLiteral(">");
        s.face = CalendarFace::Laughing;
    } else if (good == bad) {
        s.sign = QStringLiteral("=");
        s.face = CalendarFace::Smiling;
    } else {
        s.sign = QStringLiteral("<");
        s.face = CalendarFace::Sad;
    }
    return s;
}

QDate CalendarCellDate(int row, int col, const QString &monthText)
{
    if (row < 1 || col < 1 || col > 31)
        return QDate();
    // "yyyy年mm月"
    if (monthText.size() != 8 || monthText[4] != u'年' || monthText[7] != u'月')
        return QDate();
    bool yearOk = false;
    bool monthOk = false;
    const int year = QStringView(monthText).left(4).toInt(&yearOk);
    const int month = QStringView(monthText).mid(5, 2).toInt(&monthOk);
    if (!yearOk || !monthOk)
        return QDate();
    return QDate(year, month, col); // invalid past the month's end
}
