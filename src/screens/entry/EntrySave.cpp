#include "screens/entry/EntrySave.h"

#include "store/NumberText.h"

std::optional<SaveRefusal> CheckSave(const QString &selectedSituation, const QString &weightText, const QString &bodyFatText)
{
    if (selectedSituation.isEmpty())
        return SaveRefusal{QStringLiteral("行動が指定されていません"), QStringLiteral("行動未入力"), SaveField::Situation};
    if (weightText.isEmpty())
        return SaveRefusal{QStringLiteral("体重が入力されていません"), QStringLiteral("体重未入力"), SaveField::Weight};
    if (!isPlainDecimal(weightText))
        return SaveRefusal{QStringLiteral("数値を入力してください"), QStringLiteral("数値以外入力"), SaveField::Weight};
    if (bodyFatText.isEmpty())
        return SaveRefusal{QStringLiteral("体脂肪率が入力されていません"), QStringLiteral("体脂肪率未入力"), SaveField::BodyFat};
    if (!isPlainDecimal(bodyFatText))
        return SaveRefusal{QStringLiteral("数値を入力してください"), QStringLiteral("数値以外入力"), SaveField::BodyFat};
    return std::nullopt;
}

bool NeedsOrderedInsert(const QString &lastRecordDate, const QString &date)
{
    return lastRecordDate > date;
}

Measurement BuildMeasurement(const QDate &day, const QString &situation, const QString &weightText,
                             const QString &bodyFatText, const QString &comment)
{
    Measurement m;
    m.date = storedDate(day);
    m.situation = situation;
    m.weight = float(leadingNumber(weightText));
    m.comment = comment;
    m.bodyFat = float(leadingNumber(bodyFatText));
    return m;
}

std::optional<QString> SteppedValue(const QString &boxText, const QString &step, int direction)
{
    if (!isPlainDecimal(step))
        return std::nullopt;
    return generalNumber(leadingNumber(boxText) + direction * leadingNumber(step));
}

QString DeleteQuestion(const QString &ordinal, const QString &situation, const QString &weight, const QString &startChange)
{
    const QString question = QStringLiteral("%1回目 %2 %3 を削除しますか？").arg(ordinal, situation, weight);
    return startChange.isEmpty() ? question : question + u' ' + startChange;
}

QString StartChangeNote(const QList<Measurement> &records, int index)
{
    if (index != 0 || records.size() < 2)
        return QString();
    const Measurement &start = records[0];
    const Measurement &next = records[1];
    if (next.date != start.date)
        return QStringLiteral("開始日が %1 から %2 に変わります。").arg(start.date, next.date);
    return QStringLiteral("開始時の体重が %1 から %2 に変わります。").arg(formatKg(start.weight), formatKg(next.weight));
}
