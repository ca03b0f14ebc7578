#pragma once

#include "support/ScreenHarness.h"
#include "ui/Clock.h"

// One screen's controller on a benchmark folder, as the tests build it but with the system's
// clock, shown in a window of its own: what is timed is the screen's own work.
template <typename Controller>
struct BenchScreen : ScreenHarness<Controller, SystemClock> {
    using Base = ScreenHarness<Controller, SystemClock>;

    explicit BenchScreen(const QString &path)
        : Base(path)
    {
        if (this->controller)
            this->showHost();
    }
    template <typename... Sources>
    void build(Sources &...sources)
    {
        Base::build(sources...);
        this->showHost();
    }
};
