#include "screens/calendar/CalendarPanel.h"

#include "ui/ButtonColour.h"
#include "ui/Grid.h"
#include "ui/Named.h"
#include "ui/PlainCellDelegate.h"
#include "ui/Pictures.h"
#include "ui/Shape.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMonthDays = 31;
constexpr int kMonthColumnTwips = 1315;
constexpr int kDayColumnTwips = 305;
constexpr int kKeyTwips = 240;
constexpr int kFaceTwips = 600;

} // namespace

CalendarPanel::CalendarPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraCale"));

    msgList2 = named(new Grid(this), "msgList2");
    msgList2->setAccessibleName(QStringLiteral("月ごとの日々の体重の増減（Enterでその日の入力画面）"));
    msgList2->setItemDelegate(new PlainCellDelegate(PlainCellDelegate::Selection::Frame, msgList2));
    // Wide enough for the whole month without scrolling sideways, when the window allows.
    msgList2->setMinimumWidth(twipsToPixels(kMonthColumnTwips + kMonthDays * kDayColumnTwips + 400, this) / 2);
    resetGrid();

    cmdSel1[0] = named(new QPushButton(QStringLiteral("詳細表示"), this), "cmdSel1(0)");
    cmdSel1[1] = named(new QPushButton(QStringLiteral("簡易表示"), this), "cmdSel1(1)");
    cmdSel1[0]->setToolTip(QStringLiteral("減った日・増減無し・増えた日・１回だけ計測を色分けします"));
    cmdSel1[1]->setToolTip(QStringLiteral("減った日と増減無しを緑、増えた日と１回だけ計測を赤で表します"));
    auto *views = new QVBoxLayout;
    for (QPushButton *button : cmdSel1) {
        button->setAutoDefault(true);
        views->addWidget(button);
    }
    views->addStretch();

    lblDn_c = named(new QLabel(this), "lblDn_c");
    lblSm_c = named(new QLabel(this), "lblSm_c");
    lblUp_c = named(new QLabel(this), "lblUp_c");
    lblOne_c = named(new QLabel(this), "lblOne_c");
    lblNon_c = named(new QLabel(this), "lblNon_c");
    auto *counters = new QGridLayout;
    QLabel *counterLabels[] = {lblDn_c, lblSm_c, lblUp_c, lblOne_c};
    const int keySize = twipsToPixels(kKeyTwips, this);
    for (int i = 0; i < 4; ++i) {
        m_keys[size_t(i)] = new ::Shape(this);
        m_keys[size_t(i)]->setFixedSize(keySize, keySize);
        counters->addWidget(m_keys[size_t(i)], i / 2, (i % 2) * 2);
        counters->addWidget(counterLabels[i], i / 2, (i % 2) * 2 + 1);
    }
    counters->addWidget(lblNon_c, 2, 1);
    counters->setColumnMinimumWidth(1, twipsToPixels(2000, this));
    counters->setColumnMinimumWidth(3, twipsToPixels(2000, this));

    // Good days against bad days, and the face that goes with the comparison.
    lblGenT = named(new QLabel(this), "lblGenT");
    lblZouT = named(new QLabel(this), "lblZouT");
    lblHugou = named(new QLabel(this), "lblHugou");
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    for (QLabel *label : {lblGenT, lblZouT, lblHugou}) {
        label->setFont(big);
        label->setAlignment(Qt::AlignCenter);
    }
    const int faceSize = twipsToPixels(kFaceTwips, this);
    imgWara2 = faceLabel("imgWara2", Face::Laughing, faceSize, QStringLiteral("減った日と増減無しの日が多い"), this);
    imgNiko2 = faceLabel("imgNiko2", Face::Smiling, faceSize, QStringLiteral("同じ日数"), this);
    imgKana2 = faceLabel("imgKana2", Face::Sulking, faceSize, QStringLiteral("増えた日と１回だけ計測の日が多い"), this);
    auto *versus = new QGridLayout;
    auto *goodCaption = new QLabel(QStringLiteral("減った日＋増減無し"), this);
    auto *badCaption = new QLabel(QStringLiteral("増えた日＋１回だけ"), this);
    for (QLabel *caption : {goodCaption, badCaption})
        caption->setAlignment(Qt::AlignCenter);
    versus->addWidget(goodCaption, 0, 0);
    versus->addWidget(badCaption, 0, 2);
    versus->addWidget(lblGenT, 1, 0);
    versus->addWidget(lblHugou, 1, 1);
    versus->addWidget(lblZouT, 1, 2);
    auto *faces = new QHBoxLayout;
    for (QLabel *face : {imgWara2, imgNiko2, imgKana2})
        faces->addWidget(face);
    versus->addLayout(faces, 0, 3, 2, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(views);
    bottom->addSpacing(twipsToPixels(300, this));
    bottom->addLayout(counters);
    bottom->addSpacing(twipsToPixels(600, this));
    bottom->addLayout(versus);
    bottom->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(msgList2, 1);
    layout->addLayout(bottom);
}

void CalendarPanel::resetGrid()
{
    msgList2->setRows(1);
    msgList2->setCols(kMonthDays + 1);
    // The headings are written once: writing them again would only repaint the heading row.
    for (int c = 0; c <= kMonthDays; ++c) {
        const QString heading = c == 0 ? QStringLiteral("年月") : QString::number(c);
        if (msgList2->textMatrix(0, c) == heading)
            continue;
        msgList2->setTextMatrix(0, c, heading);
        msgList2->setColWidth(c, c == 0 ? kMonthColumnTwips : kDayColumnTwips);
        msgList2->setColAlignment(c, Grid::Align::Center);
        msgList2->setHeadingAlignment(c, Grid::Align::Center);
    }
}

void CalendarPanel::showDays(const CalendarData &data, CalendarView view)
{
    msgList2->setRows(int(data.months.size()) + 1);
    for (int r = 1; r <= data.months.size(); ++r)
        msgList2->setTextMatrix(r, 0, data.months[r - 1]);
    for (const CalendarDay &day : data.days) {
        msgList2->setRow(day.row);
        msgList2->setCol(day.day);
        msgList2->setCellBackColor(DayColour(day.dayClass, view));
    }
}

void CalendarPanel::showSummary(const CalendarSummary &summary)
{
    lblDn_c->setText(summary.decreased);
    lblUp_c->setText(summary.increased);
    lblSm_c->setText(summary.unchanged);
    lblOne_c->setText(summary.once);
    lblNon_c->setText(summary.unmeasured);
    lblGenT->setText(summary.good);
    lblZouT->setText(summary.bad);
    lblHugou->setText(summary.sign);
    imgWara2->setVisible(summary.face == CalendarFace::Laughing);
    imgNiko2->setVisible(summary.face == CalendarFace::Smiling);
    imgKana2->setVisible(summary.face == CalendarFace::Sad);
}

void CalendarPanel::showView(CalendarView view)
{
    setButtonBackColor(cmdSel1[0], view == CalendarView::Detail ? kChosenViewColour : Colour::buttonFace);
    setButtonBackColor(cmdSel1[1], view == CalendarView::Simple ? kChosenViewColour : Colour::buttonFace);
    const DayClass classes[] = {DayClass::Decreased, DayClass::Unchanged, DayClass::Increased, DayClass::Once};
    for (int i = 0; i < 4; ++i)
        m_keys[size_t(i)]->setBackColor(DayColour(classes[i], view));
}
