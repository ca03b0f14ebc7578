#include "ui/Chart.h"

#include "store/NumberText.h"
#include "ui/ChartData.h"
#include "ui/LayoutScale.h"
#include "ui/ReadableColour.h"
#include "ui/Twips.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

// Far more columns than any screen draws; a bound keeps a stray column number from allocating
// without end.
constexpr int maxColumns = 256;

// A plot is at most about a thousand pixels wide. A run much longer than that would only cost
// painting time: it is drawn thinned to the lowest and the highest point of each of a thousand
// slices of rows, about one slice to a pixel, which draws the same line (see thinned()).
constexpr qsizetype thinAbove = 4096;
constexpr qsizetype thinSlices = 1024;

constexpr qreal circleSize = 7.0;
constexpr qreal ballSize = 11.0;

QColor defaultColour(int columnIndex)
{
    static const QColor colours[] = {
        QColor(0, 0, 192),   // blue
        QColor(128, 128, 0), // olive
        QColor(192, 0, 0),   // red
        QColor(0, 128, 0),   // green
    };
    return colours[columnIndex % int(std::size(colours))];
}

// A small shaded sphere, lit from the top left, for the ball marker.
QImage ballImage(const QColor &colour)
{
    constexpr int size = 32; // drawn smaller: the extra pixels keep the edge smooth
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(size * 0.5, size * 0.5), size * 0.5, QPointF(size * 0.33, size * 0.3));
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.35, colour.lighter(140));
    shade.setColorAt(1.0, colour.darker(220));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    return image;
}

// The range an axis is drawn with: the range as set when it is one; a reversed range the right
// way round; an empty or broken one widened, so that the chart never draws an inverted or a
// zero-height axis.
std::pair<double, double> drawnRange(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum))
        return {0.0, 1.0};
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (minimum == maximum)
        return {minimum, minimum + 1.0};
    return {minimum, maximum};
}

// About five divisions on round numbers: 1, 2 or 5 times a power of ten.
double tickStep(double span)
{
    const double rough = span / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    if (fraction < 1.5)
        return power;
    if (fraction < 3.5)
        return 2.0 * power;
    if (fraction < 7.5)
        return 5.0 * power;
    return 10.0 * power;
}

// The first and last point of the run, and for each slice of rows between them its lowest and
// highest point, in row order.
QList<QPointF> thinned(const QList<QPointF> &points)
{
    const qsizetype n = points.size();
    if (n <= thinAbove)
        return points;
    QList<QPointF> kept;
    kept.reserve(2 * thinSlices + 2);
    kept.append(points.first());
    const qsizetype slice = (n - 2 + thinSlices - 1) / thinSlices;
    for (qsizetype start = 1; start < n - 1; start += slice) {
        const qsizetype end = std::min(start + slice, n - 1);
        qsizetype low = start;
        qsizetype high = start;
        for (qsizetype i = start + 1; i < end; ++i) {
            if (points[i].y() < points[low].y())
                low = i;
            if (points[i].y() > points[high].y())
                high = i;
        }
        kept.append(points[std::min(low, high)]);
        if (low != high)
            kept.append(points[std::max(low, high)]);
    }
    kept.append(points.last());
    return kept;
}

ChartData::Column *columnAt(ChartData &d, int column, bool create)
{
    if (column < 1 || column > maxColumns)
        return nullptr;
    if (std::size_t(column) > d.settings.size()) {
        if (!create)
            return nullptr;
        const int first = int(d.settings.size());
        d.settings.resize(std::size_t(column));
        for (int c = first; c < column; ++c)
            d.settings[std::size_t(c)].colour = defaultColour(c);
    }
    return &d.settings[std::size_t(column - 1)];
}

const ChartData::Column *columnAt(const ChartData &d, int column)
{
    if (column < 1 || std::size_t(column) > d.settings.size())
        return nullptr;
    return &d.settings[std::size_t(column - 1)];
}

