#include "UiTestMain.h"

#include "ui/Chart.h"
#include "ui/ReadableColour.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScreen>
#include <QSignalSpy>
#include <QValueAxis>

#include <cmath>

namespace {

QValueAxis *valueAxis(Chart &chart, int axis)
{
    const Qt::Alignment side = axis == 1 ? Qt::AlignLeft : Qt::AlignRight;
    for (QAbstractAxis *a : chart.chart()->axes(Qt::Vertical)) {
        if (a->alignment() == side)
            return qobject_cast<QValueAxis *>(a);
    }
    return nullptr;
}

QValueAxis *rowAxis(Chart &chart)
{
    const QList<QAbstractAxis *> axes = chart.chart()->axes(Qt::Horizontal);
    return axes.size() == 1 ? qobject_cast<QValueAxis *>(axes.first()) : nullptr;
}

// The drawn pieces of one column, in row order.
QList<QLineSeries *> drawnSeries(Chart &chart, int column)
{
    QList<QLineSeries *> found;
    for (QAbstractSeries *series : chart.chart()->series()) {
        if (series->objectName() == QStringLiteral("column%1").arg(column))
            found.append(qobject_cast<QLineSeries *>(series));
    }
    std::sort(found.begin(), found.end(), [](QLineSeries *a, QLineSeries *b) {
        const qreal ax = a->count() ? a->at(0).x() : 0.0;
        const qreal bx = b->count() ? b->at(0).x() : 0.0;
        return ax < bx;
    });
    return found;
}

QList<int> runLengths(Chart &chart, int column)
{
    QList<int> lengths;
    for (QLineSeries *series : drawnSeries(chart, column))
        lengths.append(int(series->count()));
    return lengths;
}

// Legend entries count as visible only once the chart is laid out on screen.
int visibleLegendEntries(Chart &chart, int column)
{
    if (!chart.isVisible()) {
        chart.resize(400, 300);
        chart.show();
        if (!QTest::qWaitForWindowExposed(&chart))
            return -1;
    }
    QCoreApplication::processEvents();
    int entries = 0;
    for (QLineSeries *series : drawnSeries(chart, column)) {
        for (QLegendMarker *marker : chart.chart()->legend()->markers(series))
            entries += marker->isVisible() ? 1 : 0;
    }
    return entries;
}

// "1 2 _ 4": one value per row, "_" for a row that holds nothing.
void writeColumn(Chart &chart, int column, const QString &pattern)
{
    const QStringList values = pattern.split(u' ', Qt::SkipEmptyParts);
    chart.setRowCount(int(values.size()));
    for (int r = 0; r < values.size(); ++r)
        chart.setPoint(r + 1, column, values.at(r) == QStringLiteral("_") ? QString() : values.at(r));
}

} // namespace

// The graph control: the data table, fixed axis ranges, hidden scales and series, gaps, markers.
class TestChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newRowsHoldNothing();
    void dataText_data();
    void dataText();
    void currentPoint();
    void outOfRange_data();
    void outOfRange();
    void rowCountChanges();
    void columnCountChanges();
    void rowAxisCountsRows_data();
    void rowAxisCountsRows();

    void axisRangeStays();
    void axisRangeSetPiecewise();
    void oddRanges_data();
    void oddRanges();
    void hiddenScaleKeepsRange_data();
    void hiddenScaleKeepsRange();
    void hiddenSeriesKeepsPoints();
    void seriesAxis();

    void gaps_data();
    void gaps();
    void markers_data();
    void markers();
    void ballIsLitFromTopLeft();
    void nameAndColour();

    void syncsByItself();
    void hiddenChartSyncsWhenShown();
    void grabSyncsFirst();
    void screenAfterAChangeAsDrawnAfresh_data();
    void screenAfterAChangeAsDrawnAfresh();
    void largestChart();
    void thinningKeepsPeaks_data();
    void thinningKeepsPeaks();
    void clicked_data();
    void clicked();
};

void TestChart::newRowsHoldNothing()
{
    Chart chart;
    chart.setColumnCount(3);
    chart.setRowCount(5);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(chart.point(r, c), QString());
            QCOMPARE(chart.value(r, c), std::nullopt);
        }
    }
    chart.setPoint(2, 2, QStringLiteral("65.5"));
    chart.setRowCount(8);
    QCOMPARE(chart.point(2, 2), QStringLiteral("65.5"));
    for (int r = 6; r <= 8; ++r) {
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(chart.point(r, c), QString());
    }
    chart.sync();
    // A lone point without a marker draws nothing; the column keeps its one empty series.
    QCOMPARE(runLengths(chart, 2), QList<int>{0});
    chart.setSeriesMarker(2, Chart::Marker::Circle);
    chart.sync();
    QCOMPARE(runLengths(chart, 2), QList<int>{1});
    QCOMPARE(runLengths(chart, 1), QList<int>{0});
}

