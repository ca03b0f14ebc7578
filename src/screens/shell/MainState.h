#pragma once

#include "screens/analyses/TrendData.h"
#include "screens/entry/EntryDay.h"

#include <QDate>
#include <QString>

// What the window remembers between events. Nothing here is saved on exit: every change that
// matters is written to its file when it is made.
struct MainState {
    // settings
    int markerStyle = 1;
    QString memoText;

    // entry screen
    QString selectedSituation;
    // What the last refresh of the entry screen found: the start of the diet, the latest and the
    // last measurement and the day's extremes.
    EntryDay entry;

    // trend graph: the data set the trend screen and the analysis lists read, and the best
    // weight it held, kept from start-up on (999.9 until the first load).
    TrendData trend;
    float recordMinWeight = 999.9f;
    QDate recordMinDate;

    // BMI gauges
    float currentBmi = 0;
    float meterBmi = 0;
};