// Screens write points by the thousand; the drawn series catch up once, from the event loop,
// before anything is painted. A hidden chart waits until it is shown.
void scheduleSync(Chart *chart, ChartData &d)
{
    d.dirty = true;
    if (d.syncQueued)
        return;
    d.syncQueued = true;
    QMetaObject::invokeMethod(
        chart,
        [chart, &d] {
            d.syncQueued = false;
            if (d.dirty && chart->isVisible())
                chart->sync();
        },
        Qt::QueuedConnection);
}

void applyRowAxis(ChartData &d)
{
    // Rows are counted from 1 and each sits in the middle of its own slot, as in a line chart
    // with categories.
    if (d.rows > 0)
        d.rowAxis->setRange(0.5, d.rows + 0.5);
    else
        d.rowAxis->setRange(0.0, 1.0);
}

void applyValueAxis(ChartData &d, int index)
{
    ChartData::Axis &axis = d.axes[std::size_t(index)];
    const auto [low, high] = drawnRange(axis.minimum, axis.maximum);
    // The axis lays its ticks out again on every change, with the interval it holds at that
    // moment: a new range of 1e11 under the old interval of 1 would ask for 1e11 ticks (and
    // gigabytes). The ticks are fixed while the range changes and get their new interval first.
    axis.axis->setTickType(QValueAxis::TicksFixed);
    axis.axis->setTickCount(5);
    axis.axis->setRange(low, high);
    const double step = tickStep(high - low);
    // Round-number ticks need a step the values can still resolve; a span lost in the digits
    // of a huge value would never get from one tick to the next.
    const double resolution = std::max(std::fabs(low), std::fabs(high)) * 1e-12;
    if (!std::isfinite(step) || step <= resolution) {
        axis.axis->setLabelFormat(QStringLiteral("%g"));
        return;
    }
    axis.axis->setTickInterval(step);
    axis.axis->setTickAnchor(std::ceil(low / step) * step);
    axis.axis->setTickType(QValueAxis::TicksDynamic);
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    axis.axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

void applyAxisLook(ChartData &d)
{
    // Grid lines belong to one axis only, or the two sets of lines would cross; they follow the
    // left axis unless its scale is hidden.
    const bool leftShown = d.axes[0].scaleVisible;
    for (int i = 0; i < 2; ++i) {
        ChartData::Axis &axis = d.axes[std::size_t(i)];
        axis.axis->setVisible(axis.scaleVisible);
        axis.axis->setGridLineVisible(i == 0 ? leftShown : !leftShown);

        // An axis that serves one series wears its colour, so it is clear which scale is whose.
        int seriesOnAxis = 0;
        QColor colour;
        for (int c = 0; c < d.columns; ++c) {
            const ChartData::Column &column = d.settings[std::size_t(c)];
            if (column.axis == i + 1) {
                ++seriesOnAxis;
                colour = column.colour;
            }
        }
        axis.axis->setLinePenColor(seriesOnAxis == 1 ? colour : axis.defaultLineColour);
        // The labels are text: a series colour too light for the plot is darkened for them.
        axis.axis->setLabelsColor(readableForeground(d.ground, seriesOnAxis == 1 ? colour : axis.defaultLabelsColour));
    }
}

void applyAxes(ChartData &d)
{
    applyRowAxis(d);
    applyValueAxis(d, 0);
    applyValueAxis(d, 1);
    applyAxisLook(d);
}

void styleSeries(ChartData &d, ChartData::Column &column, QLineSeries *series)
{
    series->setName(column.name);
    // The line is drawn one segment at a time; square ends close the corners between them. A
    // round end would have the painter build a curved outline for every segment, which costs
    // more than all else the chart does for a graph of a thousand points.
    QPen pen(column.colour, column.width);
    pen.setCapStyle(Qt::SquareCap);
    if (column.dashed)
        pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    switch (column.marker) {
    case Chart::Marker::None:
        series->setPointsVisible(false);
        series->setLightMarker(QImage());
        break;
    case Chart::Marker::Circle:
        series->setLightMarker(QImage());
        series->setMarkerSize(circleSize);
        series->setPointsVisible(true);
        break;
    case Chart::Marker::Ball:
        if (column.ball.isNull())
            column.ball = ballImage(column.colour);
        series->setPointsVisible(false);
        series->setMarkerSize(ballSize);
        series->setLightMarker(column.ball);
        break;
    }

    QValueAxis *valueAxis = d.axes[column.axis == 2 ? 1 : 0].axis;
    const QList<QAbstractAxis *> attached = series->attachedAxes();
    for (QAbstractAxis *axis : attached) {
        if (axis != d.rowAxis && axis != valueAxis)
            series->detachAxis(axis);
    }
    if (!attached.contains(d.rowAxis))
        series->attachAxis(d.rowAxis);
    if (!attached.contains(valueAxis))
        series->attachAxis(valueAxis);
    series->setVisible(column.visible);
}

QLineSeries *newSeries(ChartData &d, ChartData::Column &column, int columnIndex)
{
    auto *series = new QLineSeries;
    // Tests and tools find a column's series by this name.
    series->setObjectName(QStringLiteral("column%1").arg(columnIndex + 1));
    d.chart->addSeries(series);
    styleSeries(d, column, series);
    return series;
}

void dropRuns(ChartData &d, ChartData::Column &column, qsizetype keep)
{
    while (column.runs.size() > keep) {
        QLineSeries *series = column.runs.takeLast();
        d.chart->removeSeries(series);
        delete series;
    }
}

void rebuildRuns(ChartData &d, ChartData::Column &column, int columnIndex)
{
    // An isolated point draws as a marker, or not at all when the series has none.
    const bool lonePointsShow = column.marker != Chart::Marker::None;
    qsizetype used = 0;
    QList<QPointF> points;
    auto finishRun = [&] {
        if (points.size() > 1 || (points.size() == 1 && lonePointsShow)) {
            if (used == column.runs.size())
                column.runs.append(newSeries(d, column, columnIndex));
            column.runs[used]->replace(thinned(points));
            ++used;
        }
        points = QList<QPointF>();
    };
    const std::vector<double> &values = column.values;
    for (std::size_t r = 0; r < values.size(); ++r) {
        if (std::isnan(values[r])) {
            if (!points.isEmpty())
                finishRun();
            continue;
        }
        if (points.isEmpty())
            points.reserve(qsizetype(values.size() - r));
        points.append(QPointF(double(r + 1), values[r]));
    }
    if (!points.isEmpty())
        finishRun();

    if (used == 0) {
        if (column.runs.isEmpty())
            column.runs.append(newSeries(d, column, columnIndex));
        column.runs.first()->clear();
        used = 1;
    }
    dropRuns(d, column, used);
}

// What the place of the plot area depends on: the scales and their labels, and the legend's
// entries. Laying the chart out maps every point again, so it is done only when one of them
// changed.
QString layoutKey(const ChartData &d)
{
    QString key;
    const auto number = [&key](double value) { key += QString::number(value, 'g', 17) + u';'; };
    for (const QValueAxis *axis : {d.rowAxis, d.axes[0].axis, d.axes[1].axis}) {
        number(axis->isVisible());
        number(axis->labelsVisible());
        number(axis->min());
        number(axis->max());
        number(int(axis->tickType()));
        number(axis->tickCount());
        number(axis->tickInterval());
        number(axis->tickAnchor());
        key += axis->labelFormat() + u'|';
    }
    const QLegend *legend = d.chart->legend();
    number(legend->isVisible());
    for (const QLegendMarker *marker : legend->markers()) {
        if (marker->isVisible())
            key += marker->label() + u'|';
    }
    return key;
}

void updateLegend(ChartData &d)
{
    // A legend only for named series. It is shown or hidden first: an entry cannot be shown
    // while the legend itself is hidden.
    bool named = false;
    for (int c = 0; c < d.columns; ++c)
        named = named || !d.settings[std::size_t(c)].name.isEmpty();
    QLegend *legend = d.chart->legend();
    legend->setVisible(named);
    for (int c = 0; c < d.columns; ++c) {
        const ChartData::Column &column = d.settings[std::size_t(c)];
        for (qsizetype k = 0; k < column.runs.size(); ++k) {
            const bool shown = k == 0 && column.visible && !column.name.isEmpty();
            for (QLegendMarker *marker : legend->markers(column.runs[k]))
                marker->setVisible(shown);
        }
    }
}

} // namespace

