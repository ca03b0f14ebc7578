#include "store/LegacyReaders.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/NumberText.h"

#include <cmath>
#include <functional>
#include <optional>

namespace {

// Calls `visit` with the number and text of every line that holds more than blanks, until it
// returns false; `clean` is false for a line whose bytes are not Windows-31J text.
void forEachLine(QByteArrayView bytes, const std::function<bool(int number, const QString &text, bool clean)> &visit)
{
    int number = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        ++number;
        bool clean = false;
        const QString text = decodeCp932(bytes.sliced(start, stop - start), &clean);
        if (!isBlank(text) && !visit(number, text, clean))
            return;
        start = next;
    }
}

std::optional<float> bareNumber(const Field &field)
{
    if (field.quoted)
        return std::nullopt;
    const std::optional<double> value = parseStoredNumber(field.text);
    if (!value || !std::isfinite(float(*value)))
        return std::nullopt;
    return float(*value);
}

// The record, when it can be written as a data line and read back the same.
void keep(LegacyRecords &result, int number, const QString &text, const Measurement &m)
{
    if (checkStorable(m, false))
        result.records.append(m);
    else
        result.unreadable.append({number, text});
}

} // namespace

LegacyRecords readWeightHistory(QByteArrayView bytes, float bodyFat)
{
    LegacyRecords result;
    forEachLine(bytes, [&](int number, const QString &text, bool clean) {
        const FieldLine line = readFields(text);
        const std::optional<float> weight = line.fields.size() == 3 ? bareNumber(line.fields[2]) : std::nullopt;
        if (!clean || !line.wellFormed || !weight) {
            result.unreadable.append({number, text});
            return true;
        }
        Measurement m;
        m.date = line.fields[0].text.toString();
        m.situation = line.fields[1].text.toString();
        m.weight = *weight;
        m.bodyFat = bodyFat;
        keep(result, number, text, m);
        return true;
    });
    return result;
}

LegacyRecords readOlderData(QByteArrayView bytes, float bodyFat)
{
    LegacyRecords result;
    forEachLine(bytes, [&](int number, const QString &text, bool clean) {
        const FieldLine line = readFields(text);
        if (!clean || !line.wellFormed || line.fields.size() != 6) {
            result.unreadable.append({number, text});
            return true;
        }
        const std::optional<float> weight = bareNumber(line.fields[2]);
        const Field &fat = line.fields[4];
        const std::optional<float> ownFat = fat.text.isEmpty() ? std::optional<float>(bodyFat) : bareNumber(fat);
        if (!weight || !ownFat) {
            result.unreadable.append({number, text});
            return true;
        }
        Measurement m;
        m.date = line.fields[0].text.toString();
        m.situation = line.fields[1].text.toString();
        m.weight = *weight;
        m.comment = line.fields[3].text.toString();
        m.bodyFat = *ownFat;
        m.reserved = line.fields[5].text.toString();
        keep(result, number, text, m);
        return true;
    });
    return result;
}

bool isOlderData(QByteArrayView bytes)
{
    bool older = false;
    forEachLine(bytes, [&](int, const QString &text, bool) {
        const FieldLine line = readFields(text);
        older = line.fields.size() == 6 && line.fields[4].text.isEmpty();
        return false;
    });
    return older;
}
