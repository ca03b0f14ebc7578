#include "store/CsvText.h"

namespace {

template <typename Char>
bool isLineEnd(Char c)
{
    return c == Char('\n') || c == Char('\r');
}

// The field between the quotes, its doubled quotes made single.
QString withoutDoubledQuotes(QStringView field)
{
    return field.toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
}

QByteArray withoutDoubledQuotes(QByteArrayView field)
{
    return field.toByteArray().replace("\"\"", "\"");
}

} // namespace

template <typename Char>
BasicCsvReader<Char>::BasicCsvReader(View text, QChar separator)
    : m_text(reinterpret_cast<const Char *>(text.data()))
    , m_size(text.size())
    , m_separator(Char(separator.unicode()))
{
}

template <typename Char>
bool BasicCsvReader<Char>::next(QList<View> *fields)
{
    fields->clear();
    m_problem.clear();
    m_unescaped.clear();
    const qsizetype n = m_size;
    if (m_pos >= n)
        return false;
    m_recordLine = m_line;
    const Char *const p = m_text;
    const Char quote = Char('"');
    qsizetype i = m_pos;
    while (true) {
        // Spaces before an opening quote are tolerated: writers that pad after the separator
        // still mean a quoted field.
        qsizetype start = i;
        while (start < n && (p[start] == Char(' ') || p[start] == Char('\t')))
            ++start;
        if (start < n && p[start] == quote) {
            const qsizetype first = start + 1;
            qsizetype j = first;
            bool doubled = false;
            bool closed = false;
            while (j < n) {
                if (p[j] == quote) {
                    if (j + 1 < n && p[j + 1] == quote) {
                        doubled = true;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                // A line break inside the field: LF, CR LF (counted at its LF) or a lone CR.
                if (p[j] == Char('\n') || (p[j] == Char('\r') && (j + 1 == n || p[j + 1] != Char('\n'))))
                    ++m_line;
                ++j;
            }
            View field(p + first, j - first);
            if (doubled) {
                m_unescaped.append(withoutDoubledQuotes(field));
                field = View(m_unescaped.constLast());
            }
            fields->append(field);
            if (!closed) {
                m_problem = QStringLiteral("引用符（\"）が閉じていません");
                m_pos = n;
                return true;
            }
            ++j; // the closing quote
            while (j < n && (p[j] == Char(' ') || p[j] == Char('\t')))
                ++j;
            if (j < n && p[j] != m_separator && !isLineEnd(p[j])) {
                if (m_problem.isEmpty())
                    m_problem = QStringLiteral("引用符（\"）の後ろに余分な文字があります");
                while (j < n && p[j] != m_separator && !isLineEnd(p[j]))
                    ++j;
            }
            i = j;
        } else {
            qsizetype j = i;
            while (j < n && p[j] != m_separator && !isLineEnd(p[j]))
                ++j;
            fields->append(View(p + i, j - i));
            i = j;
        }
        if (i >= n) {
            m_pos = n;
            return true;
        }
        if (isLineEnd(p[i])) {
            ++m_line;
            m_pos = p[i] == Char('\r') && i + 1 < n && p[i + 1] == Char('\n') ? i + 2 : i + 1;
            return true;
        }
        ++i; // the separator
    }
}

template class BasicCsvReader<char16_t>;
template class BasicCsvReader<char>;

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
