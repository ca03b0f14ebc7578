#include "screens/diary/DiaryPanel.h"

#include "ui/PendingNotice.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

DiaryPanel::DiaryPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraMemo"));
    auto *memo = new QGroupBox(QStringLiteral("気付きメモ"), this);
    txtKizuki = new QPlainTextEdit(memo);
    txtKizuki->setObjectName(QStringLiteral("txtKizuki"));
    txtKizuki->setReadOnly(true);
    auto *box = new QVBoxLayout(memo);
    box->addWidget(txtKizuki);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(pendingNotice(this), 1);
    layout->addWidget(memo, 1);
}
