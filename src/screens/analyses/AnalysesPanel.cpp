#include "screens/analyses/AnalysesPanel.h"

#include "ui/PendingNotice.h"

#include <QVBoxLayout>

AnalysesPanel::AnalysesPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraBunseki"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pendingNotice(this));
}
