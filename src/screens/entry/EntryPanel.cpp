#include "screens/entry/EntryPanel.h"

#include "metrics/BmiGauge.h"
#include "screens/entry/EntryDay.h"
#include "screens/shell/GraphQuantity.h"
#include "ui/Chart.h"
#include "ui/Grid.h"
#include "ui/MonthCalendar.h"
#include "ui/Named.h"
#include "ui/Pictures.h"
#include "ui/Shape.h"
#include "ui/SelectAllLineEdit.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton *arrowButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setFixedWidth(layoutPixels(36, parent));
    button->setEnabled(false);
    return button;
}

const Grid::Column kDayColumns[] = {
    {u"回", 450, Grid::Align::Right},       {u"行動", 2015, Grid::Align::Left},   {u"体重", 900, Grid::Align::Right},
    {u"前回差", 865, Grid::Align::Right},   {u"差", 350, Grid::Align::Center},    {u"初回差", 865, Grid::Align::Right},
    {u"差", 350, Grid::Align::Center},      {u"ＢＭＩ", 800, Grid::Align::Right}, {u"肥満度", 800, Grid::Align::Right},
    {u"体脂肪", 800, Grid::Align::Right},
};

} // namespace

EntryPanel::EntryPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraMain"));

    // Left: the day and the partner's status since the start of the diet.
    mtvmain = named(new MonthCalendar(this), "mtvmain");
    mtvmain->setMaximumWidth(layoutPixels(320, this));
    auto *status = new QGroupBox(QStringLiteral("スタートから"), this);
    auto *statusLayout = new QGridLayout(status);
    const QString captions[] = {QStringLiteral("経過"), QStringLiteral("体重"), QStringLiteral("ＢＭＩ"), QStringLiteral("肥満度")};
    lblDspNissuu = named(new QLabel(status), "lblDspNissuu");
    lblDspTai = named(new QLabel(status), "lblDspTai");
    lblDspBmi = named(new QLabel(status), "lblDspBmi");
    lblDspHiman = named(new QLabel(status), "lblDspHiman");
    QLabel *values[] = {lblDspNissuu, lblDspTai, lblDspBmi, lblDspHiman};
    for (int i = 0; i < 4; ++i) {
        statusLayout->addWidget(new QLabel(captions[i], status), i, 0);
        statusLayout->addWidget(values[i], i, 1);
    }
    auto *faceBox = new QHBoxLayout;
    const int faceSize = layoutPixels(56, this);
    imgwara = faceLabel("imgwara", Face::Laughing, faceSize, QStringLiteral("今日は減りました"), this);
    imgniko = faceLabel("imgniko", Face::Smiling, faceSize, QStringLiteral("今日は変わりません"), this);
    imgkana = faceLabel("imgkana", Face::Sulking, faceSize, QStringLiteral("今日は増えました"), this);
    imgNashi = faceLabel("imgNashi", Face::None, faceSize, QStringLiteral("この日の記録はありません"), this);
    for (QLabel *face : {imgwara, imgniko, imgkana, imgNashi})
        faceBox->addWidget(face);
    faceBox->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(faceBox);
    left->addWidget(mtvmain);
    left->addWidget(status);
    left->addWidget(buildGauge());
    left->addStretch();

    // Middle: situation, values and the save button.
    auto *input = new QGroupBox(QStringLiteral("状況選択"), this);
    auto *inputLayout = new QGridLayout(input);
    lstAct = named(new QListWidget(input), "lstAct");
    lstAct->setAccessibleName(QStringLiteral("状況の一覧（Enterで選ぶ）"));
    lstAct->setMinimumHeight(layoutPixels(180, this));
    cmdJikan = named(new QPushButton(input), "cmdJikan");
    cmdJikan->setIcon(clockIcon());
    const QSize situationIcon(layoutPixels(28, this), layoutPixels(28, this));
    cmdJikan->setIconSize(situationIcon);
    cmdJikan->setToolTip(QStringLiteral("今の時刻を状況にします"));
    cmdJikan->setAccessibleName(QStringLiteral("今の時刻を状況にする"));
    cmdFree = named(new QPushButton(input), "cmdFree");
    cmdFree->setIcon(pencilIcon());
    cmdFree->setIconSize(situationIcon);
    cmdFree->setToolTip(QStringLiteral("状況を自由に入力します"));
    cmdFree->setAccessibleName(QStringLiteral("状況を自由に入力する"));
    txtTaiInp = named(new SelectAllLineEdit(input), "txtTaiInp");
    txtShiInp = named(new SelectAllLineEdit(input), "txtShiInp");
    for (QLineEdit *box : {txtTaiInp, txtShiInp}) {
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(layoutPixels(90, this));
    }
    cmdUp = arrowButton("cmdUp", QStringLiteral("↑"), input);
    cmdDn = arrowButton("cmdDn", QStringLiteral("↓"), input);
    cmdUp1 = arrowButton("cmdUp1", QStringLiteral("↑"), input);
    cmdDn1 = arrowButton("cmdDn1", QStringLiteral("↓"), input);
    cmdTaiHozon = named(new QPushButton(input), "cmdTaiHozon");
    cmdTaiHozon->setIcon(saveIcon());
    cmdTaiHozon->setIconSize(QSize(layoutPixels(40, this), layoutPixels(40, this)));
    cmdTaiHozon->setToolTip(QStringLiteral("保存"));
    cmdTaiHozon->setAccessibleName(QStringLiteral("保存（体重と体脂肪率を記録する）"));
    cmdTaiHozon->setMinimumHeight(layoutPixels(52, this));

    auto *situationButtons = new QHBoxLayout;
    situationButtons->addWidget(cmdJikan);
    situationButtons->addWidget(cmdFree);
    situationButtons->addStretch();
    txtTaiInp->setAccessibleName(QStringLiteral("体重（Kg）"));
    txtShiInp->setAccessibleName(QStringLiteral("体脂肪率（%）"));
    cmdUp->setAccessibleName(QStringLiteral("体重を刻みだけ上げる"));
    cmdDn->setAccessibleName(QStringLiteral("体重を刻みだけ下げる"));
    cmdUp1->setAccessibleName(QStringLiteral("体脂肪率を刻みだけ上げる"));
    cmdDn1->setAccessibleName(QStringLiteral("体脂肪率を刻みだけ下げる"));
    inputLayout->addWidget(lstAct, 0, 0, 1, 5);
    inputLayout->addLayout(situationButtons, 1, 0, 1, 5);
    inputLayout->addWidget(new QLabel(QStringLiteral("体重"), input), 2, 0);
    inputLayout->addWidget(txtTaiInp, 2, 1);
    inputLayout->addWidget(new QLabel(QStringLiteral("Kg"), input), 2, 2);
    inputLayout->addWidget(cmdUp, 2, 3);
    inputLayout->addWidget(cmdDn, 2, 4);
    inputLayout->addWidget(new QLabel(QStringLiteral("体脂肪率"), input), 3, 0);
    inputLayout->addWidget(txtShiInp, 3, 1);
    inputLayout->addWidget(new QLabel(QStringLiteral("%"), input), 3, 2);
    inputLayout->addWidget(cmdUp1, 3, 3);
    inputLayout->addWidget(cmdDn1, 3, 4);
    inputLayout->addWidget(cmdTaiHozon, 4, 0, 1, 5);

    // Right: the day's list and graph.
    msgDayList = named(new Grid(this), "msgDayList");
    msgDayList->setAccessibleName(QStringLiteral("この日の記録の一覧"));
    msgDayList->setMinimumHeight(layoutPixels(200, this));
    mcrMain = named(new Chart(this), "mcrMain");
    mcrMain->setMinimumHeight(layoutPixels(220, this));
    mcrMain->setColumnCount(2);
    mcrMain->setSeriesAxis(1, 1);
    mcrMain->setSeriesAxis(2, 2);
    mcrMain->setSeriesName(1, QStringLiteral("体重"));
    mcrMain->setSeriesName(2, QStringLiteral("体脂肪率"));
    mcrMain->setSeriesColor(1, QColor(0x20, 0x60, 0xd0));
    mcrMain->setSeriesColor(2, QColor(0xe0, 0x70, 0x20));
    mcrMain->setToolTip(QStringLiteral("クリックするとマーカーの形が変わります"));
    optKon = quantityOption("optKon", QStringLiteral("混合"), 0x008000, 840, this);
    optTai = quantityOption("optTai", QStringLiteral("体重"), 0xC00000, 840, this);
    optShi = quantityOption("optShi", QStringLiteral("体脂肪率"), 0x0000FF, 1065, this);
    auto *quantity = new QButtonGroup(this);
    auto *quantityRow = new QHBoxLayout;
    quantityRow->addWidget(new QLabel(QStringLiteral("グラフ："), this));
    for (QRadioButton *option : {optKon, optTai, optShi}) {
        quantity->addButton(option);
        quantityRow->addWidget(option);
    }
    quantityRow->addStretch();
    // The way back from a typo: the selected row of the day list corrected or removed, from
    // these buttons, the list's context menu or the Delete key.
    cmdShusei = named(new QPushButton(QStringLiteral("修正"), this), "cmdShusei");
    cmdShusei->setAccessibleName(QStringLiteral("選んだ記録を修正"));
    cmdShusei->setToolTip(QStringLiteral("一覧で選んだ記録の状況・体重・体脂肪率を直します"));
    cmdSakujo = named(new QPushButton(QStringLiteral("削除"), this), "cmdSakujo");
    cmdSakujo->setAccessibleName(QStringLiteral("選んだ記録を削除"));
    cmdSakujo->setToolTip(QStringLiteral("一覧で選んだ記録を削除します（Delete）"));
    mnuDayList = named(new QMenu(this), "mnuDayList");
    actShusei = mnuDayList->addAction(QStringLiteral("修正"));
    actShusei->setObjectName(QStringLiteral("actShusei"));
    actSakujo = mnuDayList->addAction(QStringLiteral("削除"));
    actSakujo->setObjectName(QStringLiteral("actSakujo"));
    actSakujo->setShortcut(QKeySequence::Delete);
    msgDayList->setRowSelection();
    msgDayList->setContextMenuPolicy(Qt::CustomContextMenu);
    quantityRow->addWidget(cmdShusei);
    quantityRow->addWidget(cmdSakujo);

    auto *right = new QVBoxLayout;
    right->addWidget(msgDayList, 3);
    right->addLayout(quantityRow);
    right->addWidget(mcrMain, 4);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(input);
    layout->addLayout(right, 1);

    resetDayList();
}

