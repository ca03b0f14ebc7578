#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "ui/Chart.h"
#include "ui/Colors.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QStringList>

#include <vector>

// The largest list and the largest graph a screen can build: 32,767 rows, filled cell by cell
// and point by point through the same calls the screens make.

namespace {

constexpr int dataRows = 32767;
constexpr int gridCols = 12;
constexpr int chartColumns = 3;
constexpr int distinctTexts = 997; // texts are made beforehand, so only the controls are timed

std::vector<QStringList> gridTexts()
{
    std::vector<QStringList> texts(gridCols);
    for (int i = 0; i < distinctTexts; ++i) {
        const double weight = 55.0 + (i % 250) * 0.1;
        texts[0].append(QString::number(i + 1));
        texts[1].append(QStringLiteral("%1/%2/%3").arg(3 + i % 20, 2, 10, QLatin1Char('0')).arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        texts[2].append(QStringLiteral("日月火水木金土").mid(i % 7, 1));
        texts[3].append(i % 3 ? QStringLiteral("朝食前") : QStringLiteral("入浴後（散歩）"));
        texts[4].append(QString::number(weight, 'f', 1) + QStringLiteral("Kg"));
        texts[5].append(QString::number((i % 21 - 10) * 0.1, 'f', 1) + QStringLiteral("Kg"));
        texts[6].append(QStringLiteral("↑→↓").mid(i % 3, 1));
        texts[7].append(QString::number((i % 41 - 20) * 0.1, 'f', 1) + QStringLiteral("Kg"));
        texts[8].append(QStringLiteral("↑→↓").mid((i + 1) % 3, 1));
        texts[9].append(QString::number(weight / 2.9584, 'f', 1));
        texts[10].append(QString::number((weight - 65.0) / 65.0 * 100.0, 'f', 1) + QStringLiteral("%"));
        texts[11].append(QString::number(18.0 + (i % 70) * 0.1, 'f', 1) + QStringLiteral("%"));
    }
    return texts;
}

void benchGrid()
{
    const std::vector<QStringList> texts = gridTexts();
    const Bgr marks[] = {Colour::lightRed, Colour::lightYellow, Colour::lightGreen};

    Grid grid;
    grid.resize(569, 149); // the history list: 8535 × 2230 twips
    grid.show();
    QCoreApplication::processEvents();

    bench({QStringLiteral("grid_fill"), [&] {
        grid.setRows(1);
        grid.setCols(gridCols);
        grid.setFixedCols(1);
        for (int c = 0; c < gridCols; ++c) {
            grid.setTextMatrix(0, c, QStringLiteral("見出し%1").arg(c));
            grid.setColWidth(c, 700);
            grid.setHeadingAlignment(c, Grid::Align::Center);
        }
        grid.setRows(dataRows + 1);
        for (int r = 1; r <= dataRows; ++r) {
            const int t = r % distinctTexts;
            for (int c = 0; c < gridCols; ++c) {
                if (c == 6 || c == 8) {
                    // The arrow columns go through the current cell, with their colour.
                    grid.setRow(r);
                    grid.setCol(c);
                    grid.setText(texts[std::size_t(c)].at(t));
                    grid.setCellBackColor(marks[(t + c) % 3]);
                } else {
                    grid.setTextMatrix(r, c, texts[std::size_t(c)].at(t));
                }
            }
        }
        grid.setTopRow(dataRows + 1);
        // The one change notice, the layout and the paint that follow.
        QCoreApplication::processEvents();
    }});

    const int last = dataRows % distinctTexts;
    check(grid.rows() == dataRows + 1, "grid rows");
    check(grid.textMatrix(dataRows, 11) == texts[11].at(last), "grid last cell");
    check(grid.textMatrix(dataRows, 6) == texts[6].at(last), "grid current-cell write");
    check(grid.cellBackColor(dataRows, 8) == marks[(last + 8) % 3], "grid colour");
    check(grid.topRow() > dataRows - 20, "grid scrolled to the end");
}

void benchChart()
{
    QStringList values;
    for (int i = 0; i < distinctTexts; ++i)
        values.append(QString::number(50.0 + (i % 300) * 0.1, 'f', 1));

    Chart chart;
    chart.resize(568, 285); // the history graph: 8520 × 4275 twips
    chart.setColumnCount(chartColumns);
    chart.setSeriesAxis(2, 2);
    chart.setSeriesMarker(1, Chart::Marker::Circle);
    chart.setAxisRange(1, 50, 80);
    chart.setAxisRange(2, 10, 30);
    chart.show();
    QCoreApplication::processEvents();

    bench({QStringLiteral("chart_fill"), [&] {
        chart.setRowCount(0);
        chart.setRowCount(dataRows);
        for (int r = 1; r <= dataRows; ++r) {
            chart.setRow(r);
            for (int c = 1; c <= chartColumns; ++c) {
                chart.setColumn(c);
                chart.setData(values.at((r + 7 * c) % distinctTexts));
            }
        }
        chart.sync();
    }});

    check(chart.rowCount() == dataRows, "chart rows");
    for (int c = 1; c <= chartColumns; ++c)
        check(chart.point(dataRows, c) == QString::number(values.at((dataRows + 7 * c) % distinctTexts).toDouble(), 'g', 15), "chart last point");

    // One point changed on the shown chart, up to the repaint that shows it.
    int turn = 0;
    bench({QStringLiteral("chart_change_shown"), [&] {
        chart.setPoint(dataRows / 2, 1, ++turn % 2 ? QStringLiteral("79.9") : QStringLiteral("50.1"));
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }});
}

// The entry screen's day graph: a save adds a measurement and the axes follow it, shown at once.
void benchDayGraph()
{
    Chart chart;
    chart.resize(510, 290);
    chart.setColumnCount(2);
    chart.setSeriesAxis(2, 2);
    chart.setSeriesName(1, QStringLiteral("体重"));
    chart.setSeriesName(2, QStringLiteral("体脂肪率"));
    chart.setSeriesMarker(1, Chart::Marker::Circle);
    chart.setSeriesMarker(2, Chart::Marker::Circle);
    chart.show();
    QCoreApplication::processEvents();

    int turn = 0;
    bench({QStringLiteral("day_graph_save_shown"), [&] {
        const int rows = 4 + ++turn % 2;
        chart.setRowCount(0);
        chart.setRowCount(rows);
        for (int r = 1; r <= rows; ++r) {
            chart.setPoint(r, 1, QString::number(67.0 + r * 0.2, 'f', 1));
            chart.setPoint(r, 2, QString::number(22.5 + r * 0.1, 'f', 1));
        }
        chart.setAxisRange(1, 67.0, rows == 5 ? 69.0 : 68.0);
        chart.setAxisRange(2, 22.0, 24.0);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }});
    check(chart.rowCount() == 4 || chart.rowCount() == 5, "day graph rows");
}

} // namespace

int main(int argc, char **argv)
{
    BenchStart<QApplication> start(argc, argv, 0);
    benchGrid();
    benchChart();
    benchDayGraph();
    return 0;
}
