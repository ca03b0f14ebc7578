#include "screens/comparison/ComparisonGraphs.h"

#include <algorithm>
#include <cmath>

AxisRange weightAxisRange(const PartnerSummary &partner)
{
    AxisRange r;
    r.minimum = std::floor(double(partner.lowestWeight));
    // The ceiling, not Int(max + 0.9): a weight of 74.1 is the float just below 74.1, and adding
    // 0.9 to it stays under 75, which would cut the top of the curve off. Whole weights are exact
    // in a float, so 74.0 still gives 74.
    r.maximum = std::ceil(double(partner.highestWeight));
    // All weights on one whole kilogram would leave no span to draw in.
    if (r.maximum <= r.minimum)
        r.maximum = r.minimum + 1;
    return r;
}

AutoAxes automaticAxes(const PartnerSummary &partner1, const PartnerSummary &partner2)
{
    AutoAxes axes;
    const AxisRange none{0, 1};
    const std::optional<AxisRange> own1 = partner1.hasRecords() ? std::optional(weightAxisRange(partner1)) : std::nullopt;
    const std::optional<AxisRange> own2 = partner2.hasRecords() ? std::optional(weightAxisRange(partner2)) : std::nullopt;
    axes.axis1 = own1.value_or(own2.value_or(none));
    axes.axis2 = own2.value_or(own1.value_or(none));
    return axes;
}

namespace {

AxisRange withLowerBound(AxisRange automatic, LowerBound mode, float targetWeight)
{
    if (mode == LowerBound::Automatic)
        return automatic;
    AxisRange r = automatic;
    r.minimum = std::floor(double(targetWeight));
    r.maximum = std::max(r.maximum, r.minimum + 1);
    return r;
}

} // namespace

SeparateAxes separateAxes(const AutoAxes &automatic, LowerBound mode, float targetWeight1, float targetWeight2)
{
    return {withLowerBound(automatic.axis1, mode, targetWeight1), withLowerBound(automatic.axis2, mode, targetWeight2)};
}

SameAxisGraph copyToSameAxis(const std::vector<std::optional<float>> &points1,
                             const std::vector<std::optional<float>> &points2, const SeparateAxes &axes)
{
    SameAxisGraph graph;
    graph.column1 = points1;
    graph.column2 = points2;
    // Both series must be as long as the graph has rows, even if one partner's list is shorter.
    const size_t rows = std::max(points1.size(), points2.size());
    graph.column1.resize(rows);
    graph.column2.resize(rows);
    graph.axis.maximum = std::round(std::max(axes.axis1.maximum, axes.axis2.maximum));
    graph.axis.minimum = std::round(std::min(axes.axis1.minimum, axes.axis2.minimum));
    return graph;
}

namespace {

// An empty point counts as 0, as the chart's empty text reads; 0 is never moved.
double pointValue(const std::optional<float> &point)
{
    return point ? double(*point) : 0.0;
}

void shift(std::vector<std::optional<float>> &column, double offset)
{
    for (std::optional<float> &point : column) {
        // Worked in double and stored back as a 32-bit value: the matching point then lands
        // exactly on the heavier partner's value, so a second overlay finds an offset of 0.
        if (pointValue(point) != 0.0)
            point = float(double(*point) + offset);
    }
}

} // namespace

void overlayGraphs(SameAxisGraph &graph, const SeparateAxes &axes)
{
    const double max1 = std::round(axes.axis1.maximum);
    const double max2 = std::round(axes.axis2.maximum);
    const double range1 = max1 - std::round(axes.axis1.minimum);
    const double range2 = max2 - std::round(axes.axis2.minimum);

    const size_t rows = std::min(graph.column1.size(), graph.column2.size());
    for (size_t i = 0; i < rows; ++i) {
        const double point1 = pointValue(graph.column1[i]);
        const double point2 = pointValue(graph.column2[i]);
        if (point1 == 0.0 || point2 == 0.0)
            continue;
        const double offset = point1 - point2;
        if (point1 > point2)
            shift(graph.column2, offset); // partner 1 heavier: partner 2 is raised
        else
            shift(graph.column1, -offset); // partner 2 heavier (or equal): partner 1 is raised
        break;
    }

    graph.axis.maximum = std::max(max1, max2);
    graph.axis.minimum = graph.axis.maximum - std::max(range1, range2);
}
