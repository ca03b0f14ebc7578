#include "screens/history/HistoryPanel.h"

#include "screens/history/HistoryListing.h"
#include "screens/shell/GraphQuantity.h"
#include "ui/Chart.h"
#include "ui/Colors.h"
#include "ui/Grid.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Chart columns.
constexpr int kWeightSeries = 1;
constexpr int kBodyFatSeries = 2;

// Above this many points the lines are drawn one pixel wide, which is far quicker.
constexpr int kThinLineRows = 4000;

// Boxes of the filters.
constexpr Bgr kBoxColour = 0xF0FFFF;

const Grid::Column kColumns[HistoryListing::columns] = {
    {u"回", 600, Grid::Align::Center},     {u"日付け", 950, Grid::Align::Center}, {u"曜", 320, Grid::Align::Center},
    {u"行動", 1565, Grid::Align::Left},    {u"体重", 750, Grid::Align::Right},    {u"前回差", 730, Grid::Align::Right},
    {u"差", 320, Grid::Align::Center},     {u"初回差", 730, Grid::Align::Right},  {u"差", 320, Grid::Align::Center},
    {u"ＢＭＩ", 560, Grid::Align::Right},  {u"肥満度", 680, Grid::Align::Right},  {u"体脂肪", 680, Grid::Align::Right},
};

// A filter's caption on its colour, in white where white reads on it (the pale olive needs black).
QLabel *filterCaption(const QString &name, const QString &text, Bgr colour, QWidget *parent)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setAlignment(Qt::AlignCenter);
    setBackColor(label, colour);
    label->setMinimumSize(twipsToPixels(1575, parent), twipsToPixels(390, parent));
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

// A filter button: at least as large as its place on the screen, and wide enough for its text
// also when coloured (a coloured button pads its text more than a plain one). Buttons side by
// side share their row by their stretch, not by their text, so that a button changing its colour
// moves nothing.
QPushButton *filterButton(const QString &name, const QString &caption, int widthTwips, int heightTwips, QWidget *parent)
{
    auto *button = named(new QPushButton(caption, parent), name);
    const QFontMetrics metrics = button->fontMetrics();
    button->setMinimumWidth(std::max(twipsToPixels(widthTwips, parent), metrics.horizontalAdvance(caption) + 24));
    button->setFixedHeight(std::max(twipsToPixels(heightTwips, parent), metrics.height() + 10));
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return button;
}

void paintBox(QWidget *box)
{
    setBoxColor(box, kBoxColour);
}

QComboBox *dateBox(const char *name, QStringListModel *dates, QWidget *parent)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    // What is typed is used as it stands: it is neither added to the list nor completed from it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setModel(dates);
    box->setMaxVisibleItems(15);
    box->setMinimumSize(twipsToPixels(1590, parent), twipsToPixels(345, parent));
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    paintBox(box);
    paintBox(box->lineEdit());
    return box;
}

} // namespace

HistoryPanel::HistoryPanel(QWidget *parent)
    : QFrame(parent)
    , m_dates(new QStringListModel(this))
{
    setObjectName(QStringLiteral("fraTaijyu"));

    msgBunseki = named(new Grid(this), "msgBunseki");
    msgBunseki->setAccessibleName(QStringLiteral("絞り込んだ記録の一覧"));
    msgBunseki->setMinimumHeight(twipsToPixels(2230, this));
    mcrBunseki = named(new Chart(this), "mcrBunseki");
    mcrBunseki->setMinimumHeight(twipsToPixels(3000, this));
    mcrBunseki->setColumnCount(2);
    mcrBunseki->setSeriesAxis(kWeightSeries, 1);
    mcrBunseki->setSeriesAxis(kBodyFatSeries, 2);
    mcrBunseki->setSeriesName(kWeightSeries, QStringLiteral("体重"));
    mcrBunseki->setSeriesName(kBodyFatSeries, QStringLiteral("体脂肪率"));
    mcrBunseki->setSeriesColor(kWeightSeries, QColor(0, 0, 192));
    mcrBunseki->setSeriesColor(kBodyFatSeries, QColor(128, 128, 0));
    mcrBunseki->setFocusPolicy(Qt::NoFocus);

    optKon2 = quantityOption("optKon2", QStringLiteral("混合"), 0x008000, 840, this);
    optTai2 = quantityOption("optTai2", QStringLiteral("体重"), 0xC00000, 840, this);
    optShi2 = quantityOption("optShi2", QStringLiteral("体脂肪率"), 0x008080, 1065, this);
    auto *quantity = new QButtonGroup(this);
    auto *options = new QHBoxLayout;
    options->addSpacing(twipsToPixels(975 - 150, this));
    for (QRadioButton *option : {optKon2, optTai2, optShi2}) {
        quantity->addButton(option);
        options->addWidget(option);
    }
    options->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(msgBunseki, 2230);
    left->addWidget(mcrBunseki, 4275);
    left->addLayout(options);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(buildFilters(), 1);

    // The keyboard goes as the eye does: the list, the quantity, then the filters from the top.
    QWidget::setTabOrder(msgBunseki, optKon2);
    QWidget::setTabOrder(optKon2, optTai2);
    QWidget::setTabOrder(optTai2, optShi2);
    QWidget::setTabOrder(optShi2, cmdAllact);
    QWidget *order[] = {cmdAllact, lstAct2,   txtKey,    cmdAllWeek, cmdWeek[0], cmdWeek[1], cmdWeek[2], cmdWeek[3],
                        cmdWeek[4], cmdWeek[5], cmdWeek[6], cmdAllDay, cmdKikan1,  cmdKikan8,  cmdKikan2,  cmdKikan3,
                        cmdKikan4, cmdKikan5, cmdKikan6, cmdKikan7, cboStdate,  cmdKikanF,  cboEddate};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    SetUpHistoryGrid();
}

