#pragma once

#include <QFrame>

#include <array>
#include <memory>

class Chart;
class Grid;
class HistoryListing;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStringListModel;

// The history screen (fraTaijyu): the list and the chart of the listed measurements, and the
// three filters beside them (situation, weekday, period). The panel puts a listing into its
// controls; its controller decides which.
class HistoryPanel : public QFrame
{
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget *parent = nullptr);

    // Empties the list to its heading row and writes headings, widths and alignments.
    void SetUpHistoryGrid();
    // The listing's rows, arrow colours and chart points; the list scrolls to its newest rows
    // when it has more than the listing's limit. Without a row the axes keep their ranges.
    void showListing(std::shared_ptr<const HistoryListing> listing);
    // The drop-down lists of both date boxes; the boxes are set to the first and the last date.
    void setDateLists(const QStringList &dates);
    // The texts of the two date boxes.
    void setPeriod(const QString &firstDay, const QString &lastDay);

    // Every button whose colour marks a choice, for giving them the face colour.
    std::array<QPushButton *, 10> periodButtons() const;

    Grid *msgBunseki;
    Chart *mcrBunseki;
    QRadioButton *optKon2;
    QRadioButton *optTai2;
    QRadioButton *optShi2;
    std::array<QLabel *, 3> Label7;
    QPushButton *cmdAllact;
    QListWidget *lstAct2;
    QLineEdit *txtKey;
    QPushButton *cmdAllWeek;
    std::array<QPushButton *, 7> cmdWeek;
    QPushButton *cmdAllDay;
    QPushButton *cmdKikan1;
    QPushButton *cmdKikan2;
    QPushButton *cmdKikan3;
    QPushButton *cmdKikan4;
    QPushButton *cmdKikan5;
    QPushButton *cmdKikan6;
    QPushButton *cmdKikan7;
    QPushButton *cmdKikan8;
    QComboBox *cboStdate;
    QPushButton *cmdKikanF;
    QLabel *Label4;
    QComboBox *cboEddate;

private:
    QWidget *buildFilters();

    // The entries of both date lists, which always show the same dates.
    QStringListModel *m_dates;
};
