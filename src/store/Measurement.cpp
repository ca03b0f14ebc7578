#include "store/Measurement.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/NumberText.h"

namespace {
QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}
} // namespace

QString measurementLine(const QString &date, const QString &situation, const QString &weightText,
                        const QString &comment, const QString &bodyFatText, const QString &reserved)
{
    QString line;
    line.reserve(date.size() + situation.size() + comment.size() + reserved.size() + 32);
    line += quoted(date);
    line += u',';
    line += quoted(situation);
    line += u',';
    line += weightText;
    line += u',';
    line += quoted(comment);
    line += u',';
    line += bodyFatText;
    line += u',';
    line += quoted(reserved);
    return line;
}

QString measurementLine(const Measurement &m)
{
    return measurementLine(m.date, m.situation, storedNumber(m.weight), m.comment, storedNumber(m.bodyFat), m.reserved);
}

std::optional<Measurement> parseMeasurementLine(QStringView line)
{
    const FieldLine fl = readFields(line);
    if (!fl.wellFormed || fl.fields.size() != 6)
        return std::nullopt;
    const Field &date = fl.fields[0];
    const Field &weight = fl.fields[2];
    const Field &fat = fl.fields[4];
    if (weight.quoted || fat.quoted || !parseStoredDate(date.text).isValid())
        return std::nullopt;
    const std::optional<double> w = parseStoredNumber(weight.text);
    const std::optional<double> f = parseStoredNumber(fat.text);
    if (!w || !f)
        return std::nullopt;
    Measurement m;
    m.date = date.text.toString();
    m.situation = fl.fields[1].text.toString();
    m.weight = float(*w);
    m.comment = fl.fields[3].text.toString();
    m.bodyFat = float(*f);
    m.reserved = fl.fields[5].text.toString();
    return m;
}

namespace {
StoreResult checkText(const QString &text, bool checkCodePage)
{
    if (text.contains(u'"'))
        return StoreResult::failure(QStringLiteral("「%1」にはダブルクォーテーション（\"）を使えません。").arg(text));
    if (text.contains(u'\r') || text.contains(u'\n'))
        return StoreResult::failure(QStringLiteral("「%1」には改行を含められません。").arg(QString(text).replace(u'\r', u' ').replace(u'\n', u' ')));
    QString bad;
    if (checkCodePage && !encodeCp932(text, nullptr, &bad))
        return StoreResult::failure(QStringLiteral("「%1」の「%2」は保存できない文字です。").arg(text, bad));
    return StoreResult::success();
}

} // namespace

StoreResult checkStorableText(const QString &text)
{
    return checkText(text, true);
}

StoreResult checkStorable(const Measurement &m, bool checkCodePage)
{
    if (!parseStoredDate(m.date).isValid())
        return StoreResult::failure(QStringLiteral("日付「%1」が正しくありません。").arg(m.date));
    for (const QString *text : {&m.situation, &m.comment, &m.reserved}) {
        if (StoreResult r = checkText(*text, checkCodePage); !r)
            return r;
    }
    return StoreResult::success();
}
