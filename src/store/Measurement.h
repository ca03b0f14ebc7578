#pragma once

#include "store/StoreResult.h"

#include <QString>
#include <QStringView>

#include <optional>

// One line of a partner's data file.
struct Measurement {
    QString date;      // "yyyy/mm/dd"
    QString situation;
    float weight = 0;  // kg
    QString comment;   // may be empty
    float bodyFat = 0; // %
    QString reserved;  // always written empty by the program

    bool operator==(const Measurement &) const = default;
};

// The line of a record, without its line end:
// "2003/11/08","はじめの一歩",65.5,"",21.3,""
QString measurementLine(const Measurement &m);
QString measurementLine(const QString &date, const QString &situation, const QString &weightText,
                        const QString &comment, const QString &bodyFatText, const QString &reserved);

// Appends the line of a record to `out`, without its line end.
void appendMeasurementLine(QString &out, QStringView date, QStringView situation, float weight, QStringView comment,
                           float bodyFat, QStringView reserved);

// A line of six fields: the date (a real "yyyy/mm/dd" day), three texts and two bare numbers,
// each number within the range of a 32-bit value. A text holding a double quote or a CR (which
// an unquoted field or a stray CR can bring) makes the line no record: no writer could keep it.
std::optional<Measurement> parseMeasurementLine(QStringView line);

// The same reading, the texts left as views into the line, for readers that go through a whole
// file and would otherwise copy every text of every line.
struct MeasurementView {
    QStringView date;
    QStringView situation;
    float weight = 0;
    QStringView comment;
    float bodyFat = 0;
    QStringView reserved;
};
// Fills `view` and returns true for a record line; `view` may hold anything otherwise. A date
// equal to `checkedDate` is known to be a real day already (most lines share the previous line's
// date, and a reader of a whole file need not check it again).
bool parseMeasurementView(QStringView line, MeasurementView *view, QStringView checkedDate = {});

// The one rule for a text the program stores, from any save of the window and from every import:
// no double quote (a field has no escape for it), no control character (C0 with the line breaks,
// DEL, C1) and no bidirectional override or isolate (U+202A–U+202E, U+2066–U+2069), and nothing
// Windows-31J cannot hold. The message quotes the text through messageText() and names the
// refused character by its code point ("「ab<U+0085>」のU+0085は保存できない文字です。").
StoreResult checkStorableText(const QString &text);
// Checks that a record's date is a real "yyyy/mm/dd" day, that both numbers are finite (an
// infinity or NaN would be written as a line no reader accepts) and its texts by
// checkStorableText. Writers that copy records a file already holds check with `wholeRule`
// false: then only what would break the line (a double quote, a line break) refuses a text, so
// that a record stored before the rule stays writable, and the code page is left to the encoding
// of the whole file.
StoreResult checkStorable(const Measurement &m, bool wholeRule = true);
