#include "screens/comparison/ComparisonPanel.h"

#include "screens/comparison/MarkPictures.h"
#include "ui/Chart.h"
#include "ui/Colors.h"
#include "ui/Grid.h"
#include "ui/Named.h"
#include "ui/Shape.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyle>

namespace {

// Scoreboard geometry in twips, relative to the panel. Each row is a coloured heading band with
// partner 1's mark and value beside it, then partner 2's; the share bar stands to the right of
// row 0, and the graph options fill the space to the right of rows 1 to 6.
constexpr int kRowTop = 105;
constexpr int kRowPitch = 405;
constexpr int kBandLeft = 120;
constexpr int kBandWidth = 2265;
constexpr int kBandHeight = 360;
constexpr int kMarkSize = 300;
constexpr int kMark1Left = 2445;
constexpr int kValue1Left = 2790;
constexpr int kValue1Width = 2040;
constexpr int kMark2Left = 4890;
constexpr int kValue2Left = 5235;
constexpr int kValue2Width = 2250;

constexpr int kShareTop = 225;
constexpr int kShareHeight = 105;
constexpr int kShareWholeLeft = 7590;
constexpr int kSharePartLeft = 7575;
constexpr Bgr kShareWholeColour = 0xC0C0FF;
constexpr Bgr kSharePartColour = 0xFFFFC0;

constexpr int kOptionsLeft = 7575;
constexpr int kOptionsWidth = 3570;
constexpr int kGra1Top = 615;
constexpr int kGra2Top = 960;
constexpr int kFrameTop = 1395;
constexpr int kFrameHeight = 1080;
constexpr int kOptionHeight = 300;

// The couple's forecast: right of the graph options, down to the lower half, as wide as the
// panel allows beyond its designed width (the window is always wider than that for its buttons).
constexpr int kForecastLeft = kOptionsLeft + kOptionsWidth + 240;
constexpr int kForecastLeastWidth = 2400;

// The lower half: the list at the left, the graphs beside it, down to the panel's bottom.
constexpr int kLowerTop = 3030;
constexpr int kMargin = 120;
constexpr int kPanelWidth = 11265;
constexpr int kPanelHeight = 7500;
constexpr int kLeastListHeight = 1500;

// The list's columns.
constexpr int kListColumns = 4;
constexpr int kListWidths[kListColumns] = {660, 1150, 700, 700};

// The partners' colours: the badge beside each nickname and each partner's curve.
const QColor kPartner1Colour(0x30, 0x60, 0xC0);
const QColor kPartner2Colour(0xE0, 0x40, 0x70);

void placeTwips(QWidget *widget, const QWidget *panel, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left, panel), twipsToPixels(top, panel), twipsToPixels(width, panel),
                        twipsToPixels(height, panel));
}

// An option keeps its twip place and width; its height is the twips' or what its text needs,
// whichever is more, as the font does not shrink in the same steps as the twips.
void placeOption(QRadioButton *option, const QWidget *panel, int left, int top, int width)
{
    placeTwips(option, panel, left, top, width, kOptionHeight);
    option->resize(option->width(), std::max(option->height(), option->sizeHint().height()));
}

QRadioButton *optionButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Writes a partner's points into one column of a chart whose rows were just emptied.
void writeColumn(Chart *chart, int column, const std::vector<std::optional<float>> &points)
{
    for (size_t i = 0; i < points.size(); ++i) {
        if (points[i])
            chart->setPoint(int(i) + 1, column, graphPointText(points[i]));
    }
}

} // namespace

ComparisonPanel::ComparisonPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraAvgTai"));
    buildScoreboard();
    buildLowerHalf();
    SetupAverageGrid();
    resize(sizeHint());
}

QSize ComparisonPanel::sizeHint() const
{
    return {twipsToPixels(kPanelWidth, this), twipsToPixels(kPanelHeight, this)};
}

QSize ComparisonPanel::minimumSizeHint() const
{
    // The scoreboard whole, and below it the least list and graph.
    return {twipsToPixels(std::max(kPanelWidth, kForecastLeft + kForecastLeastWidth + kMargin), this),
            twipsToPixels(kLowerTop + kLeastListHeight + kMargin, this)};
}

