#include "screens/maintenance/MaintenanceMeter.h"

#include "metrics/BmiGauge.h"
#include "metrics/BodyMetrics.h"
#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "store/NumberText.h"
#include "ui/Colors.h"
#include "ui/Named.h"
#include "ui/Pictures.h"
#include "ui/Shape.h"
#include "ui/Twips.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
// The numbers of the scale above the large gauge, in twips from the top of the gauge's area.
constexpr int kScaleFirstBmi = 17;
constexpr int kScaleLastBmi = 32;
constexpr int kScaleTopTwips = 20;
constexpr int kScaleHeightTwips = 340;

QFrame *fractionLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setLineWidth(1);
    return line;
}
} // namespace

MaintenanceMeter::MaintenanceMeter(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    connect(HScroll1, &QScrollBar::valueChanged, this, &MaintenanceMeter::UpdateBmiMeter);
}

QGroupBox *MaintenanceMeter::build(QWidget *parent)
{
    Frame1 = named(new QGroupBox(QStringLiteral("　ＢＭＩメーター (Body Mass Index)　と　肥満度　"), parent), QStringLiteral("Frame1"));
    auto *layout = new QVBoxLayout(Frame1);

    // The scale, the zones and the pointer keep the twip geometry of the meter.
    auto *gauge = new QWidget(Frame1);
    const GaugeGeometry &g = kMeterGauge;
    gauge->setFixedSize(twipsToPixels(8400, parent), twipsToPixels(g.top + g.height + 120, parent) - twipsToPixels(1000, parent));
    const double shiftUp = 1000; // the meter's upper part holds only the caption
    // The scale: each number stands where its BMI lies on the bar, that is where the pointer
    // points for it, set from the same twips as the zones and the pointer at any layout scale.
    auto *scale = named(new QWidget(gauge), QStringLiteral("Label19"));
    scale->setAccessibleName(QStringLiteral("ＢＭＩの目盛り（17から32）"));
    scale->setGeometry(0, 0, gauge->width(), twipsToPixels(kScaleTopTwips + kScaleHeightTwips, parent));
    for (int bmi = kScaleFirstBmi; bmi <= kScaleLastBmi; ++bmi) {
        auto *number = named(new QLabel(QString::number(bmi), scale), QStringLiteral("Label19(%1)").arg(bmi));
        number->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        const double middle = BmiPositionTwips(g, float(bmi));
        placeInTwips(number, middle - g.twipsPerBmi / 2.0, kScaleTopTwips, g.twipsPerBmi, kScaleHeightTwips);
    }
    for (int i = 0; i < 5; ++i) {
        Shape2[i] = new ::Shape(gauge, gaugeZoneColour(i));
        Shape2[i]->setObjectName(QStringLiteral("Shape2(%1)").arg(i));
        placeInTwips(Shape2[i], g.zoneLeft[i], g.top - shiftUp, g.zoneWidth[i], g.height);
    }
    Image2 = named(new QLabel(gauge), QStringLiteral("Image2"));
    const int pointer = twipsToPixels(kPointerWidthTwips, parent);
    Image2->setPixmap(gaugePointerPixmap(pointer));
    Image2->setGeometry(0, twipsToPixels(g.top - shiftUp, parent) - pointer, pointer, pointer);
    moveLeftInTwips(Image2, PointerLeft(g, 22.0f));
    layout->addWidget(gauge);

    HScroll1 = named(new QScrollBar(Qt::Horizontal, Frame1), QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(QStringLiteral("ＢＭＩメーター：体重を変えてみる"));
    HScroll1->setRange(kSliderMinimum, kSliderMaximum);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setValue(kSliderMinimum);
    HScroll1->setFixedWidth(twipsToPixels(7515, parent));
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(twipsToPixels(450, parent));
    sliderRow->addWidget(HScroll1);
    sliderRow->addStretch();
    layout->addLayout(sliderRow);

    auto label = [&](int item, const QString &text) {
        Label9[item] = named(new QLabel(text, Frame1), QStringLiteral("Label9(%1)").arg(item));
        return Label9[item];
    };
    auto value = [&](QLabel *l) {
        l->setMinimumWidth(layoutPixels(48, parent));
        l->setAlignment(Qt::AlignCenter);
        // A value sits in a box like a read-only text box, in the desktop's colours for one.
        l->setStyleSheet(QStringLiteral("QLabel { background: palette(base); color: palette(text); border: 1px solid #b0b0b0; padding: 1px 4px; }"));
        return l;
    };

    auto *formulas = new QGridLayout;
    // BMI = weight / height²
    formulas->addWidget(label(24, QStringLiteral("BMI(体格指数)")), 0, 0, 2, 1);
    formulas->addWidget(value(label(25, QString())), 0, 1, 2, 1);
    formulas->addWidget(label(26, QStringLiteral("＝")), 0, 2, 2, 1);
    auto *numerator = new QHBoxLayout;
    numerator->addWidget(label(27, QStringLiteral("体重（Ｋｇ）")));
    numerator->addWidget(value(label(28, QString())));
    auto *denominator = new QHBoxLayout;
    denominator->addWidget(label(29, QStringLiteral("身長（ｍ）")));
    denominator->addWidget(value(label(30, QString())));
    QLabel *exponent = label(31, QStringLiteral("2"));
    exponent->setAlignment(Qt::AlignTop);
    denominator->addWidget(exponent);
    auto *bmiFraction = new QVBoxLayout;
    bmiFraction->addLayout(numerator);
    bmiFraction->addWidget(fractionLine(Frame1));
    bmiFraction->addLayout(denominator);
    formulas->addLayout(bmiFraction, 0, 3, 2, 1);
    QLabel *ideal = label(32, QStringLiteral("適正　２２"));
    setForeColor(ideal, 0xFF0000);
    formulas->addWidget(ideal, 0, 4, 2, 1);

    lblHyojun[0] = value(named(new QLabel(Frame1), QStringLiteral("lblHyojun(0)")));
    lblHyojun[1] = value(named(new QLabel(Frame1), QStringLiteral("lblHyojun(1)")));
    lblTai = value(named(new QLabel(Frame1), QStringLiteral("lblTai")));
    lblHiman = value(named(new QLabel(Frame1), QStringLiteral("lblHiman")));

    // obesity = (weight − standard) / standard × 100
    formulas->addWidget(label(3, QStringLiteral("肥満度（％）")), 3, 0, 2, 1);
    formulas->addWidget(lblHiman, 3, 1, 2, 1);
    formulas->addWidget(label(2, QStringLiteral("＝")), 3, 2, 2, 1);
    auto *obesityFraction = new QVBoxLayout;
    obesityFraction->addWidget(label(1, QStringLiteral("体重（Ｋｇ）           －標準体重（Ｋｇ）")));
    auto *obesityNumerator = new QHBoxLayout;
    obesityNumerator->addWidget(lblTai);
    obesityNumerator->addWidget(new QLabel(QStringLiteral("－"), Frame1));
    obesityNumerator->addWidget(lblHyojun[0]);
    obesityNumerator->addStretch();
    obesityFraction->addLayout(obesityNumerator);
    obesityFraction->addWidget(fractionLine(Frame1));
    auto *obesityDenominator = new QHBoxLayout;
    obesityDenominator->addStretch();
    obesityDenominator->addWidget(label(0, QStringLiteral("標準体重（Ｋｇ）")));
    obesityDenominator->addWidget(lblHyojun[1]);
    obesityDenominator->addStretch();
    obesityFraction->addLayout(obesityDenominator);
    formulas->addLayout(obesityFraction, 3, 3, 2, 1);
    formulas->addWidget(label(4, QStringLiteral("×１００")), 3, 4, 2, 1);

    // judgement
    formulas->addWidget(label(5, QStringLiteral("肥満指数判定")), 5, 0);
    lblHyouka = named(new QLabel(Frame1), QStringLiteral("lblHyouka"));
    lblHyouka->setAlignment(Qt::AlignCenter);
    lblHyouka->setAutoFillBackground(true);
    lblHyouka->setMinimumWidth(layoutPixels(140, parent));
    formulas->addWidget(lblHyouka, 5, 1, 1, 3, Qt::AlignLeft);
    formulas->setColumnStretch(5, 1);
    layout->addLayout(formulas);
    return Frame1;
}

void MaintenanceMeter::placeMeterPointer(double leftTwips)
{
    moveLeftInTwips(Image2, leftTwips);
}

void MaintenanceMeter::showJudgement(const QString &text, quint32 colour)
{
    lblHyouka->setText(text);
    setBackColor(lblHyouka, colour);
}

void MaintenanceMeter::prepareMeter()
{
    lblTai->setText(QString());
}

void MaintenanceMeter::showBmiOnMeter(float bmi)
{
    m_meterBmi = ClampMeterBmi(bmi);
    placeMeterPointer(PointerLeft(kMeterGauge, m_meterBmi));
    m_setByProgram = true;
    // A changed value runs UpdateBmiMeter at once, through the slider's change event.
    HScroll1->setValue(SliderValueFor(m_meterBmi));
    Label9[25]->setText(formatOneDecimal(bmi));
}

void MaintenanceMeter::ShowMeterFormula(float lastRecordWeight)
{
    const Session &session = m_ctx.session;
    if (session.recordCount() == 0)
        return;
    Label9[28]->setText(generalNumber(lastRecordWeight));
    Label9[30]->setText(generalNumber(session.profile().height / 100.0f));
}

void MaintenanceMeter::UpdateBmiMeter()
{
    const Session &session = m_ctx.session;
    if (session.recordCount() == 0 || !heightIsUsable(session.profile().height))
        return;
    const bool movedByUser = !m_setByProgram;
    const MeterReading reading = ReadMeter(HScroll1->value(), session.profile().height, Label9[28]->text(), movedByUser);
    if (movedByUser)
        Label9[28]->setText(reading.weightText);
    m_meterBmi = reading.meterBmi;
    placeMeterPointer(PointerLeft(kMeterGauge, m_meterBmi));
    m_setByProgram = false;
    Label9[25]->setText(reading.bmiText);
    showJudgement(reading.judgement.text, reading.judgement.labelColour);
    lblHyojun[0]->setText(reading.standardWeight);
    lblHyojun[1]->setText(reading.standardWeight);
    lblTai->setText(Label9[28]->text());
    lblHiman->setText(reading.obesityText);
}
