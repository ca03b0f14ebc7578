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


namespace {

// Graph columns.
constexpr int kWeight = 1;
constexpr int kAverage = 2;
constexpr int kBodyFat = 3;

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
    mcrRentai->setColumnCount(3);
    mcrRentai->setSeriesAxis(kWeight, 1);
    mcrRentai->setSeriesAxis(kAverage, 1);
    mcrRentai->setSeriesAxis(kBodyFat, 2);
    mcrRentai->setSeriesName(kWeight, QStringLiteral("体重"));
    mcrRentai->setSeriesName(kAverage, QStringLiteral("移動平均"));
    mcrRentai->setSeriesName(kBodyFat, QStringLiteral("体脂肪率"));
    mcrRentai->setSeriesColor(kWeight, QColor(0, 0, 192));
    mcrRentai->setSeriesColor(kAverage, QColor(224, 0, 0));
    mcrRentai->setSeriesColor(kBodyFat, QColor(128, 128, 0));
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
    top->addLayout(summary, 1);
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

void TrendPanel::showSeries(const TrendData &trend, const std::vector<double> &average)
{
    // The average stands out in a bolder line while there are few enough rows to draw one
    // quickly; over years of measurements it is as thin as the rest.
    mcrRentai->setSeriesWidth(kAverage, trend.count() > kBoldAverageRows ? 1 : 2);
    mcrRentai->setRowCount(0);
    mcrRentai->setRowCount(trend.count());
    for (int i = 0; i < trend.count(); ++i) {
        const auto k = std::size_t(i);
        mcrRentai->setValue(i + 1, kWeight, double(trend.weights[k]));
        if (k < average.size())
            mcrRentai->setValue(i + 1, kAverage, average[k]);
        mcrRentai->setValue(i + 1, kBodyFat, double(trend.fats[k]));
    }
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
