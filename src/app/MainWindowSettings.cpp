// The settings read at start-up and changed on the maintenance screen: situation list, moving
// average, time stamp, memo, help tour and scale steps.
#include "app/MainWindow.h"

#include "screens/analyses/TrendPanel.h"
#include "screens/diary/DiaryPanel.h"
#include "screens/entry/EntryPanel.h"
#include "screens/history/HistoryPanel.h"
#include "screens/maintenance/MaintenancePanel.h"
#include "store/MemoFile.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void MainWindow::connectMaintenanceScreen()
{
    MaintenancePanel *p = fraSettei;
    connect(p->chkJikan, &QCheckBox::clicked, this, &MainWindow::chkJikan_Click);
    for (int i = 1; i <= 3; ++i) {
        connect(p->optKizami[i], &QRadioButton::clicked, this, [this, i] { optKizami_Click(i); });
        connect(p->optKizami1[i], &QRadioButton::clicked, this, [this, i] { optKizami1_Click(i); });
    }
    connect(p->txtKizami, &QLineEdit::returnPressed, this, &MainWindow::txtKizami_Enter);
    connect(p->txtKizami2, &QLineEdit::returnPressed, this, &MainWindow::txtKizami2_Enter);
    connect(p->HScroll1, &QScrollBar::valueChanged, this, &MainWindow::UpdateBmiMeter);
    connect(p->cmdNew1, &QPushButton::clicked, this, &MainWindow::cmdNew1_Click);
    connect(p->cmdStHozon, &QPushButton::clicked, this, &MainWindow::cmdStHozon_Click);
    connect(p->cmdYame, &QPushButton::clicked, this, &MainWindow::cmdYame_Click);
    // Enter moves on through the registration form, as far as the register button.
    const QList<QWidget *> order = {p->txtPriData1, p->txtSincyou1, p->txtMokuTai1, p->txtNowTai, p->txtNowShi, p->txtNowJyou, p->cmdStHozon};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i + 1];
        connect(static_cast<QLineEdit *>(order[i]), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
    }
}

void MainWindow::LoadSituationList()
{
    const QStringList entries = ReadSituationList(m_folder);
    for (QListWidget *list : {fraMain->lstAct, fraTaijyu->lstAct2, fraSettei->lstKoumoku}) {
        list->clear();
        list->addItems(entries);
    }
}

void MainWindow::LoadMovingAverageSetting()
{
    QComboBox *combo = fraRenTai->cboIdou;
    for (int i = 1; i <= 30; ++i)
        combo->addItem(QString::number(i));
    combo->setEditText(ReadMovingAverageSetting(m_folder));
}

void MainWindow::LoadAutoTimeSetting()
{
    fraSettei->chkJikan->setChecked(ReadAutoTimeSetting(m_folder) == 1);
}

void MainWindow::chkJikan_Click()
{
    if (StoreResult r = WriteAutoTimeSetting(m_folder, fraSettei->chkJikan->isChecked() ? 1 : 0); !r)
        showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MainWindow::LoadMemo()
{
    m_state.memoText = ReadMemo(m_folder);
    fraMemo->txtKizuki->setPlainText(m_state.memoText);
}

void MainWindow::READ_SETTEI()
{
    m_state.helpTourOn = ReadHelpTourSetting(m_folder);
}

void MainWindow::READ_KIZAMI()
{
    const ScaleSteps steps = ReadScaleSteps(m_folder);
    m_state.weightStep = steps.weightStep;
    m_state.fatStep = steps.fatStep;
    fraSettei->showWeightStep(steps.weightStep);
    fraSettei->showFatStep(steps.fatStep);
}

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

void MainWindow::optKizami_Click(int index)
{
    if (m_state.isLoading)
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_state.weightStep = step;
    writeScaleSteps();
}

void MainWindow::optKizami1_Click(int index)
{
    if (m_state.isLoading)
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_state.fatStep = step;
    writeScaleSteps();
}

void MainWindow::txtKizami_Enter()
{
    m_state.weightStep = fraSettei->txtKizami->text();
    writeScaleSteps();
}

void MainWindow::txtKizami2_Enter()
{
    m_state.fatStep = fraSettei->txtKizami2->text();
    writeScaleSteps();
}

void MainWindow::writeScaleSteps()
{
    if (StoreResult r = WriteScaleSteps(m_folder, {m_state.weightStep, m_state.fatStep}); !r)
        showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}
