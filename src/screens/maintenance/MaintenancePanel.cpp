#include "screens/maintenance/MaintenancePanel.h"

#include "metrics/BmiGauge.h"
#include "ui/Colors.h"
#include "ui/Named.h"
#include "ui/Pictures.h"
#include "ui/Shape.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const char16_t *const kStepValues[] = {nullptr, u"0.1", u"0.2", u"0.5"};

QFrame *fractionLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setLineWidth(1);
    return line;
}

} // namespace

MaintenancePanel::MaintenancePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraSettei"));
    // The two frames of buttons share a row, so that the registration form below them still
    // leaves the settings in view on a small screen.
    auto *left = new QGridLayout;
    left->addWidget(buildRegistration(), 0, 0);
    left->addWidget(buildCsvFrame(), 0, 1);
    left->addWidget(fraNew, 1, 0, 1, 2);
    left->addWidget(buildSettings(), 2, 0, 1, 2);
    left->setRowStretch(3, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(buildMeter());
    right->addWidget(buildLists());
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

QWidget *MaintenancePanel::buildRegistration()
{
    auto *box = new QGroupBox(QStringLiteral("新規スタート"), this);
    auto *layout = new QVBoxLayout(box);
    cmdNew1 = named(new QPushButton(QStringLiteral("新規にスタートするとき"), box), QStringLiteral("cmdNew1"));
    layout->addWidget(cmdNew1);

    fraNew = named(new QGroupBox(QStringLiteral("新規スタート登録枠"), this), QStringLiteral("fraNew"));
    auto *grid = new QGridLayout(fraNew);
    struct Row {
        const char16_t *caption;
        const char *name;
        const char16_t *unit;
        bool halfWidthNote;
    };
    const Row rows[] = {
        {u"名前", "txtPriData1", u"", false},      {u"身長", "txtSincyou1", u"ｃｍ", true},
        {u"目標体重", "txtMokuTai1", u"Ｋｇ", true}, {u"現体重", "txtNowTai", u"Ｋｇ", true},
        {u"現体脂肪率", "txtNowShi", u"％", true},  {u"初期状況", "txtNowJyou", u"", false},
    };
    QLineEdit *boxes[6];
    for (int i = 0; i < 6; ++i) {
        auto *caption = new QLabel(QString::fromUtf16(rows[i].caption), fraNew);
        grid->addWidget(caption, i, 0);
        boxes[i] = named(new QLineEdit(fraNew), QString::fromLatin1(rows[i].name));
        // The caption names the box for a screen reader.
        caption->setBuddy(boxes[i]);
        grid->addWidget(boxes[i], i, 1);
        grid->addWidget(new QLabel(QString::fromUtf16(rows[i].unit), fraNew), i, 2);
        if (rows[i].halfWidthNote)
            grid->addWidget(new QLabel(QStringLiteral("※半角文字で入力"), fraNew), i, 3);
    }
    txtPriData1 = boxes[0];
    txtSincyou1 = boxes[1];
    txtMokuTai1 = boxes[2];
    txtNowTai = boxes[3];
    txtNowShi = boxes[4];
    txtNowJyou = boxes[5];
    txtNowJyou->setText(QStringLiteral("はじめの一歩"));
    cmdStHozon = named(new QPushButton(QStringLiteral("新規登録"), fraNew), QStringLiteral("cmdStHozon"));
    cmdYame = named(new QPushButton(QStringLiteral("キャンセル"), fraNew), QStringLiteral("cmdYame"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdStHozon);
    buttons->addWidget(cmdYame);
    grid->addLayout(buttons, 6, 0, 1, 4);
    fraNew->hide();
    return box;
}

QWidget *MaintenancePanel::buildSettings()
{
    auto *box = new QGroupBox(QStringLiteral("入力の設定"), this);
    auto *layout = new QVBoxLayout(box);
    chkJikan = named(new QCheckBox(QStringLiteral("一言日記に自動的に時間を記録"), box), QStringLiteral("chkJikan"));
    layout->addWidget(chkJikan);

    auto stepGroup = [&](const QString &title, const QString &optionName, const QString &unit, const QString &boxName,
                         std::array<QRadioButton *, 4> &options, QButtonGroup *&group, QLineEdit *&text) {
        auto *frame = new QGroupBox(title, box);
        auto *row = new QHBoxLayout(frame);
        group = new QButtonGroup(frame);
        const QString captions[] = {QString(), QStringLiteral("０．１ "), QStringLiteral("０．２ "), QStringLiteral("０．５ ")};
        for (int i = 1; i <= 3; ++i) {
            options[i] = named(new QRadioButton(captions[i] + unit, frame), QStringLiteral("%1(%2)").arg(optionName).arg(i));
            group->addButton(options[i], i);
            row->addWidget(options[i]);
        }
        text = named(new QLineEdit(frame), boxName);
        text->setToolTip(QStringLiteral("入力してEnterキー"));
        text->setAccessibleName(title + QStringLiteral("：ほかの値を入力してEnter"));
        text->setMaximumWidth(layoutPixels(70, this));
        row->addWidget(text);
        layout->addWidget(frame);
    };
    stepGroup(QStringLiteral("体重の刻み（↑↓ボタン）"), QStringLiteral("optKizami"), QStringLiteral("Ｋｇ"), QStringLiteral("txtKizami"),
              optKizami, m_weightSteps, txtKizami);
    stepGroup(QStringLiteral("体脂肪率の刻み（↑↓ボタン）"), QStringLiteral("optKizami1"), QStringLiteral("％"),
              QStringLiteral("txtKizami2"), optKizami1, m_fatSteps, txtKizami2);
    return box;
}

QWidget *MaintenancePanel::buildLists()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildSituationEditor(row));
    layout->addWidget(buildProfileEditor(row));
    return row;
}

