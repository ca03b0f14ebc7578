#pragma once

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/Measurement.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtAlgorithms>

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
