#pragma once

#include <QFrame>

class QListWidget;

// The history screen (fraTaijyu). Its filters and list come later; the situation filter list
// already follows the shared situation list.
class HistoryPanel : public QFrame
{
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget *parent = nullptr);

    QListWidget *lstAct2;
};
