#pragma once

#include "diary/Forecast.h"
#include "screens/analyses/TrendSummary.h"
#include "ui/Colors.h"

#include <QFrame>

#include <vector>

class Chart;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The whole-period trend graph (fraRenTai): the raw weight, its moving average and the body
// fat of every measurement, the summary labels, the target button and the size of the moving
// average. The panel puts computed figures into its controls; its controller decides what.
class TrendPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TrendPanel(QWidget *parent = nullptr);

    // One graph row per measurement: weight, moving average (where it has a value), body fat;
    // after them the rows of the forecast's dashed line, when there is one.
    void showSeries(const TrendData &trend, const std::vector<double> &average,
                    const std::optional<ForecastProjection> &projection);
    // The dashed line alone, after the `count` rows of the measurements; the graph has only as
    // many rows as the line shows.
    void showProjection(int count, const std::optional<ForecastProjection> &projection);
    // The forecast's sentence beside the target button (empty without records or target), and
    // under it the weekly rate's.
    void showForecast(const QString &text);
    void showWeeklyRate(const QString &text);
    // Labels, target caption and axis ranges; with no measurement the labels are emptied and the
    // axes stay as they were.
    void showSummary(const TrendSummary &summary);
    void setWeightAxisMinimum(int minimum);
    void setMokuChkColour(Bgr colour);

    QLabel *lblNichis;
    QLabel *lblKiro;
    QLabel *lblYosoku;
    QLabel *lblShuHenka;
    QPushButton *cmdMokuChk;
    QComboBox *cboIdou;
    Chart *mcrRentai;
    QRadioButton *optTai1;
    QRadioButton *optShi1;
    QRadioButton *optKon1;
};