Chart::Chart(QWidget *parent)
    : QChartView(new QChart, parent)
    , m_data(new ChartData)
{
    ChartData &d = *m_data;
    d.chart = chart();
    // Every chart keeps a light plot whatever the desktop's palette: the screens give the series
    // colours for a light ground, like the white option buttons with the same colours that
    // switch them. Its texts take colours that read on it.
    d.chart->setTheme(QChart::ChartThemeLight);
    d.ground = QColor(Qt::white);
    d.chart->setBackgroundBrush(d.ground);
    d.chart->legend()->setLabelColor(readableForeground(d.ground, d.chart->legend()->labelColor()));
    d.chart->setAnimationOptions(QChart::NoAnimation);
    d.chart->setBackgroundRoundness(0);
    const int margin = layoutPixels(4, this);
    d.chart->setMargins(QMargins(margin, margin, margin, margin));
    d.chart->legend()->setAlignment(Qt::AlignBottom);
    d.chart->legend()->setVisible(false);
    setRenderHint(QPainter::Antialiasing);

    d.rowAxis = new QValueAxis;
    d.rowAxis->setLabelsVisible(false);
    d.rowAxis->setGridLineVisible(false);
    d.rowAxis->setTickCount(2);
    d.chart->addAxis(d.rowAxis, Qt::AlignBottom);

    for (int i = 0; i < 2; ++i) {
        ChartData::Axis &axis = d.axes[std::size_t(i)];
        axis.axis = new QValueAxis;
        axis.defaultLineColour = axis.axis->linePenColor();
        axis.defaultLabelsColour = axis.axis->labelsColor();
        d.chart->addAxis(axis.axis, i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        // The chart draws with fonts of its own, which the application's scale does not reach.
        axis.axis->setLabelsFont(fontAtLayoutScale(axis.axis->labelsFont()));
    }
    d.chart->legend()->setFont(fontAtLayoutScale(d.chart->legend()->font()));
    d.settings.resize(std::size_t(d.columns));
    for (int c = 0; c < d.columns; ++c)
        d.settings[std::size_t(c)].colour = defaultColour(c);

    sync();
}

Chart::~Chart()
{
    delete m_data;
}

void Chart::setRowCount(int rows)
{
    ChartData &d = *m_data;
    rows = std::max(rows, 0);
    if (rows == d.rows)
        return;
    const bool dropped = rows < d.rows;
    d.rows = rows;
    for (int c = 0; c < d.columns; ++c) {
        ChartData::Column &column = d.settings[std::size_t(c)];
        column.values.resize(std::size_t(rows), ChartData::nothing);
        if (rows == 0)
            column.values.shrink_to_fit();
        // New rows hold nothing and change no line; dropped rows take their points with them.
        if (dropped)
            column.pointsChanged = true;
    }
    scheduleSync(this, d);
}

int Chart::rowCount() const
{
    return m_data->rows;
}

void Chart::setColumnCount(int columns)
{
    ChartData &d = *m_data;
    columns = std::clamp(columns, 0, maxColumns);
    if (columns == d.columns)
        return;
    if (columns > 0)
        columnAt(d, columns, true);
    for (int c = 0; c < int(d.settings.size()); ++c) {
        ChartData::Column &column = d.settings[std::size_t(c)];
        if (c < columns) {
            if (c >= d.columns) {
                column.values.assign(std::size_t(d.rows), ChartData::nothing);
                column.pointsChanged = true;
                column.styleChanged = true;
            }
        } else if (c < d.columns) {
            column.values = std::vector<double>();
            dropRuns(d, column, 0);
        }
    }
    d.columns = columns;
    scheduleSync(this, d);
}

int Chart::columnCount() const
{
    return m_data->columns;
}

void Chart::setRow(int row)
{
    m_data->row = row;
}

int Chart::row() const
{
    return m_data->row;
}

void Chart::setColumn(int column)
{
    m_data->column = column;
}

int Chart::column() const
{
    return m_data->column;
}

void Chart::setData(const QString &text)
{
    setPoint(m_data->row, m_data->column, text);
}

QString Chart::data() const
{
    return point(m_data->row, m_data->column);
}

void Chart::setPoint(int row, int column, const QString &text)
{
    const ChartData &d = *m_data;
    if (row < 1 || row > d.rows || column < 1 || column > d.columns)
        return;
    // Anything that is not a number, the empty text included, leaves the point empty.
    const std::optional<double> number = parseStoredNumber(text);
    setValue(row, column, number ? *number : ChartData::nothing);
}

void Chart::setValue(int row, int column, double value)
{
    ChartData &d = *m_data;
    if (row < 1 || row > d.rows || column < 1 || column > d.columns)
        return;
    ChartData::Column &col = d.settings[std::size_t(column - 1)];
    col.values[std::size_t(row - 1)] = std::isfinite(value) ? value : ChartData::nothing;
    col.pointsChanged = true;
    if (!d.dirty || !d.syncQueued)
        scheduleSync(this, d);
}

QString Chart::point(int row, int column) const
{
    const std::optional<double> number = value(row, column);
    return number ? storedNumber(*number) : QString();
}

std::optional<double> Chart::value(int row, int column) const
{
    const ChartData &d = *m_data;
    if (row < 1 || row > d.rows || column < 1 || column > d.columns)
        return std::nullopt;
    const double v = d.settings[std::size_t(column - 1)].values[std::size_t(row - 1)];
    if (std::isnan(v))
        return std::nullopt;
    return v;
}

void Chart::setSeriesAxis(int column, int axis)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || (axis != 1 && axis != 2) || col->axis == axis)
        return;
    col->axis = axis;
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

