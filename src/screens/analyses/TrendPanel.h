#pragma once

#include <QFrame>

class QComboBox;

// The whole-period trend graph (fraRenTai). The graph comes later; the size of the moving
// average is already read at start-up into cboIdou.
class TrendPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TrendPanel(QWidget *parent = nullptr);

    QComboBox *cboIdou;
};
