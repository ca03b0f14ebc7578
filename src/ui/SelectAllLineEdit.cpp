#include "ui/SelectAllLineEdit.h"

#include <QFocusEvent>

void SelectAllLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    m_justFocused = event->reason() == Qt::MouseFocusReason;
}

void SelectAllLineEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    // The click that brought the focus would otherwise place the cursor and drop the selection.
    if (m_justFocused)
        selectAll();
    m_justFocused = false;
}
