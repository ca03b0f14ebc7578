#pragma once

struct TrendData;

// The trend data set as the trend screen builds it: every measurement of the selected partner in
// file order. The analysis lists and the history's unfiltered listing read it; the window hands
// them the trend screen as their source.
class TrendSource
{
public:
    virtual ~TrendSource() = default;

    // Builds the data set afresh from the current data file, and with it the trend graph, shown
    // or not.
    virtual void LoadTrendData() = 0;
    // The data set as last built; empty before the first build.
    virtual const TrendData &trendData() const = 0;
};
