#include "store/FieldReader.h"

namespace {
bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}
} // namespace

FieldLine readFields(QStringView line)
{
    FieldLine result;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && isSpace(line[i]))
            ++i;
        Field field;
        if (i < n && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) {
                result.wellFormed = false;
                field.text = line.mid(i + 1);
                field.quoted = true;
                result.fields.append(field);
                return result;
            }
            field.text = line.mid(i + 1, close - i - 1);
            field.quoted = true;
            i = close + 1;
            while (i < n && isSpace(line[i]))
                ++i;
            if (i < n && line[i] != u',') {
                result.wellFormed = false;
                const qsizetype comma = line.indexOf(u',', i);
                i = comma < 0 ? n : comma;
            }
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            const qsizetype end = comma < 0 ? n : comma;
            qsizetype last = end;
            while (last > i && isSpace(line[last - 1]))
                --last;
            field.text = line.mid(i, last - i);
            i = end;
        }
        result.fields.append(field);
        if (i >= n)
            return result;
        ++i; // the comma
    }
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
