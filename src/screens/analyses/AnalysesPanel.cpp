#include "screens/analyses/AnalysesPanel.h"

#include "screens/analyses/PeriodAverages.h"
#include "ui/Grid.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Every list of the screen aligns its cells right.
constexpr Grid::Align R = Grid::Align::Right;
using GridColumns = std::array<Grid::Column, 4>;
const GridColumns kB1 = {{{u"回数", 1085, R}, {u"日付", 1500, R}, {u"体重", 1150, R}, {u"初回差", 1100, R}}};
const GridColumns kB2 = {{{u"区切り", 1085, R}, {u"日付", 1500, R}, {u"達成", 1150, R}, {u"経過", 1100, R}}};
const GridColumns kB3 = {{{u"日数", 1085, R}, {u"体重", 1150, R}, {u"平均体重", 1500, R}, {u"差", 1100, R}}};
const GridColumns kB4 = {{{u"順位", 1085, R}, {u"体重範囲", 2000, R}, {u"累積", 880, R}, {u"差", 870, R}}};
// The headings that name the kind of period and the partners are written with each list.
constexpr Grid::Align C = Grid::Align::Center;
const std::array<Grid::Column, PeriodList::ColumnCount> kB5 = {{{u"週", 1650, C},
                                                                 {u"日数", 600, R},
                                                                 {u"平均体重", 1000, R},
                                                                 {u"体脂肪率", 900, R},
                                                                 {u"前週差", 950, R},
                                                                 {u"差", 330, C},
                                                                 {u"", 1000, R},
                                                                 {u"", 1000, R},
                                                                 {u"よく減った方", 1250, C}}};

// The widest texts a column of the averages can hold besides its heading and the nicknames.
const std::array<QStringList, PeriodList::ColumnCount> kB5Widest = {{{QStringLiteral("0000/00/00〜00/00")},
                                                                     {QStringLiteral("31日")},
                                                                     {QStringLiteral("188.88Kg"), QStringLiteral("記録なし")},
                                                                     {QStringLiteral("88.8%")},
                                                                     {QStringLiteral("+88.88Kg")},
                                                                     {QStringLiteral("↑")},
                                                                     {QStringLiteral("188.88Kg")},
                                                                     {QStringLiteral("188.88Kg")},
                                                                     {QStringLiteral("同じ"), QStringLiteral("なし")}}};

void setupGrid(Grid *grid, const GridColumns &columns)
{
    grid->setRows(1);
    grid->setColumns(columns);
}

// A frame with its grid, and below it what belongs to the list (options or a label).
QGroupBox *listFrame(const QString &caption, Grid *grid, QLayout *extra, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(frame);
    grid->setParent(frame);
    layout->addWidget(grid, 1);
    if (extra)
        layout->addLayout(extra);
    return frame;
}

QHBoxLayout *optionPair(std::array<QRadioButton *, 2> &options, const char *name, const QString &first, const QString &second,
                        QWidget *parent)
{
    auto *group = new QButtonGroup(parent);
    auto *row = new QHBoxLayout;
    const QString captions[] = {first, second};
    for (int i = 0; i < 2; ++i) {
        options[std::size_t(i)] = new QRadioButton(captions[i], parent);
        options[std::size_t(i)]->setObjectName(indexedName(name, i));
        group->addButton(options[std::size_t(i)]);
        row->addWidget(options[std::size_t(i)]);
    }
    row->addStretch();
    options[0]->setChecked(true);
    return row;
}

QHBoxLayout *labelRow(QLabel *label)
{
    auto *row = new QHBoxLayout;
    row->addWidget(label, 1);
    return row;
}

} // namespace

