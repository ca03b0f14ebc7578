#include "store/NumberText.h"

#include <cmath>
#include <optional>

namespace {

// The seven significant digits of a magnitude from 1e-4 to below 1e7, found with one
// multiplication by an exact power of ten: its rounding error is far below the 1e-6 kept clear
// of a half, so the rounding direction is that of the exact value, as QString::number's.
// Nothing for values outside that range or within that margin of a half.
struct SevenDigits {
    quint32 digits = 0; // 1000000 to 9999999
    int exponent = 0;   // the power of ten of the first digit
};

std::optional<SevenDigits> sevenDigits(double magnitude)
{
    static constexpr double kPowers[] = {1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11};
    constexpr int kZero = 5; // index of 1e0
    if (!(magnitude >= 1e-4) || !(magnitude < 1e7))
        return std::nullopt;
    int exponent = -4;
    while (magnitude >= kPowers[kZero + exponent + 1])
        ++exponent;
    const double scaled = magnitude * kPowers[kZero + 6 - exponent];
    if (!(scaled >= 1e6 && scaled < 1e7))
        return std::nullopt; // a value at a power of ten the table holds only approximately
    const quint32 whole = quint32(scaled); // truncation is the floor here: scaled is positive
    const double fraction = scaled - double(whole);
    if (std::fabs(fraction - 0.5) < 1e-6)
        return std::nullopt;
    quint32 digits = whole + (fraction > 0.5 ? 1 : 0);
    if (digits == 10000000) { // rounded up to the next power of ten
        digits = 1000000;
        ++exponent;
    }
    return SevenDigits{digits, exponent};
}

} // namespace

int formatStoredNumber(float value, char *out)
{
    // Values within a hair of a half, zero's sign and the exponent forms are left to
    // QString::number.
    const double v = double(value);
    if (v == 0) {
        if (std::signbit(v))
            return -1;
        out[0] = '0';
        return 1;
    }
    const std::optional<SevenDigits> found = sevenDigits(std::fabs(v));
    if (!found || found->exponent >= 7)
        return -1;
    int exponent = found->exponent;
    quint32 digits = found->digits;
    char seven[7];
    for (int i = 6; i >= 0; --i) {
        seven[i] = char('0' + digits % 10);
        digits /= 10;
    }
    int last = 6; // the last digit that is not a trailing zero
    while (last > 0 && seven[last] == '0')
        --last;
    int n = 0;
    if (v < 0)
        out[n++] = '-';
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            out[n++] = seven[i];
        if (last > exponent) {
            out[n++] = '.';
            for (int i = exponent + 1; i <= last; ++i)
                out[n++] = seven[i];
        }
    } else {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = exponent + 1; i < 0; ++i)
            out[n++] = '0';
        for (int i = 0; i <= last; ++i)
            out[n++] = seven[i];
    }
    return n;
}

QString storedNumber(float value)
{
    char buffer[kStoredNumberRoom];
    const int length = formatStoredNumber(value, buffer);
    if (length < 0)
        return QString::number(double(value), 'g', 7);
    return QString::fromLatin1(buffer, length);
}

float storedValue(float value)
{
    if (!std::isfinite(value))
        return value;
    const std::optional<double> back = parseStoredNumber(storedNumber(value));
    return back ? float(*back) : value;
}

QString storedNumber(double value)
{
    return QString::number(value, 'g', 15);
}

std::optional<double> parsePlainDecimal(QStringView t)
{
    const char16_t *const end = t.utf16() + t.size();
    double value = 0;
    // An empty view may have no characters at all, and then no number ends where it ends.
    const char16_t *const stop = scanPlainDecimal(t.utf16(), end, &value);
    if (!stop || stop != end)
        return std::nullopt;
    return value;
}

std::optional<double> parseStoredNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (const std::optional<double> value = parsePlainDecimal(t))
        return value;
    bool digit = false;
    for (QChar c : t) {
        if (c.isDigit() && c.unicode() < 128)
            digit = true;
        else if (c != u'.' && c != u'-' && c != u'+' && c != u'e' && c != u'E')
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString storedDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

bool isStoredDate(QStringView text, int *year, int *month, int *day)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return false;
    const auto digit = [&](int i) { return int(text[i].unicode()) - '0'; };
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (unsigned(digit(i)) > 9)
            return false;
    }
    const int y = digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3);
    const int m = digit(5) * 10 + digit(6);
    const int d = digit(8) * 10 + digit(9);
    // The Gregorian rule, as QDate's, for the years a stored date can have (there is no year 0).
    static constexpr int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > kDays[m] + (m == 2 && leap ? 1 : 0))
        return false;
    if (year)
        *year = y;
    if (month)
        *month = m;
    if (day)
        *day = d;
    return true;
}

QDate parseStoredDate(QStringView text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    return isStoredDate(text, &year, &month, &day) ? QDate(year, month, day) : QDate();
}

