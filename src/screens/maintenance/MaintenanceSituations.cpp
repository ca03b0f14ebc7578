// The situation-list editor: adding, reordering by dragging, deleting and renaming entries. The
// file is written first; the three list boxes follow only what was written.
#include "screens/maintenance/MaintenanceController.h"

#include "screens/maintenance/MaintenancePanel.h"
#include "screens/maintenance/SituationEditing.h"
#include "screens/shell/MainState.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "screens/shell/SituationLists.h"
#include "store/SituationListFile.h"
#include "store/SituationRename.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {
const QString kConfirmTitle = QStringLiteral("クリア確認");
const QString kFailureTitle = QStringLiteral("状況リストを保存できません");
} // namespace

void MaintenanceController::connectSituationEditor()
{
    MaintenancePanel *p = m_panel;
    // A selected entry is what the three buttons work on; with none (after the list was filled
    // again) deleting or renaming would have nothing to act on.
    connect(p->lstKoumoku, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            lstKoumoku_Click();
        } else {
            m_panel->cmdDel->setEnabled(false);
            m_panel->cmdChg->setEnabled(false);
        }
    });
    connect(p->lstKoumoku, &QListWidget::itemClicked, this, &MaintenanceController::lstKoumoku_Click);
    connect(p->lstKoumoku, &QListWidget::pressed, this, &MaintenanceController::lstKoumoku_MouseDown);
    p->lstKoumoku->viewport()->installEventFilter(this);
    connect(p->cmdNew2, &QPushButton::clicked, this, &MaintenanceController::cmdNew2_Click);
    connect(p->cmdSort, &QPushButton::clicked, this, &MaintenanceController::cmdSort_Click);
    connect(p->cmdDel, &QPushButton::clicked, this, &MaintenanceController::cmdDel_Click);
    connect(p->cmdDel2, &QPushButton::clicked, this, &MaintenanceController::cmdDel2_Click);
    connect(p->cmdChg, &QPushButton::clicked, this, &MaintenanceController::cmdChg_Click);
    connect(p->txtChg, &QLineEdit::returnPressed, p->cmdChg, [p] {
        if (p->cmdChg->isEnabled())
            p->cmdChg->setFocus();
    });
}

bool MaintenanceController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel->lstKoumoku->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Only a press on an entry starts a drag; the list reports that one itself.
            m_ctx.state.dragIndex = -1;
            m_ctx.state.dragText.clear();
        } else if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            lstKoumoku_MouseUp();
        }
    }
    return ScreenController::eventFilter(watched, event);
}

void MaintenanceController::prepareSituationEditor()
{
    MaintenancePanel *p = m_panel;
    p->lstKoumoku->setCurrentRow(-1);
    for (QPushButton *button : {p->cmdSort, p->cmdDel, p->cmdChg})
        button->setEnabled(false);
}

void MaintenanceController::lstKoumoku_Click()
{
    for (QPushButton *button : {m_panel->cmdSort, m_panel->cmdDel, m_panel->cmdChg})
        button->setEnabled(true);
}

void MaintenanceController::lstKoumoku_MouseDown()
{
    const QListWidgetItem *item = m_panel->lstKoumoku->currentItem();
    m_ctx.state.dragIndex = item ? m_panel->lstKoumoku->currentRow() : -1;
    m_ctx.state.dragText = item ? item->text() : QString();
}

void MaintenanceController::lstKoumoku_MouseUp()
{
    // While the button was held the list moved its selection with the pointer: the selected
    // entry is the one the button was released on.
    MainState &state = m_ctx.state;
    const std::optional<DroppedOrder> dropped =
        DropSituation(m_panel->situationEntries(), state.dragIndex, state.dragText, m_panel->lstKoumoku->currentRow());
    state.dragIndex = -1;
    state.dragText.clear();
    if (!dropped)
        return;
    m_panel->showSituationOrder(dropped->entries, dropped->index);
    m_panel->setSortColour(Colour::chosenToggle);
}

void MaintenanceController::showSavedSituations(const QStringList &entries)
{
    m_ctx.situations.setEntries(entries);
    m_panel->setSortColour(Colour::buttonFace);
}

void MaintenanceController::cmdNew2_Click()
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

void MaintenanceController::cmdSort_Click()
{
    const QStringList entries = m_panel->situationEntries();
    if (StoreResult r = RewriteSituationListQuoted(m_ctx.folder, entries); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    showSavedSituations(entries);
    m_ctx.dialogs.information(QStringLiteral("並び替え完了"), QStringLiteral("並び替えた順番で状況リストを作成しました"));
}

void MaintenanceController::cmdDel_Click()
{
    const int row = m_panel->lstKoumoku->currentRow();
    if (row < 0)
        return;
    QStringList entries = m_panel->situationEntries();
    if (!m_ctx.dialogs.askOkCancel(kConfirmTitle, entries[row] + QStringLiteral("を削除します。よろしいですか？")))
        return;
    // The order shown is the one written, an unsaved drag included.
    entries.removeAt(row);
    if (StoreResult r = RewriteSituationListQuoted(m_ctx.folder, entries); !r) {
        m_ctx.shell.showStoreFailure(kFailureTitle, r.message());
        return;
    }
    showSavedSituations(entries);
    m_ctx.dialogs.information(QStringLiteral("削除完了"), QStringLiteral("選択したデータを削除しました"));
}

void MaintenanceController::cmdDel2_Click()
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

void MaintenanceController::cmdChg_Click()
{
    MaintenancePanel *p = m_panel;
    const QString newText = p->txtChg->text();
    if (newText.trimmed().isEmpty()) {
        m_ctx.dialogs.warning(QStringLiteral("変更後コメント未入力"), QStringLiteral("変更したいコメントを入力してください"));
        return;
    }
    const int row = p->lstKoumoku->currentRow();
    if (row < 0)
        return;
    const QString oldText = p->lstKoumoku->item(row)->text();
    if (const std::optional<QString> problem = SituationTextProblem(newText)) {
        m_ctx.dialogs.warning(QStringLiteral("状況コメントの入れ替え"), *problem);
        return;
    }
    if (!m_ctx.dialogs.askOkCancel(kConfirmTitle, QStringLiteral("『%1』 を 『%2』 に変更します。よろしいですか？").arg(oldText, newText)))
        return;
    if (StoreResult r = RenameSituationInData(m_ctx.folder, m_ctx.session.currentDataFile(), oldText, newText); !r) {
        m_ctx.shell.showStoreFailure(QStringLiteral("状況コメントを入れ替えられません"), r.message());
        return;
    }
    const StoreResult listWritten = RenameSituationInList(m_ctx.folder, oldText, newText);
    // The list boxes show the file as it now is, also when only the measurements were renamed.
    showSavedSituations(ReadSituationList(m_ctx.folder));
    m_ctx.session.noteDataFileChanged();
    if (!listWritten) {
        m_ctx.shell.showStoreFailure(kFailureTitle, listWritten.message());
        return;
    }
    m_ctx.dialogs.information(QStringLiteral("コメント変更終了"), QStringLiteral("コメントを入れ替えました。"));
}
