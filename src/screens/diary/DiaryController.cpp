#include "screens/diary/DiaryController.h"

#include "diary/PartnerDiary.h"
#include "screens/diary/CommentList.h"
#include "screens/diary/DiaryPanel.h"
#include "screens/shell/ReadProblems.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/Cp932.h"
#include "store/MemoFile.h"
#include "store/MessageText.h"
#include "ui/Dialogs.h"
#include "ui/FocusForCorrection.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kCommentColumn = CommentList::Comment;
const QString kCommentTitle = QStringLiteral("一言日記保存");
const QString kMemoTitle = QStringLiteral("気付きメモ保存");
const QString kUnsavedTitle = QStringLiteral("保存の確認");
} // namespace

DiaryController::DiaryController(ScreenContext &context, QWidget *panelParent)
    : ScreenController(context, panelParent)
    , m_panel(new DiaryPanel(panelParent))
{
    DiaryPanel *p = m_panel;
    connect(p->msgMemoList, &Grid::cellClicked, this, &DiaryController::msgMemoList_Click);
    // Enter on a row chooses it, as a click does.
    connect(p->msgMemoList, &Grid::cellEnterPressed, this, &DiaryController::msgMemoList_Click);
    connect(p->txtMemo, &QLineEdit::returnPressed, this, &DiaryController::txtMemo_KeyPress);
    connect(p->cmdMemoHozon, &QPushButton::clicked, this, &DiaryController::cmdMemoHozon_Click);
    connect(p->cmdKizukiHozon, &QPushButton::clicked, this, &DiaryController::cmdKizukiHozon_Click);
    connect(&m_ctx.session, &Session::memoFileChanged, this, &DiaryController::followMemoFile);
}

QWidget *DiaryController::panel() const
{
    return m_panel;
}

void DiaryController::prepareAfterHiding()
{
    if (!upToDate()) {
        SetupCommentGrid();
        FillCommentList();
    }
    m_panel->cmdMemoHozon->setEnabled(false);
}

void DiaryController::refreshShown()
{
    if (upToDate())
        return;
    // A comment being edited stays in its box, and stays chosen while its record is still there
    // as it was listed: the new list shows the same row for it.
    const bool editing = m_panel->cmdMemoHozon->isEnabled() && selectedCommentRow >= 1 && selectedCommentRow <= m_listed->size();
    const std::optional<Measurement> edited = editing ? std::optional(m_listed->at(selectedCommentRow - 1)) : std::nullopt;
    const QString typed = m_panel->txtMemo->text();
    SetupCommentGrid();
    FillCommentList();
    const qsizetype row = edited ? m_listed->indexOf(*edited) : -1;
    if (row < 0) {
        m_panel->cmdMemoHozon->setEnabled(false);
        return;
    }
    selectedCommentRow = int(row) + 1;
    m_panel->msgMemoList->setCurrentCell(selectedCommentRow, kCommentColumn);
    m_panel->txtMemo->setText(typed);
}

void DiaryController::LoadMemo()
{
    m_panel->txtKizuki->setPlainText(ReadMemo(m_ctx.folder));
    // As the box gives it back, so that an untouched memo never counts as changed.
    m_savedMemo = m_panel->txtKizuki->toPlainText();
}

void DiaryController::followMemoFile()
{
    const QString memo = ReadMemo(m_ctx.folder);
    if (memoUnsaved()) {
        // A memo being typed stays as typed; leaving asks whether to save it over the file's.
        m_savedMemo = memo;
        return;
    }
    if (m_panel->txtKizuki->toPlainText() != memo)
        m_panel->txtKizuki->setPlainText(memo);
    m_savedMemo = m_panel->txtKizuki->toPlainText();
}

bool DiaryController::commentUnsaved() const
{
    if (!m_panel->cmdMemoHozon->isEnabled() || selectedCommentRow < 1 || selectedCommentRow > m_listed->size())
        return false;
    return m_panel->txtMemo->text() != m_listed->at(selectedCommentRow - 1).comment;
}

bool DiaryController::memoUnsaved() const
{
    return m_panel->txtKizuki->toPlainText() != m_savedMemo;
}

