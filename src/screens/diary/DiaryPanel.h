#pragma once

#include <QFrame>

class QPlainTextEdit;

// The comment diary and the free memo (fraMemo). The comment list comes later; the memo read at
// start-up is shown, read-only until it can be saved from here.
class DiaryPanel : public QFrame
{
    Q_OBJECT
public:
    explicit DiaryPanel(QWidget *parent = nullptr);

    QPlainTextEdit *txtKizuki;
};
