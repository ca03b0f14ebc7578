#pragma once

#include "ui/Clock.h"

// A clock the test sets: the day, the time of day and the monotonic counter move only when told.
class FakeClock : public Clock
{
public:
    QDate day = QDate(2026, 12, 7);
    QTime time = QTime(7, 30, 15);
    qint64 ms = 10'000;

    QDate today() const override { return day; }
    QTime timeOfDay() const override { return time; }
    qint64 monotonicMs() const override { return ms; }
};
