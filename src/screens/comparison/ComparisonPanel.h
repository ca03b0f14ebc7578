#pragma once

#include "screens/comparison/ComparisonData.h"
#include "store/DataFolder.h"

#include <QWidget>

#include <array>

class Chart;
class Grid;
class QGroupBox;
class QLabel;
class QRadioButton;
class Shape;

// The comparison screen fraAvgTai, shown at start-up: the scoreboard of both partners in the
// upper half, the daily averages as a list and in two kinds of graph in the lower half.
class ComparisonPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ComparisonPanel(QWidget *parent = nullptr);

    // The list reduced to its heading row, with the headings, widths and alignments.
    void SetupAverageGrid();
    // Reads both data files and rebuilds the whole screen. The option buttons keep their choice,
    // and the graphs are drawn the way the chosen options say.
    void ShowComparison(const DataFolder &folder, const ComparisonPartners &partners);

    QSize sizeHint() const override;

Q_SIGNALS:
    // optGra1 or optGra2 chosen by the user: the explanation of that graph, for the help tour.
    void helpTextChosen(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildScoreboard();
    void buildLowerHalf();
    void placeLowerHalf();

    void fillList();
    void fillSeparateAxesGraph();
    void fillScoreboard();
    void applyLowerBound();
    void CopyToSameAxisChart();
    void showSameAxisGraph();
    void applySeparateAxes(const SeparateAxes &axes);
    SeparateAxes currentSeparateAxes() const;

    void optG1_Click();
    void optG2_Click();
    void optG3_Click();
    void optG4_Click();
    void optGra1_Click();
    void optGra2_Click();

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
    QRadioButton *m_optG1 = nullptr;
    QRadioButton *m_optG2 = nullptr;
    QRadioButton *m_optG3 = nullptr;
    QRadioButton *m_optG4 = nullptr;
    QRadioButton *m_optGra1 = nullptr;
    QRadioButton *m_optGra2 = nullptr;

    // Kept until the next rebuild: the graphs are redrawn from these when an option is chosen.
    ComparisonPartners m_partners;
    ComparisonData m_data;
    SameAxisGraph m_sameAxisData; // what mcrAvgtai2 holds now
};
