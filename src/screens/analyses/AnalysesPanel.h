#pragma once

#include <QFrame>

// The four analysis lists (fraBunseki); their content comes later.
class AnalysesPanel : public QFrame
{
    Q_OBJECT
public:
    explicit AnalysesPanel(QWidget *parent = nullptr);
};
