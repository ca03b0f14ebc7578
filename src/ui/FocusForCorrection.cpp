#include "ui/FocusForCorrection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void focusForCorrection(QWidget *box)
{
    if (!box)
        return;
    box->setFocus(Qt::OtherFocusReason);
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->selectAll();
}
