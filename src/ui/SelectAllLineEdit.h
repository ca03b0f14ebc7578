#pragma once

#include <QLineEdit>

// A text box that selects its whole text when it gets the focus, however it gets it, so that
// typing replaces the pre-filled value.
class SelectAllLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_justFocused = false;
};
