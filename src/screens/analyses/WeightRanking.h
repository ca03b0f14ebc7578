#pragma once

#include "screens/analyses/AnalysisRows.h"
#include "diary/TrendData.h"

// The weight ranking (msgB4, frame fraB4): how many measurements fell into each band of 1.0 kg
// or 0.5 kg, the most frequent band first, down to the last band that holds any.
enum class BandWidth { OneKg, HalfKg };

QString WeightRankingCaption(BandWidth width);
AnalysisRows WeightRankingRows(const TrendData &trend, BandWidth width);
