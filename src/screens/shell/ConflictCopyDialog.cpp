#include "screens/shell/ConflictCopyDialog.h"

#include "store/NumberText.h"
#include "ui/Named.h"
#include "ui/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The day list's columns, the date first and the comment last.
enum CopyColumn { CopyDateColumn, CopySituationColumn, CopyWeightColumn, CopyBodyFatColumn, CopyCommentColumn, CopyColumnCount };

QStandardItem *copyCell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

ConflictCopyDialog::ConflictCopyDialog(const ConflictCopyOffer &offer, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKyogo"));
    setWindowTitle(QStringLiteral("同期の競合コピー"));

    auto *heading = named(new QLabel(this), "lblKyogoCopy");
    heading->setWordWrap(true);
    const QString whose = offer.nickname.isEmpty() ? QString() : offer.nickname + QStringLiteral("さんの");
    heading->setText(QStringLiteral("%1「%2」の同期の競合コピー「%3」に、今のファイルにない記録が%4件あります。\n"
                                    "チェックした記録を「%2」に加えます（コピーはバックアップのフォルダーに移します）。")
                         .arg(whose, offer.fileName, offer.copyName)
                         .arg(offer.missing.size()));

    m_rows = new QStandardItemModel(0, CopyColumnCount, this);
    m_rows->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("行動"), QStringLiteral("体重"), QStringLiteral("体脂肪"),
                                       QStringLiteral("一言日記")});
    for (const Measurement &m : offer.missing) {
        QStandardItem *date = copyCell(m.date);
        date->setCheckable(true);
        date->setCheckState(Qt::Checked);
        m_rows->appendRow({date, copyCell(m.situation), copyCell(formatKg(m.weight), Qt::AlignRight), copyCell(formatFatPercent(m.bodyFat), Qt::AlignRight),
                           copyCell(m.comment)});
    }
    lstKyogoKiroku = named(new QTableView(this), "lstKyogoKiroku");
    lstKyogoKiroku->setModel(m_rows);
    lstKyogoKiroku->setAccessibleName(QStringLiteral("コピーにだけある記録"));
    lstKyogoKiroku->verticalHeader()->hide();
    lstKyogoKiroku->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstKyogoKiroku->horizontalHeader()->setStretchLastSection(true);
    lstKyogoKiroku->resizeColumnsToContents();

    auto *onlyInFile = named(new QLabel(this), "lblKyogoSakujo");
    onlyInFile->setWordWrap(true);
    onlyInFile->setText(QStringLiteral("今のファイルにあってコピーにない記録：%1件（もう一方のコンピューターで削除または修正された記録です。"
                                       "今のファイルのまま残します）")
                            .arg(offer.onlyInFile));

    auto *buttons = new QDialogButtonBox(this);
    cmdKyogoKuwaeru = named(buttons->addButton(QStringLiteral("選んだ記録を加える"), QDialogButtonBox::AcceptRole), "cmdKyogoKuwaeru");
    cmdKyogoAtode = named(buttons->addButton(QStringLiteral("あとで"), QDialogButtonBox::RejectRole), "cmdKyogoAtode");
    cmdKyogoKuwaeru->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lstKyogoKiroku, 1);
    layout->addWidget(onlyInFile);
    layout->addWidget(buttons);
    setMinimumWidth(std::max(titleBarRoom(windowTitle(), this), lstKyogoKiroku->horizontalHeader()->length() + 40));
}

QList<int> ConflictCopyDialog::chosen() const
{
    QList<int> rows;
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        if (m_rows->item(row, CopyDateColumn)->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}
