#include "screens/diary/DiaryPanel.h"

#include "ui/Grid.h"
#include "ui/Named.h"
#include "ui/PlainCellDelegate.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const Grid::Column kCommentColumns[] = {
    {u"回数", 560, Grid::Align::Right},  {u"日付", 1070, Grid::Align::Center}, {u"行動", 1680, Grid::Align::Left},
    {u"体重", 500, Grid::Align::Right},  {u"前差", 500, Grid::Align::Right},   {u"差", 300, Grid::Align::Center},
    {u"脂肪", 500, Grid::Align::Right},  {u"一言日記（言い訳など）", 5600, Grid::Align::Left},
};
constexpr int kColumnCount = int(std::size(kCommentColumns));
static_assert(kColumnCount == CommentList::ColumnCount);
// Up to this many rows with the heading, the list starts at its top.
constexpr int kRowsBeforeScrolling = 15;

} // namespace

DiaryPanel::DiaryPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraMemo"));

    msgMemoList = named(new Grid(this), "msgMemoList");
    msgMemoList->setAccessibleName(QStringLiteral("一言日記の一覧（Enterで選んで書き直す）"));
    msgMemoList->setItemDelegate(new PlainCellDelegate(PlainCellDelegate::Selection::Fill, msgMemoList));
    resetList();
    txtMemo = named(new QLineEdit(this), "txtMemo");
    txtMemo->setToolTip(QStringLiteral("一覧で選んだ記録の一言日記です。書き直してEnterキーか保存ボタンで保存します"));
    cmdMemoHozon = named(new QPushButton(QStringLiteral("一言日記保存"), this), "cmdMemoHozon");
    cmdMemoHozon->setAutoDefault(true);
    cmdMemoHozon->setEnabled(false);
    auto *edit = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("一言日記"), this);
    caption->setBuddy(txtMemo);
    edit->addWidget(caption);
    edit->addWidget(txtMemo, 1);
    edit->addWidget(cmdMemoHozon);
    auto *diary = new QVBoxLayout;
    diary->addWidget(msgMemoList, 1);
    diary->addLayout(edit);

    auto *memo = new QGroupBox(QStringLiteral("気付きメモ"), this);
    txtKizuki = named(new QPlainTextEdit(memo), "txtKizuki");
    txtKizuki->setAccessibleName(QStringLiteral("気付きメモの本文"));
    // Tab moves on to the save button instead of typing a tab into the memo.
    txtKizuki->setTabChangesFocus(true);
    cmdKizukiHozon = named(new QPushButton(QStringLiteral("気付きメモ保存"), memo), "cmdKizukiHozon");
    cmdKizukiHozon->setAutoDefault(true);
    auto *box = new QVBoxLayout(memo);
    box->addWidget(txtKizuki, 1);
    box->addWidget(cmdKizukiHozon, 0, Qt::AlignRight);
    memo->setMinimumWidth(twipsToPixels(2800, this));

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(diary, 3);
    layout->addWidget(memo, 1);
}

void DiaryPanel::resetList()
{
    msgMemoList->setRows(1);
    msgMemoList->setColumns(kCommentColumns);
}

void DiaryPanel::showList(std::shared_ptr<const QList<Measurement>> records)
{
    const int rows = int(records->size()) + 1;
    msgMemoList->setRowTexts(rows, [records](int row, int col) { return CommentList::text(*records, row - 1, col); });
    msgMemoList->setRowBackColors([records](int row, int col) -> std::optional<Bgr> {
        if (col != CommentList::Mark)
            return std::nullopt;
        return CommentList::markColour(*records, row - 1);
    });
    if (rows > kRowsBeforeScrolling)
        msgMemoList->setTopRow(rows - 1);
}

void DiaryPanel::showChangedComment()
{
    msgMemoList->viewport()->update();
}
