#include "screens/history/PeriodDate.h"

#include "store/NumberText.h"

#include <QDate>
#include <QRegularExpression>

std::optional<QString> ReadPeriodDate(const QString &typed)
{
    QString text = typed.trimmed();
    for (QChar &c : text) {
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            c = QChar(u'0' + (c.unicode() - 0xFF10));
        else if (c == QChar(0xFF0F))
            c = u'/';
        else if (c == QChar(0xFF0D) || c == QChar(0x2212))
            c = u'-';
    }
    static const QRegularExpression form(QStringLiteral("^(\\d{4})([/-])(\\d{1,2})\\2(\\d{1,2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    if (!date.isValid())
        return std::nullopt;
    return storedDate(date);
}

QString EmptyPeriodReason(const QString &firstDay, const QString &lastDay)
{
    if (lastDay.isEmpty())
        return QStringLiteral("期間の終わりの日が空欄のため、当てはまる記録はありません。終わりの日を入れてください。");
    if (!firstDay.isEmpty() && lastDay < firstDay)
        return QStringLiteral("期間の終わりの日（%1）が初めの日（%2）より前のため、当てはまる記録はありません。").arg(lastDay, firstDay);
    return QString();
}
