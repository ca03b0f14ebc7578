#include "screens/shell/GraphQuantity.h"

#include "ui/Chart.h"
#include "ui/Named.h"
#include "ui/ReadableColour.h"
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
    // White with coloured text; a colour that reads too faintly on white (pure red, olive) gets
    // a darker shade of itself.
    const QColor white(255, 255, 255);
    option->setStyleSheet(QStringLiteral("QRadioButton { background-color: %1; color: %2; padding: 1px 4px; }")
                              .arg(white.name(), readableForeground(white, colorFromBgr(textColour)).name()));
    option->setMinimumWidth(twipsToPixels(widthTwips, parent));
    return option;
}
