#pragma once

#include <QList>
#include <QStringView>

#include <cstring>

// Reading the quoted and plain text forms: one field at a time, leading spaces skipped, a field
// in double quotes taken without its quotes (it may hold commas), an unquoted field ending at a
// comma or at the line end (trailing spaces dropped).

struct Field {
    QStringView text;
    bool quoted = false;
};

struct FieldLine {
    QList<Field> fields;
    bool wellFormed = true; // false for an unterminated quote or text after a closing quote
};

FieldLine readFields(QStringView line);

// The same reading into a caller's array, without allocating, for the data file's hot loop: at
// most `capacity` fields are stored, but the count covers every field of the line.
struct FieldCount {
    qsizetype count = 0;
    bool wellFormed = true;
};
FieldCount readFieldsInto(QStringView line, Field *fields, qsizetype capacity);

// The lines of a file's text: split at LF, a CR before it dropped, no empty piece after the
// final line end.
QList<QStringView> splitLines(QStringView text);

bool isBlank(QStringView line);

// A blank around a field, in the bytes of a record line; neither is ever the second byte of a
// Windows-31J character, so a line's bytes can be scanned for them directly.
inline bool isFieldBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Whether `n` bytes at two places are equal, compared inline eight bytes at a time: the readers
// compare short fields of every line (a date with the line before's), where a call into the
// library or to memcmp costs more than the comparison.
inline bool sameShortMemory(const char *p, const char *q, qsizetype n)
{
    for (; n >= 8; n -= 8, p += 8, q += 8) {
        quint64 x = 0;
        quint64 y = 0;
        std::memcpy(&x, p, sizeof x);
        std::memcpy(&y, q, sizeof y);
        if (x != y)
            return false;
    }
    for (; n > 0; --n) {
        if (*p++ != *q++)
            return false;
    }
    return true;
}

// Whether two texts are equal, inline as above.
inline bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size()
           && sameShortMemory(reinterpret_cast<const char *>(a.utf16()), reinterpret_cast<const char *>(b.utf16()),
                              a.size() * qsizetype(sizeof(char16_t)));
}
