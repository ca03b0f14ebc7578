#include "screens/history/HistoryPanel.h"

#include "ui/PendingNotice.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

HistoryPanel::HistoryPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraTaijyu"));
    auto *situations = new QGroupBox(QStringLiteral("状況"), this);
    lstAct2 = new QListWidget(situations);
    lstAct2->setObjectName(QStringLiteral("lstAct2"));
    lstAct2->setAccessibleName(QStringLiteral("状況で絞り込む"));
    auto *box = new QVBoxLayout(situations);
    box->addWidget(lstAct2);
    situations->setMaximumWidth(220);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(situations);
    layout->addWidget(pendingNotice(this), 1);
}
