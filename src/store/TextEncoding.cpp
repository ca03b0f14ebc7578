#include "store/TextEncoding.h"

#include <algorithm>

namespace {

// How many continuation bytes follow a lead byte of a shortest-form UTF-8 sequence, or -1.
int continuationsAfter(uchar lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

bool isContinuation(uchar c)
{
    return (c & 0xC0) == 0x80;
}

struct Utf8Count {
    qsizetype sequences = 0; // valid multi-byte sequences
    qsizetype errors = 0;    // bytes that start no valid sequence
};

Utf8Count countUtf8(QByteArrayView bytes)
{
    Utf8Count count;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int more = continuationsAfter(c);
        bool valid = more > 0 && i + more < n;
        if (valid) {
            for (int k = 1; k <= more; ++k)
                valid = valid && isContinuation(p[i + k]);
        }
        // No overlong three- or four-byte forms, no surrogates, nothing beyond U+10FFFF.
        if (valid && more >= 2) {
            const uchar second = p[i + 1];
            valid = !(c == 0xE0 && second < 0xA0) && !(c == 0xED && second >= 0xA0) && !(c == 0xF0 && second < 0x90)
                    && !(c == 0xF4 && second >= 0x90);
        }
        if (valid) {
            ++count.sequences;
            i += more + 1;
        } else {
            ++count.errors;
            ++i;
        }
    }
    return count;
}

} // namespace

DetectedEncoding detectTextEncoding(QByteArrayView bytes)
{
    const auto starts = [&](QByteArrayView mark) { return bytes.startsWith(mark); };
    if (starts(QByteArrayView("\xFF\xFE\x00\x00", 4)) || starts(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return {TextEncoding::Utf32, 4};
    if (starts("\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, 3};
    if (starts("\xFF\xFE"))
        return {TextEncoding::Utf16LE, 2};
    if (starts("\xFE\xFF"))
        return {TextEncoding::Utf16BE, 2};

    // Zero bytes at even and odd offsets of the file's start.
    const qsizetype sample = std::min<qsizetype>(bytes.size(), 64 * 1024) & ~qsizetype(1);
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    const qsizetype pairs = sample / 2;
    if (oddZeros * 4 >= pairs && oddZeros > 4 * evenZeros)
        return {TextEncoding::Utf16LE, 0};
    if (evenZeros * 4 >= pairs && evenZeros > 4 * oddZeros)
        return {TextEncoding::Utf16BE, 0};

    const Utf8Count utf8 = countUtf8(bytes);
    if (utf8.errors == 0 || utf8.sequences >= utf8.errors)
        return {TextEncoding::Utf8, 0};
    return {TextEncoding::ShiftJis, 0};
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16");
    case TextEncoding::ShiftJis:
        return QStringLiteral("Shift_JIS");
    case TextEncoding::Utf32:
        return QStringLiteral("UTF-32");
    }
    return QString();
}
