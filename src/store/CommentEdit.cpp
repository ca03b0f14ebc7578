#include "store/CommentEdit.h"

#include "store/Cp932.h"
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

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

// Where the fourth field (the comment) lies in a record's bytes: with its quotes when it has
// them, without surrounding spaces. It reads the fields as the text reader does; that works on
// the bytes because none of the characters it looks for (space, tab, '"', ',') is ever the
// second byte of a Windows-31J character.
bool commentSpan(QByteArrayView line, Span *span)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (int field = 0; field <= 3; ++field) {
        while (i < n && isSpace(line[i]))
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
            while (i < n && isSpace(line[i]))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && line[end] != ',')
                ++end;
            qsizetype last = end;
            while (last > i && isSpace(line[last - 1]))
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

CommentSave changed(const QString &name)
{
    return {StoreResult::failure(QStringLiteral("「%1」は一覧を読み込んだ後に変更されています。").arg(name)), true};
}

} // namespace

CommentSave ReplaceComment(const DataFolder &folder, const QString &name, int index, int recordCount,
                           const Measurement &expected, const QString &comment)
{
    if (StoreResult r = checkStorableText(comment); !r)
        return {r, false};
    QByteArray field;
    if (StoreResult r = encodeText(u'"' + comment + u'"', &field); !r)
        return {r, false};

    const QString path = folder.pathFor(name);
    const FileRead read = readWholeFile(path);
    if (read.missing())
        return changed(name);
    if (read.unreadable())
        return {read.result(), false};
    const QByteArray &bytes = read.bytes;

    // Find the record, counting records exactly as the reader of the list counted them.
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    QString buffer;
    int records = 0;
    Span target{-1, -1}; // the record's line, without its line end
    qsizetype b = 0;
    while (b < size) {
        const void *lf = std::memchr(data + b, '\n', size - b);
        const qsizetype end = lf ? static_cast<const char *>(lf) - data : size;
        qsizetype stop = end;
        if (stop > b && data[stop - 1] == '\r')
            --stop;
        const QByteArrayView line(data + b, stop - b);
        MeasurementView read;
        if (readRecord(line, &buffer, &read)) {
            if (records == index) {
                if (!sameRecord(read, expected))
                    return changed(name);
                target = {b, stop};
            }
            ++records;
        }
        b = end + 1;
    }
    if (records != recordCount || target.begin < 0)
        return changed(name);

    // The new line: the old one with only the comment's bytes replaced. Should that not read
    // back as the same record with the new comment, the record is written in the stored form.
    const QByteArrayView oldLine(data + target.begin, target.end - target.begin);
    Measurement wanted = expected;
    wanted.comment = comment;
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

    QByteArray out;
    out.reserve(size - oldLine.size() + newLine.size());
    out.append(data, target.begin);
    out.append(newLine);
    out.append(data + target.end, size - target.end);
    return {SafeSave::replaceFile(path, out), false};
}
