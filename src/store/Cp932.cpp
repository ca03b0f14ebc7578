#include "store/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtAlgorithms>

#include <atomic>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
const char *const kCodec = "windows-31j";

bool roundTrips(QStringView text)
{
    QStringEncoder encoder(kCodec);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kCodec);
    const QString back = QString(decoder.decode(bytes));
    return !decoder.hasError() && back == text;
}

// What one UTF-16 unit becomes in the file: asking ICU costs far more than the character itself,
// and a file holds few distinct characters, so each answer is remembered for the process.
// Windows-31J maps every character on its own, so a text encodes to the concatenation of its
// characters' codes, and can be stored exactly when each of its characters can.
// Packed as: bit 31 known, bit 30 storable, bits 16-17 the length, bits 0-15 the bytes.
constexpr quint32 kKnown = 1u << 31;
constexpr quint32 kStorable = 1u << 30;

std::atomic<quint32> knownCodes[0x10000];

Q_NEVER_INLINE quint32 learnCode(char16_t c)
{
    quint32 code = kKnown;
    if (!QChar::isSurrogate(c)) { // nothing outside the BMP is in the code page
        const QStringView one(&c, 1);
        QStringEncoder encoder(kCodec);
        const QByteArray bytes = encoder.encode(one);
        if (!encoder.hasError() && (bytes.size() == 1 || bytes.size() == 2) && roundTrips(one)) {
            code |= kStorable | quint32(bytes.size()) << 16 | quint8(bytes[0]);
            if (bytes.size() == 2)
                code |= quint32(quint8(bytes[1])) << 8;
        }
    }
    knownCodes[c].store(code, std::memory_order_relaxed);
    return code;
}

inline quint32 codeOf(char16_t c)
{
    const quint32 code = knownCodes[c].load(std::memory_order_relaxed);
    return code ? code : learnCode(c);
}

// ASCII is itself in the code page but for three control characters ICU exchanges.
inline bool plainAscii(char16_t c)
{
    return c < 0x80 && c != 0x1a && c != 0x1c && c != 0x7f;
}

bool storable(char16_t c)
{
    return codeOf(c) & kStorable;
}

// Index of the first character that cannot be stored, or -1.
qsizetype firstUnstorable(QStringView text)
{
    const char16_t *const begin = text.utf16();
    const char16_t *const end = begin + text.size();
    for (const char16_t *p = begin; p != end; ++p) {
        if (!plainAscii(*p) && !storable(*p))
            return p - begin;
    }
    return -1;
}

// Decoding by the same means: what each single byte and each two-byte sequence reads as, learned
// from ICU the first time it is met. Windows-31J is read left to right without state, a lead byte
// taking the byte after it, so text whose every character is known decodes exactly as ICU decodes
// it. Anything not valid is left to ICU, which alone decides how it reads.
// Packed as: bit 31 known, bit 30 valid, bit 29 a lead byte (single bytes only), bits 0-15 the character.
constexpr quint32 kValid = 1u << 30;
constexpr quint32 kLead = 1u << 29;

std::atomic<quint32> singleBytes[0x100];
std::atomic<quint32> bytePairs[0x10000];

Q_NEVER_INLINE quint32 learnBytes(QByteArrayView bytes, std::atomic<quint32> *slot)
{
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    quint32 code = kKnown;
    if (!decoder.hasError() && text.size() == 1)
        code |= kValid | text.at(0).unicode();
    else if (bytes.size() == 1 && text.isEmpty())
        code |= kLead; // a lead byte, cut off on its own
    slot->store(code, std::memory_order_relaxed);
    return code;
}

inline quint32 singleByte(uchar b)
{
    const quint32 code = singleBytes[b].load(std::memory_order_relaxed);
    if (code)
        return code;
    const char c = char(b);
    return learnBytes(QByteArrayView(&c, 1), &singleBytes[b]);
}

inline quint32 bytePair(uchar lead, uchar trail)
{
    const int index = lead << 8 | trail;
    const quint32 code = bytePairs[index].load(std::memory_order_relaxed);
    if (code)
        return code;
    const char pair[2] = {char(lead), char(trail)};
    return learnBytes(QByteArrayView(pair, 2), &bytePairs[index]);
}

