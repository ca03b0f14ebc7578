// SPDX-License-Identifier: GPL-3.0-or-later
// New couple registration: two stages, one per partner; the program ends after the second.
#include "screens/maintenance/MaintenanceRegistration.h"

#include "diary/PartnerDiary.h"
#include "screens/maintenance/Registration.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/Backup.h"
#include "store/FileNames.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"
#include "ui/Named.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kRegistrationTitle = QStringLiteral("データを登録しましょう");
const QString kSecondPartnerText = QStringLiteral("二人目の名前（ニックネーム）を入力してください。\r\n\r\n"
                                                  "同様に身長と目標体重、体重、体脂肪を入力してください。\r\n\r\n"
                                                  "入力し準備ができたら新規登録ボタンを押してください。");
} // namespace

MaintenanceRegistration::MaintenanceRegistration(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    connectControls();
}

void MaintenanceRegistration::build(QWidget *parent)
{
    m_startFrame = new QGroupBox(QStringLiteral("新規スタート"), parent);
    auto *layout = new QVBoxLayout(m_startFrame);
    cmdNew1 = named(new QPushButton(QStringLiteral("新規にスタートするとき"), m_startFrame), QStringLiteral("cmdNew1"));
    layout->addWidget(cmdNew1);

    fraNew = named(new QGroupBox(QStringLiteral("新規スタート登録枠"), parent), QStringLiteral("fraNew"));
    auto *grid = new QGridLayout(fraNew);
    struct Row {
        const char16_t *caption;
        const char *name;
        const char16_t *unit;
        bool halfWidthNote;
    };
    const Row rows[] = {
        {u"名前", "txtPriData1", u"", false},      {u"身長", "txtSincyou1", u"ｃｍ", true},
        {u"目標体重", "txtMokuTai1", u"Ｋｇ", true}, {u"現体重", "txtNowTai", u"Ｋｇ", true},
        {u"現体脂肪率", "txtNowShi", u"％", true},  {u"初期状況", "txtNowJyou", u"", false},
    };
    QLineEdit *boxes[6];
    for (int i = 0; i < 6; ++i) {
        auto *caption = new QLabel(QString::fromUtf16(rows[i].caption), fraNew);
        grid->addWidget(caption, i, 0);
        boxes[i] = named(new QLineEdit(fraNew), QString::fromLatin1(rows[i].name));
        // The caption names the box for a screen reader.
        caption->setBuddy(boxes[i]);
        grid->addWidget(boxes[i], i, 1);
        grid->addWidget(new QLabel(QString::fromUtf16(rows[i].unit), fraNew), i, 2);
        if (rows[i].halfWidthNote)
            grid->addWidget(new QLabel(QStringLiteral("※半角文字で入力"), fraNew), i, 3);
    }
    txtPriData1 = boxes[0];
    txtSincyou1 = boxes[1];
    txtMokuTai1 = boxes[2];
    txtNowTai = boxes[3];
    txtNowShi = boxes[4];
    txtNowJyou = boxes[5];
    txtNowJyou->setText(QStringLiteral("はじめの一歩"));
    cmdStHozon = named(new QPushButton(QStringLiteral("新規登録"), fraNew), QStringLiteral("cmdStHozon"));
    cmdYame = named(new QPushButton(QStringLiteral("キャンセル"), fraNew), QStringLiteral("cmdYame"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdStHozon);
    buttons->addWidget(cmdYame);
    grid->addLayout(buttons, 6, 0, 1, 4);
    fraNew->hide();
}

void MaintenanceRegistration::connectControls()
{
    connect(cmdNew1, &QPushButton::clicked, this, &MaintenanceRegistration::cmdNew1_Click);
    connect(cmdStHozon, &QPushButton::clicked, this, &MaintenanceRegistration::cmdStHozon_Click);
    connect(cmdYame, &QPushButton::clicked, this, &MaintenanceRegistration::cmdYame_Click);
    // Enter moves on through the registration form, as far as the register button.
    const QList<QWidget *> order = {txtPriData1, txtSincyou1, txtMokuTai1, txtNowTai, txtNowShi, txtNowJyou, cmdStHozon};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i + 1];
        connect(static_cast<QLineEdit *>(order[i]), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
    }
}

void MaintenanceRegistration::clearBoxes()
{
    for (QLineEdit *box : {txtPriData1, txtSincyou1, txtMokuTai1, txtNowTai, txtNowShi})
        box->clear();
}

