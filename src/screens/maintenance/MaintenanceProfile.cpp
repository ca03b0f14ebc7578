// SPDX-License-Identifier: GPL-3.0-or-later
// The profile editor: nickname, height and target weight of the partner currently selected.
#include "screens/maintenance/MaintenanceProfile.h"

#include "diary/PartnerDiary.h"
#include "screens/maintenance/ProfileEditing.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "store/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"
#include "ui/Named.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

MaintenanceProfile::MaintenanceProfile(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    connect(cmdPHozon1, &QPushButton::clicked, this, &MaintenanceProfile::cmdPHozon1_Click);
    // Enter moves on through the boxes, as far as the save button.
    const QList<QWidget *> order = {txtPriData, txtSincyou, txtMokuTai, cmdPHozon1};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i + 1];
        connect(static_cast<QLineEdit *>(order[i]), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
    }
}

void MaintenanceProfile::build(QWidget *parent)
{
    m_frame = new QGroupBox(QStringLiteral("プライベートデータ"), parent);
    QGroupBox *profile = m_frame;
    auto *grid = new QGridLayout(profile);
    txtPriData = named(new QLineEdit(profile), QStringLiteral("txtPriData"));
    txtSincyou = named(new QLineEdit(profile), QStringLiteral("txtSincyou"));
    txtMokuTai = named(new QLineEdit(profile), QStringLiteral("txtMokuTai"));
    const QString captions[] = {QStringLiteral("名前"), QStringLiteral("身長"), QStringLiteral("目標体重")};
    const QString units[] = {QString(), QStringLiteral("ｃｍ"), QStringLiteral("Ｋｇ")};
    const QString notes[] = {QStringLiteral("※空欄可"), QStringLiteral("※半角文字で入力"), QStringLiteral("※半角文字で入力")};
    QLineEdit *boxes[] = {txtPriData, txtSincyou, txtMokuTai};
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLabel(captions[i], profile);
        caption->setBuddy(boxes[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(boxes[i], i, 1);
        grid->addWidget(new QLabel(units[i], profile), i, 2);
        grid->addWidget(new QLabel(notes[i], profile), i, 3);
    }
    cmdPHozon1 = named(new QPushButton(QStringLiteral("データ変更"), profile), QStringLiteral("cmdPHozon1"));
    cmdPHozon1->setAutoDefault(true);
    grid->addWidget(cmdPHozon1, 3, 1, 1, 3, Qt::AlignRight);
    grid->setRowStretch(4, 1);
}

void MaintenanceProfile::fillProfileBoxes()
{
    const PartnerProfile &profile = m_ctx.session.profile();
    m_filled = {profile.nickname, generalNumber(profile.height), generalNumber(profile.targetWeight)};
    txtPriData->setText(m_filled.nickname);
    txtSincyou->setText(m_filled.height);
    txtMokuTai->setText(m_filled.target);
}

void MaintenanceProfile::followProfile()
{
    const ProfileBoxes shown{txtPriData->text(), txtSincyou->text(), txtMokuTai->text()};
    if (shown == m_filled)
        fillProfileBoxes();
}

void MaintenanceProfile::cmdPHozon1_Click()
{
    const ProfileBoxes boxes{txtPriData->text(), txtSincyou->text(), txtMokuTai->text()};
    if (const std::optional<RegistrationRefusal> refusal = CheckProfileBoxes(boxes)) {
        m_ctx.dialogs.information(refusal->title, refusal->message);
        focusForCorrection(refusal->box == RegistrationBox::Target ? txtMokuTai : txtSincyou);
        return;
    }
    const PartnerProfile profile = ProfileFromBoxes(boxes);
    // What the profile feeds shows the new values at once (the diary announces it): the partner
    // button, the window caption, the target weights, and every figure that depends on the height.
    if (StoreResult r = m_ctx.session.diary().writeProfile(profile); !r) {
        m_ctx.dialogs.warning(QStringLiteral("保存できません"), r.message());
        return;
    }
    m_filled = boxes;
    m_ctx.dialogs.information(QStringLiteral("保存終了"), QStringLiteral("保存が終了しました"));
}
