#include "screens/diary/CommentList.h"

#include "store/NumberText.h"

#include <QHash>

#include <cstring>

namespace {

// A file holds few distinct weights, body fats and differences, so each is formatted once.
class NumberTexts
{
public:
    explicit NumberTexts(QString (*format)(float)) : m_format(format) {}

    const QString &get(float value)
    {
        quint32 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        auto it = m_texts.find(bits);
        if (it == m_texts.end())
            it = m_texts.insert(bits, m_format(value));
        return *it;
    }

private:
    QString (*m_format)(float);
    QHash<quint32, QString> m_texts;
};

} // namespace

QList<CommentRow> ComputeCommentList(const QList<Measurement> &records)
{
    NumberTexts plain([](float v) { return generalNumber(v); });
    NumberTexts difference([](float v) { return formatOneDecimal(v); });
    const TrendMark marks[] = {TrendMarkFor(-1.0f), TrendMarkFor(0.0f), TrendMarkFor(1.0f)};

    QList<CommentRow> rows;
    rows.reserve(records.size());
    float previousWeight = 0;
    int number = 0;
    for (const Measurement &m : records) {
        // Single precision, as the weights are stored; the first row has nothing to differ from.
        const float d = previousWeight == 0 ? 0.0f : m.weight - previousWeight;
        CommentRow &row = rows.emplace_back();
        row.number = QString::number(++number);
        row.date = m.date;
        row.situation = m.situation;
        row.weight = plain.get(m.weight);
        row.difference = difference.get(d);
        row.mark = marks[displayedSign(d) + 1];
        row.bodyFat = plain.get(m.bodyFat);
        row.comment = m.comment;
        previousWeight = m.weight;
    }
    return rows;
}
