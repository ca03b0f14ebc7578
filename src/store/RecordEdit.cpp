#include "store/RecordEdit.h"

#include "store/Cp932.h"
#include "store/DataFileLines.h"
#include "store/FieldReader.h"
#include "store/FileRead.h"
#include "store/SafeSave.h"
#include "store/TextFile.h"

#include <cstring>

namespace {

// A span of bytes within a line.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Where the fourth field (the comment) lies in a record's bytes: with its quotes when it has
// them, without surrounding spaces. It reads the fields as the text reader does; that works on
// the bytes because none of the characters it looks for (space, tab, '"', ',') is ever the
// second byte of a Windows-31J character.
bool commentSpan(QByteArrayView line, Span *span)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (int field = 0; field <= 3; ++field) {
        while (i < n && isFieldBlank(line[i]))
            ++i;
        Span s;
        if (i < n && line[i] == '"') {
            qsizetype close = i + 1;
            while (close < n && line[close] != '"')
                ++close;
            if (close == n)
                return false;
            s = {i, close + 1};
            i = close + 1;
            while (i < n && isFieldBlank(line[i]))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && line[end] != ',')
                ++end;
            qsizetype last = end;
            while (last > i && isFieldBlank(line[last - 1]))
                --last;
            s = {i, last};
            i = end;
        }
        if (field == 3) {
            *span = s;
            return true;
        }
        if (i >= n || line[i] != ',')
            return false;
        ++i;
    }
    return false;
}

// Decodes a line into `buffer` and reads it as a record; false for a line that is not one.
bool readRecord(QByteArrayView bytes, QString *buffer, MeasurementView *view)
{
    buffer->resize(bytes.size());
    const QChar *const end = decodeCp932Into(bytes, buffer->data());
    return end && parseMeasurementView(QStringView(buffer->constData(), end - buffer->constData()), view);
}

bool sameRecord(const MeasurementView &v, const Measurement &m)
{
    return v.date == m.date && v.situation == m.situation && v.weight == m.weight && v.comment == m.comment
           && v.bodyFat == m.bodyFat && v.reserved == m.reserved;
}

RecordChange changed(const QString &name)
{
    return {StoreResult::failure(QStringLiteral("「%1」は一覧を読み込んだ後に変更されています。").arg(name)), true};
}

// A listed record found again in the file as it is now.
struct FoundRecord {
    FileRead read;
    Span line;              // without its line end
    qsizetype nextLine = 0; // where the line after it starts, or the file's size
};

// Reads the file and finds the record, counting records exactly as the reader of the list
// counted them. A failure (unreadable, or not the file that was listed) is the change to report.
RecordChange findRecord(const QString &path, const QString &name, int index, int recordCount, const Measurement &expected,
                        FoundRecord *found)
{
    found->read = readWholeFile(path);
    if (found->read.missing())
        return changed(name);
    if (found->read.unreadable())
        return {found->read.result(), false};
    const QByteArray &bytes = found->read.bytes;
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    int records = 0;
    bool same = false;
    forEachLine(bytes, [&](const FileLine &line) {
        MeasurementView read;
        if (!recordOf(line, &read))
            return;
        if (records == index) {
            same = sameRecord(read, expected);
            const qsizetype begin = line.bytes.data() - data;
            qsizetype next = begin + line.bytes.size();
            if (next < size && data[next] == '\r')
                ++next;
            if (next < size && data[next] == '\n')
                ++next;
            found->line = {begin, begin + line.bytes.size()};
            found->nextLine = next;
        }
        ++records;
    });
    if (records != recordCount || index >= records || !same)
        return changed(name);
    return {};
}

// The file with the bytes [begin, end) replaced by `with`.
QByteArray spliced(const QByteArray &bytes, qsizetype begin, qsizetype end, QByteArrayView with)
{
    QByteArray out;
    out.reserve(bytes.size() - (end - begin) + with.size());
    out.append(bytes.constData(), begin);
    out.append(with);
    out.append(bytes.constData() + end, bytes.size() - end);
    return out;
}

} // namespace

RecordChange ReplaceComment(const DataFolder &folder, const QString &name, int index, int recordCount,
                            const Measurement &expected, const QString &comment)
{
    if (StoreResult r = checkStorableText(comment); !r)
        return {r, false};
    QByteArray field;
    if (StoreResult r = encodeText(u'"' + comment + u'"', &field); !r)
        return {r, false};

    const QString path = folder.pathFor(name);
    FoundRecord found;
    if (RecordChange r = findRecord(path, name, index, recordCount, expected, &found); !r.result)
        return r;
    const QByteArray &bytes = found.read.bytes;

    // The new line: the old one with only the comment's bytes replaced. Should that not read
    // back as the same record with the new comment, the record is written in the stored form.
    const QByteArrayView oldLine(bytes.constData() + found.line.begin, found.line.end - found.line.begin);
    Measurement wanted = expected;
    wanted.comment = comment;
    QString buffer;
    const auto readsAsWanted = [&](const QByteArray &line) {
        MeasurementView read;
        return readRecord(line, &buffer, &read) && sameRecord(read, wanted);
    };
    QByteArray newLine;
    Span span;
    if (commentSpan(oldLine, &span))
        newLine = oldLine.first(span.begin).toByteArray() + field + oldLine.sliced(span.end).toByteArray();
    if (!readsAsWanted(newLine)) {
        if (StoreResult r = encodeText(measurementLine(wanted), &newLine); !r)
            return {r, false};
        if (!readsAsWanted(newLine))
            return {StoreResult::failure(QStringLiteral("「%1」のこの記録は一言日記を書き換えられない形をしています。").arg(name)), false};
    }
    return {SafeSave::replaceFile(path, spliced(bytes, found.line.begin, found.line.end, newLine)), false};
}

RecordChange ReplaceRecord(const DataFolder &folder, const QString &name, int index, int recordCount,
                           const Measurement &expected, const Measurement &replacement)
{
    Measurement wanted = expected;
    wanted.situation = replacement.situation;
    wanted.weight = replacement.weight;
    wanted.bodyFat = replacement.bodyFat;
    // The situation is new text; the comment is the record's own, kept as the file has it.
    if (StoreResult r = checkStorableText(wanted.situation); !r)
        return {r, false};
    if (StoreResult r = checkStorable(wanted, false); !r)
        return {r, false};
    QByteArray newLine;
    if (StoreResult r = encodeText(measurementLine(wanted), &newLine); !r)
        return {r, false};

    const QString path = folder.pathFor(name);
    FoundRecord found;
    if (RecordChange r = findRecord(path, name, index, recordCount, expected, &found); !r.result)
        return r;
    return {SafeSave::replaceFile(path, spliced(found.read.bytes, found.line.begin, found.line.end, newLine)), false};
}

RecordChange DeleteRecord(const DataFolder &folder, const QString &name, int index, int recordCount,
                          const Measurement &expected)
{
    const QString path = folder.pathFor(name);
    FoundRecord found;
    if (RecordChange r = findRecord(path, name, index, recordCount, expected, &found); !r.result)
        return r;
    if (recordCount == 1)
        return {StoreResult::failure(QStringLiteral("「%1」の記録はこの1件だけなので削除できません。値の誤りは「修正」で直してください。").arg(name)), false};
    return {SafeSave::replaceFile(path, spliced(found.read.bytes, found.line.begin, found.nextLine, {})), false};
}
