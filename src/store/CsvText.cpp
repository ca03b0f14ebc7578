#include "store/CsvText.h"

CsvReader::CsvReader(QStringView text, QChar separator)
    : m_text(text)
    , m_separator(separator.unicode())
{
}

bool CsvReader::next(QList<QStringView> *fields)
{
    fields->clear();
    m_problem.clear();
    m_unescaped.clear();
    const qsizetype n = m_text.size();
    if (m_pos >= n)
        return false;
    m_recordLine = m_line;
    const char16_t *const p = m_text.utf16();
    qsizetype i = m_pos;
    while (true) {
        // Spaces before an opening quote are tolerated: writers that pad after the separator
        // still mean a quoted field.
        qsizetype start = i;
        while (start < n && (p[start] == u' ' || p[start] == u'\t'))
            ++start;
        if (start < n && p[start] == u'"') {
            const qsizetype first = start + 1;
            qsizetype j = first;
            bool doubled = false;
            bool closed = false;
            while (j < n) {
                if (p[j] == u'"') {
                    if (j + 1 < n && p[j + 1] == u'"') {
                        doubled = true;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (p[j] == u'\n')
                    ++m_line;
                ++j;
            }
            QStringView field(p + first, j - first);
            if (doubled) {
                m_unescaped.append(field.toString().replace(QStringLiteral("\"\""), QStringLiteral("\"")));
                field = m_unescaped.constLast();
            }
            fields->append(field);
            if (!closed) {
                m_problem = QStringLiteral("引用符（\"）が閉じていません");
                m_pos = n;
                return true;
            }
            ++j; // the closing quote
            while (j < n && (p[j] == u' ' || p[j] == u'\t'))
                ++j;
            if (j < n && p[j] != m_separator && p[j] != u'\n' && !(p[j] == u'\r' && (j + 1 == n || p[j + 1] == u'\n'))) {
                if (m_problem.isEmpty())
                    m_problem = QStringLiteral("引用符（\"）の後ろに余分な文字があります");
                while (j < n && p[j] != m_separator && p[j] != u'\n')
                    ++j;
            }
            i = j;
            if (i < n && p[i] == u'\r')
                ++i; // the CR of a line end after the closing quote
        } else {
            qsizetype j = i;
            while (j < n && p[j] != m_separator && p[j] != u'\n')
                ++j;
            qsizetype stop = j;
            if ((j == n || p[j] == u'\n') && stop > i && p[stop - 1] == u'\r')
                --stop;
            fields->append(QStringView(p + i, stop - i));
            i = j;
        }
        if (i >= n) {
            m_pos = n;
            return true;
        }
        if (p[i] == u'\n') {
            ++m_line;
            m_pos = i + 1;
            return true;
        }
        ++i; // the separator
    }
}

void appendCsvField(QString &out, QStringView text, QChar separator)
{
    bool quote = false;
    for (const QChar c : text) {
        if (c == separator || c == u'"' || c == u'\r' || c == u'\n') {
            quote = true;
            break;
        }
    }
    if (!quote) {
        out += text;
        return;
    }
    out += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}
