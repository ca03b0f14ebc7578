// SPDX-License-Identifier: GPL-3.0-or-later
// The situation-list editor: adding, reordering by dragging, deleting and renaming entries. The
// file is written first; the three list boxes follow only what was written.
#include "screens/maintenance/MaintenanceSituations.h"

#include "screens/maintenance/SituationEditing.h"
#include "screens/shell/ScreenContext.h"
#include "diary/PartnerDiary.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/SituationListFile.h"
#include "store/SituationRename.h"
#include "ui/ButtonColour.h"
#include "ui/Dialogs.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kConfirmTitle = QStringLiteral("クリア確認");
const QString kFailureTitle = QStringLiteral("状況リストを保存できません");
} // namespace

MaintenanceSituations::MaintenanceSituations(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    m_ctx.situations.add(lstKoumoku);
    connectControls();
}

void MaintenanceSituations::build(QWidget *parent)
{
    m_frame = new QGroupBox(QStringLiteral("状況リスト編集"), parent);
    QGroupBox *situations = m_frame;
    auto *layout = new QGridLayout(situations);
    lstKoumoku = named(new QListWidget(situations), QStringLiteral("lstKoumoku"));
    lstKoumoku->setSelectionMode(QAbstractItemView::SingleSelection);
    lstKoumoku->setAccessibleName(QStringLiteral("状況リスト（ドラッグで並べ替え）"));
    lstKoumoku->setMaximumHeight(layoutPixels(150, parent));
    layout->addWidget(lstKoumoku, 0, 0);

    auto *buttons = new QVBoxLayout;
    auto button = [&](const char *name, const QString &caption) {
        auto *b = named(new QPushButton(caption, situations), name);
        // Enter presses the button as Space does, also outside a dialog.
        b->setAutoDefault(true);
        buttons->addWidget(b);
        return b;
    };
    cmdNew2 = button("cmdNew2", QStringLiteral("追加"));
    cmdSort = button("cmdSort", QStringLiteral("並び替え"));
    cmdDel = button("cmdDel", QStringLiteral("削除"));
    cmdDel2 = button("cmdDel2", QStringLiteral("全削除"));
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1);
    m_sortColour = Colour::buttonFace;

    auto *arrow = new QLabel(QStringLiteral("↓"), situations);
    arrow->setAlignment(Qt::AlignCenter);
    layout->addWidget(arrow, 1, 0);
    txtChg = named(new QLineEdit(situations), QStringLiteral("txtChg"));
    txtChg->setAccessibleName(QStringLiteral("変更後の状況"));
    layout->addWidget(txtChg, 2, 0);
    cmdChg = named(new QPushButton(QStringLiteral("状況コメントを入れ替える"), situations), QStringLiteral("cmdChg"));
    cmdChg->setAutoDefault(true);
    layout->addWidget(cmdChg, 3, 0, 1, 2);
}

void MaintenanceSituations::connectControls()
{
    // A selected entry is what the three buttons work on; with none (after the list was filled
    // again) deleting or renaming would have nothing to act on.
    connect(lstKoumoku, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            lstKoumoku_Click();
        } else {
            cmdDel->setEnabled(false);
            cmdChg->setEnabled(false);
        }
    });
    connect(lstKoumoku, &QListWidget::itemClicked, this, &MaintenanceSituations::lstKoumoku_Click);
    connect(lstKoumoku, &QListWidget::pressed, this, &MaintenanceSituations::lstKoumoku_MouseDown);
    lstKoumoku->viewport()->installEventFilter(this);
    connect(cmdNew2, &QPushButton::clicked, this, &MaintenanceSituations::cmdNew2_Click);
    connect(cmdSort, &QPushButton::clicked, this, &MaintenanceSituations::cmdSort_Click);
    connect(cmdDel, &QPushButton::clicked, this, &MaintenanceSituations::cmdDel_Click);
    connect(cmdDel2, &QPushButton::clicked, this, &MaintenanceSituations::cmdDel2_Click);
    connect(cmdChg, &QPushButton::clicked, this, &MaintenanceSituations::cmdChg_Click);
    QPushButton *change = cmdChg;
    connect(txtChg, &QLineEdit::returnPressed, change, [change] {
        if (change->isEnabled())
            change->setFocus();
    });
}

bool MaintenanceSituations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstKoumoku->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Only a press on an entry starts a drag; the list reports that one itself.
            m_dragIndex = -1;
            m_dragText.clear();
        } else if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            lstKoumoku_MouseUp();
        }
    }
    return QObject::eventFilter(watched, event);
}

QStringList MaintenanceSituations::entries() const
{
    QStringList entries;
    for (int i = 0; i < lstKoumoku->count(); ++i)
        entries << lstKoumoku->item(i)->text();
    return entries;
}

void MaintenanceSituations::showOrder(const QStringList &entries, int selected)
{
    lstKoumoku->clear();
    lstKoumoku->addItems(entries);
    lstKoumoku->setCurrentRow(selected);
}

void MaintenanceSituations::setSortColour(quint32 colour)
{
    m_sortColour = colour;
    setButtonBackColor(cmdSort, colour);
}

