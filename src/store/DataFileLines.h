#pragma once

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/Measurement.h"
#include "store/NumberText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtAlgorithms>

#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The lines of a data file as its readers and writers go through them. Internal to the store.

// Where the first LF in [p, end) is, or end. Lines are some fifty characters long: eight
// characters at a time, inline, beat a call into the library's search, which first works out
// how to search.
inline const char16_t *findLineFeed(const char16_t *p, const char16_t *end)
{
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi16(short(u'\n'));
    while (end - p >= 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int found = _mm_movemask_epi8(_mm_cmpeq_epi16(v, lf));
        if (found)
            return p + qCountTrailingZeroBits(quint32(found)) / 2;
        p += 8;
    }
#endif
    while (p != end && *p != u'\n')
        ++p;
    return p;
}

// One line of a data file: its bytes without the line end, its text, and whether those bytes are
// Windows-31J text at all. A line that is not cannot be a record, and only its bytes can be kept.
struct FileLine {
    int number = 0; // 1-based
    QByteArrayView bytes;
    QStringView text;
    bool decodable = true;
};

// Hands every line of the file to `visit`, in order. Lines end at LF, a CR before it dropped,
// with no empty line after the final line end. The file is decoded a piece of whole lines at a
// time into one buffer, which spares a file-sized string and keeps the text in the cache while it
// is parsed; only a piece that holds bytes that are not Windows-31J is decoded line by line, to
// tell which lines they are. The lines of bytes and of text match one for one, since LF is never
// part of a two-byte character.
// `withBytes` false spares finding each line's bytes where the text could be decoded, for a
// caller that only reads.
template <bool withBytes = true, typename Visit>
void forEachLine(const QByteArray &bytes, Visit &&visit)
{
    constexpr qsizetype kPiece = 64 * 1024;
    const qsizetype size = bytes.size();
    const char *const data = bytes.constData();
    QString buffer;
    QString own;
    FileLine line;
    qsizetype b = 0;
    while (b < size) {
        qsizetype pieceEnd = size;
        if (size - b > kPiece) {
            const void *lf = std::memchr(data + b + kPiece, '\n', size - b - kPiece);
            pieceEnd = lf ? static_cast<const char *>(lf) - data + 1 : size;
        }
        const QByteArrayView piece(data + b, pieceEnd - b);
        buffer.resize(piece.size());
        const QChar *const textEnd = decodeCp932Into(piece, buffer.data());
        const bool clean = textEnd != nullptr;
        const char16_t *text = reinterpret_cast<const char16_t *>(buffer.constData());
        const char16_t *const textStop = reinterpret_cast<const char16_t *>(textEnd);
        if (clean && !withBytes) {
            while (text != textStop) {
                const char16_t *const lineEnd = findLineFeed(text, textStop);
                const char16_t *lineStop = lineEnd;
                if (lineStop != text && lineStop[-1] == u'\r')
                    --lineStop;
                ++line.number;
                line.text = QStringView(text, lineStop - text);
                line.decodable = true;
                visit(line);
                text = lineEnd == textStop ? lineEnd : lineEnd + 1;
            }
            b = pieceEnd;
            continue;
        }
        while (b < pieceEnd) {
            const void *lf = std::memchr(data + b, '\n', pieceEnd - b);
            const qsizetype end = lf ? static_cast<const char *>(lf) - data : pieceEnd;
            qsizetype stop = end;
            if (stop > b && data[stop - 1] == '\r')
                --stop;
            ++line.number;
            line.bytes = QByteArrayView(data + b, stop - b);
            if (clean) {
                const char16_t *const lineEnd = findLineFeed(text, textStop);
                const char16_t *lineStop = lineEnd;
                if (lineStop != text && lineStop[-1] == u'\r')
                    --lineStop;
                line.text = QStringView(text, lineStop - text);
                line.decodable = true;
                text = lineEnd == textStop ? lineEnd : lineEnd + 1;
            } else {
                bool lineClean = false;
                own = decodeCp932(line.bytes, &lineClean);
                line.text = own;
                line.decodable = lineClean;
            }
            visit(line);
            b = lf ? end + 1 : pieceEnd;
        }
    }
}

inline bool isBlankLine(const FileLine &line)
{
    return line.decodable && isBlank(line.text);
}

inline bool recordOf(const FileLine &line, MeasurementView *record, QStringView checkedDate = {})
{
    return line.decodable && parseMeasurementView(line.text, record, checkedDate);
}

// Whether two short byte strings are equal, inline (sameShortMemory).
inline bool sameBytes(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && sameShortMemory(a.data(), b.data(), a.size());
}

// The texts of neighbouring lines by their bytes: a text met again is not decoded again.
class RecentBytes
{
public:
    // The text of the bytes; nullptr when they are not all Windows-31J text.
    const QString *get(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return &m_empty;
        if (same(m_keys[m_last], bytes))
            return &m_texts[m_last];
        for (int i = 0; i < kSize; ++i) {
            if (same(m_keys[i], bytes)) {
                m_last = i;
                return &m_texts[i];
            }
        }
        bool clean = false;
        QString text = decodeCp932(bytes, &clean);
        if (!clean)
            return nullptr;
        m_last = m_next;
        m_next = (m_next + 1) % kSize;
        m_keys[m_last] = bytes.toByteArray();
        m_texts[m_last] = std::move(text);
        return &m_texts[m_last];
    }

private:
    static bool same(const QByteArray &known, QByteArrayView bytes) { return sameBytes(known, bytes); }

