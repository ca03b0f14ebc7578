#pragma once

#include "diary/TrendData.h"

#include <QString>

// What the trend screen writes beside its graph, from the trend data set: where the diet
// started and stands, the best weight so far, how far the target still is, and the ranges of
// the two value axes. All empty (and no ranges) while there is no measurement.
struct TrendSummary {
    QString nichis;     // lblNichis
    QString kiro;       // lblKiro
    QString mokuChk;    // caption of cmdMokuChk
    bool hasAxes = false;
    int weightMin = 0;  // the lowest weight's whole number
    int weightMax = 0;
    int fatMin = 0;
    int fatMax = 0;
};

TrendSummary ComputeTrendSummary(const TrendData &trend, float targetWeight);

// The weight axis's lower bound: the lowest weight's whole number, or the target's while the
// graph is set to start at the target.
int TrendWeightAxisMinimum(const TrendData &trend, float targetWeight, bool atTarget);

inline const QString kMokuChkCaption = QStringLiteral("目標まで残り");
