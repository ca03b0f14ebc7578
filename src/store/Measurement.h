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

// Refuses a text that would break a line or cannot be stored in the files' code page: a double
// quote, a line break, or a character outside Windows-31J. The message names the text.
StoreResult checkStorableText(const QString &text);
// Checks every text field of a record, that its date is a real "yyyy/mm/dd" day and that both
// numbers are finite (an infinity or NaN would be written as a line no reader accepts). Bulk
// writers that encode the whole file at once may leave the code-page test to that encoding.
StoreResult checkStorable(const Measurement &m, bool checkCodePage = true);
