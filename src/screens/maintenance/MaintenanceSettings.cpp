#include "screens/maintenance/MaintenanceSettings.h"

#include "screens/maintenance/ScaleStepCheck.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/SettingsFiles.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char16_t *const kStepValues[] = {nullptr, u"0.1", u"0.2", u"0.5"};

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

MaintenanceSettings::MaintenanceSettings(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    connectControls();
}

void MaintenanceSettings::build(QWidget *parent)
{
    m_frame = new QGroupBox(QStringLiteral("入力の設定"), parent);
    QGroupBox *box = m_frame;
    auto *layout = new QVBoxLayout(box);
    chkJikan = named(new QCheckBox(QStringLiteral("一言日記に自動的に時間を記録"), box), QStringLiteral("chkJikan"));
    layout->addWidget(chkJikan);

    auto stepGroup = [&](const QString &title, const QString &optionName, const QString &unit, const QString &boxName,
                         std::array<QRadioButton *, 4> &options, QButtonGroup *&group, QLineEdit *&text) {
        auto *frame = new QGroupBox(title, box);
        auto *row = new QHBoxLayout(frame);
        group = new QButtonGroup(frame);
        const QString captions[] = {QString(), QStringLiteral("０．１ "), QStringLiteral("０．２ "), QStringLiteral("０．５ ")};
        for (int i = 1; i <= 3; ++i) {
            options[i] = named(new QRadioButton(captions[i] + unit, frame), QStringLiteral("%1(%2)").arg(optionName).arg(i));
            group->addButton(options[i], i);
            row->addWidget(options[i]);
        }
        text = named(new QLineEdit(frame), boxName);
        text->setToolTip(QStringLiteral("入力してEnterキー"));
        text->setAccessibleName(title + QStringLiteral("：ほかの値を入力してEnter"));
        text->setMaximumWidth(layoutPixels(70, parent));
        row->addWidget(text);
        layout->addWidget(frame);
    };
    stepGroup(QStringLiteral("体重の刻み（↑↓ボタン）"), QStringLiteral("optKizami"), QStringLiteral("Ｋｇ"), QStringLiteral("txtKizami"),
              optKizami, m_weightSteps, txtKizami);
    stepGroup(QStringLiteral("体脂肪率の刻み（↑↓ボタン）"), QStringLiteral("optKizami1"), QStringLiteral("％"),
              QStringLiteral("txtKizami2"), optKizami1, m_fatSteps, txtKizami2);
}

void MaintenanceSettings::connectControls()
{
    connect(chkJikan, &QCheckBox::clicked, this, &MaintenanceSettings::chkJikan_Click);
    for (int i = 1; i <= 3; ++i) {
        connect(optKizami[i], &QRadioButton::clicked, this, [this, i] { optKizami_Click(i); });
        connect(optKizami1[i], &QRadioButton::clicked, this, [this, i] { optKizami1_Click(i); });
    }
    connect(txtKizami, &QLineEdit::returnPressed, this, &MaintenanceSettings::txtKizami_Enter);
    connect(txtKizami2, &QLineEdit::returnPressed, this, &MaintenanceSettings::txtKizami2_Enter);
}

void MaintenanceSettings::LoadAutoTimeSetting()
{
    m_ctx.session.setAutoTimeStamp(ReadAutoTimeSetting(m_ctx.folder) == 1);
    chkJikan->setChecked(m_ctx.session.autoTimeStamp());
}

void MaintenanceSettings::chkJikan_Click()
{
    m_ctx.session.setAutoTimeStamp(chkJikan->isChecked());
    if (StoreResult r = WriteAutoTimeSetting(m_ctx.folder, m_ctx.session.autoTimeStamp() ? 1 : 0); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}

void MaintenanceSettings::READ_KIZAMI()
{
    const ScaleSteps steps = ReadScaleSteps(m_ctx.folder);
    m_ctx.session.setWeightStep(steps.weightStep);
    m_ctx.session.setFatStep(steps.fatStep);
    showStep(steps.weightStep, optKizami, m_weightSteps, txtKizami);
    showStep(steps.fatStep, optKizami1, m_fatSteps, txtKizami2);
}

void MaintenanceSettings::showStep(const QString &step, const std::array<QRadioButton *, 4> &options, QButtonGroup *group, QLineEdit *box)
{
    for (int i = 1; i <= 3; ++i) {
        if (step == QString::fromUtf16(kStepValues[i])) {
            options[i]->setChecked(true);
            return;
        }
    }
    // None of the presets: an exclusive group cannot be emptied while it is exclusive.
    group->setExclusive(false);
    for (int i = 1; i <= 3; ++i)
        options[i]->setChecked(false);
    group->setExclusive(true);
    box->setText(step);
}

void MaintenanceSettings::optKizami_Click(int index)
{
    if (m_ctx.session.isLoading())
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_ctx.session.setWeightStep(step);
    writeScaleSteps();
}

void MaintenanceSettings::optKizami1_Click(int index)
{
    if (m_ctx.session.isLoading())
        return;
    const QString step = presetStep(index);
    if (step.isEmpty())
        return;
    m_ctx.session.setFatStep(step);
    writeScaleSteps();
}

void MaintenanceSettings::txtKizami_Enter()
{
    if (!acceptTypedStep(txtKizami, QStringLiteral("体重の刻み")))
        return;
    m_ctx.session.setWeightStep(txtKizami->text());
    showStep(txtKizami->text(), optKizami, m_weightSteps, txtKizami);
    writeScaleSteps();
}

void MaintenanceSettings::txtKizami2_Enter()
{
    if (!acceptTypedStep(txtKizami2, QStringLiteral("体脂肪率の刻み")))
        return;
    m_ctx.session.setFatStep(txtKizami2->text());
    showStep(txtKizami2->text(), optKizami1, m_fatSteps, txtKizami2);
    writeScaleSteps();
}

bool MaintenanceSettings::acceptTypedStep(QLineEdit *box, const QString &boxName)
{
    const std::optional<QString> refusal = ScaleStepRefusal(box->text(), boxName);
    if (!refusal)
        return true;
    m_ctx.dialogs.warning(boxName, *refusal);
    focusForCorrection(box);
    return false;
}

void MaintenanceSettings::writeScaleSteps()
{
    if (StoreResult r = WriteScaleSteps(m_ctx.folder, {m_ctx.session.weightStep(), m_ctx.session.fatStep()}); !r)
        m_ctx.shell.showStoreFailure(QStringLiteral("設定を保存できません"), r.message());
}