QWidget *HistoryPanel::buildFilters()
{
    auto *filters = new QWidget(this);
    filters->setMinimumWidth(twipsToPixels(2415, this));
    filters->setMaximumWidth(twipsToPixels(2415 * 7 / 4, this));
    const int gap = twipsToPixels(75, this);
    auto *column = new QVBoxLayout(filters);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(gap);

    auto captionRow = [&](QLabel *caption, QPushButton *all) {
        auto *row = new QHBoxLayout;
        row->setSpacing(gap);
        row->addWidget(caption, 1575);
        row->addWidget(all, 765);
        column->addSpacing(gap);
        column->addLayout(row);
    };

    // situation
    Label7[0] = filterCaption(QStringLiteral("Label7(0)"), QStringLiteral("状況指定"), 0x0000C0, filters);
    cmdAllact = filterButton(QStringLiteral("cmdAllact"), QStringLiteral("全部"), 765, 390, filters);
    captionRow(Label7[0], cmdAllact);
    lstAct2 = named(new QListWidget(filters), "lstAct2");
    lstAct2->setAccessibleName(QStringLiteral("状況で絞り込む（Enterで選ぶ）"));
    lstAct2->setMinimumHeight(twipsToPixels(1740, this));
    paintBox(lstAct2);
    column->addWidget(lstAct2, 1);
    txtKey = named(new QLineEdit(filters), "txtKey");
    txtKey->setMinimumHeight(twipsToPixels(330, this));
    txtKey->setToolTip(QStringLiteral("語句を入力してEnterキー"));
    txtKey->setAccessibleName(QStringLiteral("状況に含まれる語句で絞り込む（入力してEnter）"));
    paintBox(txtKey);
    column->addWidget(txtKey);

    // weekday
    Label7[2] = filterCaption(QStringLiteral("Label7(2)"), QStringLiteral("曜日指定"), 0x00C0C0, filters);
    cmdAllWeek = filterButton(QStringLiteral("cmdAllWeek"), QStringLiteral("全部"), 765, 390, filters);
    captionRow(Label7[2], cmdAllWeek);
    auto *week = new QHBoxLayout;
    week->setSpacing(0);
    for (int i = 0; i < 7; ++i) {
        cmdWeek[std::size_t(i)] = filterButton(QStringLiteral("cmdWeek(%1)").arg(i), WeekdayName(i), i == 6 ? 350 : 360, 390, filters);
        week->addWidget(cmdWeek[std::size_t(i)], 1);
    }
    column->addLayout(week);

    // period
    Label7[1] = filterCaption(QStringLiteral("Label7(1)"), QStringLiteral("期間指定"), 0xC00000, filters);
    cmdAllDay = filterButton(QStringLiteral("cmdAllDay"), QStringLiteral("全部"), 765, 390, filters);
    captionRow(Label7[1], cmdAllDay);
    cmdKikan1 = filterButton(QStringLiteral("cmdKikan1"), QStringLiteral("前日"), 1215, 390, filters);
    cmdKikan8 = filterButton(QStringLiteral("cmdKikan8"), QStringLiteral("３日"), 1215, 390, filters);
    cmdKikan2 = filterButton(QStringLiteral("cmdKikan2"), QStringLiteral("１週間"), 1215, 390, filters);
    cmdKikan3 = filterButton(QStringLiteral("cmdKikan3"), QStringLiteral("２週間"), 1215, 390, filters);
    cmdKikan4 = filterButton(QStringLiteral("cmdKikan4"), QStringLiteral("１ヶ月"), 1215, 390, filters);
    cmdKikan5 = filterButton(QStringLiteral("cmdKikan5"), QStringLiteral("３ヶ月"), 1215, 390, filters);
    cmdKikan6 = filterButton(QStringLiteral("cmdKikan6"), QStringLiteral("半年"), 1215, 390, filters);
    cmdKikan7 = filterButton(QStringLiteral("cmdKikan7"), QStringLiteral("１年"), 1215, 390, filters);
    auto *presets = new QGridLayout;
    presets->setSpacing(0);
    presets->setColumnStretch(0, 1);
    presets->setColumnStretch(1, 1);
    QPushButton *const pairs[][2] = {{cmdKikan1, cmdKikan8}, {cmdKikan2, cmdKikan3}, {cmdKikan4, cmdKikan5}, {cmdKikan6, cmdKikan7}};
    for (int r = 0; r < 4; ++r) {
        presets->addWidget(pairs[r][0], r, 0);
        presets->addWidget(pairs[r][1], r, 1);
    }
    column->addLayout(presets);

    cboStdate = dateBox("cboStdate", m_dates, filters);
    cmdKikanF = filterButton(QStringLiteral("cmdKikanF"), QStringLiteral("任意"), 765, 360, filters);
    auto *first = new QHBoxLayout;
    first->setSpacing(gap);
    first->addWidget(cboStdate, 1590);
    first->addWidget(cmdKikanF, 765);
    column->addSpacing(gap);
    column->addLayout(first);
    Label4 = named(new QLabel(QStringLiteral("～"), filters), "Label4");
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setMinimumWidth(twipsToPixels(390, this));
    cboEddate = dateBox("cboEddate", m_dates, filters);
    Label4->setBuddy(cboEddate);
    // The box and the text box inside it, which is what a screen reader meets when typing.
    for (auto [box, name] : {std::pair{cboStdate, QStringLiteral("期間の初めの日（yyyy/mm/dd）")},
                             std::pair{cboEddate, QStringLiteral("期間の終わりの日（yyyy/mm/dd）")}}) {
        box->setAccessibleName(name);
        box->lineEdit()->setAccessibleName(name);
    }
    auto *last = new QHBoxLayout;
    last->setSpacing(0);
    last->addSpacing(twipsToPixels(9150 - 8775, this));
    last->addWidget(Label4);
    last->addWidget(cboEddate, 1);
    column->addLayout(last);
    column->addStretch(0);
    return filters;
}