QWidget *MaintenancePanel::buildSituationEditor(QWidget *parent)
{
    auto *situations = new QGroupBox(QStringLiteral("状況リスト編集"), parent);
    auto *layout = new QGridLayout(situations);
    lstKoumoku = named(new QListWidget(situations), QStringLiteral("lstKoumoku"));
    lstKoumoku->setSelectionMode(QAbstractItemView::SingleSelection);
    lstKoumoku->setAccessibleName(QStringLiteral("状況リスト（ドラッグで並べ替え）"));
    lstKoumoku->setMaximumHeight(layoutPixels(150, this));
    layout->addWidget(lstKoumoku, 0, 0);

    auto *buttons = new QVBoxLayout;
    auto button = [&](const char *name, const QString &caption) {
        auto *b = named(new QPushButton(caption, situations), name);
        // Enter presses the button as Space does, also outside a dialog.
        b->setAutoDefault(true);
        buttons->addWidget(b);
        return b;
    };
    cmdNew2 = button("cmdNew2", QStringLiteral("追加"));
    cmdSort = button("cmdSort", QStringLiteral("並び替え"));
    cmdDel = button("cmdDel", QStringLiteral("削除"));
    cmdDel2 = button("cmdDel2", QStringLiteral("全削除"));
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1);
    m_sortColour = Colour::buttonFace;

    auto *arrow = new QLabel(QStringLiteral("↓"), situations);
    arrow->setAlignment(Qt::AlignCenter);
    layout->addWidget(arrow, 1, 0);
    txtChg = named(new QLineEdit(situations), QStringLiteral("txtChg"));
    txtChg->setAccessibleName(QStringLiteral("変更後の状況"));
    layout->addWidget(txtChg, 2, 0);
    cmdChg = named(new QPushButton(QStringLiteral("状況コメントを入れ替える"), situations), QStringLiteral("cmdChg"));
    cmdChg->setAutoDefault(true);
    layout->addWidget(cmdChg, 3, 0, 1, 2);
    return situations;
}

