// New couple registration: two stages, one per partner; the program ends after the second.
#include "screens/maintenance/MaintenanceController.h"

#include "screens/maintenance/MaintenancePanel.h"
#include "screens/maintenance/Registration.h"
#include "screens/shell/MainState.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/Backup.h"
#include "store/FileNames.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {
const QString kTitle = QStringLiteral("データを登録しましょう");
}

void MaintenanceController::cmdNew1_Click()
{
    MaintenancePanel *p = m_panel;
    m_ctx.state.newCoupleStage = 1;
    for (QLineEdit *box : {p->txtPriData1, p->txtSincyou1, p->txtMokuTai1, p->txtNowTai, p->txtNowShi})
        box->clear();
    p->fraNew->show();
    m_ctx.dialogs.information(kTitle, QStringLiteral("新規にポムリナをスタートさせます。\r\n\r\n"
                                                     "一人目の名前（ニックネーム）を入力してください。（※必須です）\r\n\r\n"
                                                     "身長と目標体重を半角文字で入力してください。（※必須です）\r\n\r\n"
                                                     "現在（スタート時）の体重を入力してください。（※必須です）\r\n\r\n"
                                                     "現在（スタート時）の体脂肪率を入力してください。（※必須です）\r\n\r\n"
                                                     "初期の状況として記録したい言葉を入力してください。\r\n"
                                                     "デフォルトでは「はじめの一歩」と入れていますが自由に変更できます。（※必須です）\r\n\r\n"
                                                     "入力し準備ができたら新規登録ボタンを押してください。二人目の登録に移ります。"));
    p->txtPriData1->setFocus();
}

void MaintenanceController::cmdStHozon_Click()
{
    MaintenancePanel *p = m_panel;
    MainState &state = m_ctx.state;
    const RegistrationFields fields{p->txtPriData1->text(), p->txtSincyou1->text(), p->txtMokuTai1->text(),
                                    p->txtNowTai->text(),   p->txtNowShi->text(),   p->txtNowJyou->text()};
    if (const std::optional<RegistrationRefusal> refusal = CheckRegistration(fields)) {
        m_ctx.dialogs.information(refusal->title, refusal->message);
        return;
    }
    if (!m_ctx.dialogs.askOkCancel(QStringLiteral("クリア確認"), QStringLiteral("入力した内容でデータを作ります。よろしいですか？")))
        return;
    const int partner = state.newCoupleStage == 2 ? 2 : 1;
    // A registration over an earlier couple's files replaces them; today's backup keeps them.
    if (StoreResult r = BackupBeforeReplace(m_ctx.folder, {FileName::dataFile(partner), FileName::profileFile(partner)}, m_ctx.clock.today()); !r) {
        m_ctx.dialogs.warning(QStringLiteral("バックアップできません"), r.message());
        return;
    }
    if (StoreResult r = WriteRegistration(m_ctx.folder, partner, fields, m_ctx.clock.today()); !r) {
        m_ctx.dialogs.warning(QStringLiteral("登録できません"), r.message());
        return;
    }
    if (partner == 1) {
        // The program goes on with partner 1 selected, as just registered; when partner 2 was
        // selected, the window follows as after a partner button. The second stage ends the
        // program instead.
        m_ctx.session.selectPartner(1, ProfileFromRegistration(fields));
        state.newCoupleStage = 2;
        for (QLineEdit *box : {p->txtPriData1, p->txtSincyou1, p->txtMokuTai1, p->txtNowTai, p->txtNowShi})
            box->clear();
        m_ctx.dialogs.information(kTitle, QStringLiteral("二人目の名前（ニックネーム）を入力してください。\r\n\r\n"
                                                         "同様に身長と目標体重、体重、体脂肪を入力してください。\r\n\r\n"
                                                         "入力し準備ができたら新規登録ボタンを押してください。"));
        p->txtPriData1->setFocus();
        return;
    }
    m_ctx.dialogs.information(QStringLiteral("新規登録終了"), QStringLiteral("登録が終了しました。\r\n\r\n"
                                                                            "一旦プログラムを終了させていただきます。次の起動からポムリナのスタートです！"));
    m_ctx.shell.endProgram();
}

void MaintenanceController::cmdYame_Click()
{
    m_panel->fraNew->hide();
}