namespace {

struct Rounded {
    QString integerDigits; // no leading zeros, may be empty for 0
    QString fraction;      // exactly `decimals` digits
    bool negative = false;
    bool zero = true;
};

Rounded roundDecimal(double value, int decimals, int significant)
{
    Rounded r;
    r.fraction = QString(decimals, u'0');
    if (!std::isfinite(value) || value == 0.0)
        return r;
    // "d.ddddde±xx": the value taken to `significant` digits, exactly.
    const QString e = QString::number(std::fabs(value), 'e', significant - 1);
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(ePos);
    digits.remove(u'.');
    const int exponent = e.mid(ePos + 1).toInt();
    // digits[k] has the weight 10^(exponent - k); keep those down to 10^-decimals.
    const int keep = exponent + 1 + decimals;
    if (keep < 0)
        return r;
    QString kept = digits.left(keep);
    while (kept.size() < keep)
        kept.append(u'0');
    if (keep < digits.size() && digits[keep] >= u'5') {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[i] == u'9') {
            kept[i] = u'0';
            --i;
        }
        if (i >= 0)
            kept[i] = QChar(kept[i].unicode() + 1);
        else
            kept.prepend(u'1');
    }
    const qsizetype intLen = kept.size() - decimals;
    r.integerDigits = intLen > 0 ? kept.left(intLen) : QString();
    r.fraction = intLen >= 0 ? kept.mid(intLen) : QString(-intLen, u'0') + kept;
    while (r.integerDigits.startsWith(u'0'))
        r.integerDigits.remove(0, 1);
    r.zero = true;
    for (QChar c : kept) {
        if (c != u'0')
            r.zero = false;
    }
    r.negative = value < 0 && !r.zero;
    return r;
}

// formatFixed for the lists' common case, without building texts on the way: the seven
// significant digits as formatStoredNumber finds them, then rounded to the decimals in whole
// numbers. The length
// written into `out` (room for 40 characters), or -1.
int formatFixedSeven(double value, int decimals, int minIntegerDigits, char *out)
{
    static constexpr quint64 kWhole[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000};
    if (decimals < 0 || decimals > 9 || minIntegerDigits > 16)
        return -1;
    const std::optional<SevenDigits> found = sevenDigits(std::fabs(value));
    if (!found)
        return -1;
    const int exponent = found->exponent;
    const quint64 digits = found->digits;
    // The value is digits × 10^(exponent − 6); keep it in units of 10^−decimals, a dropped
    // first digit of 5 or more rounding up.
    const int shift = exponent - 6 + decimals;
    quint64 kept = 0;
    if (shift >= 0) {
        kept = digits * kWhole[shift];
    } else if (-shift <= 7) {
        const quint64 unit = kWhole[-shift];
        kept = digits / unit + ((digits % unit) * 2 >= unit ? 1 : 0);
    }
    char integer[24];
    int integerLength = 0;
    for (quint64 i = kept / kWhole[decimals]; i > 0; i /= 10)
        integer[integerLength++] = char('0' + i % 10);
    while (integerLength < minIntegerDigits)
        integer[integerLength++] = '0';
    int n = 0;
    if (value < 0 && kept != 0)
        out[n++] = '-';
    while (integerLength > 0)
        out[n++] = integer[--integerLength];
    if (decimals > 0) {
        out[n++] = '.';
        quint64 fractionDigits = kept % kWhole[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            out[n + i] = char('0' + fractionDigits % 10);
            fractionDigits /= 10;
        }
        n += decimals;
    }
    return n;
}

} // namespace

QString formatFixed(double value, int decimals, int significant, int minIntegerDigits)
{
    if (significant == 7) {
        char buffer[40];
        if (const int length = formatFixedSeven(value, decimals, minIntegerDigits, buffer); length >= 0)
            return QString::fromLatin1(buffer, length);
    }
    const Rounded r = roundDecimal(value, decimals, significant);
    QString integer = r.integerDigits;
    while (integer.size() < minIntegerDigits)
        integer.prepend(u'0');
    QString text = r.negative ? QStringLiteral("-") + integer : integer;
    if (decimals > 0)
        text += u'.' + r.fraction;
    return text;
}

QString formatOneDecimal(float value)
{
    return formatFixed(value, 1);
}

QString formatKg(float value)
{
    return formatFixed(value, 1) + QStringLiteral("Kg");
}

QString formatRatioPercent(double ratio)
{
    // Take the ratio to seven digits before scaling, so 0.185f shows as 18.5% and not 18.50000x.
    const double seven = QString::number(ratio, 'g', 7).toDouble();
    return formatFixed(seven * 100.0, 1, 15) + u'%';
}

QString formatFatPercent(float value)
{
    return formatFixed(value, 1) + u'%';
}

int displayedSign(double value, int decimals, int significant)
{
    const Rounded r = roundDecimal(value, decimals, significant);
    if (r.zero)
        return 0;
    return r.negative ? -1 : 1;
}

QString generalNumber(float value)
{
    return QString::number(double(value), 'g', 7);
}

QString generalNumber(double value)
{
    return QString::number(value, 'g', 15);
}

double leadingNumber(QStringView text)
{
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    QString number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        number.append(text[i++]);
    bool point = false;
    bool digits = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c >= u'0' && c <= u'9') {
            number.append(c);
            digits = true;
        } else if (c == u'.' && !point) {
            number.append(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent.append(text[j++]);
        bool expDigits = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            exponent.append(text[j++]);
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    const double value = number.toDouble();
    return std::isfinite(value) ? value : 0.0;
}

bool isPlainDecimal(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}
