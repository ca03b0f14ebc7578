#include "store/NumberText.h"

#include <cmath>

QString storedNumber(float value)
{
    return QString::number(double(value), 'g', 7);
}

QString storedNumber(double value)
{
    return QString::number(value, 'g', 15);
}

std::optional<double> parseStoredNumber(QStringView text)
{
    const QStringView t = text.trimmed();
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

QDate parseStoredDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return QDate();
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < u'0' || text[i] > u'9')
            return QDate();
    }
    return QDate(text.mid(0, 4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
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

} // namespace

QString formatFixed(double value, int decimals, int significant, int minIntegerDigits)
{
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
