#pragma once

#include "ui/Clock.h"

#include <QList>

// A clock the test sets: the day, the time of day and the monotonic counter move only when told.
class FakeClock : public Clock
{
public:
    QDate day = QDate(2026, 12, 7);
    QTime time = QTime(7, 30, 15);
    mutable qint64 ms = 10'000;
    // Readings of the counter given in advance, one per call, for work that "takes" time;
    // after the last the counter stays there.
    mutable QList<qint64> readings;

    QDate today() const override { return day; }
    QTime timeOfDay() const override { return time; }
    qint64 monotonicMs() const override
    {
        if (!readings.isEmpty())
            ms = readings.takeFirst();
        return ms;
    }

};
