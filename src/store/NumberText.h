#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Numbers and dates as the files store them and as the screens show them.

// ---- in files ----
// A 32-bit value with at most seven significant digits and no trailing zeros: 65.3, 64, 0.5.
QString storedNumber(float value);
// The same into a buffer of kStoredNumberRoom characters, for writers that build whole files:
// the length written, or -1 for the few values (exponent forms, -0, exact halves) only
// storedNumber(float) writes.
inline constexpr int kStoredNumberRoom = 16;
int formatStoredNumber(float value, char *out);
// A 64-bit value in the same form, with up to fifteen significant digits.
QString storedNumber(double value);
// A bare number of a file: an optional sign, digits with an optional point (".5" included) and
// an optional exponent, surrounding spaces allowed.
std::optional<double> parseStoredNumber(QStringView text);
// The common case of a stored number, read without the library: an optional sign and decimal
// digits with at most one point, no spaces, no exponent, up to 15 significant digits and 22
// after the point. Nothing for anything else (parseStoredNumber then asks the library).
std::optional<double> parsePlainDecimal(QStringView text);

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
