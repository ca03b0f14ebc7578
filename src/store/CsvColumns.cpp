#include "store/CsvColumns.h"

#include "store/CsvDateTime.h"

#include <QString>

std::optional<CsvColumns> columnsOfHeader(const QList<QStringView> &header)
{
    CsvColumns c;
    int dateOnly = -1;
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed().toString().toLower();
        const auto take = [&](int *column) {
            if (*column < 0)
                *column = i;
        };
        if (name == QLatin1String("datetime"))
            take(&c.date);
        else if (name == QLatin1String("date"))
            take(&dateOnly);
        else if (name == QLatin1String("time"))
            take(&c.time);
        else if (name == QLatin1String("weight"))
            take(&c.weight);
        else if (name == QLatin1String("body_fat") || name == QLatin1String("fat"))
            take(&c.fat);
        else if (name == QLatin1String("comment"))
            take(&c.comment);
        else if (name == QLatin1String("situation"))
            take(&c.situation);
    }
    if (c.date < 0)
        c.date = dateOnly;
    if (c.date < 0 || c.weight < 0)
        return std::nullopt;
    return c;
}

std::optional<CsvColumns> columnsOfHeaderlessLayout(const QList<QStringView> &firstRecord)
{
    const int n = int(firstRecord.size());
    if (n != 5 && n != 6 && n != 8 && n != 9 && n != 10)
        return std::nullopt;
    QString date;
    int second = -1;
    if (!parseCsvDate(firstRecord[0], &date, &second))
        return std::nullopt;
    CsvColumns c;
    c.date = 0;
    c.weight = 1;
    c.fat = 2;
    c.comment = n - 1;
    c.layoutFields = n;
    return c;
}
