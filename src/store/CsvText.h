#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <type_traits>

// Comma-separated text as RFC 4180 has it: fields split at the separator, a field in double
// quotes may hold separators, line breaks and doubled quotes ("" for one "). Records end at LF,
// CR LF or a lone CR (as older Mac programs end lines). Unquoted fields are taken as they stand,
// spaces included.

// Reads one record after another, counting the lines of the text, so that a record can be
// named by the line it starts on even when a quoted field spans several lines. It reads UTF-16
// text (char16_t) or the bytes of a file whose separators, quotes and line ends are the ASCII
// bytes and never part of another character (char: UTF-8 and Shift_JIS both are such), so that
// a file need not be decoded whole: each field is decoded on its own.
template <typename Char>
class BasicCsvReader
{
public:
    using View = std::conditional_t<std::is_same_v<Char, char16_t>, QStringView, QByteArrayView>;
    using Text = std::conditional_t<std::is_same_v<Char, char16_t>, QString, QByteArray>;

    BasicCsvReader(View text, QChar separator);

    // The next record's fields; false at the end of the text. A record that is not well formed
    // (text after a closing quote, a quote never closed) still comes back, with problem() set.
    // The fields view the text, or the reader's own copy for a field with doubled quotes, and stay
    // valid until the next call.
    bool next(QList<View> *fields);
    // The line the last record began on (1-based).
    int lineNumber() const { return m_recordLine; }
    // Why the last record is not well formed, or empty.
    const QString &problem() const { return m_problem; }

private:
    const Char *m_text;
    qsizetype m_size;
    Char m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_recordLine = 0;
    QString m_problem;
    QList<Text> m_unescaped; // the fields that held doubled quotes, without them
};

using CsvReader = BasicCsvReader<char16_t>;
using CsvByteReader = BasicCsvReader<char>;

extern template class BasicCsvReader<char16_t>;
extern template class BasicCsvReader<char>;

// A field as a CSV writer puts it: in double quotes, its quotes doubled, when it holds the
// separator, a quote or a line break; otherwise as it is.
void appendCsvField(QString &out, QStringView text, QChar separator = u',');