void TestChart::dataText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("number"); // NaN: nothing

    const double none = std::nan("");
    QTest::newRow("weight") << QStringLiteral("65.5") << QStringLiteral("65.5") << 65.5;
    QTest::newRow("negative") << QStringLiteral("-0.2") << QStringLiteral("-0.2") << -0.2;
    QTest::newRow("exponent") << QStringLiteral("1e3") << QStringLiteral("1000") << 1000.0;
    QTest::newRow("small exponent") << QStringLiteral("1.5E-3") << QStringLiteral("0.0015") << 0.0015;
    QTest::newRow("whole") << QStringLiteral("70") << QStringLiteral("70") << 70.0;
    QTest::newRow("trailing zero") << QStringLiteral("70.0") << QStringLiteral("70") << 70.0;
    QTest::newRow("leading point") << QStringLiteral(".5") << QStringLiteral("0.5") << 0.5;
    QTest::newRow("spaces") << QStringLiteral(" 58.25 ") << QStringLiteral("58.25") << 58.25;
    QTest::newRow("many digits") << QStringLiteral("65.123456789") << QStringLiteral("65.123456789") << 65.123456789;
    QTest::newRow("average of three") << QString::number(210.6 / 3, 'g', 15) << QString::number(210.6 / 3, 'g', 15) << 210.6 / 3;
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0") << 0.0;
    QTest::newRow("empty") << QString() << QString() << none;
    QTest::newRow("not a number") << QStringLiteral("abc") << QString() << none;
    QTest::newRow("number with unit") << QStringLiteral("65.5kg") << QString() << none;
    QTest::newRow("comma decimal") << QStringLiteral("65,5") << QString() << none;
    QTest::newRow("infinity") << QStringLiteral("inf") << QString() << none;
    QTest::newRow("too large") << QStringLiteral("1e999") << QString() << none;
}

void TestChart::dataText()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(double, number);
    Chart chart;
    chart.setColumnCount(2);
    chart.setRowCount(3);
    chart.setPoint(2, 2, QStringLiteral("99"));
    chart.setPoint(2, 2, text);

    QCOMPARE(chart.point(2, 2), stored);
    // The number handed over as it is makes the same point (NaN none).
    Chart direct;
    direct.setColumnCount(2);
    direct.setRowCount(3);
    direct.setValue(2, 2, 99);
    direct.setValue(2, 2, number);
    QCOMPARE(direct.point(2, 2), stored);
    if (std::isnan(number)) {
        QCOMPARE(chart.value(2, 2), std::nullopt);
    } else {
        QVERIFY(chart.value(2, 2).has_value());
        QCOMPARE(*chart.value(2, 2), number);
        // The text handed back reads as the same number: copying points loses nothing.
        Chart copy;
        copy.setColumnCount(2);
        copy.setRowCount(3);
        copy.setPoint(1, 1, chart.point(2, 2));
        QCOMPARE(copy.value(1, 1), chart.value(2, 2));
    }
}

void TestChart::currentPoint()
{
    Chart chart;
    chart.setColumnCount(2);
    chart.setRowCount(4);
    chart.setRow(3);
    chart.setColumn(2);
    QCOMPARE(chart.row(), 3);
    QCOMPARE(chart.column(), 2);
    QCOMPARE(chart.data(), QString());
    chart.setData(QStringLiteral("58.4"));
    QCOMPARE(chart.data(), QStringLiteral("58.4"));
    QCOMPARE(chart.point(3, 2), QStringLiteral("58.4"));
    QCOMPARE(chart.point(3, 1), QString());
    chart.setColumn(1);
    QCOMPARE(chart.data(), QString());
    chart.setData(QStringLiteral("70.1"));
    chart.setColumn(2);
    chart.setData(QString());
    QCOMPARE(chart.data(), QString());
    QCOMPARE(chart.point(3, 1), QStringLiteral("70.1"));
}

void TestChart::outOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("row 0") << 0 << 1;
    QTest::newRow("column 0") << 1 << 0;
    QTest::newRow("row past the end") << 6 << 1;
    QTest::newRow("column past the end") << 1 << 3;
    QTest::newRow("negative") << -1 << -1;
    QTest::newRow("far away") << 100000 << 100000;
}

void TestChart::outOfRange()
{
    QFETCH(int, row);
    QFETCH(int, column);
    Chart chart;
    chart.setColumnCount(2);
    chart.setRowCount(5);
    chart.setRow(row);
    chart.setColumn(column);
    chart.setData(QStringLiteral("1"));
    chart.setPoint(row, column, QStringLiteral("2"));
    QCOMPARE(chart.data(), QString());
    QCOMPARE(chart.point(row, column), QString());
    QCOMPARE(chart.value(row, column), std::nullopt);
    chart.sync();
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 2; ++c)
            QCOMPARE(chart.point(r, c), QString());
    }
}