QWidget *EntryPanel::buildGauge()
{
    auto *gauge = new QWidget(this);
    gauge->setObjectName(QStringLiteral("bmiGauge"));
    gauge->setAccessibleName(QStringLiteral("ＢＭＩ判定のメーター"));
    const GaugeGeometry &g = kEntryGauge;
    const int widthTwips = g.zoneLeft[4] + g.zoneWidth[4] + 300;
    gauge->setFixedSize(twipsToPixels(widthTwips, this), twipsToPixels(g.top + g.height + 420, this));
    for (int i = 0; i < 5; ++i) {
        Shape1[i] = new ::Shape(gauge, gaugeZoneColour(i));
        Shape1[i]->setObjectName(QStringLiteral("Shape1(%1)").arg(i));
        placeInTwips(Shape1[i], g.zoneLeft[i], g.top, g.zoneWidth[i], g.height);
    }
    Image1 = named(new QLabel(gauge), "Image1");
    const int pointer = twipsToPixels(kPointerWidthTwips, this);
    Image1->setPixmap(gaugePointerPixmap(pointer));
    Image1->setGeometry(0, twipsToPixels(g.top, this) - pointer, pointer, pointer);
    moveLeftInTwips(Image1, PointerLeft(g, 22.0f));
    lblMHyouka = named(new QLabel(gauge), "lblMHyouka");
    lblMHyouka->setAlignment(Qt::AlignCenter);
    lblMHyouka->setAutoFillBackground(true);
    placeInTwips(lblMHyouka, g.zoneLeft[0], g.top + g.height + 60, g.zoneLeft[4] + g.zoneWidth[4] - g.zoneLeft[0], 300);
    auto *caption = new QLabel(QStringLiteral("ＢＭＩ判定"), gauge);
    caption->move(0, 0);
    return gauge;
}

