// The profile editor: nickname, height and target weight of the partner currently selected.
#include "screens/maintenance/MaintenanceController.h"

#include "screens/maintenance/MaintenancePanel.h"
#include "screens/maintenance/ProfileEditing.h"
#include "screens/shell/Session.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <QPushButton>

void MaintenanceController::connectProfileEditor()
{
    MaintenancePanel *p = m_panel;
    connect(p->cmdPHozon1, &QPushButton::clicked, this, &MaintenanceController::cmdPHozon1_Click);
    // Enter moves on through the boxes, as far as the save button.
    const QList<QWidget *> order = {p->txtPriData, p->txtSincyou, p->txtMokuTai, p->cmdPHozon1};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i + 1];
        connect(static_cast<QLineEdit *>(order[i]), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
    }
}

void MaintenanceController::cmdPHozon1_Click()
{
    MaintenancePanel *p = m_panel;
    const ProfileBoxes boxes{p->txtPriData->text(), p->txtSincyou->text(), p->txtMokuTai->text()};
    if (const std::optional<RegistrationRefusal> refusal = CheckProfileBoxes(boxes)) {
        m_ctx.dialogs.information(refusal->title, refusal->message);
        return;
    }
    const PartnerProfile profile = ProfileFromBoxes(boxes);
    if (StoreResult r = WriteProfile(m_ctx.folder, m_ctx.session.currentProfileFile(), profile); !r) {
        m_ctx.dialogs.warning(QStringLiteral("保存できません"), r.message());
        return;
    }
    // What the profile feeds shows the new values at once: the partner button, the window
    // caption, the target weights, and every figure that depends on the height.
    m_ctx.session.setProfile(profile);
    m_ctx.dialogs.information(QStringLiteral("保存終了"), QStringLiteral("保存が終了しました"));
}