void TestChart::rowCountChanges()
{
    Chart chart;
    chart.setColumnCount(1);
    writeColumn(chart, 1, QStringLiteral("1 2 3 4 5"));
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{5});

    chart.setRowCount(3);
    QCOMPARE(chart.rowCount(), 3);
    QCOMPARE(chart.point(3, 1), QStringLiteral("3"));
    QCOMPARE(chart.point(4, 1), QString());
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{3});

    // Rows dropped are gone for good: raising the count again brings empty rows.
    chart.setRowCount(5);
    QCOMPARE(chart.point(4, 1), QString());
    QCOMPARE(chart.point(5, 1), QString());
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{3});

    chart.setRowCount(0);
    QCOMPARE(chart.rowCount(), 0);
    chart.setRow(1);
    QCOMPARE(chart.data(), QString());
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{0});

    chart.setRowCount(-4);
    QCOMPARE(chart.rowCount(), 0);
}

void TestChart::columnCountChanges()
{
    Chart chart;
    chart.setColumnCount(3);
    QCOMPARE(chart.columnCount(), 3);
    writeColumn(chart, 3, QStringLiteral("1 2 3"));
    chart.setPoint(1, 1, QStringLiteral("7"));
    chart.sync();
    QCOMPARE(runLengths(chart, 3), QList<int>{3});

    chart.setColumnCount(2);
    chart.sync();
    QCOMPARE(chart.columnCount(), 2);
    QCOMPARE(runLengths(chart, 3), QList<int>{});
    QCOMPARE(chart.point(1, 3), QString());
    QCOMPARE(chart.point(1, 1), QStringLiteral("7"));

    chart.setColumnCount(3);
    chart.sync();
    QCOMPARE(chart.point(1, 3), QString());
    QCOMPARE(runLengths(chart, 3), QList<int>{0});
}

void TestChart::rowAxisCountsRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");

    QTest::newRow("no rows") << 0 << 0.0 << 1.0;
    QTest::newRow("one row") << 1 << 0.5 << 1.5;
    QTest::newRow("a month") << 31 << 0.5 << 31.5;
    QTest::newRow("largest") << 32767 << 0.5 << 32767.5;
}

void TestChart::rowAxisCountsRows()
{
    QFETCH(int, rows);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    Chart chart;
    chart.setRowCount(rows);
    chart.sync();
    QValueAxis *axis = rowAxis(chart);
    QVERIFY(axis);
    QVERIFY(!axis->labelsVisible());
    QCOMPARE(axis->min(), minimum);
    QCOMPARE(axis->max(), maximum);
}

void TestChart::axisRangeStays()
{
    Chart chart;
    chart.resize(500, 300);
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    chart.setAxisRange(1, 60, 70);
    chart.setAxisRange(2, 15, 25);
    chart.setRowCount(50);
    for (int r = 1; r <= 50; ++r) {
        chart.setPoint(r, 1, QString::number(r * 4));
        chart.setPoint(r, 2, QString::number(-r));
    }
    chart.sync();
    chart.grab();

    QCOMPARE(chart.axisMinimum(1), 60.0);
    QCOMPARE(chart.axisMaximum(1), 70.0);
    QCOMPARE(chart.axisMinimum(2), 15.0);
    QCOMPARE(chart.axisMaximum(2), 25.0);
    QCOMPARE(valueAxis(chart, 1)->min(), 60.0);
    QCOMPARE(valueAxis(chart, 1)->max(), 70.0);
    QCOMPARE(valueAxis(chart, 2)->min(), 15.0);
    QCOMPARE(valueAxis(chart, 2)->max(), 25.0);

    // More points, fewer rows, hiding and showing: still no rescaling.
    chart.setRowCount(10);
    chart.setPoint(3, 1, QStringLiteral("1000"));
    chart.setSeriesVisible(1, false);
    chart.sync();
    chart.setSeriesVisible(1, true);
    chart.sync();
    chart.grab();
    QCOMPARE(valueAxis(chart, 1)->min(), 60.0);
    QCOMPARE(valueAxis(chart, 1)->max(), 70.0);
    QCOMPARE(valueAxis(chart, 2)->min(), 15.0);
    QCOMPARE(valueAxis(chart, 2)->max(), 25.0);
}

