#pragma once

#include <QList>
#include <QStringView>

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
