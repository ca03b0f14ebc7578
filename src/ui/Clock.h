#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QTime>

// Today's date, the time of day and a monotonic counter, behind one interface so that tests can
// set the day and move time forward without waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime timeOfDay() const = 0;
    // Milliseconds on a clock that never jumps back (not at midnight, not when the time is set).
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    QDate today() const override { return QDate::currentDate(); }
    QTime timeOfDay() const override { return QTime::currentTime(); }
    qint64 monotonicMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

// The time of day as the program writes it: hours:minutes:seconds on a 24-hour clock.
inline QString timeOfDayText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
