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
    // The rows, their marks coloured; a long list shows its newest rows.
    void showRows(const QList<CommentRow> &rows);

    Grid *msgMemoList;
    QLineEdit *txtMemo;
    QPushButton *cmdMemoHozon;
    QPlainTextEdit *txtKizuki;
    QPushButton *cmdKizukiHozon;
};
