#include "screens/entry/RecordEditDialog.h"

#include "ui/FocusForCorrection.h"
#include "ui/Named.h"
#include "ui/SelectAllLineEdit.h"
#include "ui/WindowPlacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A value box with its unit after it.
QHBoxLayout *withUnit(QLineEdit *box, const QString &unit)
{
    auto *row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(new QLabel(unit));
    row->addStretch();
    return row;
}

} // namespace

RecordEditDialog::RecordEditDialog(const QString &heading, const QStringList &situations, const RecordFields &fields, Check check,
                                   QWidget *parent)
    : QDialog(parent)
    , m_check(std::move(check))
{
    setObjectName(QStringLiteral("frmShusei"));
    setWindowTitle(QStringLiteral("記録の修正"));

    cboShuseiAct = named(new QComboBox(this), "cboShuseiAct");
    cboShuseiAct->setEditable(true);
    // A typed situation is this record's only; the list is kept on the maintenance screen.
    cboShuseiAct->setInsertPolicy(QComboBox::NoInsert);
    cboShuseiAct->addItems(situations);
    cboShuseiAct->setCurrentIndex(-1);
    cboShuseiAct->setEditText(fields.situation);
    cboShuseiAct->setAccessibleName(QStringLiteral("状況"));
    cboShuseiAct->lineEdit()->setObjectName(QStringLiteral("cboShuseiActText"));
    cboShuseiAct->lineEdit()->setAccessibleName(QStringLiteral("状況"));
    cboShuseiAct->setMinimumContentsLength(16);

    txtShuseiTai = named(new SelectAllLineEdit(fields.weight, this), "txtShuseiTai");
    txtShuseiTai->setAccessibleName(QStringLiteral("体重（Kg）"));
    txtShuseiShi = named(new SelectAllLineEdit(fields.bodyFat, this), "txtShuseiShi");
    txtShuseiShi->setAccessibleName(QStringLiteral("体脂肪率（%）"));
    for (QLineEdit *box : {txtShuseiTai, txtShuseiShi})
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) * 2);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("状況"), cboShuseiAct);
    form->addRow(QStringLiteral("体重"), withUnit(txtShuseiTai, QStringLiteral("Kg")));
    form->addRow(QStringLiteral("体脂肪率"), withUnit(txtShuseiShi, QStringLiteral("%")));

    auto *buttons = new QDialogButtonBox(this);
    cmdShuseiOk = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "cmdShuseiOk");
    cmdShuseiCancel = named(buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole), "cmdShuseiCancel");
    cmdShuseiOk->setDefault(true);
    // OK closes only once the fields can be stored.
    connect(cmdShuseiOk, &QPushButton::clicked, this, &RecordEditDialog::tryAccept);
    connect(cmdShuseiCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *headingLabel = new QLabel(heading, this);
    headingLabel->setObjectName(QStringLiteral("lblShuseiKiroku"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // Wide enough that the window manager shows the whole title.
    setMinimumWidth(titleBarRoom(windowTitle(), this));
}

void RecordEditDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A typo is mostly in the weight: it has the focus, ready to be typed over.
    txtShuseiTai->setFocus(Qt::OtherFocusReason);
}

RecordFields RecordEditDialog::fields() const
{
    return {cboShuseiAct->currentText(), txtShuseiTai->text(), txtShuseiShi->text()};
}

void RecordEditDialog::tryAccept()
{
    if (const std::optional<SaveField> failed = m_check(fields())) {
        switch (*failed) {
        case SaveField::Situation: focusForCorrection(cboShuseiAct->lineEdit()); break;
        case SaveField::Weight: focusForCorrection(txtShuseiTai); break;
        case SaveField::BodyFat: focusForCorrection(txtShuseiShi); break;
        }
        return;
    }
    accept();
}