    static constexpr int kSize = 8;
    QByteArray m_keys[kSize];
    QString m_texts[kSize];
    QString m_empty;
    int m_last = 0;
    int m_next = 0;
};

// A record read from the bytes of its line; the texts stay valid until the next line is read.
struct CanonicalRecord {
    const QString *date = nullptr;
    const QString *situation = nullptr;
    float weight = 0;
    const QString *comment = nullptr;
    float bodyFat = 0;
    const QString *reserved = nullptr;
};

// A line as this program writes it ("…","…",65.5,"…",21.3,""), read from its bytes: dates,
// numbers, commas and quotes are ASCII, and no byte of a two-byte character is '"', ',', CR or
// LF, so the fields are found without decoding the line, and only texts not met on the lines
// just before are decoded. Any other line is left to the reading of decoded text
// (parseMeasurementView); what is read here is what that reading gives.
class CanonicalBytes
{
public:
    // Reads the line that starts at `from` in a file that ends at `fileEnd`; where the next
    // line starts goes to `next`. Finding the line's end is part of reading it: the line ends
    // right after its last field.
    bool read(const char *from, const char *fileEnd, CanonicalRecord *record, const char **next)
    {
        p = from;
        end = fileEnd;
        QByteArrayView date;
        QByteArrayView situation;
        QByteArrayView comment;
        QByteArrayView reserved;
        double weight = 0;
        double bodyFat = 0;
        if (!quoted(&date) || !comma() || !quoted(&situation) || !comma() || !number(&weight) || !quoted(&comment)
            || !comma() || !number(&bodyFat) || !quoted(&reserved) || !lineEnd(next))
            return false;
        // Most lines repeat the date of the line before, which was checked then.
        if (date.isEmpty())
            return false;
        if (!sameBytes(date, m_dateBytes)) {
            const QString text = QString::fromLatin1(date);
            if (!isStoredDate(text))
                return false;
            m_date = text;
            m_dateBytes = date.toByteArray();
        }
        const float w = float(weight);
        const float f = float(bodyFat);
        if (!std::isfinite(w) || !std::isfinite(f))
            return false;
        const QString *s = m_situations.get(situation);
        const QString *c = s ? m_comments.get(comment) : nullptr;
        const QString *r = c ? m_reserved.get(reserved) : nullptr;
        if (!r)
            return false;
        *record = {&m_date, s, w, c, f, r};
        return true;
    }

private:
    // A text between double quotes; one holding a CR is left to the reading of decoded text.
    bool quoted(QByteArrayView *text)
    {
        if (p == end || *p != '"')
            return false;
        // Fields are short: a plain loop beats two calls to memchr.
        const char *const start = ++p;
        while (p != end && *p != '"' && *p != '\r' && *p != '\n')
            ++p;
        if (p == end || *p != '"')
            return false;
        *text = QByteArrayView(start, p - start);
        ++p;
        return true;
    }

    // LF, CR LF, or a CR or nothing at the end of the file.
    bool lineEnd(const char **next)
    {
        if (p != end && *p == '\r')
            ++p;
        if (p == end) {
            *next = p;
            return true;
        }
        if (*p != '\n')
            return false;
        *next = p + 1;
        return true;
    }

    bool comma()
    {
        if (p == end || *p != ',')
            return false;
        ++p;
        return true;
    }

    // A plain decimal number ended by a comma.
    bool number(double *value)
    {
        p = scanPlainDecimal(p, end, value);
        if (!p || p == end || *p != ',')
            return false;
        ++p;
        return true;
    }

    const char *p = nullptr;
    const char *end = nullptr;
    QByteArray m_dateBytes; // of the last date read, and its text
    QString m_date;
    // One for each field, so that a text read for one field cannot push out another's while
    // the line is read.
    RecentBytes m_situations;
    RecentBytes m_comments;
    RecentBytes m_reserved;
};

// Goes through the lines of a data file in order, as forEachLine does: a line in the written
// form goes to `canonical` as read from its bytes, any other to `other`, decoded.
template <typename Canonical, typename Other>
void forEachRecordLine(const QByteArray &bytes, Canonical &&canonical, Other &&other)
{
    CanonicalBytes reader;
    CanonicalRecord record;
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    int number = 0;
    for (qsizetype b = 0; b < size;) {
        ++number;
        const char *next = nullptr;
        if (reader.read(data + b, data + size, &record, &next)) {
            canonical(record);
            b = next - data;
            continue;
        }
        const void *lf = std::memchr(data + b, '\n', std::size_t(size - b));
        const qsizetype end = lf ? static_cast<const char *>(lf) - data : size;
        qsizetype stop = end;
        if (stop > b && data[stop - 1] == '\r')
            --stop;
        const QByteArrayView lineBytes(data + b, stop - b);
        b = lf ? end + 1 : size;
        bool clean = false;
        const QString text = decodeCp932(lineBytes, &clean);
        other(FileLine{number, lineBytes, text, clean});
    }
}