// Decodes into `out` (room for bytes.size() characters); the number of characters, or -1 when
// the bytes hold anything that is not valid Windows-31J.
qsizetype decodeByTable(QByteArrayView bytes, char16_t *out)
{
    const uchar *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = p + bytes.size();
    char16_t *o = out;
    while (p != end) {
#if defined(__SSE2__)
        // Most of a data line is ASCII: take it sixteen bytes at a time, up to the first byte that
        // needs the tables. All sixteen are widened and stored, which the room for one character
        // per byte allows, and only those before that byte are kept.
        if (end - p >= 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i exchanged = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x1a)), _mm_cmpeq_epi8(v, _mm_set1_epi8(0x1c))),
                                                   _mm_cmpeq_epi8(v, _mm_set1_epi8(0x7f)));
            const int stop = _mm_movemask_epi8(v) | _mm_movemask_epi8(exchanged);
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o + 8), _mm_unpackhi_epi8(v, zero));
            const int plain = stop ? qCountTrailingZeroBits(quint32(stop)) : 16;
            p += plain;
            o += plain;
            if (plain == 16)
                continue;
        }
#endif
        const uchar b = *p;
        if (b < 0x80 && plainAscii(b)) {
            *o++ = b;
            ++p;
            continue;
        }
        const quint32 code = singleByte(b);
        if (code & kValid) {
            *o++ = char16_t(code & 0xffff);
            ++p;
        } else if ((code & kLead) && end - p >= 2) {
            const quint32 pair = bytePair(b, p[1]);
            if (!(pair & kValid))
                return -1;
            *o++ = char16_t(pair & 0xffff);
            p += 2;
        } else {
            return -1;
        }
    }
    return o - out;
}

} // namespace

QChar *decodeCp932Into(QByteArrayView bytes, QChar *out)
{
    const qsizetype n = decodeByTable(bytes, reinterpret_cast<char16_t *>(out));
    return n < 0 ? nullptr : out + n;
}

QString decodeCp932(QByteArrayView bytes)
{
    return decodeCp932(bytes, nullptr);
}

QString decodeCp932(QByteArrayView bytes, bool *clean)
{
    QString text(bytes.size(), Qt::Uninitialized);
    if (QChar *end = decodeCp932Into(bytes, text.data())) {
        text.truncate(end - text.constData());
        if (clean)
            *clean = true;
        return text;
    }
    // A lead byte cut off at the end reads as it does before a line end, as a substitute, rather
    // than vanishing: a line appended after it then changes nothing of what came before.
    QStringDecoder decoder(kCodec);
    text = decoder.decode(bytes);
    text += decoder.decode(QByteArrayView("\n", 1));
    text.chop(1);
    if (clean)
        *clean = !decoder.hasError();
    return text;
}

QString firstUnencodableCharacter(QStringView text)
{
    const qsizetype i = firstUnstorable(text);
    if (i < 0)
        return QString();
    // Name a character outside the BMP whole, not by half of its surrogate pair.
    const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    return text.mid(i, pair ? 2 : 1).toString();
}

bool encodeCp932(QStringView text, QByteArray *out, QString *offending)
{
    // Encoding through the remembered codes also catches the characters ICU maps onto another's
    // code (an em dash, for one), which reading back would silently change.
    QByteArray bytes(text.size() * 2 + 16, Qt::Uninitialized);
    char *o = bytes.data();
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p != end) {
#if defined(__SSE2__)
        // ASCII eight characters at a time, as in decoding: all eight are narrowed and stored, and
        // those before the first character that needs the table are kept.
        if (end - p >= 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i narrow = _mm_packus_epi16(v, v); // a character above 0xff becomes 0xff
            const __m128i high = _mm_cmpgt_epi16(_mm_and_si128(v, _mm_set1_epi16(short(0xff80))), _mm_setzero_si128());
            const __m128i wide = _mm_or_si128(high, _mm_cmplt_epi16(v, _mm_setzero_si128())); // 0x8000 and up
            const __m128i exchanged = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(narrow, _mm_set1_epi8(0x1a)), _mm_cmpeq_epi8(narrow, _mm_set1_epi8(0x1c))),
                                                   _mm_cmpeq_epi8(narrow, _mm_set1_epi8(0x7f)));
            const int stop = (_mm_movemask_epi8(_mm_packs_epi16(wide, wide)) | _mm_movemask_epi8(exchanged)) & 0xff;
            _mm_storel_epi64(reinterpret_cast<__m128i *>(o), narrow);
            const int plain = stop ? qCountTrailingZeroBits(quint32(stop)) : 8;
            p += plain;
            o += plain;
            if (plain == 8)
                continue;
        }
#endif
        const char16_t c = *p++;
        if (plainAscii(c)) {
            *o++ = char(c);
            continue;
        }
        const quint32 code = codeOf(c);
        if (!(code & kStorable)) {
            if (offending)
                *offending = firstUnencodableCharacter(text);
            return false;
        }
        *o++ = char(code & 0xff);
        if (code & (2u << 16))
            *o++ = char((code >> 8) & 0xff);
    }
    bytes.truncate(o - bytes.constData());
    if (out)
        *out = std::move(bytes);
    return true;
}
