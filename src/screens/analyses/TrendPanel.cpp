#include "screens/analyses/TrendPanel.h"

#include "screens/shell/GraphQuantity.h"
#include "ui/ButtonColour.h"
#include "ui/Chart.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>


namespace {

// Graph columns.
constexpr int kWeight = 1;
constexpr int kAverage = 2;
constexpr int kBodyFat = 3;
constexpr int kProjection = 4;

constexpr int kBoldAverageRows = 4000;

} // namespace

TrendPanel::TrendPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraRenTai"));

    lblNichis = named(new QLabel(this), "lblNichis");
    lblKiro = named(new QLabel(this), "lblKiro");
    for (QLabel *label : {lblNichis, lblKiro})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // When the target is reached at the present pace: a sentence beside the target button.
    lblYosoku = named(new QLabel(this), "lblYosoku");
    lblYosoku->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // One line in the room the summary leaves: it never widens the window, and the whole
    // sentence is in its tool tip when the room is short.
    lblYosoku->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblYosoku->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblYosoku->setAccessibleDescription(QStringLiteral("目標体重に到達する日の予測（直近4週間のペースから）"));
    lblShuHenka = named(new QLabel(this), "lblShuHenka");
    lblShuHenka->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblShuHenka->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblShuHenka->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblShuHenka->setAccessibleDescription(QStringLiteral("直近28日の一日ごとの平均体重の傾き（週あたり）"));
    cmdMokuChk = named(new QPushButton(kMokuChkCaption, this), "cmdMokuChk");
    cmdMokuChk->setToolTip(QStringLiteral("グラフの下限を目標体重と最小記録で切り替えます"));
    cmdMokuChk->setMinimumWidth(twipsToPixels(2400, this));

    cboIdou = named(new QComboBox(this), "cboIdou");
    cboIdou->setEditable(true);
    // A typed size is a size, not a new item of the list; and the list does not complete it.
    cboIdou->setInsertPolicy(QComboBox::NoInsert);
    cboIdou->setCompleter(nullptr);
    cboIdou->setMaxVisibleItems(15);
    cboIdou->setMinimumWidth(twipsToPixels(900, this));
    cboIdou->setToolTip(QStringLiteral("選ぶか、入力してEnterキー"));
    cboIdou->lineEdit()->setAlignment(Qt::AlignRight);
    auto *sizeCaption = new QLabel(QStringLiteral("移動平均"), this);
    sizeCaption->setBuddy(cboIdou);
    // The caption names the box; the text box inside it, where the size is typed, needs its own.
    cboIdou->lineEdit()->setAccessibleName(QStringLiteral("移動平均の回数（選ぶか、入力してEnter）"));

    mcrRentai = named(new Chart(this), "mcrRentai");
    mcrRentai->setMinimumHeight(twipsToPixels(3000, this));
    mcrRentai->setColumnCount(4);
    mcrRentai->setSeriesAxis(kWeight, 1);
    mcrRentai->setSeriesAxis(kAverage, 1);
    mcrRentai->setSeriesAxis(kBodyFat, 2);
    mcrRentai->setSeriesAxis(kProjection, 1);
    mcrRentai->setSeriesName(kWeight, QStringLiteral("体重"));
    mcrRentai->setSeriesName(kAverage, QStringLiteral("移動平均"));
    mcrRentai->setSeriesName(kBodyFat, QStringLiteral("体脂肪率"));
    mcrRentai->setSeriesColor(kWeight, QColor(0, 0, 192));
    mcrRentai->setSeriesColor(kAverage, QColor(224, 0, 0));
    mcrRentai->setSeriesColor(kBodyFat, QColor(128, 128, 0));
    mcrRentai->setSeriesColor(kProjection, QColor(128, 0, 160));
    mcrRentai->setSeriesDashed(kProjection, true);
    // Thousands of measurements side by side: thin lines keep the raw weights legible, and are
    // drawn in a fraction of the time.
    mcrRentai->setSeriesWidth(kWeight, 1);
    mcrRentai->setSeriesWidth(kBodyFat, 1);

    optKon1 = quantityOption("optKon1", QStringLiteral("混合"), 0x008000, 840, this);
    optTai1 = quantityOption("optTai1", QStringLiteral("体重"), 0xC00000, 840, this);
    optShi1 = quantityOption("optShi1", QStringLiteral("体脂肪率"), 0x008080, 1065, this);
    auto *quantity = new QButtonGroup(this);

    auto *summary = new QVBoxLayout;
    summary->addWidget(lblNichis);
    summary->addWidget(lblKiro);
    auto *top = new QHBoxLayout;
    auto *forecast = new QVBoxLayout;
    forecast->addWidget(lblYosoku);
    forecast->addWidget(lblShuHenka);
    top->addLayout(summary, 1);
    top->addLayout(forecast, 1);
    top->addWidget(cmdMokuChk);

    auto *bottom = new QHBoxLayout;
    bottom->addSpacing(twipsToPixels(1200, this));
    for (QRadioButton *option : {optKon1, optTai1, optShi1}) {
        quantity->addButton(option);
        bottom->addWidget(option);
    }
    bottom->addStretch();
    bottom->addWidget(sizeCaption);
    bottom->addWidget(cboIdou);
    bottom->addWidget(new QLabel(QStringLiteral("回分"), this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mcrRentai, 1);
    layout->addLayout(bottom);

    // The keyboard goes as the eye does: the target button, the options, the size; the graph
    // has nothing to do with keys.
    mcrRentai->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(cmdMokuChk, optKon1);
    QWidget::setTabOrder(optKon1, optTai1);
    QWidget::setTabOrder(optTai1, optShi1);
    QWidget::setTabOrder(optShi1, cboIdou);
}

