#include "screens/calendar/CalendarPanel.h"

#include "ui/PendingNotice.h"

#include <QVBoxLayout>

CalendarPanel::CalendarPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraCale"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pendingNotice(this));
}