int Chart::seriesAxis(int column) const
{
    const ChartData::Column *col = columnAt(*m_data, column);
    return col ? col->axis : 1;
}

void Chart::setAxisRange(int axis, double minimum, double maximum)
{
    if (axis != 1 && axis != 2)
        return;
    ChartData::Axis &a = m_data->axes[std::size_t(axis - 1)];
    a.minimum = minimum;
    a.maximum = maximum;
    scheduleSync(this, *m_data);
}

void Chart::setAxisMinimum(int axis, double minimum)
{
    setAxisRange(axis, minimum, axisMaximum(axis));
}

void Chart::setAxisMaximum(int axis, double maximum)
{
    setAxisRange(axis, axisMinimum(axis), maximum);
}

double Chart::axisMinimum(int axis) const
{
    if (axis != 1 && axis != 2)
        return 0.0;
    return m_data->axes[std::size_t(axis - 1)].minimum;
}

double Chart::axisMaximum(int axis) const
{
    if (axis != 1 && axis != 2)
        return 0.0;
    return m_data->axes[std::size_t(axis - 1)].maximum;
}

void Chart::setAxisScaleVisible(int axis, bool visible)
{
    if (axis != 1 && axis != 2)
        return;
    m_data->axes[std::size_t(axis - 1)].scaleVisible = visible;
    scheduleSync(this, *m_data);
}

