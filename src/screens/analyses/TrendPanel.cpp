#include "screens/analyses/TrendPanel.h"

#include "ui/PendingNotice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TrendPanel::TrendPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraRenTai"));
    cboIdou = new QComboBox(this);
    cboIdou->setObjectName(QStringLiteral("cboIdou"));
    cboIdou->setEditable(true);
    cboIdou->setEnabled(false);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("移動平均"), this));
    row->addWidget(cboIdou);
    row->addWidget(new QLabel(QStringLiteral("回分"), this));
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(pendingNotice(this), 1);
}
