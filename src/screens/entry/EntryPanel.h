#pragma once

#include <QFrame>

#include <array>

class Chart;
class Grid;
class MonthCalendar;
class QLabel;
class QLineEdit;
class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class Shape;
struct EntryDay;

// The entry screen: the controls of the panel and how a computed day is put into them. The
// main window owns the panel and handles its events.
class EntryPanel : public QFrame
{
    Q_OBJECT
public:
    explicit EntryPanel(QWidget *parent = nullptr);

    // Empties the day list to its heading row, with headings, widths and alignments.
    void resetDayList();
    // The list, graph, status labels and face of a day; the list scrolls to its newest rows.
    void showDay(const EntryDay &day);
    // The situation list shows no choice: the chosen situation is empty, or another way chose it.
    void showNoSituationChosen();
    // 0 no marker, 1 circle, 2 three-dimensional ball, on both series.
    void applyMarkerStyle(int style);
    // The small BMI gauge: the pointer's left edge in twips, and the judgement label.
    void placeGaugePointer(double leftTwips);
    void showJudgement(const QString &text, quint32 colour);

    MonthCalendar *mtvmain;
    QListWidget *lstAct;
    QPushButton *cmdJikan;
    QPushButton *cmdFree;
    QLineEdit *txtTaiInp;
    QLineEdit *txtShiInp;
    QPushButton *cmdUp;
    QPushButton *cmdDn;
    QPushButton *cmdUp1;
    QPushButton *cmdDn1;
    QPushButton *cmdTaiHozon;
    Grid *msgDayList;
    QPushButton *cmdShusei;
    QPushButton *cmdSakujo;
    QMenu *mnuDayList; // the day list's context menu
    QAction *actShusei;
    QAction *actSakujo;
    Chart *mcrMain;
    QRadioButton *optTai;
    QRadioButton *optShi;
    QRadioButton *optKon;
    QLabel *lblDspNissuu;
    QLabel *lblDspTai;
    QLabel *lblDspBmi;
    QLabel *lblDspHiman;
    QLabel *imgwara;
    QLabel *imgniko;
    QLabel *imgkana;
    QLabel *imgNashi;
    std::array<::Shape *, 5> Shape1;
    QLabel *Image1;
    QLabel *lblMHyouka;

private:
    QWidget *buildGauge();
};
