#include "screens/maintenance/MaintenanceController.h"

#include "screens/maintenance/MaintenancePanel.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/NumberText.h"
#include "store/SettingsFiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
QString presetStep(int index)
{
    switch (index) {
    case 1: return QStringLiteral("0.1");
    case 2: return QStringLiteral("0.2");
    case 3: return QStringLiteral("0.5");
    default: return QString();
    }
}
} // namespace

MaintenanceController::MaintenanceController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new MaintenancePanel(panelParent))
{
    m_ctx.situations.add(m_panel->lstKoumoku);
    connectControls();
    connectSituationEditor();
    connectProfileEditor();
    connectCsvControls();
}

QWidget *MaintenanceController::panel() const
{
    return m_panel;
}

void MaintenanceController::connectControls()
{
    MaintenancePanel *p = m_panel;
    connect(p->chkJikan, &QCheckBox::clicked, this, &MaintenanceController::chkJikan_Click);
    for (int i = 1; i <= 3; ++i) {
        connect(p->optKizami[i], &QRadioButton::clicked, this, [this, i] { optKizami_Click(i); });
        connect(p->optKizami1[i], &QRadioButton::clicked, this, [this, i] { optKizami1_Click(i); });
    }
    connect(p->txtKizami, &QLineEdit::returnPressed, this, &MaintenanceController::txtKizami_Enter);
    connect(p->txtKizami2, &QLineEdit::returnPressed, this, &MaintenanceController::txtKizami2_Enter);
    connect(p->HScroll1, &QScrollBar::valueChanged, this, &MaintenanceController::UpdateBmiMeter);
    connect(p->cmdNew1, &QPushButton::clicked, this, &MaintenanceController::cmdNew1_Click);
    connect(p->cmdStHozon, &QPushButton::clicked, this, &MaintenanceController::cmdStHozon_Click);
    connect(p->cmdYame, &QPushButton::clicked, this, &MaintenanceController::cmdYame_Click);
    // Enter moves on through the registration form, as far as the register button.
    const QList<QWidget *> order = {p->txtPriData1, p->txtSincyou1, p->txtMokuTai1, p->txtNowTai, p->txtNowShi, p->txtNowJyou, p->cmdStHozon};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i + 1];
        connect(static_cast<QLineEdit *>(order[i]), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
    }
}

void MaintenanceController::prepareAfterHiding()
{
    fillProfileBoxes();
    prepareSituationEditor();
}

void MaintenanceController::refreshForPartner()
{
    fillProfileBoxes();
    prepareSituationEditor();
    m_ctx.shell.refreshBodyMetrics();
}

void MaintenanceController::fillProfileBoxes()
{
    const PartnerProfile &profile = m_ctx.session.profile();
    m_panel->txtPriData->setText(profile.nickname);
    m_panel->txtSincyou->setText(generalNumber(profile.height));
    m_panel->txtMokuTai->setText(generalNumber(profile.targetWeight));
}

void MaintenanceController::LoadAutoTimeSetting()
{
    m_ctx.session.setAutoTimeStamp(ReadAutoTimeSetting(m_ctx.folder) == 1);
    m_panel->chkJikan->setChecked(m_ctx.session.autoTimeStamp());
}

void MaintenanceController::chkJikan_Click()
{
    m_ctx.session.setAutoTimeStamp(m_panel->chkJikan->isChecked());
    if (StoreResult r = WriteAutoTimeSetting(m_ctx.folder, m_ctx.session.autoTimeStamp() ? 1 : 0); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MaintenanceController::READ_KIZAMI()
{
    const ScaleSteps steps = ReadScaleSteps(m_ctx.folder);
    m_ctx.session.setWeightStep(steps.weightStep);
    m_ctx.session.setFatStep(steps.fatStep);
    m_panel->showWeightStep(steps.weightStep);
    m_panel->showFatStep(steps.fatStep);
}

void MaintenanceController::optKizami_Click(int index)
{
    if (m_ctx.session.isLoading())
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_ctx.session.setWeightStep(step);
    writeScaleSteps();
}

void MaintenanceController::optKizami1_Click(int index)
{
    if (m_ctx.session.isLoading())
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_ctx.session.setFatStep(step);
    writeScaleSteps();
}

void MaintenanceController::txtKizami_Enter()
{
    m_ctx.session.setWeightStep(m_panel->txtKizami->text());
    writeScaleSteps();
}

void MaintenanceController::txtKizami2_Enter()
{
    m_ctx.session.setFatStep(m_panel->txtKizami2->text());
    writeScaleSteps();
}

void MaintenanceController::writeScaleSteps()
{
    if (StoreResult r = WriteScaleSteps(m_ctx.folder, {m_ctx.session.weightStep(), m_ctx.session.fatStep()}); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}
