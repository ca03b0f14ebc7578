#pragma once

#include "screens/diary/CommentList.h"

#include <QFrame>

#include <memory>

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
    // One row for each record, its mark coloured; a long list is scrolled to its newest rows.
    // The cells are made from `records` when they are shown, so the list reads what the records
    // hold at that moment.
    void showList(std::shared_ptr<const QList<Measurement>> records);
    // A record's comment was changed in `records`: the list shows it.
    void showChangedComment();

    Grid *msgMemoList;
    QLineEdit *txtMemo;
    QPushButton *cmdMemoHozon;
    QPlainTextEdit *txtKizuki;
    QPushButton *cmdKizukiHozon;
};