bool Chart::axisScaleVisible(int axis) const
{
    if (axis != 1 && axis != 2)
        return false;
    return m_data->axes[std::size_t(axis - 1)].scaleVisible;
}

void Chart::setSeriesVisible(int column, bool visible)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || col->visible == visible)
        return;
    col->visible = visible;
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

bool Chart::seriesVisible(int column) const
{
    const ChartData::Column *col = columnAt(*m_data, column);
    return col ? col->visible : true;
}

void Chart::setSeriesMarker(int column, Marker marker)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || col->marker == marker)
        return;
    // Lone points appear or disappear with the marker, so the runs are laid out again.
    col->marker = marker;
    col->styleChanged = true;
    col->pointsChanged = true;
    scheduleSync(this, *m_data);
}

Chart::Marker Chart::seriesMarker(int column) const
{
    const ChartData::Column *col = columnAt(*m_data, column);
    return col ? col->marker : Marker::None;
}

void Chart::setSeriesName(int column, const QString &name)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || col->name == name)
        return;
    col->name = name;
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

void Chart::setSeriesColor(int column, const QColor &colour)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || col->colour == colour)
        return;
    col->colour = colour;
    col->ball = QImage();
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

void Chart::setSeriesWidth(int column, int pixels)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    pixels = std::clamp(pixels, 1, 16);
    if (!col || col->width == pixels)
        return;
    col->width = pixels;
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

