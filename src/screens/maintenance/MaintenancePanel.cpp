#include "screens/maintenance/MaintenancePanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

MaintenancePanel::MaintenancePanel(QWidget *parent)
    : QFrame(parent)
    , m_editorRow(new QWidget(this))
{
    setObjectName(QStringLiteral("fraSettei"));
}

void MaintenancePanel::arrange(const Frames &frames)
{
    // The two frames of buttons share a row, so that the registration form below them still
    // leaves the settings in view on a small screen.
    auto *left = new QGridLayout;
    left->addWidget(frames.registration, 0, 0);
    left->addWidget(frames.csv, 0, 1);
    left->addWidget(frames.registrationForm, 1, 0, 1, 2);
    left->addWidget(frames.settings, 2, 0, 1, 2);
    left->setRowStretch(3, 1);
    auto *editors = new QHBoxLayout(m_editorRow);
    editors->setContentsMargins(0, 0, 0, 0);
    editors->addWidget(frames.situations);
    editors->addWidget(frames.profile);
    auto *right = new QVBoxLayout;
    right->addWidget(frames.meter);
    right->addWidget(m_editorRow);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}
