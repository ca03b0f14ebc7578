#pragma once

#include "screens/comparison/ComparisonData.h"

#include <QWidget>

#include <array>

class Chart;
class Grid;
class QGroupBox;
class QLabel;
class QRadioButton;
class Shape;

// The comparison screen fraAvgTai, shown at start-up: the scoreboard of both partners in the
// upper half, the daily averages as a list and in two kinds of graph in the lower half. The
// panel puts computed figures into its controls; its controller decides what to show.
class ComparisonPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ComparisonPanel(QWidget *parent = nullptr);

    // The list reduced to its heading row, with the headings, widths and alignments.
    void SetupAverageGrid();
    void fillList(const DailyAverages &days);
    void fillSeparateAxesGraph(const DailyAverages &days, const ComparisonPartners &partners);
    void fillScoreboard(const Scoreboard &board);
    void applySeparateAxes(const SeparateAxes &axes);
    SeparateAxes currentSeparateAxes() const;
    void showSameAxisGraph(const SameAxisGraph &graph);
    // optGra1 (same axis) or optGra2 (separate axes): which graph and which options frame show.
    void showGraphKind(bool sameAxis);
    // Both partners' target forecasts, in the room right of the graph options.
    void showCoupleForecast(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QRadioButton *optG1 = nullptr;
    QRadioButton *optG2 = nullptr;
    QRadioButton *optG3 = nullptr;
    QRadioButton *optG4 = nullptr;
    QRadioButton *optGra1 = nullptr;
    QRadioButton *optGra2 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildScoreboard();
    void buildLowerHalf();
    void placeLowerHalf();

    QLabel *place(QLabel *label, int left, int top, int width, int height);

    std::array<QLabel *, ScoreRowCount> m_lblD1{};
    std::array<QLabel *, ScoreRowCount> m_lblD2{};
    std::array<QLabel *, ScoreRowCount> m_imgD1{};
    std::array<QLabel *, ScoreRowCount> m_imgD2{};
    Shape *m_shareWhole = nullptr; // shpMirte(1)
    Shape *m_sharePart = nullptr;  // shpMirte(0)

    Grid *m_list = nullptr;          // msgAvgtai
    Chart *m_separate = nullptr;     // mcrAvgtai
    Chart *m_sameAxis = nullptr;     // mcrAvgtai2
    QGroupBox *m_fraDgr = nullptr;
    QGroupBox *m_fraDgr2 = nullptr;
    QLabel *m_forecast = nullptr; // lblFutariYosoku
};