void Chart::setSeriesDashed(int column, bool dashed)
{
    ChartData::Column *col = columnAt(*m_data, column, true);
    if (!col || col->dashed == dashed)
        return;
    col->dashed = dashed;
    col->styleChanged = true;
    scheduleSync(this, *m_data);
}

bool Chart::seriesDashed(int column) const
{
    const ChartData::Column *col = columnAt(*m_data, column);
    return col && col->dashed;
}

int Chart::seriesWidth(int column) const
{
    const ChartData::Column *col = columnAt(*m_data, column);
    return col ? col->width : 2;
}

void Chart::sync()
{
    ChartData &d = *m_data;
    if (!d.dirty)
        return;
    d.dirty = false;
    // Every axis change makes Qt Charts map each point of the series on it again. Series about
    // to be rebuilt are emptied first, so that only their new points are ever mapped, and once.
    for (int c = 0; c < d.columns; ++c) {
        ChartData::Column &column = d.settings[std::size_t(c)];
        if (column.pointsChanged) {
            for (QLineSeries *series : std::as_const(column.runs))
                series->clear();
        }
    }
    applyAxes(d);
    for (int c = 0; c < d.columns; ++c) {
        ChartData::Column &column = d.settings[std::size_t(c)];
        if (column.styleChanged) {
            for (QLineSeries *series : std::as_const(column.runs))
                styleSeries(d, column, series);
        }
        // A hidden column's line is laid out when it is shown: until then it stays empty.
        if ((column.pointsChanged && column.visible) || column.runs.isEmpty()) {
            rebuildRuns(d, column, c);
            column.pointsChanged = false;
        }
        column.styleChanged = false;
    }
    // Attaching a new series lets Qt Charts fit the axes to it; the ranges are ours alone.
    // (Unchanged ranges cost nothing here.)
    applyAxes(d);
    updateLegend(d);
    QString key = layoutKey(d);
    if (key != d.laidOutFor) {
        d.laidOutFor = std::move(key);
        if (QGraphicsLayout *layout = d.chart->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
    // A series announces as changed only the outline of its line, not its markers, which reach
    // beyond it: a window system that repaints only what was announced would keep parts of the
    // markers where they were and cut the new ones. Everything a change can touch is repainted.
    viewport()->update();
}

void Chart::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void Chart::paintEvent(QPaintEvent *event)
{
    // Normally done already from the event loop; this covers a paint that comes first, such as
    // grabbing a chart that was never shown.
    sync();
    QChartView::paintEvent(event);
}

void Chart::showEvent(QShowEvent *event)
{
    sync();
    QChartView::showEvent(event);
}
