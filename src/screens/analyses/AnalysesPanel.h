#pragma once

#include "screens/analyses/AnalysisRows.h"

#include <QFrame>

#include <array>
#include <memory>

class Grid;
class PeriodList;
class QGroupBox;
class QLabel;
class QRadioButton;

// The analysis lists (fraBunseki), each in its own frame: the weights in time order (msgB1), the
// break progress (msgB2), the running mean (msgB3), the weight ranking (msgB4), and the week
// and month averages of both partners (msgB5). The panel puts computed rows into its grids; its
// controller decides what.
class AnalysesPanel : public QFrame
{
    Q_OBJECT
public:
    explicit AnalysesPanel(QWidget *parent = nullptr);

    // Every grid reduced to its heading row, with its headings, widths and alignments.
    void setupGrids();
    // The grid shows the list; with more than `scrollAbove` rows in all (the heading included)
    // it scrolls to its last row. A negative threshold never scrolls.
    void showList(Grid *grid, std::shared_ptr<const AnalysisList> list, int scrollAbove);
    void setHeading(Grid *grid, int col, const QString &text);
    // The week or month averages, newest first, at the top.
    void showPeriodList(std::shared_ptr<const PeriodList> list);

    Grid *msgB1;
    Grid *msgB2;
    Grid *msgB3;
    Grid *msgB4;
    Grid *msgB5;
    QGroupBox *fraB4;
    // Option1(0) "前回との差", Option1(1) "初回との差"; Option2(0) 1.0 kg bands, Option2(1) 0.5 kg.
    std::array<QRadioButton *, 2> Option1{};
    std::array<QRadioButton *, 2> Option2{};
    // Option3(0) "週ごと", Option3(1) "月ごと".
    std::array<QRadioButton *, 2> Option3{};
    // Label5(0) under the break progress, Label5(1) under the running mean.
    std::array<QLabel *, 2> Label5{};
};
