#include "store/SituationRename.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/FileRead.h"
#include "store/Measurement.h"
#include "store/SafeSave.h"
#include "store/SituationListFile.h"
#include "store/TextFile.h"

#include <cstring>

namespace {

// Where the situation, the second field, stands in the bytes of a record line: from its opening
// quote (or first character) to just past its closing quote (or last character). The search
// runs on the bytes themselves, which is safe because the bytes it looks for ('"', ',', space,
// tab) are never the second byte of a Windows-31J character.
bool situationSpan(QByteArrayView line, qsizetype *begin, qsizetype *end)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isFieldBlank(line[i]))
        ++i;
    // The date: quoted or bare, then the comma.
    if (i < n && line[i] == '"') {
        const qsizetype close = line.sliced(i + 1).indexOf('"');
        if (close < 0)
            return false;
        i += close + 2;
    }
    const qsizetype comma = line.sliced(i).indexOf(',');
    if (comma < 0)
        return false;
    i += comma + 1;
    while (i < n && isFieldBlank(line[i]))
        ++i;
    *begin = i;
    if (i < n && line[i] == '"') {
        const qsizetype close = line.sliced(i + 1).indexOf('"');
        if (close < 0)
            return false;
        *end = i + close + 2;
        return true;
    }
    const qsizetype nextComma = line.sliced(i).indexOf(',');
    qsizetype stop = nextComma < 0 ? n : i + nextComma;
    while (stop > i && isFieldBlank(line[stop - 1]))
        --stop;
    *end = stop;
    return true;
}

} // namespace

StoreResult RenameSituationInData(const DataFolder &folder, const QString &name, const QString &oldText,
                                  const QString &newText, int *changed)
{
    if (changed)
        *changed = 0;
    if (StoreResult r = checkStorableText(newText); !r)
        return r;
    QByteArray field;
    if (StoreResult r = encodeText(u'"' + newText + u'"', &field); !r)
        return r;
    const QString path = folder.pathFor(name);
    const FileRead read = readWholeFile(path);
    if (read.unreadable())
        return read.result();
    const QByteArray &bytes = read.bytes; // a missing file has no record to rename

    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    int count = 0;
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype b = 0;
    while (b < size) {
        const void *lf = std::memchr(data + b, '\n', size - b);
        const qsizetype next = lf ? static_cast<const char *>(lf) - data + 1 : size;
        qsizetype stop = lf ? next - 1 : size;
        if (stop > b && data[stop - 1] == '\r')
            --stop;
        const QByteArrayView line(data + b, stop - b);
        bool clean = false;
        const QString text = decodeCp932(line, &clean);
        std::optional<Measurement> record;
        if (clean)
            record = parseMeasurementLine(text);
        qsizetype begin = 0;
        qsizetype end = 0;
        if (record && record->situation == oldText && situationSpan(line, &begin, &end)) {
            out.append(data + b, begin);
            out += field;
            out.append(data + b + end, next - (b + end)); // the rest of the line and its own line end
            ++count;
        } else {
            out.append(data + b, next - b);
        }
        b = next;
    }
    if (count == 0)
        return StoreResult::success();
    if (StoreResult r = SafeSave::replaceFile(path, out); !r)
        return r;
    if (changed)
        *changed = count;
    return StoreResult::success();
}

StoreResult RenameSituationInList(const DataFolder &folder, const QString &oldText, const QString &newText)
{
    QStringList entries;
    if (StoreResult r = ReadSituationListForChange(folder, &entries); !r)
        return r;
    for (QString &entry : entries) {
        if (entry == oldText)
            entry = newText;
    }
    return RewriteSituationListQuoted(folder, entries);
}