void TrendPanel::showSeries(const TrendData &trend, const std::vector<double> &average,
                            const std::optional<ForecastProjection> &projection)
{
    // The average stands out in a bolder line while there are few enough rows to draw one
    // quickly; over years of measurements it is as thin as the rest.
    mcrRentai->setSeriesWidth(kAverage, trend.count() > kBoldAverageRows ? 1 : 2);
    const int count = trend.count();
    mcrRentai->setRowCount(0);
    mcrRentai->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const auto k = std::size_t(i);
        mcrRentai->setValue(i + 1, kWeight, double(trend.weights[k]));
        if (k < average.size())
            mcrRentai->setValue(i + 1, kAverage, average[k]);
        mcrRentai->setValue(i + 1, kBodyFat, double(trend.fats[k]));
    }
    showProjection(count, projection);
}

void TrendPanel::showProjection(int count, const std::optional<ForecastProjection> &projection)
{
    // The legend names the projection only while a line is drawn for it.
    mcrRentai->setSeriesName(kProjection, projection && count >= 1 ? QStringLiteral("予測") : QString());
    if (count < 1)
        return;
    mcrRentai->setValue(count, kProjection, std::nan(""));
    mcrRentai->setRowCount(count + (projection ? projection->rows : 0));
    // A straight line needs its every row: a row without a value would break it.
    if (projection) {
        for (int j = 0; j <= projection->rows; ++j)
            mcrRentai->setValue(count + j, kProjection,
                                projection->from + (projection->to - projection->from) * double(j) / double(projection->rows));
    }
}

void TrendPanel::showForecast(const QString &text)
{
    lblYosoku->setText(text);
    lblYosoku->setToolTip(text);
    lblYosoku->setAccessibleName(text.isEmpty() ? QStringLiteral("目標到達予測") : text);
}

void TrendPanel::showWeeklyRate(const QString &text)
{
    lblShuHenka->setText(text);
    lblShuHenka->setToolTip(text);
    lblShuHenka->setAccessibleName(text.isEmpty() ? QStringLiteral("週あたりの変化") : text);
}

void TrendPanel::showSummary(const TrendSummary &summary)
{
    lblNichis->setText(summary.nichis);
    lblKiro->setText(summary.kiro);
    cmdMokuChk->setText(summary.mokuChk);
    if (!summary.hasAxes)
        return;
    mcrRentai->setAxisRange(1, summary.weightMin, summary.weightMax);
    mcrRentai->setAxisRange(2, summary.fatMin, summary.fatMax);
}

void TrendPanel::setWeightAxisMinimum(int minimum)
{
    mcrRentai->setAxisMinimum(1, minimum);
}

void TrendPanel::setMokuChkColour(Bgr colour)
{
    setButtonBackColor(cmdMokuChk, colour);
}