QLabel *ComparisonPanel::place(QLabel *label, int left, int top, int width, int height)
{
    placeTwips(label, this, left, top, width, height);
    return label;
}

void ComparisonPanel::buildScoreboard()
{
    const qreal ratio = devicePixelRatioF();
    const int markPixels = twipsToPixels(kMarkSize, this);
    const QPixmap crown = winnerMarkPixmap(markPixels, ratio);

    QFont valueFont = font();
    valueFont.setPointSizeF(9.0 * layoutScale());

    for (int k = 0; k < ScoreRowCount; ++k) {
        const int top = kRowTop + k * kRowPitch;
        auto *band = new Shape(this, scoreRowBandColour(k));
        band->setObjectName(indexedName("shpHead", k));
        placeTwips(band, this, kBandLeft, top, kBandWidth, kBandHeight);
        auto *heading = new QLabel(scoreRowHeading(k), band);
        heading->setObjectName(indexedName("lblHead", k));
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(band->rect());

        const int markTop = top + (kBandHeight - kMarkSize) / 2;
        m_imgD1[size_t(k)] = place(new QLabel(this), kMark1Left, markTop, kMarkSize, kMarkSize);
        m_imgD2[size_t(k)] = place(new QLabel(this), kMark2Left, markTop, kMarkSize, kMarkSize);
        m_lblD1[size_t(k)] = place(new QLabel(this), kValue1Left, top, kValue1Width, kBandHeight);
        m_lblD2[size_t(k)] = place(new QLabel(this), kValue2Left, top, kValue2Width, kBandHeight);
        m_imgD1[size_t(k)]->setObjectName(indexedName("imgD1", k));
        m_imgD2[size_t(k)]->setObjectName(indexedName("imgD2", k));
        m_lblD1[size_t(k)]->setObjectName(indexedName("lblD1", k));
        m_lblD2[size_t(k)]->setObjectName(indexedName("lblD2", k));
        for (QLabel *value : {m_lblD1[size_t(k)], m_lblD2[size_t(k)]}) {
            value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            value->setFont(valueFont);
        }
        if (k == NicknameRow) {
            // Row 0 has no figure to win; its pictures only mark whose column is whose.
            m_imgD1[size_t(k)]->setPixmap(partnerBadgePixmap(kPartner1Colour, markPixels, ratio));
            m_imgD2[size_t(k)]->setPixmap(partnerBadgePixmap(kPartner2Colour, markPixels, ratio));
        } else {
            m_imgD1[size_t(k)]->setPixmap(crown);
            m_imgD2[size_t(k)]->setPixmap(crown);
        }
    }

    m_shareWhole = new Shape(this, kShareWholeColour);
    m_shareWhole->setObjectName(QStringLiteral("shpMirte(1)"));
    placeTwips(m_shareWhole, this, kShareWholeLeft, kShareTop, kShareBarWholeTwips, kShareHeight);
    // Item 0 lies over item 1: partner 1's part of the whole.
    m_sharePart = new Shape(this, kSharePartColour);
    m_sharePart->setObjectName(QStringLiteral("shpMirte(0)"));
    placeTwips(m_sharePart, this, kSharePartLeft, kShareTop, 0, kShareHeight);
    m_sharePart->raise();
}