void TestChart::axisRangeSetPiecewise()
{
    Chart chart;
    chart.setAxisMaximum(1, 74);
    chart.setAxisMinimum(1, 68);
    chart.setAxisMinimum(2, 20.5);
    chart.setAxisMaximum(2, 30.25);
    chart.sync();
    QCOMPARE(chart.axisMinimum(1), 68.0);
    QCOMPARE(chart.axisMaximum(1), 74.0);
    QCOMPARE(chart.axisMinimum(2), 20.5);
    QCOMPARE(chart.axisMaximum(2), 30.25);
    QCOMPARE(valueAxis(chart, 1)->min(), 68.0);
    QCOMPARE(valueAxis(chart, 1)->max(), 74.0);
    QCOMPARE(valueAxis(chart, 2)->min(), 20.5);
    QCOMPARE(valueAxis(chart, 2)->max(), 30.25);

    // Axis numbers other than 1 and 2 are ignored.
    chart.setAxisRange(3, 1, 2);
    chart.setAxisMinimum(0, 5);
    QCOMPARE(chart.axisMinimum(3), 0.0);
    QCOMPARE(chart.axisMinimum(1), 68.0);
}

void TestChart::oddRanges_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("drawnMinimum");
    QTest::addColumn<double>("drawnMaximum");

    QTest::newRow("target above the maximum") << 80.0 << 74.0 << 74.0 << 80.0;
    QTest::newRow("equal") << 70.0 << 70.0 << 70.0 << 71.0;
    QTest::newRow("both zero") << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("negative, reversed") << -5.0 << -10.0 << -10.0 << -5.0;
    QTest::newRow("ordinary") << 68.0 << 74.0 << 68.0 << 74.0;
    QTest::newRow("tiny span") << 1.0 << 1.000001 << 1.0 << 1.000001;
    QTest::newRow("huge value, tiny span") << 1e15 << 1e15 + 0.125 << 1e15 << 1e15 + 0.125;
    QTest::newRow("widest") << -1e308 << 1e308 << -1e308 << 1e308;
    QTest::newRow("not a number") << std::nan("") << 5.0 << 0.0 << 1.0;
}

void TestChart::oddRanges()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, drawnMinimum);
    QFETCH(double, drawnMaximum);
    Chart chart;
    chart.resize(400, 300);
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    writeColumn(chart, 1, QStringLiteral("70 71 _ 73"));
    writeColumn(chart, 2, QStringLiteral("72 75 76 74"));
    chart.setAxisRange(1, minimum, maximum);
    chart.setAxisRange(2, minimum, maximum);
    chart.sync();
    QVERIFY(!chart.grab().isNull());

    for (int axis = 1; axis <= 2; ++axis) {
        QCOMPARE(chart.axisMinimum(axis), minimum);
        QCOMPARE(chart.axisMaximum(axis), maximum);
        QCOMPARE(valueAxis(chart, axis)->min(), drawnMinimum);
        QCOMPARE(valueAxis(chart, axis)->max(), drawnMaximum);
    }
}

void TestChart::hiddenScaleKeepsRange_data()
{
    QTest::addColumn<int>("axis");
    QTest::newRow("left") << 1;
    QTest::newRow("right") << 2;
}

void TestChart::hiddenScaleKeepsRange()
{
    QFETCH(int, axis);
    const int other = 3 - axis;
    Chart chart;
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    writeColumn(chart, 1, QStringLiteral("65 66 67"));
    writeColumn(chart, 2, QStringLiteral("20 21 22"));
    chart.setAxisRange(1, 60, 70);
    chart.setAxisRange(2, 18, 24);
    chart.setAxisScaleVisible(axis, false);
    chart.sync();

    QVERIFY(!chart.axisScaleVisible(axis));
    QVERIFY(chart.axisScaleVisible(other));
    QVERIFY(!valueAxis(chart, axis)->isVisible());
    QVERIFY(valueAxis(chart, other)->isVisible());
    QCOMPARE(valueAxis(chart, 1)->min(), 60.0);
    QCOMPARE(valueAxis(chart, 1)->max(), 70.0);
    QCOMPARE(valueAxis(chart, 2)->min(), 18.0);
    QCOMPARE(valueAxis(chart, 2)->max(), 24.0);
    QCOMPARE(chart.axisMinimum(axis), axis == 1 ? 60.0 : 18.0);
    // The series on the hidden scale still draws.
    for (QLineSeries *series : drawnSeries(chart, axis)) {
        QVERIFY(series->isVisible());
        QCOMPARE(series->count(), 3);
    }

    chart.setAxisScaleVisible(axis, true);
    chart.sync();
    QVERIFY(chart.axisScaleVisible(axis));
    QVERIFY(valueAxis(chart, axis)->isVisible());
    QCOMPARE(valueAxis(chart, 1)->min(), 60.0);
    QCOMPARE(valueAxis(chart, 2)->max(), 24.0);
}