AnalysesPanel::AnalysesPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraBunseki"));
    msgB1 = named(new Grid(this), "msgB1");
    msgB2 = named(new Grid(this), "msgB2");
    msgB3 = named(new Grid(this), "msgB3");
    msgB4 = named(new Grid(this), "msgB4");
    msgB1->setAccessibleName(QStringLiteral("時系列連続体重の一覧"));
    msgB2->setAccessibleName(QStringLiteral("区切り経過の一覧（0.5Kg減るごと）"));
    msgB3->setAccessibleName(QStringLiteral("体重平均推移の一覧"));
    msgB4->setAccessibleName(QStringLiteral("体重推移累積番付の一覧"));
    msgB5 = named(new Grid(this), "msgB5");
    msgB5->setAccessibleName(QStringLiteral("週・月の平均の一覧（新しい順、二人の平均つき）"));
    for (int i = 0; i < 2; ++i) {
        Label5[std::size_t(i)] = new QLabel(this);
        Label5[std::size_t(i)]->setObjectName(indexedName("Label5", i));
        // Its line is there while it is empty too, so that a text arriving moves no list.
        Label5[std::size_t(i)]->setMinimumHeight(Label5[std::size_t(i)]->fontMetrics().height());
    }

    auto *fraB1 = listFrame(QStringLiteral("    時系列連続体重"), msgB1,
                            optionPair(Option1, "Option1", QStringLiteral("前回との差"), QStringLiteral("初回との差"), this), this);
    auto *fraB2 = listFrame(QStringLiteral("    区切り経過"), msgB2, labelRow(Label5[0]), this);
    auto *fraB3 = listFrame(QStringLiteral("    体重平均推移"), msgB3, labelRow(Label5[1]), this);
    fraB4 = listFrame(QString(), msgB4,
                      optionPair(Option2, "Option2", QStringLiteral("１.０Ｋｇ刻み"), QStringLiteral("０.５Ｋｇ刻み"), this), this);
    fraB1->setObjectName(QStringLiteral("fraB1"));
    fraB2->setObjectName(QStringLiteral("fraB2"));
    fraB3->setObjectName(QStringLiteral("fraB3"));
    fraB4->setObjectName(QStringLiteral("fraB4"));
    fraB4->setTitle(QStringLiteral("    体重推移累積番付 < 1.0Kg刻み >"));
    auto *fraB5 = listFrame(QStringLiteral("    週・月の平均"), msgB5,
                            optionPair(Option3, "Option3", QStringLiteral("週ごと"), QStringLiteral("月ごと"), this), this);
    fraB5->setObjectName(QStringLiteral("fraB5"));

    // Three lists side by side above, the ranking and the couple's weeks below: the averages
    // need the width of two.
    auto *layout = new QGridLayout(this);
    layout->addWidget(fraB1, 0, 0);
    layout->addWidget(fraB2, 0, 1);
    layout->addWidget(fraB3, 0, 2);
    layout->addWidget(fraB4, 1, 0);
    layout->addWidget(fraB5, 1, 1, 1, 2);

    // The keyboard goes through the lists as they are read, each with its options.
    const QList<QWidget *> order{msgB1, Option1[0], Option1[1], msgB2, msgB3, msgB4, Option2[0], Option2[1], msgB5, Option3[0], Option3[1]};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void AnalysesPanel::setupGrids()
{
    setupGrid(msgB1, kB1);
    setupGrid(msgB2, kB2);
    setupGrid(msgB3, kB3);
    setupGrid(msgB4, kB4);
    msgB5->setRows(1);
    msgB5->setColumns(kB5);
}

void AnalysesPanel::showList(Grid *grid, std::shared_ptr<const AnalysisList> list, int scrollAbove)
{
    const int rows = list->rowCount() + 1;
    grid->setRowTexts(rows, [list = std::move(list)](int row, int col) { return list->text(row - 1, col); });
    if (scrollAbove >= 0 && grid->rows() > scrollAbove)
        grid->setTopRow(grid->rows() - 1);
}

void AnalysesPanel::setHeading(Grid *grid, int col, const QString &text)
{
    grid->setTextMatrix(0, col, text);
}

void AnalysesPanel::showPeriodList(std::shared_ptr<const PeriodList> list)
{
    // The designed widths, widened where the font in use (a desktop's larger one) would cut a
    // text: a period, a heading or a nickname.
    const QFontMetrics cells(msgB5->font());
    const QFontMetrics headings(msgB5->horizontalHeader()->font());
    const int padding = layoutPixels(8, msgB5);
    for (int col = 0; col < PeriodList::ColumnCount; ++col) {
        const QString heading = list->heading(col);
        if (msgB5->textMatrix(0, col) != heading)
            msgB5->setTextMatrix(0, col, heading);
        QStringList texts = kB5Widest[std::size_t(col)];
        if (col == PeriodList::LostMore)
            texts << list->heading(PeriodList::Partner1) << list->heading(PeriodList::Partner2);
        int pixels = headings.horizontalAdvance(heading);
        for (const QString &text : std::as_const(texts))
            pixels = std::max(pixels, cells.horizontalAdvance(text));
        const int twips = std::max(kB5[std::size_t(col)].twips, int(std::ceil((pixels + padding) / pixelsPerTwip(msgB5))));
        if (msgB5->colWidth(col) != twips)
            msgB5->setColWidth(col, twips);
    }
    msgB5->setRowTexts(list->rowCount() + 1, [list](int row, int col) { return list->text(row - 1, col); });
    msgB5->setRowBackColors([list](int row, int col) { return list->backColour(row - 1, col); });
}