void ComparisonPanel::buildLowerHalf()
{
    m_forecast = new QLabel(this);
    m_forecast->setObjectName(QStringLiteral("lblFutariYosoku"));
    m_forecast->setWordWrap(true);
    m_forecast->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_forecast->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_forecast->setAccessibleDescription(QStringLiteral("二人が目標体重に到達する日の予測（直近4週間のペースから）"));

    m_list = new Grid(this);
    m_list->setObjectName(QStringLiteral("msgAvgtai"));
    m_list->setAccessibleName(QStringLiteral("二人の一日ごとの平均体重"));

    m_separate = new Chart(this);
    m_separate->setObjectName(QStringLiteral("mcrAvgtai"));
    m_sameAxis = new Chart(this);
    m_sameAxis->setObjectName(QStringLiteral("mcrAvgtai2"));
    for (Chart *chart : {m_separate, m_sameAxis}) {
        chart->setColumnCount(2);
        chart->setSeriesColor(1, kPartner1Colour);
        chart->setSeriesColor(2, kPartner2Colour);
        chart->setSeriesMarker(1, Chart::Marker::None);
        chart->setSeriesMarker(2, Chart::Marker::None);
    }
    // Partner 2 on the right axis, each scaled to its own weights.
    m_separate->setSeriesAxis(1, 1);
    m_separate->setSeriesAxis(2, 2);
    m_sameAxis->setSeriesAxis(1, 1);
    m_sameAxis->setSeriesAxis(2, 1);
    m_sameAxis->setAxisScaleVisible(2, false);

    optGra1 = optionButton(this, QStringLiteral("optGra1"), QStringLiteral("同一軸上でグラフ表示"));
    optGra2 = optionButton(this, QStringLiteral("optGra2"), QStringLiteral("別々の軸上でグラフ表示"));
    placeOption(optGra1, this, kOptionsLeft + 15, kGra1Top, kOptionsWidth - 15);
    placeOption(optGra2, this, kOptionsLeft + 15, kGra2Top, kOptionsWidth - 15);

    m_fraDgr = new QGroupBox(this);
    m_fraDgr->setObjectName(QStringLiteral("fraDgr"));
    m_fraDgr2 = new QGroupBox(this);
    m_fraDgr2->setObjectName(QStringLiteral("fraDgr2"));
    for (QGroupBox *frame : {m_fraDgr, m_fraDgr2})
        placeTwips(frame, this, kOptionsLeft, kFrameTop, kOptionsWidth, kFrameHeight);
    optG1 = optionButton(m_fraDgr, QStringLiteral("optG1"), QStringLiteral("実際の値のまま"));
    optG2 = optionButton(m_fraDgr, QStringLiteral("optG2"), QStringLiteral("グラフを重ねる"));
    optG3 = optionButton(m_fraDgr2, QStringLiteral("optG3"), QStringLiteral("下限自動"));
    optG4 = optionButton(m_fraDgr2, QStringLiteral("optG4"), QStringLiteral("下限目標"));
    // Positions inside a frame are relative to the frame.
    for (QRadioButton *first : {optG1, optG3})
        placeOption(first, this, 240, 195, kOptionsWidth - 360);
    for (QRadioButton *second : {optG2, optG4})
        placeOption(second, this, 240, 600, kOptionsWidth - 360);

    // Each pair chooses on its own. Left to themselves, option buttons choose among every option
    // under their parent, the framed ones included, and a click on the chosen optGra2 would then
    // clear it.
    for (auto [first, second] : {std::pair{optGra1, optGra2}, std::pair{optG1, optG2}, std::pair{optG3, optG4}}) {
        auto *pair = new QButtonGroup(this);
        pair->addButton(first);
        pair->addButton(second);
    }

    // The separate-axes graph with automatic lower bounds and actual values at start.
    optGra2->setChecked(true);
    optG3->setChecked(true);
    optG1->setChecked(true);
    m_sameAxis->setVisible(false);
    m_fraDgr->setVisible(false);

    placeLowerHalf();
}

void ComparisonPanel::placeLowerHalf()
{
    const int margin = twipsToPixels(kMargin, this);
    const int forecastLeft = twipsToPixels(kForecastLeft, this);
    m_forecast->setGeometry(forecastLeft, twipsToPixels(kRowTop, this), std::max(width() - forecastLeft - margin, 0),
                            twipsToPixels(kLowerTop - kRowTop - kMargin, this));
    const int top = twipsToPixels(kLowerTop, this);
    const int listHeight = std::max(height() - top - margin, twipsToPixels(kLeastListHeight, this));
    int listWidth = 2 * m_list->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list) + 2;
    for (int twips : kListWidths)
        listWidth += twipsToPixels(twips, this);
    m_list->setGeometry(margin, top, listWidth, listHeight);
    const int chartLeft = margin + listWidth + margin;
    const int chartWidth = std::max(width() - chartLeft - margin, twipsToPixels(2000, this));
    m_separate->setGeometry(chartLeft, top, chartWidth, listHeight);
    m_sameAxis->setGeometry(chartLeft, top, chartWidth, listHeight);
}

