#pragma once

#include "ui/Chart.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <limits>
#include <vector>

class QChart;
class QLineSeries;
class QValueAxis;

// What a Chart holds behind its widget: the data table the screens write and the Qt Charts
// objects that draw it. The table is the truth; the drawn series are rebuilt from it in one
// pass by Chart::sync().
class ChartData
{
public:
    static constexpr double nothing = std::numeric_limits<double>::quiet_NaN();

    struct Column {
        // One value per row; NaN where the point holds nothing (the values read from text are
        // always finite, so NaN cannot be a real point).
        std::vector<double> values;
        int axis = 1;
        bool visible = true;
        Chart::Marker marker = Chart::Marker::None;
        QString name;
        QColor colour;
        int width = 2; // pixels
        bool dashed = false;
        QImage ball; // the light marker for Marker::Ball, drawn in the column's colour

        // A line cannot jump over a row without a value, so the column is drawn as one series
        // per unbroken run of values. The first series always exists and carries the legend
        // entry, even while the column has no points.
        QList<QLineSeries *> runs;
        bool pointsChanged = true;
        bool styleChanged = true;
    };

    struct Axis {
        double minimum = 0.0; // as last set, even when not below the maximum
        double maximum = 100.0;
        bool scaleVisible = true;
        QValueAxis *axis = nullptr;
        QColor defaultLineColour;
        QColor defaultLabelsColour;
    };

    QChart *chart = nullptr;
    QColor ground; // the chart's background, light on every desktop

    QValueAxis *rowAxis = nullptr;
    std::array<Axis, 2> axes;

    int rows = 0;
    int columns = 1;
    int row = 1;
    int column = 1;
    // Settings of columns the chart had or was told about; may outnumber `columns`, so that a
    // column keeps its style when the count goes down and up again.
    std::vector<Column> settings;

    bool dirty = true;
    bool syncQueued = false;
    // What the chart was last laid out for (see layoutKey in Chart.cpp).
    QString laidOutFor;
};
