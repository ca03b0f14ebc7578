#include "screens/shell/GraphQuantity.h"

#include "ui/Chart.h"
#include "ui/Named.h"
#include "ui/Twips.h"

#include <QRadioButton>

void SelectGraphQuantity(Chart *chart, GraphQuantity quantity)
{
    const bool weight = quantity != GraphQuantity::BodyFat;
    const bool bodyFat = quantity != GraphQuantity::Weight;
    chart->setAxisScaleVisible(1, weight);
    chart->setAxisScaleVisible(2, bodyFat);
    for (int column = 1; column <= chart->columnCount(); ++column)
        chart->setSeriesVisible(column, chart->seriesAxis(column) == 2 ? bodyFat : weight);
}

QRadioButton *quantityOption(const char *name, const QString &caption, Bgr textColour, int widthTwips, QWidget *parent)
{
    auto *option = named(new QRadioButton(caption, parent), name);
    option->setStyleSheet(QStringLiteral("QRadioButton { background-color: #ffffff; color: %1; padding: 1px 4px; }")
                              .arg(colorFromBgr(textColour).name()));
    option->setMinimumWidth(twipsToPixels(widthTwips, parent));
    return option;
}