void ComparisonPanel::showCoupleForecast(const QString &text)
{
    m_forecast->setText(text);
    m_forecast->setAccessibleName(text.isEmpty() ? QStringLiteral("二人の目標到達予測") : text);
}

void ComparisonPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeLowerHalf();
}

void ComparisonPanel::SetupAverageGrid()
{
    static constexpr Grid::Column columns[kListColumns] = {{u"日数", kListWidths[0], Grid::Align::Right},
                                                           {u"日付", kListWidths[1], Grid::Align::Center},
                                                           {u"体重１", kListWidths[2], Grid::Align::Right},
                                                           {u"体重２", kListWidths[3], Grid::Align::Right}};
    m_list->setRows(1);
    m_list->setColumns(columns);
}

void ComparisonPanel::fillList(const DailyAverages &days)
{
    const int rows = days.shownDays + 1;
    // Emptied to the heading first, so no cell of the previous build survives.
    m_list->setRows(1);
    m_list->setRows(rows);
    for (int i = 0; i < days.shownDays; ++i) {
        const int row = i + 1;
        m_list->setTextMatrix(row, 0, dayNumberText(days.dayNumber(i)));
        m_list->setTextMatrix(row, 1, dayDateText(days.day(i)));
        if (const std::optional<float> a = days.partner1.dayAverage[size_t(i)])
            m_list->setTextMatrix(row, 2, dayAverageText(a));
        if (const std::optional<float> a = days.partner2.dayAverage[size_t(i)])
            m_list->setTextMatrix(row, 3, dayAverageText(a));
    }
    m_list->setTopRow(listTopRow(rows));
}

void ComparisonPanel::fillSeparateAxesGraph(const DailyAverages &days, const ComparisonPartners &partners)
{
    m_separate->setRowCount(0);
    m_separate->setRowCount(days.shownDays);
    m_separate->setSeriesName(1, partners.nickname1);
    m_separate->setSeriesName(2, partners.nickname2);
    m_sameAxis->setSeriesName(1, partners.nickname1);
    m_sameAxis->setSeriesName(2, partners.nickname2);
    writeColumn(m_separate, 1, days.partner1.graphPoint);
    writeColumn(m_separate, 2, days.partner2.graphPoint);
}

void ComparisonPanel::fillScoreboard(const Scoreboard &board)
{
    for (int k = 0; k < ScoreRowCount; ++k) {
        const ScoreRow &row = board.rows[size_t(k)];
        m_lblD1[size_t(k)]->setText(row.text1);
        m_lblD2[size_t(k)]->setText(row.text2);
        if (k != NicknameRow) {
            m_imgD1[size_t(k)]->setVisible(row.mark1);
            m_imgD2[size_t(k)]->setVisible(row.mark2);
        }
    }
    placeTwips(m_sharePart, this, kSharePartLeft, kShareTop, board.shareBarTwips, kShareHeight);
    // A share of nothing leaves no part to draw.
    m_sharePart->setVisible(board.shareBarTwips > 0);
}

void ComparisonPanel::applySeparateAxes(const SeparateAxes &axes)
{
    m_separate->setAxisRange(1, axes.axis1.minimum, axes.axis1.maximum);
    m_separate->setAxisRange(2, axes.axis2.minimum, axes.axis2.maximum);
}

SeparateAxes ComparisonPanel::currentSeparateAxes() const
{
    return {{m_separate->axisMinimum(1), m_separate->axisMaximum(1)}, {m_separate->axisMinimum(2), m_separate->axisMaximum(2)}};
}

void ComparisonPanel::showSameAxisGraph(const SameAxisGraph &graph)
{
    m_sameAxis->setRowCount(0);
    m_sameAxis->setRowCount(int(graph.column1.size()));
    writeColumn(m_sameAxis, 1, graph.column1);
    writeColumn(m_sameAxis, 2, graph.column2);
    m_sameAxis->setAxisRange(1, graph.axis.minimum, graph.axis.maximum);
}

void ComparisonPanel::showGraphKind(bool sameAxis)
{
    m_separate->setVisible(!sameAxis);
    m_sameAxis->setVisible(sameAxis);
    m_fraDgr->setVisible(sameAxis);
    m_fraDgr2->setVisible(!sameAxis);
}
