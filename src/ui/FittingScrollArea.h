#pragma once

#include <QScrollArea>

// Holds the window's content and scrolls it only where the window cannot be as large as the
// content needs: it asks for the content's least size as far as `room` (the screen's) allows,
// so the window cannot be made smaller than its controls while the screen has room for them.
class FittingScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit FittingScrollArea(QWidget *parent = nullptr);

    void setRoom(const QSize &room);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;

private:
    QSize m_room;
};
