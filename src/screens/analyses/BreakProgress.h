#pragma once

#include "screens/analyses/AnalysisRows.h"
#include "diary/TrendData.h"

// The break progress (msgB2): for every 0.5 kg lost below the first weight, the measurement
// that first reached it and how many days that took, from the start and from the milestone
// before.
struct BreakProgress {
    // One row per milestone up to the largest loss (taken to one decimal). A row whose
    // milestone no measurement reaches (possible when the largest loss lies within rounding
    // noise of a milestone) stays empty.
    AnalysisRows rows;
    // Label5(0): the best loss and the days since it; empty when no milestone is reached.
    QString label;
};

// The list shows at most this many milestones (16,383.5 kg).
inline constexpr int kMaxMilestones = 32767;

BreakProgress ComputeBreakProgress(const TrendData &trend);
