#include "store/FieldReader.h"

namespace {
bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The position of `c` in line[from, n), or n. Fields are short, so a plain loop beats a call
// into the library's vectorised search.
qsizetype find(QStringView line, qsizetype from, char16_t c)
{
    const char16_t *const p = line.utf16();
    const qsizetype n = line.size();
    while (from < n && p[from] != c)
        ++from;
    return from;
}

// The one field reader; `take` receives each field in turn. Returns false for a line that is not
// well formed (an unterminated quote, or text after a closing quote).
template <typename Take>
bool scanFields(QStringView line, Take &&take)
{
    bool wellFormed = true;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && isSpace(line[i]))
            ++i;
        Field field;
        if (i < n && line[i] == u'"') {
            const qsizetype close = find(line, i + 1, u'"');
            if (close == n) {
                field.text = line.mid(i + 1);
                field.quoted = true;
                take(field);
                return false;
            }
            field.text = line.mid(i + 1, close - i - 1);
            field.quoted = true;
            i = close + 1;
            while (i < n && isSpace(line[i]))
                ++i;
            if (i < n && line[i] != u',') {
                wellFormed = false;
                i = find(line, i, u',');
            }
        } else {
            const qsizetype end = find(line, i, u',');
            qsizetype last = end;
            while (last > i && isSpace(line[last - 1]))
                --last;
            field.text = line.mid(i, last - i);
            i = end;
        }
        take(field);
        if (i >= n)
            return wellFormed;
        ++i; // the comma
    }
}
} // namespace

FieldLine readFields(QStringView line)
{
    FieldLine result;
    result.wellFormed = scanFields(line, [&](const Field &field) { result.fields.append(field); });
    return result;
}

FieldCount readFieldsInto(QStringView line, Field *fields, qsizetype capacity)
{
    FieldCount result;
    result.wellFormed = scanFields(line, [&](const Field &field) {
        if (result.count < capacity)
            fields[result.count] = field;
        ++result.count;
    });
    return result;
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? n : end + 1;
        if (end < 0)
            end = n;
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        lines.append(text.mid(start, stop - start));
        start = next;
    }
    return lines;
}

bool isBlank(QStringView line)
{
    for (QChar c : line) {
        if (!isSpace(c) && c != u'\r')
            return false;
    }
    return true;
}