QWidget *MaintenancePanel::buildProfileEditor(QWidget *parent)
{
    auto *profile = new QGroupBox(QStringLiteral("プライベートデータ"), parent);
    auto *grid = new QGridLayout(profile);
    txtPriData = named(new QLineEdit(profile), QStringLiteral("txtPriData"));
    txtSincyou = named(new QLineEdit(profile), QStringLiteral("txtSincyou"));
    txtMokuTai = named(new QLineEdit(profile), QStringLiteral("txtMokuTai"));
    const QString captions[] = {QStringLiteral("名前"), QStringLiteral("身長"), QStringLiteral("目標体重")};
    const QString units[] = {QString(), QStringLiteral("ｃｍ"), QStringLiteral("Ｋｇ")};
    const QString notes[] = {QStringLiteral("※空欄可"), QStringLiteral("※半角文字で入力"), QStringLiteral("※半角文字で入力")};
    QLineEdit *boxes[] = {txtPriData, txtSincyou, txtMokuTai};
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLabel(captions[i], profile);
        caption->setBuddy(boxes[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(boxes[i], i, 1);
        grid->addWidget(new QLabel(units[i], profile), i, 2);
        grid->addWidget(new QLabel(notes[i], profile), i, 3);
    }
    cmdPHozon1 = named(new QPushButton(QStringLiteral("データ変更"), profile), QStringLiteral("cmdPHozon1"));
    cmdPHozon1->setAutoDefault(true);
    grid->addWidget(cmdPHozon1, 3, 1, 1, 3, Qt::AlignRight);
    grid->setRowStretch(4, 1);
    return profile;
}

QGroupBox *MaintenancePanel::buildMeter()
{
    Frame1 = named(new QGroupBox(QStringLiteral("　ＢＭＩメーター (Body Mass Index)　と　肥満度　"), this), QStringLiteral("Frame1"));
    auto *layout = new QVBoxLayout(Frame1);

    // The scale, the zones and the pointer keep the twip geometry of the meter.
    auto *gauge = new QWidget(Frame1);
    const GaugeGeometry &g = kMeterGauge;
    gauge->setFixedSize(twipsToPixels(8400, this), twipsToPixels(g.top + g.height + 120, this) - twipsToPixels(1000, this));
    const double shiftUp = 1000; // the meter's upper part holds only the caption
    auto *scale = named(new QLabel(QStringLiteral("17.......18...........19............20...........21...........22..........23...........24..........25..........26..........27...........28...........29...........30..........31......32"),
                                   gauge),
                        QStringLiteral("Label19"));
    // The dotted scale is one text; it is set small enough to span the zones exactly.
    QFont small = scale->font();
    const int scaleWidth = twipsToPixels(7515, this);
    for (qreal size = small.pointSizeF(); size > 4; size -= 0.25) {
        small.setPointSizeF(size);
        if (QFontMetrics(small).horizontalAdvance(scale->text()) <= scaleWidth)
            break;
    }
    scale->setFont(small);
    placeInTwips(scale, 450, 1080 - shiftUp, 7515, 260);
    for (int i = 0; i < 5; ++i) {
        Shape2[i] = new ::Shape(gauge, gaugeZoneColour(i));
        Shape2[i]->setObjectName(QStringLiteral("Shape2(%1)").arg(i));
        placeInTwips(Shape2[i], g.zoneLeft[i], g.top - shiftUp, g.zoneWidth[i], g.height);
    }
    Image2 = named(new QLabel(gauge), QStringLiteral("Image2"));
    const int pointer = twipsToPixels(kPointerWidthTwips, this);
    Image2->setPixmap(gaugePointerPixmap(pointer));
    Image2->setGeometry(0, twipsToPixels(g.top - shiftUp, this) - pointer, pointer, pointer);
    moveLeftInTwips(Image2, PointerLeft(g, 22.0f));
    layout->addWidget(gauge);

    HScroll1 = named(new QScrollBar(Qt::Horizontal, Frame1), QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(QStringLiteral("ＢＭＩメーター：体重を変えてみる"));
    HScroll1->setRange(kSliderMinimum, kSliderMaximum);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setValue(kSliderMinimum);
    HScroll1->setFixedWidth(twipsToPixels(7515, this));
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(twipsToPixels(450, this));
    sliderRow->addWidget(HScroll1);
    sliderRow->addStretch();
    layout->addLayout(sliderRow);

    auto label = [&](int item, const QString &text) {
        Label9[item] = named(new QLabel(text, Frame1), QStringLiteral("Label9(%1)").arg(item));
        return Label9[item];
    };
    auto value = [&](QLabel *l) {
        l->setMinimumWidth(layoutPixels(48, this));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #b0b0b0; padding: 1px 4px; }"));
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
    ideal->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; }"));
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
    lblHyouka->setMinimumWidth(layoutPixels(140, this));
    formulas->addWidget(lblHyouka, 5, 1, 1, 3, Qt::AlignLeft);
    formulas->setColumnStretch(5, 1);
    layout->addLayout(formulas);
    return Frame1;
}

QGroupBox *MaintenancePanel::buildCsvFrame()
{
    fraCsv = named(new QGroupBox(QStringLiteral("データの書き出し・取り込み"), this), QStringLiteral("fraCsv"));
    auto *layout = new QHBoxLayout(fraCsv);
    cmdCsvOut = named(new QPushButton(QStringLiteral("CSV書き出し"), fraCsv), QStringLiteral("cmdCsvOut"));
    cmdCsvIn = named(new QPushButton(QStringLiteral("CSV取り込み"), fraCsv), QStringLiteral("cmdCsvIn"));
    cmdCsvOut->setToolTip(QStringLiteral("選ばれているパートナーの記録をCSVファイルに書き出します"));
    cmdCsvIn->setToolTip(QStringLiteral("CSVファイルの記録を選ばれているパートナーのデータに加えます"));
    layout->addWidget(cmdCsvOut);
    layout->addWidget(cmdCsvIn);
    layout->addStretch();
    return fraCsv;
}

void MaintenancePanel::showStep(const QString &step, const std::array<QRadioButton *, 4> &options, QButtonGroup *group, QLineEdit *box)
{
    for (int i = 1; i <= 3; ++i) {
        if (step == QString::fromUtf16(kStepValues[i])) {
            options[i]->setChecked(true);
            return;
        }
    }
    // None of the presets: an exclusive group cannot be emptied while it is exclusive.
    group->setExclusive(false);
    for (int i = 1; i <= 3; ++i)
        options[i]->setChecked(false);
    group->setExclusive(true);
    box->setText(step);
}

void MaintenancePanel::showWeightStep(const QString &step)
{
    showStep(step, optKizami, m_weightSteps, txtKizami);
}

void MaintenancePanel::showFatStep(const QString &step)
{
    showStep(step, optKizami1, m_fatSteps, txtKizami2);
}

void MaintenancePanel::placeMeterPointer(double leftTwips)
{
    moveLeftInTwips(Image2, leftTwips);
}

void MaintenancePanel::showJudgement(const QString &text, quint32 colour)
{
    lblHyouka->setText(text);
    setBackColor(lblHyouka, colour);
}

QStringList MaintenancePanel::situationEntries() const
{
    QStringList entries;
    for (int i = 0; i < lstKoumoku->count(); ++i)
        entries << lstKoumoku->item(i)->text();
    return entries;
}

void MaintenancePanel::showSituationOrder(const QStringList &entries, int selected)
{
    lstKoumoku->clear();
    lstKoumoku->addItems(entries);
    lstKoumoku->setCurrentRow(selected);
}

void MaintenancePanel::setSortColour(quint32 colour)
{
    m_sortColour = colour;
    if (colour == Colour::buttonFace) {
        cmdSort->setStyleSheet(QString());
        return;
    }
    cmdSort->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #a0a0a0; border-radius: 3px; padding: 4px 10px; }")
                               .arg(colorFromBgr(colour).name()));
}