void TestChart::hiddenSeriesKeepsPoints()
{
    Chart chart;
    chart.setColumnCount(2);
    chart.setSeriesName(1, QStringLiteral("体重"));
    chart.setSeriesName(2, QStringLiteral("体脂肪率"));
    writeColumn(chart, 1, QStringLiteral("65 65.5 _ 66 66.5 67"));
    writeColumn(chart, 2, QStringLiteral("20 21 22 23 24 25"));
    chart.sync();
    const QList<QPointF> before = drawnSeries(chart, 1).at(1)->points();
    QCOMPARE(runLengths(chart, 1), (QList<int>{2, 3}));

    chart.setSeriesVisible(1, false);
    chart.sync();
    QVERIFY(!chart.seriesVisible(1));
    QVERIFY(chart.seriesVisible(2));
    QCOMPARE(runLengths(chart, 1), (QList<int>{2, 3}));
    for (QLineSeries *series : drawnSeries(chart, 1))
        QVERIFY(!series->isVisible());
    for (QLineSeries *series : drawnSeries(chart, 2))
        QVERIFY(series->isVisible());
    QCOMPARE(visibleLegendEntries(chart, 1), 0);
    QCOMPARE(visibleLegendEntries(chart, 2), 1);
    QCOMPARE(chart.point(4, 1), QStringLiteral("66"));

    chart.setSeriesVisible(1, true);
    chart.sync();
    QCOMPARE(runLengths(chart, 1), (QList<int>{2, 3}));
    for (QLineSeries *series : drawnSeries(chart, 1))
        QVERIFY(series->isVisible());
    QCOMPARE(drawnSeries(chart, 1).at(1)->points(), before);
    QCOMPARE(visibleLegendEntries(chart, 1), 1);

    // Points written while the series is hidden are drawn once it is shown.
    chart.setSeriesVisible(1, false);
    chart.sync();
    chart.setPoint(3, 1, QStringLiteral("65.8"));
    chart.sync();
    chart.setSeriesVisible(1, true);
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{6});
    QCOMPARE(drawnSeries(chart, 1).first()->at(2), QPointF(3, 65.8));
}

void TestChart::seriesAxis()
{
    Chart chart;
    chart.setColumnCount(2);
    writeColumn(chart, 1, QStringLiteral("1 2 3"));
    writeColumn(chart, 2, QStringLiteral("4 _ 6 7"));
    chart.setSeriesMarker(2, Chart::Marker::Circle);
    QCOMPARE(chart.seriesAxis(1), 1);
    QCOMPARE(chart.seriesAxis(2), 1);
    chart.setSeriesAxis(2, 2);
    chart.sync();
    QCOMPARE(chart.seriesAxis(2), 2);

    QValueAxis *left = valueAxis(chart, 1);
    QValueAxis *right = valueAxis(chart, 2);
    for (QLineSeries *series : drawnSeries(chart, 1)) {
        QVERIFY(series->attachedAxes().contains(left));
        QVERIFY(!series->attachedAxes().contains(right));
        QVERIFY(series->attachedAxes().contains(rowAxis(chart)));
    }
    QCOMPARE(drawnSeries(chart, 2).size(), 2);
    for (QLineSeries *series : drawnSeries(chart, 2)) {
        QVERIFY(series->attachedAxes().contains(right));
        QVERIFY(!series->attachedAxes().contains(left));
        QVERIFY(series->attachedAxes().contains(rowAxis(chart)));
    }

    chart.setSeriesAxis(2, 1);
    chart.setSeriesAxis(2, 3); // no such axis: ignored
    chart.sync();
    QCOMPARE(chart.seriesAxis(2), 1);
    for (QLineSeries *series : drawnSeries(chart, 2)) {
        QVERIFY(series->attachedAxes().contains(left));
        QVERIFY(!series->attachedAxes().contains(right));
    }
}

void TestChart::gaps_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Chart::Marker>("marker");
    QTest::addColumn<QList<int>>("runs");
    QTest::addColumn<QPointF>("firstPoint");

    QTest::newRow("no gaps") << QStringLiteral("1 2 3 4") << Chart::Marker::None << QList<int>{4} << QPointF(1, 1);
    QTest::newRow("gap in the middle") << QStringLiteral("1 2 _ 4 5") << Chart::Marker::None << QList<int>{2, 2} << QPointF(1, 1);
    QTest::newRow("partner starts later") << QStringLiteral("_ _ _ 58 58.5 59") << Chart::Marker::None << QList<int>{3} << QPointF(4, 58);
    QTest::newRow("trailing gap") << QStringLiteral("5 6 _ _") << Chart::Marker::None << QList<int>{2} << QPointF(1, 5);
    QTest::newRow("lone point, no marker") << QStringLiteral("1 2 _ 4 _ 6 7") << Chart::Marker::None << QList<int>{2, 2} << QPointF(1, 1);
    QTest::newRow("lone point, circles") << QStringLiteral("1 2 _ 4 _ 6 7") << Chart::Marker::Circle << QList<int>{2, 1, 2} << QPointF(1, 1);
    QTest::newRow("lone point, balls") << QStringLiteral("_ 2 _ 4 5") << Chart::Marker::Ball << QList<int>{1, 2} << QPointF(2, 2);
    QTest::newRow("every other row") << QStringLiteral("1 _ 3 _ 5 _ 7") << Chart::Marker::Circle << QList<int>{1, 1, 1, 1} << QPointF(1, 1);
    QTest::newRow("nothing") << QStringLiteral("_ _ _") << Chart::Marker::None << QList<int>{0} << QPointF();
    QTest::newRow("no rows") << QString() << Chart::Marker::Circle << QList<int>{0} << QPointF();
}

