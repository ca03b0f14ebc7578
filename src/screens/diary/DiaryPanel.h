#pragma once

#include "screens/diary/CommentList.h"

#include <QFrame>

class Grid;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The comment diary and the free memo (fraMemo): the list of every measurement with its
// comment, the box in which the chosen comment is edited, and the memo.
class DiaryPanel : public QFrame
{
    Q_OBJECT
public:
    explicit DiaryPanel(QWidget *parent = nullptr);

    // Empties the list to its heading row, with headings, widths and alignments.
    void resetList();
    // Filling the list: its length first, then each row with its mark coloured, then a long list
    // is scrolled to its newest rows.
    void setRowCount(int count);
    void showRow(int row, CommentRow &&values);
    void scrollToNewest();

    Grid *msgMemoList;
    QLineEdit *txtMemo;
    QPushButton *cmdMemoHozon;
    QPlainTextEdit *txtKizuki;
    QPushButton *cmdKizukiHozon;
};