bool DiaryController::mayLeave()
{
    if (!commentUnsaved() && !memoUnsaved())
        return true;
    switch (m_ctx.dialogs.askYesNoCancel(kUnsavedTitle, QStringLiteral("保存されていない変更があります。保存しますか？"))) {
    case MessageAnswer::Yes:
        // What cannot be saved stays on the screen, with the message that says why.
        if (commentUnsaved() && !saveComment())
            return false;
        return !memoUnsaved() || saveMemo();
    case MessageAnswer::No:
        if (commentUnsaved())
            m_panel->txtMemo->setText(m_listed->at(selectedCommentRow - 1).comment);
        if (memoUnsaved())
            m_panel->txtKizuki->setPlainText(m_savedMemo);
        return true;
    default:
        return false;
    }
}

QAbstractButton *DiaryController::saveButton() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus == m_panel->txtKizuki || !m_panel->cmdMemoHozon->isEnabled())
        return m_panel->cmdKizukiHozon;
    return m_panel->cmdMemoHozon;
}

void DiaryController::SetupCommentGrid()
{
    m_panel->resetList();
}

void DiaryController::FillCommentList()
{
    m_ctx.session.refresh();
    const PartnerDiary &diary = m_ctx.session.diary();
    noteReadProblems(m_ctx.shell, diary.file());
    m_listedRevision = diary.recordsRevision();
    m_listed = std::make_shared<QList<Measurement>>(diary.records());
    m_panel->showList(m_listed);
    noteBuilt();
}

void DiaryController::msgMemoList_Click(int row, int)
{
    // The heading row names the columns; it is no measurement.
    if (row < 1 || row > m_listed->size())
        return;
    Grid *list = m_panel->msgMemoList;
    list->setCurrentCell(row, kCommentColumn);
    m_panel->txtMemo->setText(list->textMatrix(row, kCommentColumn));
    selectedCommentRow = row;
    m_panel->cmdMemoHozon->setEnabled(true);
    m_panel->txtMemo->setFocus();
}

void DiaryController::txtMemo_KeyPress()
{
    if (m_panel->cmdMemoHozon->isEnabled())
        cmdMemoHozon_Click();
}

void DiaryController::cmdMemoHozon_Click()
{
    saveComment();
}

bool DiaryController::saveComment()
{
    if (!m_panel->cmdMemoHozon->isEnabled() || selectedCommentRow < 1 || selectedCommentRow > m_listed->size())
        return false;
    const QString comment = m_panel->txtMemo->text();
    // Refused texts stay in the box, so that nothing typed is lost.
    if (StoreResult r = checkStorableText(comment); !r) {
        m_ctx.dialogs.warning(kCommentTitle, r.message());
        focusForCorrection(m_panel->txtMemo);
        return false;
    }
    const int index = selectedCommentRow - 1;
    const RecordChange saved = m_ctx.session.diary().replaceComment(m_listedRevision, index, comment);
    if (saved.fileChanged) {
        // The list no longer showed the file, which the diary has read again: so does the list,
        // before anything is changed.
        m_ctx.dialogs.warning(kCommentTitle, saved.result.message());
        SetupCommentGrid();
        FillCommentList();
        m_panel->cmdMemoHozon->setEnabled(false);
        return false;
    }
    if (!saved.result) {
        m_ctx.shell.showStoreFailure(kCommentTitle, saved.result.message());
        return false;
    }
    // The list stays where it is, the one comment changed: it shows the diary as it now is.
    (*m_listed)[index].comment = comment;
    m_listedRevision = m_ctx.session.diary().recordsRevision();
    m_panel->showChangedComment();
    noteBuilt();
    return true;
}

void DiaryController::cmdKizukiHozon_Click()
{
    saveMemo();
}

bool DiaryController::saveMemo()
{
    const QString memo = m_panel->txtKizuki->toPlainText();
    // The memo may hold quotes and line breaks; only a character outside the code page is refused.
    if (const QString bad = firstUnencodableCharacter(memo); !bad.isEmpty()) {
        m_ctx.dialogs.warning(kMemoTitle, QStringLiteral("%1は保存できない文字です。気付きメモは保存していません。").arg(characterName(bad)));
        m_panel->txtKizuki->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (StoreResult r = WriteMemo(m_ctx.folder, memo); !r) {
        m_ctx.shell.showStoreFailure(kMemoTitle, r.message());
        return false;
    }
    m_savedMemo = memo;
    return true;
}
