// New couple registration: two stages, one per partner; the program ends after the second.
#include "app/MainWindow.h"

#include "screens/maintenance/MaintenancePanel.h"
#include "screens/maintenance/Registration.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {
const QString kTitle = QStringLiteral("データを登録しましょう");
}

void MainWindow::cmdNew1_Click()
{
    m_state.newCoupleStage = 1;
    for (QLineEdit *box : {fraSettei->txtPriData1, fraSettei->txtSincyou1, fraSettei->txtMokuTai1, fraSettei->txtNowTai, fraSettei->txtNowShi})
        box->clear();
    fraSettei->fraNew->show();
    m_dialogs.information(kTitle, QStringLiteral("新規にポムリナをスタートさせます。\r\n\r\n"
                                                 "一人目の名前（ニックネーム）を入力してください。（※必須です）\r\n\r\n"
                                                 "身長と目標体重を半角文字で入力してください。（※必須です）\r\n\r\n"
                                                 "現在（スタート時）の体重を入力してください。（※必須です）\r\n\r\n"
                                                 "現在（スタート時）の体脂肪率を入力してください。（※必須です）\r\n\r\n"
                                                 "初期の状況として記録したい言葉を入力してください。\r\n"
                                                 "デフォルトでは「はじめの一歩」と入れていますが自由に変更できます。（※必須です）\r\n\r\n"
                                                 "入力し準備ができたら新規登録ボタンを押してください。二人目の登録に移ります。"));
    fraSettei->txtPriData1->setFocus();
}

void MainWindow::cmdStHozon_Click()
{
    MaintenancePanel *p = fraSettei;
    const RegistrationFields fields{p->txtPriData1->text(), p->txtSincyou1->text(), p->txtMokuTai1->text(),
                                    p->txtNowTai->text(),   p->txtNowShi->text(),   p->txtNowJyou->text()};
    if (const std::optional<RegistrationRefusal> refusal = CheckRegistration(fields)) {
        m_dialogs.information(refusal->title, refusal->message);
        return;
    }
    if (!m_dialogs.askOkCancel(QStringLiteral("クリア確認"), QStringLiteral("入力した内容でデータを作ります。よろしいですか？")))
        return;
    const int partner = m_state.newCoupleStage == 2 ? 2 : 1;
    m_state.profile = ProfileFromRegistration(fields);
    m_state.currentDataFile = partner == 1 ? QStringLiteral("データ1.txt") : QStringLiteral("データ2.txt");
    m_state.currentProfileFile = partner == 1 ? QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt") : QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ2.txt");
    if (StoreResult r = WriteRegistration(m_folder, partner, fields, m_clock.today()); !r) {
        m_dialogs.warning(QStringLiteral("登録できません"), r.message());
        return;
    }
    if (partner == 1) {
        m_state.newCoupleStage = 2;
        for (QLineEdit *box : {p->txtPriData1, p->txtSincyou1, p->txtMokuTai1, p->txtNowTai, p->txtNowShi})
            box->clear();
        m_dialogs.information(kTitle, QStringLiteral("二人目の名前（ニックネーム）を入力してください。\r\n\r\n"
                                                     "同様に身長と目標体重、体重、体脂肪を入力してください。\r\n\r\n"
                                                     "入力し準備ができたら新規登録ボタンを押してください。"));
        p->txtPriData1->setFocus();
        return;
    }
    m_dialogs.information(QStringLiteral("新規登録終了"), QStringLiteral("登録が終了しました。\r\n\r\n"
                                                                        "一旦プログラムを終了させていただきます。次の起動からポムリナのスタートです！"));
    endProgram();
}

void MainWindow::cmdYame_Click()
{
    fraSettei->fraNew->hide();
}