void TestChart::gaps()
{
    QFETCH(QString, pattern);
    QFETCH(Chart::Marker, marker);
    QFETCH(QList<int>, runs);
    QFETCH(QPointF, firstPoint);
    Chart chart;
    chart.setColumnCount(1);
    chart.setSeriesName(1, QStringLiteral("体重"));
    chart.setSeriesMarker(1, marker);
    writeColumn(chart, 1, pattern);
    chart.sync();

    QCOMPARE(runLengths(chart, 1), runs);
    const QList<QLineSeries *> series = drawnSeries(chart, 1);
    if (!firstPoint.isNull())
        QCOMPARE(series.first()->at(0), firstPoint);
    // Every piece looks the same, and the column has one legend entry however many pieces.
    for (QLineSeries *piece : series) {
        QCOMPARE(piece->pen(), series.first()->pen());
        QCOMPARE(piece->pointsVisible(), marker == Chart::Marker::Circle);
    }
    QCOMPARE(visibleLegendEntries(chart, 1), 1);

    // Filling the gaps joins the pieces again, and the spare series go.
    for (int r = 1; r <= chart.rowCount(); ++r)
        chart.setPoint(r, 1, QString::number(r));
    chart.sync();
    QCOMPARE(runLengths(chart, 1), QList<int>{chart.rowCount()});
}

void TestChart::markers_data()
{
    QTest::addColumn<Chart::Marker>("marker");
    QTest::newRow("none") << Chart::Marker::None;
    QTest::newRow("circle") << Chart::Marker::Circle;
    QTest::newRow("ball") << Chart::Marker::Ball;
}

void TestChart::markers()
{
    QFETCH(Chart::Marker, marker);
    Chart chart;
    chart.setColumnCount(2);
    writeColumn(chart, 1, QStringLiteral("1 2 _ 4 5 _ 7 8"));
    writeColumn(chart, 2, QStringLiteral("1 2 _ 4 5 _ 7 8"));
    chart.setSeriesMarker(1, marker);
    chart.sync();

    QCOMPARE(chart.seriesMarker(1), marker);
    QCOMPARE(chart.seriesMarker(2), Chart::Marker::None);
    const QList<QLineSeries *> pieces = drawnSeries(chart, 1);
    QCOMPARE(pieces.size(), 3);
    for (QLineSeries *series : pieces) {
        switch (marker) {
        case Chart::Marker::None:
            QVERIFY(!series->pointsVisible());
            QVERIFY(series->lightMarker().isNull());
            break;
        case Chart::Marker::Circle:
            QVERIFY(series->pointsVisible());
            QVERIFY(series->lightMarker().isNull());
            QVERIFY(series->markerSize() >= 5);
            break;
        case Chart::Marker::Ball:
            QVERIFY(!series->lightMarker().isNull());
            QVERIFY(series->markerSize() >= 8);
            break;
        }
    }
    // The other series keeps its plain line.
    for (QLineSeries *series : drawnSeries(chart, 2)) {
        QVERIFY(!series->pointsVisible());
        QVERIFY(series->lightMarker().isNull());
    }

    // Cycling back to no marker removes the marks from every point.
    chart.setSeriesMarker(1, Chart::Marker::None);
    chart.sync();
    for (QLineSeries *series : drawnSeries(chart, 1)) {
        QVERIFY(!series->pointsVisible());
        QVERIFY(series->lightMarker().isNull());
    }
}

