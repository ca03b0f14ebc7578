#include "ui/JapaneseFont.h"

#include <QApplication>
#include <QFontDatabase>

void chooseJapaneseFont(QApplication &app)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), QStringLiteral("IPAexGothic"),
                                  QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic")}) {
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSizeF(app.font().pointSizeF());
            app.setFont(font);
            return;
        }
    }
}
