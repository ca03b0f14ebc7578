#pragma once

#include "screens/comparison/ComparisonGraphs.h"
#include "screens/comparison/ComparisonStats.h"
#include "screens/comparison/DailyAverages.h"

#include <QDate>
#include <QList>

// Everything the comparison screen shows, computed from the records of both partners. A missing
// or empty data file is simply a partner without records.
struct ComparisonData {
    PartnerSummary summary1;
    PartnerSummary summary2;
    ComparisonPeriod period;
    DailyAverages days;
    Scoreboard board;
    AutoAxes autoAxes;
    // When each partner reaches the target at their present pace, and who first: a line each.
    QString coupleForecast;
};

// The forecasts look ahead of `today`.
ComparisonData computeComparison(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                 const ComparisonPartners &partners, const QDate &today);