void TestChart::ballIsLitFromTopLeft()
{
    Chart chart;
    chart.setColumnCount(1);
    chart.setSeriesColor(1, QColor(0, 0, 192));
    chart.setSeriesMarker(1, Chart::Marker::Ball);
    writeColumn(chart, 1, QStringLiteral("1 2"));
    chart.sync();
    const QImage ball = drawnSeries(chart, 1).first()->lightMarker();
    QVERIFY(!ball.isNull());
    const int w = ball.width();
    const int h = ball.height();
    // Round: the corners are transparent, the middle is not.
    QCOMPARE(qAlpha(ball.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(ball.pixel(w - 1, h - 1)), 0);
    QCOMPARE(qAlpha(ball.pixel(w / 2, h / 2)), 255);
    // Shaded: bright at the top left, dark at the bottom right, blue in between.
    const QColor highlight = ball.pixelColor(w / 3, h / 3);
    const QColor shadow = ball.pixelColor(w * 3 / 4, h * 3 / 4);
    QVERIFY(highlight.lightness() > shadow.lightness() + 60);
    const QColor body = ball.pixelColor(w / 2, h / 2);
    QVERIFY(body.blue() > body.red() && body.blue() > body.green());
}

void TestChart::nameAndColour()
{
    Chart chart;
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    writeColumn(chart, 1, QStringLiteral("1 2 3"));
    chart.sync();
    QVERIFY(!chart.chart()->legend()->isVisible());

    chart.setSeriesName(1, QStringLiteral("登録者１"));
    chart.setSeriesColor(1, QColor(0, 0, 192));
    chart.setSeriesColor(2, QColor(128, 128, 0));
    chart.sync();
    QLineSeries *series = drawnSeries(chart, 1).first();
    QCOMPARE(series->name(), QStringLiteral("登録者１"));
    QCOMPARE(series->pen().color(), QColor(0, 0, 192));
    QVERIFY(chart.chart()->legend()->isVisible());
    QCOMPARE(visibleLegendEntries(chart, 1), 1);
    QCOMPARE(visibleLegendEntries(chart, 2), 0); // no name, no entry
    // Each axis serves one series and wears its colour.
    QCOMPARE(valueAxis(chart, 1)->linePenColor(), QColor(0, 0, 192));
    QCOMPARE(valueAxis(chart, 1)->labelsColor(), QColor(0, 0, 192));
    QCOMPARE(valueAxis(chart, 2)->linePenColor(), QColor(128, 128, 0));
    // The labels are text: olive reads too faintly on the white plot, a darker olive does.
    const QColor labels = valueAxis(chart, 2)->labelsColor();
    QCOMPARE(labels.hue(), QColor(128, 128, 0).hue());
    QVERIFY(contrastRatio(labels, chart.chart()->backgroundBrush().color()) >= kReadableContrast);

    QCOMPARE(series->pen().width(), 2);
    chart.setSeriesWidth(1, 1);
    chart.sync();
    QCOMPARE(drawnSeries(chart, 1).first()->pen().width(), 1);
    QCOMPARE(drawnSeries(chart, 1).first()->pen().color(), QColor(0, 0, 192));
}

void TestChart::syncsByItself()
{
    Chart chart;
    chart.resize(400, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.setColumnCount(1);
    writeColumn(chart, 1, QStringLiteral("1 2 3 4"));
    // Nothing is redrawn per point; the pass comes from the event loop.
    QCOMPARE(runLengths(chart, 1), QList<int>{0});
    QCoreApplication::processEvents();
    QCOMPARE(runLengths(chart, 1), QList<int>{4});
}

void TestChart::hiddenChartSyncsWhenShown()
{
    Chart chart;
    chart.resize(400, 300);
    chart.setColumnCount(1);
    writeColumn(chart, 1, QStringLiteral("1 2 3"));
    chart.show();
    QCOMPARE(runLengths(chart, 1), QList<int>{3});
    QVERIFY(QTest::qWaitForWindowExposed(&chart));

    chart.setVisible(false);
    writeColumn(chart, 1, QStringLiteral("1 2 3 4 5"));
    chart.setVisible(true);
    QCOMPARE(runLengths(chart, 1), QList<int>{5});
}

void TestChart::grabSyncsFirst()
{
    Chart chart;
    chart.resize(400, 300);
    chart.setColumnCount(1);
    writeColumn(chart, 1, QStringLiteral("1 2 _ 4 5 6"));
    QVERIFY(!chart.grab().isNull());
    QCOMPARE(runLengths(chart, 1), (QList<int>{2, 3}));
}

void TestChart::screenAfterAChangeAsDrawnAfresh_data()
{
    QTest::addColumn<Chart::Marker>("marker");
    QTest::addColumn<QString>("change");
    for (const auto &[name, marker] : {std::pair{"line", Chart::Marker::None}, std::pair{"circles", Chart::Marker::Circle},
                                       std::pair{"balls", Chart::Marker::Ball}}) {
        QTest::addRow("%s, points moved", name) << marker << QStringLiteral("points");
        QTest::addRow("%s, a row added, new ranges", name) << marker << QStringLiteral("row");
        QTest::addRow("%s, point on the new maximum", name) << marker << QStringLiteral("maximum");
    }
}

// What the window system shows after a change is what the chart draws afresh: no mark of a point
// left where it was, none of the new ones cut off. Only the repainted parts of a window reach the
// screen after a change, while grab() paints the whole chart, so the screen's pixels are compared.
void TestChart::screenAfterAChangeAsDrawnAfresh()
{
    QFETCH(Chart::Marker, marker);
    QFETCH(QString, change);
    Chart chart;
    chart.resize(440, 300);
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    chart.setSeriesName(1, QStringLiteral("体重"));
    chart.setSeriesName(2, QStringLiteral("体脂肪率"));
    for (int c = 1; c <= 2; ++c)
        chart.setSeriesMarker(c, marker);
    writeColumn(chart, 1, QStringLiteral("67.1 67.9 67.9 67.8"));
    writeColumn(chart, 2, QStringLiteral("22.8 23.6 22.8 22.8"));
    chart.setAxisRange(1, 67.0, 68.0);
    chart.setAxisRange(2, 22.0, 24.0);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const auto onScreen = [&chart] {
        QTest::qWait(60); // the change's sync, the scene's notice of what changed, and the repaint that follows
        return chart.screen()->grabWindow(chart.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    (void)onScreen();

    if (change == QLatin1String("points")) {
        chart.setPoint(2, 1, QStringLiteral("67.3"));
        chart.setPoint(3, 2, QStringLiteral("23.4"));
    } else {
        chart.setRowCount(5);
        chart.setPoint(5, 1, change == QLatin1String("row") ? QStringLiteral("67.5") : QStringLiteral("69.0"));
        chart.setPoint(5, 2, QStringLiteral("22.9"));
        chart.setAxisRange(1, 67.0, 69.0);
    }
    const QImage shown = onScreen();
    QCOMPARE(shown.size(), chart.size());
    QVERIFY(shown == chart.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestChart::largestChart()
{
    Chart chart;
    chart.setColumnCount(3);
    chart.setSeriesAxis(3, 2);
    chart.setRowCount(32767);
    for (int r = 1; r <= 32767; ++r) {
        chart.setRow(r);
        for (int c = 1; c <= 3; ++c) {
            chart.setColumn(c);
            chart.setData(QString::number(50 + (r % 400) * 0.1 + c, 'f', 1));
        }
    }
    chart.sync();
    QCOMPARE(chart.point(32767, 2), QStringLiteral("88.7"));
    QCOMPARE(chart.value(1, 1), 51.1);
    // The table keeps every point; what is drawn is thinned to far fewer than the rows, from
    // the first row to the last.
    for (int c = 1; c <= 3; ++c) {
        const QList<QLineSeries *> series = drawnSeries(chart, c);
        QCOMPARE(series.size(), 1);
        QVERIFY(series.first()->count() <= 2050);
        QVERIFY(series.first()->count() >= 1024);
        QCOMPARE(series.first()->at(0).x(), 1.0);
        QCOMPARE(series.first()->points().last(), QPointF(32767, *chart.value(32767, c)));
    }
}

void TestChart::thinningKeepsPeaks_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("thinned");

    QTest::newRow("short enough to draw whole") << 4096 << false;
    QTest::newRow("long") << 4097 << true;
    QTest::newRow("longest") << 32767 << true;
}

void TestChart::thinningKeepsPeaks()
{
    QFETCH(int, rows);
    QFETCH(bool, thinned);
    Chart chart;
    chart.setColumnCount(1);
    chart.setRowCount(rows);
    for (int r = 1; r <= rows; ++r)
        chart.setPoint(r, 1, QString::number(60 + (r % 7) * 0.1, 'f', 1));
    chart.setPoint(777, 1, QStringLiteral("10"));
    chart.setPoint(rows - 100, 1, QStringLiteral("90"));
    chart.sync();

    const QList<QLineSeries *> series = drawnSeries(chart, 1);
    QCOMPARE(series.size(), 1);
    const QList<QPointF> points = series.first()->points();
    QCOMPARE(points.size() < rows, thinned);
    QVERIFY(points.contains(QPointF(777, 10)));
    QVERIFY(points.contains(QPointF(rows - 100, 90)));
    QCOMPARE(points.first().x(), 1.0);
    QCOMPARE(points.last().x(), double(rows));
    for (qsizetype i = 1; i < points.size(); ++i)
        QVERIFY(points[i].x() > points[i - 1].x());
    // The lowest and the highest value of the column stay in the drawn line.
    const auto [low, high] = std::minmax_element(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QCOMPARE(low->y(), 10.0);
    QCOMPARE(high->y(), 90.0);
}

void TestChart::clicked_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left button") << Qt::LeftButton << 1;
    QTest::newRow("right button") << Qt::RightButton << 0;
}

void TestChart::clicked()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    Chart chart;
    chart.resize(400, 300);
    chart.setColumnCount(1);
    writeColumn(chart, 1, QStringLiteral("1 2 3"));
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy spy(&chart, &Chart::clicked);
    QTest::mouseClick(chart.viewport(), button, {}, chart.viewport()->rect().center());
    QCOMPARE(spy.count(), clicks);
    QTest::mouseClick(chart.viewport(), button, {}, QPoint(5, 5));
    QCOMPARE(spy.count(), 2 * clicks);
}

PMLINA_UI_TEST_MAIN(TestChart)

#include "tst_chart.moc"
