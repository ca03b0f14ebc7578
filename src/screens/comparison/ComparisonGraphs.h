#pragma once

#include "screens/comparison/ComparisonStats.h"

#include <optional>
#include <vector>

// The two comparison graphs: mcrAvgtai with each partner on an axis of its own, and mcrAvgtai2
// with both on one axis, either as measured or with the lighter curve laid over the heavier.

struct AxisRange {
    double minimum = 0;
    double maximum = 0;

    bool operator==(const AxisRange &) const = default;
};

// The range a partner's weights fill: from the whole kilogram at or below the lowest weight to
// the whole kilogram at or above the highest (68.3 to 74.0 gives 68 to 74, 74.1 gives 75). A
// partner without records borrows the other partner's range, so that its empty axis does not
// stretch the same-axis graph; with no records on either side the range is 0 to 1.
struct AutoAxes {
    AxisRange axis1;
    AxisRange axis2;
};
AxisRange weightAxisRange(const PartnerSummary &partner);
AutoAxes automaticAxes(const PartnerSummary &partner1, const PartnerSummary &partner2);

// "下限自動" or "下限目標".
enum class LowerBound { Automatic, Target };

struct SeparateAxes {
    AxisRange axis1; // left, partner 1
    AxisRange axis2; // right, partner 2
};

// The ranges of mcrAvgtai in a lower-bound mode. With "下限目標" the minimum is the whole
// kilogram of the target; a target at or above the partner's maximum would turn the axis upside
// down, so the maximum is then raised to one kilogram above that minimum and the axis still
// shows where the target lies.
SeparateAxes separateAxes(const AutoAxes &automatic, LowerBound mode, float targetWeight1, float targetWeight2);

// The data of mcrAvgtai2. Points are 32-bit values, as the charts are handed them.
struct SameAxisGraph {
    std::vector<std::optional<float>> column1; // row i + 1, partner 1
    std::vector<std::optional<float>> column2; // partner 2
    AxisRange axis;
};

// "実際の値のまま": every point of both series, the last day included, on one axis that spans
// both axes of mcrAvgtai as they are set now (so the lower-bound mode shows through).
SameAxisGraph copyToSameAxis(const std::vector<std::optional<float>> &points1,
                             const std::vector<std::optional<float>> &points2, const SeparateAxes &axes);

// "グラフを重ねる": on the first row where both partners have a non-zero point, the lighter one's
// curve is moved onto the heavier one's, and every non-zero point of it moves by the same amount.
// The axis keeps the higher maximum and the wider of the two spans. Laying a graph over again
// finds nothing to move.
void overlayGraphs(SameAxisGraph &graph, const SeparateAxes &axes);