void EntryPanel::resetDayList()
{
    msgDayList->setRows(1);
    msgDayList->setColumns(kDayColumns);
}

void EntryPanel::showDay(const EntryDay &day)
{
    resetDayList();
    mcrMain->setRowCount(0);
    mcrMain->setRowCount(1);
    mcrMain->setRow(1);
    int r = 0;
    for (const DayListRow &row : day.rows) {
        ++r;
        msgDayList->setRows(r + 1);
        const QString cells[] = {row.ordinal, row.situation, row.weight, row.previousDiff, row.previousMark.text,
                                 row.firstDiff, row.firstMark.text, row.bmi, row.obesity, row.bodyFat};
        for (int c = 0; c < 10; ++c)
            msgDayList->setTextMatrix(r, c, cells[c]);
        msgDayList->setRow(r);
        msgDayList->setCol(4);
        msgDayList->setCellBackColor(row.previousMark.colour);
        msgDayList->setCol(6);
        msgDayList->setCellBackColor(row.firstMark.colour);
        mcrMain->setRowCount(r);
        mcrMain->setPoint(r, 1, QString::number(double(row.weightValue), 'g', 7));
        mcrMain->setPoint(r, 2, QString::number(double(row.bodyFatValue), 'g', 7));
    }
    // Ten rows and more with the heading: the newest measurement stays in view.
    if (msgDayList->rows() > 9)
        msgDayList->setTopRow(msgDayList->rows() - 1);
    if (day.weightAxis)
        mcrMain->setAxisRange(1, day.weightAxis->minimum, day.weightAxis->maximum);
    if (day.bodyFatAxis)
        mcrMain->setAxisRange(2, day.bodyFatAxis->minimum, day.bodyFatAxis->maximum);

    lblDspNissuu->setText(day.elapsedText);
    lblDspTai->setText(day.weightText);
    lblDspBmi->setText(day.bmiText);
    lblDspHiman->setText(day.obesityText);

    for (QLabel *face : {imgwara, imgniko, imgkana, imgNashi})
        face->hide();
    switch (day.face) {
    case DayFace::Laughing: imgwara->show(); break;
    case DayFace::Smiling: imgniko->show(); break;
    case DayFace::Sulking: imgkana->show(); break;
    case DayFace::None: imgNashi->show(); break;
    }
}

void EntryPanel::showNoSituationChosen()
{
    // Without a current entry as well, nothing in the list looks chosen; the arrow keys start
    // again from its first entry.
    lstAct->clearSelection();
    lstAct->setCurrentItem(nullptr);
}

void EntryPanel::applyMarkerStyle(int style)
{
    const Chart::Marker marker = style == 0 ? Chart::Marker::None : style == 2 ? Chart::Marker::Ball : Chart::Marker::Circle;
    mcrMain->setSeriesMarker(1, marker);
    mcrMain->setSeriesMarker(2, marker);
}

void EntryPanel::placeGaugePointer(double leftTwips)
{
    moveLeftInTwips(Image1, leftTwips);
}

void EntryPanel::showJudgement(const QString &text, quint32 colour)
{
    lblMHyouka->setText(text);
    setBackColor(lblMHyouka, colour);
}
