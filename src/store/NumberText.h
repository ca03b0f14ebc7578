#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <type_traits>

// Numbers and dates as the files store them and as the screens show them.

// ---- in files ----
// A 32-bit value with at most seven significant digits and no trailing zeros: 65.3, 64, 0.5.
QString storedNumber(float value);
// The same into a buffer of kStoredNumberRoom characters, for writers that build whole files:
// the length written, or -1 for the few values (exponent forms, -0, exact halves) only
// storedNumber(float) writes.
inline constexpr int kStoredNumberRoom = 16;
int formatStoredNumber(float value, char *out);
// The value a file gives back for `value`: written with seven significant digits and read again.
// Two measurements are the same one when these agree, whatever digits they came with.
float storedValue(float value);
// A 64-bit value in the same form, with up to fifteen significant digits.
QString storedNumber(double value);
// A bare number of a file: an optional sign, digits with an optional point (".5" included) and
// an optional exponent, surrounding spaces allowed.
std::optional<double> parseStoredNumber(QStringView text);
// The common case of a stored number, read without the library: an optional sign and decimal
// digits with at most one point, no spaces, no exponent, up to 15 significant digits and 22
// after the point. Nothing for anything else (parseStoredNumber then asks the library).
std::optional<double> parsePlainDecimal(QStringView text);
// The same reading of a number that starts at `p` and ends at the first character that cannot
// continue it: where it ends, with the value in `value`; nullptr when no such number starts
// there. A reader of a whole line then need not find the number's end first. `Char` is char16_t
// for text, or char for the bytes of a file, whose digits are the same ASCII.
template <typename Char>
inline const Char *scanPlainDecimal(const Char *p, const Char *end, double *value)
{
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    // Up to 15 significant digits with at most 22 after the point: the digits as a whole number
    // are exact in a double, and so is the power of ten, so the one division is correctly
    // rounded, just as the library's conversion is. Longer numbers are left to the library.
    quint64 digits = 0;
    int significant = 0;
    int decimals = 0;
    bool anyDigit = false;
    bool point = false;
    for (; p != end; ++p) {
        const Char c = *p;
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        const unsigned digit = unsigned(std::make_unsigned_t<Char>(c)) - unsigned('0');
        if (digit > 9)
            break;
        anyDigit = true;
        decimals += point;
        if (digits == 0 && digit == 0)
            continue; // a leading zero adds no significant digit
        digits = digits * 10 + digit;
        ++significant;
    }
    if (!anyDigit || significant > 15 || decimals > 22)
        return nullptr;
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double v = double(digits) / kPowers[decimals];
    *value = negative ? -v : v;
    return p;
}

// "yyyy/mm/dd", the form in which files hold and compare dates.
QString storedDate(const QDate &date);
QDate parseStoredDate(QStringView text);
// Whether the text is such a date of a real day, without building the date.
bool isStoredDate(QStringView text, int *year = nullptr, int *month = nullptr, int *day = nullptr);

// ---- on screens ----
// Fixed decimals, halves away from zero, after the value has been taken to `significant` digits
// (7 for a 32-bit value, so that 65.45 entered shows as 65.5). Never "-0.0".
QString formatFixed(double value, int decimals, int significant = 7, int minIntegerDigits = 1);
QString formatOneDecimal(float value);      // "0.0"
QString formatKg(float value);              // "0.0Kg"
QString formatRatioPercent(double ratio);   // "0.0%": 0.185 shows as 18.5%
QString formatFatPercent(float value);      // "0.0" followed by "%"
// The sign of a value as shown with one decimal: -1, 0 or 1. Trend marks are judged on it.
int displayedSign(double value, int decimals = 1, int significant = 7);

// Shortest general form: a 32-bit value with up to 7 significant digits (68.4, 70, 1.685), a
// 64-bit one with up to 15 (the arrow buttons: 65.5 + 0.1 gives 65.6).
QString generalNumber(float value);
QString generalNumber(double value);

// The leading decimal number of a text, 0 when it does not begin with one ("65.5kg" gives 65.5,
// "abc" gives 0). Blanks before and inside the number are passed over.
double leadingNumber(QStringView text);

// A plain decimal number: optional surrounding spaces, an optional sign, digits with at most one
// decimal point. Exponents, separators and units are not.
bool isPlainDecimal(QStringView text);
