#pragma once

#include <QWidget>

// The picture shown while the program reads its files (frmSplash). It has no logic.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
