#include "screens/diary/CommentList.h"

#include "store/NumberText.h"

#include <cstring>

namespace {
quint32 bitsOf(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The slot a value's bits fall into; a value met again finds its text there unless another
// value has taken the slot since.
int slotOf(quint32 bits, int slotBits)
{
    return int((bits * 2654435761u) >> (32 - slotBits));
}
} // namespace

void CommentRows::restart()
{
    m_number = 0;
    m_previousWeight = 0;
}

const QString &CommentRows::plain(float value)
{
    const quint32 bits = bitsOf(value);
    Slot<QString> &slot = m_plain[size_t(slotOf(bits, kSlotBits))];
    if (!slot.used || slot.bits != bits)
        slot = {bits, true, generalNumber(value)};
    return slot.value;
}

const CommentRows::Difference &CommentRows::difference(float value)
{
    const quint32 bits = bitsOf(value);
    Slot<Difference> &slot = m_differences[size_t(slotOf(bits, kSlotBits))];
    if (!slot.used || slot.bits != bits)
        slot = {bits, true, {formatOneDecimal(value), TrendMarkFor(value)}};
    return slot.value;
}

CommentRow CommentRows::next(Measurement &&m)
{
    // Single precision, as the weights are stored; the first row has nothing to differ from.
    const float d = m_previousWeight == 0 ? 0.0f : m.weight - m_previousWeight;
    m_previousWeight = m.weight;
    if (m_number == m_numbers.size())
        m_numbers.append(QString::number(m_number + 1));
    const Difference &diff = difference(d);
    return {{m_numbers[m_number++], std::move(m.date), std::move(m.situation), plain(m.weight), diff.text, diff.mark.text,
             plain(m.bodyFat), std::move(m.comment)},
            diff.mark.colour};
}
