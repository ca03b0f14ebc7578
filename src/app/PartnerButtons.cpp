#include "app/PartnerButtons.h"

#include "screens/entry/PartnerCount.h"
#include "ui/ButtonColour.h"
#include "ui/Colors.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *countFace(const QString &name, Face face, const QString &tip, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(facePixmap(face, layoutPixels(28, parent)));
    label->setToolTip(tip);
    label->setAccessibleName(tip);
    label->hide();
    return label;
}

} // namespace

PartnerButtons::PartnerButtons(QWidget *parent, QHBoxLayout *row)
{
    auto build = [&](QPushButton *&button, Partner &partner, int n) {
        const QString suffix = QString::number(n);
        button = new QPushButton(parent);
        button->setObjectName(QStringLiteral("cmdUser") + suffix);
        button->setMinimumWidth(layoutPixels(120, parent));
        button->setMinimumHeight(layoutPixels(30, parent));
        button->setToolTip(QStringLiteral("登録者%1のデータを表示します").arg(n));
        partner.count = new QLabel(parent);
        partner.count->setObjectName(QStringLiteral("lblUser") + suffix);
        partner.count->setMinimumWidth(layoutPixels(28, parent));
        partner.count->setAlignment(Qt::AlignCenter);
        partner.count->setAutoFillBackground(true);
        partner.count->setToolTip(QStringLiteral("この日の入力回数"));
        // The name carries the count (set with it); the colour's meaning goes to the description.
        partner.count->setAccessibleDescription(
            QStringLiteral("背景の色は二人の回数の比較です。多いほうが緑、少ないほうが赤、同じなら両方とも黄色です。"));
        partner.faces[0] = countFace(QStringLiteral("imgNon") + suffix, Face::None, QStringLiteral("この日はまだ記録がありません"), parent);
        partner.faces[1] = countFace(QStringLiteral("imgKura") + suffix, Face::Sulking, QStringLiteral("この日の記録は１回：ムスッ"), parent);
        partner.faces[2] = countFace(QStringLiteral("imgNi") + suffix, Face::Smiling, QStringLiteral("この日の記録は２回：ニコ"), parent);
        partner.faces[3] = countFace(QStringLiteral("imgWarai") + suffix, Face::Beaming, QStringLiteral("この日の記録は３回以上：すごくニコニコ"), parent);
        row->addWidget(button);
        row->addWidget(partner.count);
        for (QLabel *face : partner.faces)
            row->addWidget(face);
        row->addSpacing(layoutPixels(18, parent));
    };
    build(m_button1, m_partner1, 1);
    build(m_button2, m_partner2, 2);
    row->addStretch();
}

void PartnerButtons::markSelected(int partner)
{
    setButtonBackColor(m_button1, partner == 1 ? Colour::selectedPartner : Colour::buttonFace);
    setButtonBackColor(m_button2, partner == 2 ? Colour::selectedPartner : Colour::buttonFace);
}

void PartnerButtons::showCounts(int count1, int count2)
{
    auto show = [](Partner &partner, int n, int count, int against) {
        partner.count->setText(QString::number(count));
        setBackColor(partner.count, CountColour(count, against));
        // What the colour tells the eye, a screen reader hears with the count.
        const QString comparison = count > against   ? QStringLiteral("相手より多い")
                                   : count < against ? QStringLiteral("相手より少ない")
                                                     : QStringLiteral("相手と同じ");
        partner.count->setAccessibleName(QStringLiteral("登録者%1のこの日の入力回数 %2回（%3）").arg(n).arg(count).arg(comparison));
        for (QLabel *face : partner.faces)
            face->hide();
        partner.faces[size_t(CountFaceFor(count))]->show();
    };
    show(m_partner1, 1, count1, count2);
    show(m_partner2, 2, count2, count1);
}