void MaintenanceRegistration::cmdNew1_Click()
{
    m_stage = 1;
    clearBoxes();
    fraNew->show();
    m_ctx.dialogs.information(kRegistrationTitle, QStringLiteral("新規にポムリナをスタートさせます。\r\n\r\n"
                                                     "一人目の名前（ニックネーム）を入力してください。（※必須です）\r\n\r\n"
                                                     "身長と目標体重を半角文字で入力してください。（※必須です）\r\n\r\n"
                                                     "現在（スタート時）の体重を入力してください。（※必須です）\r\n\r\n"
                                                     "現在（スタート時）の体脂肪率を入力してください。（※必須です）\r\n\r\n"
                                                     "初期の状況として記録したい言葉を入力してください。\r\n"
                                                     "デフォルトでは「はじめの一歩」と入れていますが自由に変更できます。（※必須です）\r\n\r\n"
                                                     "入力し準備ができたら新規登録ボタンを押してください。二人目の登録に移ります。"));
    txtPriData1->setFocus();
}

void MaintenanceRegistration::cmdStHozon_Click()
{
    const RegistrationFields fields{txtPriData1->text(), txtSincyou1->text(), txtMokuTai1->text(),
                                    txtNowTai->text(),   txtNowShi->text(),   txtNowJyou->text()};
    if (const std::optional<RegistrationRefusal> refusal = CheckRegistration(fields)) {
        m_ctx.dialogs.information(refusal->title, refusal->message);
        QLineEdit *const boxes[] = {txtPriData1, txtSincyou1, txtMokuTai1, txtNowTai, txtNowShi, txtNowJyou};
        focusForCorrection(boxes[int(refusal->box)]);
        return;
    }
    const int partner = m_stage == 2 ? 2 : 1;
    // Whatever the registration replaces is kept first, and the question says where: at the
    // first stage the whole couple's files (the second partner's are replaced next), at the
    // second that partner's.
    QStringList replaced{FileName::dataFile(partner), FileName::profileFile(partner)};
    if (partner == 1)
        replaced << FileName::data2 << FileName::profile2;
    QStringList keptIn;
    if (StoreResult r = BackupBeforeReplace(m_ctx.folder, replaced, m_ctx.clock.today(), &keptIn); !r) {
        m_ctx.dialogs.warning(QStringLiteral("バックアップできません"), r.message());
        return;
    }
    QString question = QStringLiteral("入力した内容でデータを作ります。よろしいですか？");
    if (!keptIn.isEmpty()) {
        QStringList folders;
        for (const QString &folder : keptIn)
            folders << QStringLiteral("「%1」").arg(QDir::toNativeSeparators(folder));
        question += QStringLiteral("\n今までの記録はバックアップのフォルダ%1に残してあります。").arg(folders.join(u'、'));
    }
    if (!m_ctx.dialogs.askOkCancel(QStringLiteral("クリア確認"), question))
        return;
    // Through the partner's diary: from here on every screen shows the partner as registered.
    if (StoreResult r = m_ctx.session.diary(partner).startOver([&] { return WriteRegistration(m_ctx.folder, partner, fields, m_ctx.clock.today()); });
        !r) {
        m_ctx.dialogs.warning(QStringLiteral("登録できません"), r.message());
        return;
    }
    if (partner == 1) {
        // The program goes on with partner 1 selected, as just registered; when partner 2 was
        // selected, the window follows as after a partner button. The second stage ends the
        // program instead.
        m_ctx.session.selectPartner(1);
        m_stage = 2;
        clearBoxes();
        m_ctx.dialogs.information(kRegistrationTitle, kSecondPartnerText);
        txtPriData1->setFocus();
        return;
    }
    m_ctx.dialogs.information(QStringLiteral("新規登録終了"), QStringLiteral("登録が終了しました。\r\n\r\n"
                                                                            "一旦プログラムを終了させていただきます。次の起動からポムリナのスタートです！"));
    m_ctx.shell.endProgram();
}

void MaintenanceRegistration::continueWithPartner2()
{
    m_stage = 2;
    clearBoxes();
    fraNew->show();
    m_ctx.dialogs.information(kRegistrationTitle, QStringLiteral("前回は一人目（%1）を登録したところで終わっています。"
                                                     "一人目はそのままに、二人目の登録から続けます。\r\n\r\n")
                                              .arg(m_ctx.session.nickname(1))
                                          + kSecondPartnerText);
    txtPriData1->setFocus();
}

void MaintenanceRegistration::cmdYame_Click()
{
    fraNew->hide();
}