std::array<QPushButton *, 10> HistoryPanel::periodButtons() const
{
    return {cmdAllDay, cmdKikan1, cmdKikan2, cmdKikan3, cmdKikan4, cmdKikan5, cmdKikan6, cmdKikan7, cmdKikan8, cmdKikanF};
}

void HistoryPanel::SetUpHistoryGrid()
{
    msgBunseki->setRows(1);
    msgBunseki->setColumns(kColumns);
    msgBunseki->setFixedCols(1);
}

void HistoryPanel::showListing(std::shared_ptr<const HistoryListing> listing)
{
    const int rows = listing->rowCount();
    for (int column : {kWeightSeries, kBodyFatSeries})
        mcrBunseki->setSeriesWidth(column, rows > kThinLineRows ? 1 : 2);
    mcrBunseki->setRowCount(0);
    mcrBunseki->setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        mcrBunseki->setValue(r, kWeightSeries, double(listing->weight(r)));
        mcrBunseki->setValue(r, kBodyFatSeries, double(listing->bodyFat(r)));
    }
    if (const std::optional<HistoryAxis> axis = listing->weightAxis())
        mcrBunseki->setAxisRange(1, axis->minimum, axis->maximum);
    if (const std::optional<HistoryAxis> axis = listing->bodyFatAxis())
        mcrBunseki->setAxisRange(2, axis->minimum, axis->maximum);

    const int scrollLimit = listing->scrollLimit();
    msgBunseki->setRowTexts(rows + 1, [listing](int row, int col) { return listing->text(row, col); });
    msgBunseki->setRowBackColors([listing](int row, int col) -> std::optional<Bgr> { return listing->backColour(row, col); });
    if (msgBunseki->rows() > scrollLimit)
        msgBunseki->setTopRow(msgBunseki->rows() - 1);
}

void HistoryPanel::setDateLists(const QStringList &dates)
{
    m_dates->setStringList(dates);
    if (dates.isEmpty())
        setPeriod(QString(), QString());
    else
        setPeriod(dates.first(), dates.last());
}

void HistoryPanel::setPeriod(const QString &firstDay, const QString &lastDay)
{
    // The box's list opens at its text where the list holds it.
    for (auto [box, text] : {std::pair{cboStdate, firstDay}, std::pair{cboEddate, lastDay}}) {
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        box->setEditText(text);
    }
}
