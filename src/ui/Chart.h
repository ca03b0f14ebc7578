#pragma once

#include <QChartView>
#include <QString>

#include <optional>

class ChartData;

// The graph control every screen uses: a table of data points, rows drawn from left to right
// (numbered from 1), columns (numbered from 1) each drawn as a line against value axis 1 (left)
// or 2 (right). A point holds a number or nothing; a row without a value draws no point there.
// The horizontal axis has no labels: it counts rows.
//
// Points are written one at a time, as the screens compute them; the drawn series catch up in
// one pass before the next paint (or at once with sync()).
class Chart : public QChartView
{
    Q_OBJECT
public:
    enum class Marker { None, Circle, Ball };

    explicit Chart(QWidget *parent = nullptr);
    ~Chart() override;

    // A new row has no value in any series until one is written.
    void setRowCount(int rows);
    int rowCount() const;
    void setColumnCount(int columns);
    int columnCount() const;

    void setRow(int row);       // current row, 1-based
    int row() const;
    void setColumn(int column); // current column, 1-based
    int column() const;
    // The current point, handed over as decimal text and read as a number; empty text clears it.
    void setData(const QString &text);
    // The text of the current point, the empty text when it holds nothing.
    QString data() const;

    void setPoint(int row, int column, const QString &text);
    // The same with the number itself, for graphs of thousands of points; NaN or infinity
    // leaves the point empty.
    void setValue(int row, int column, double value);
    QString point(int row, int column) const;
    std::optional<double> value(int row, int column) const;

    // Which value axis a column is drawn against (1 left, 2 right); axis 1 by default.
    void setSeriesAxis(int column, int axis);
    int seriesAxis(int column) const;

    // The range stays exactly as set until set again; the chart never rescales itself. A range
    // whose minimum is not below its maximum is kept as set but drawn with a sane span.
    void setAxisRange(int axis, double minimum, double maximum);
    void setAxisMinimum(int axis, double minimum);
    void setAxisMaximum(int axis, double maximum);
    double axisMinimum(int axis) const;
    double axisMaximum(int axis) const;

    // Only the scale (labels, ticks, line) disappears; the range stays.
    void setAxisScaleVisible(int axis, bool visible);
    bool axisScaleVisible(int axis) const;

    // A hidden series keeps its points and is drawn unchanged when shown again.
    void setSeriesVisible(int column, bool visible);
    bool seriesVisible(int column) const;

    // Applies to every point of the series.
    void setSeriesMarker(int column, Marker marker);
    Marker seriesMarker(int column) const;

    void setSeriesName(int column, const QString &name);
    void setSeriesColor(int column, const QColor &colour);
    // The line's width in pixels, 2 by default. A line 1 pixel wide is drawn far faster, which
    // counts for graphs of thousands of points.
    void setSeriesWidth(int column, int pixels);
    int seriesWidth(int column) const;
    // A dashed line, for what is not measured but foreseen.
    void setSeriesDashed(int column, bool dashed);
    bool seriesDashed(int column) const;

    // Brings the drawn series up to date with the data table now.
    void sync();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ChartData *m_data;
};