void MaintenanceSituations::prepare()
{
    lstKoumoku->setCurrentRow(-1);
    for (QPushButton *button : {cmdSort, cmdDel, cmdChg})
        button->setEnabled(false);
}

void MaintenanceSituations::lstKoumoku_Click()
{
    for (QPushButton *button : {cmdSort, cmdDel, cmdChg})
        button->setEnabled(true);
}

void MaintenanceSituations::lstKoumoku_MouseDown()
{
    const QListWidgetItem *item = lstKoumoku->currentItem();
    m_dragIndex = item ? lstKoumoku->currentRow() : -1;
    m_dragText = item ? item->text() : QString();
}

void MaintenanceSituations::lstKoumoku_MouseUp()
{
    // While the button was held the list moved its selection with the pointer: the selected
    // entry is the one the button was released on.
    const std::optional<DroppedOrder> dropped = DropSituation(entries(), m_dragIndex, m_dragText, lstKoumoku->currentRow());
    m_dragIndex = -1;
    m_dragText.clear();
    if (!dropped)
        return;
    showOrder(dropped->entries, dropped->index);
    setSortColour(Colour::chosenToggle);
}

void MaintenanceSituations::showSavedSituations(const QStringList &entries)
{
    m_ctx.situations.setEntries(entries);
    setSortColour(Colour::buttonFace);
}

void MaintenanceSituations::cmdNew2_Click()
{
    const QString title = QStringLiteral("状況追加");
    const std::optional<QString> answer = m_ctx.dialogs.input(title, QStringLiteral("追加したい状況を入力して下さい"), QString());
    if (!answer)
        return;
    if (const std::optional<QString> problem = SituationTextProblem(*answer)) {
        m_ctx.dialogs.warning(title, *problem);
        return;
    }
    if (StoreResult r = AppendSituationQuoted(m_ctx.folder, *answer); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    m_ctx.situations.append(*answer);
}

void MaintenanceSituations::cmdSort_Click()
{
    const QStringList shown = entries();
    if (StoreResult r = RewriteSituationListQuoted(m_ctx.folder, shown); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    showSavedSituations(shown);
    m_ctx.dialogs.information(QStringLiteral("並び替え完了"), QStringLiteral("並び替えた順番で状況リストを作成しました"));
}

void MaintenanceSituations::cmdDel_Click()
{
    const int row = lstKoumoku->currentRow();
    if (row < 0)
        return;
    QStringList remaining = entries();
    if (!m_ctx.dialogs.askOkCancel(kConfirmTitle, remaining[row] + QStringLiteral("を削除します。よろしいですか？")))
        return;
    // The order shown is the one written, an unsaved drag included.
    remaining.removeAt(row);
    if (StoreResult r = RewriteSituationListQuoted(m_ctx.folder, remaining); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    showSavedSituations(remaining);
    m_ctx.dialogs.information(QStringLiteral("削除完了"), QStringLiteral("選択したデータを削除しました"));
}

void MaintenanceSituations::cmdDel2_Click()
{
    if (!m_ctx.dialogs.askOkCancel(kConfirmTitle, QStringLiteral("状況リストを全削除します。よろしいですか？")))
        return;
    if (StoreResult r = ClearSituationList(m_ctx.folder); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    showSavedSituations({});
    m_ctx.dialogs.information(QStringLiteral("削除完了"),
                              QStringLiteral("状況リストを削除しました。\n\n任意の状況をあらためて登録してください。"));
}

void MaintenanceSituations::cmdChg_Click()
{
    const QString newText = txtChg->text();
    if (newText.trimmed().isEmpty()) {
        m_ctx.dialogs.warning(QStringLiteral("変更後コメント未入力"), QStringLiteral("変更したいコメントを入力してください"));
        return;
    }
    const int row = lstKoumoku->currentRow();
    if (row < 0)
        return;
    const QString oldText = lstKoumoku->item(row)->text();
    if (const std::optional<QString> problem = SituationTextProblem(newText)) {
        m_ctx.dialogs.warning(QStringLiteral("状況コメントの入れ替え"), *problem);
        return;
    }
    if (!m_ctx.dialogs.askOkCancel(kConfirmTitle, QStringLiteral("『%1』 を 『%2』 に変更します。よろしいですか？").arg(oldText, newText)))
        return;
    if (StoreResult r = m_ctx.session.diary().renameSituation(oldText, newText); !r) {
        m_ctx.shell.showStoreFailure(QStringLiteral("状況コメントを入れ替えられません"), r.message());
        return;
    }
    const StoreResult listWritten = RenameSituationInList(m_ctx.folder, oldText, newText);
    // The list boxes show the file as it now is, also when only the measurements were renamed.
    showSavedSituations(ReadSituationList(m_ctx.folder));
    if (!listWritten) {
        m_ctx.shell.showStoreFailure(kFailureTitle, listWritten.message());
        return;
    }
    m_ctx.dialogs.information(QStringLiteral("コメント変更終了"), QStringLiteral("コメントを入れ替えました。"));
}
