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

// A line of six fields: the date (a real "yyyy/mm/dd" day), three texts and two bare numbers.
std::optional<Measurement> parseMeasurementLine(QStringView line);

// Refuses a text that would break a line or cannot be stored in the files' code page: a double
// quote, a line break, or a character outside Windows-31J. The message names the text.
StoreResult checkStorableText(const QString &text);
// Checks every text field of a record, and that its date is a real "yyyy/mm/dd" day. Bulk
// writers that encode the whole file at once may leave the code-page test to that encoding.
StoreResult checkStorable(const Measurement &m, bool checkCodePage = true);
