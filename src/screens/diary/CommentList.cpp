#include "screens/diary/CommentList.h"

#include "screens/entry/TrendMark.h"
#include "store/NumberText.h"

namespace {

// Single precision, as the weights are stored; the first record has nothing to differ from.
float difference(const QList<Measurement> &records, qsizetype index)
{
    return index == 0 ? 0.0f : records[index].weight - records[index - 1].weight;
}

} // namespace

QString CommentList::text(const QList<Measurement> &records, qsizetype index, int column)
{
    if (index < 0 || index >= records.size())
        return QString();
    const Measurement &m = records[index];
    switch (column) {
    case Number: return QString::number(index + 1);
    case Date: return m.date;
    case Situation: return m.situation;
    case Weight: return generalNumber(m.weight);
    case Difference: return formatOneDecimal(difference(records, index));
    case Mark: return TrendMarkFor(difference(records, index)).text;
    case BodyFat: return generalNumber(m.bodyFat);
    case Comment: return m.comment;
    default: return QString();
    }
}

quint32 CommentList::markColour(const QList<Measurement> &records, qsizetype index)
{
    if (index < 0 || index >= records.size())
        return 0;
    return TrendMarkFor(difference(records, index)).colour;
}
