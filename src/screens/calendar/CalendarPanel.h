#pragma once

#include "screens/calendar/CalendarMonths.h"

#include <QFrame>

#include <array>

class Grid;
class QLabel;
class QPushButton;
class Shape;

// The month calendar of daily change (fraCale): the grid of months and days, the two view
// buttons, the day counters with the comparison of good and bad days, and the three faces.
class CalendarPanel : public QFrame
{
    Q_OBJECT
public:
    explicit CalendarPanel(QWidget *parent = nullptr);

    // Empties the grid to its heading row, with headings, widths and alignments.
    void resetGrid();
    // Month rows and day colours, in the colours of the view.
    void showDays(const CalendarData &data, CalendarView view);
    void showSummary(const CalendarSummary &summary);
    // Marks the button of the view, and the colour key beside the counters follows it.
    void showView(CalendarView view);

    Grid *msgList2;
    std::array<QPushButton *, 2> cmdSel1;
    QLabel *lblDn_c;
    QLabel *lblUp_c;
    QLabel *lblSm_c;
    QLabel *lblOne_c;
    QLabel *lblNon_c;
    QLabel *lblGenT;
    QLabel *lblZouT;
    QLabel *lblHugou;
    QLabel *imgWara2;
    QLabel *imgNiko2;
    QLabel *imgKana2;

private:
    // The colour key of the four counters: decreased, unchanged, increased, once.
    std::array<::Shape *, 4> m_keys;
};
