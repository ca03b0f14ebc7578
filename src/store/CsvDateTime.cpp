#include "store/CsvDateTime.h"

#include "store/NumberText.h"

int digitsAt(QStringView text, qsizetype *i, int minDigits, int maxDigits)
{
    int value = 0;
    int count = 0;
    while (*i < text.size() && count < maxDigits && text[*i] >= u'0' && text[*i] <= u'9') {
        value = value * 10 + (text[*i].unicode() - u'0');
        ++*i;
        ++count;
    }
    return count >= minDigits ? value : -1;
}

namespace {

bool charAt(QStringView text, qsizetype *i, char16_t c)
{
    if (*i >= text.size() || text[*i] != c)
        return false;
    ++*i;
    return true;
}

void appendTwoDigits(char16_t *out, int value)
{
    out[0] = char16_t(u'0' + value / 10);
    out[1] = char16_t(u'0' + value % 10);
}

} // namespace

int parseCsvTime(QStringView text)
{
    text = text.trimmed();
    qsizetype i = 0;
    const int h = digitsAt(text, &i, 1, 2);
    if (h < 0 || !charAt(text, &i, u':'))
        return -1;
    const int m = digitsAt(text, &i, 2, 2);
    int s = 0;
    if (m >= 0 && charAt(text, &i, u':')) {
        s = digitsAt(text, &i, 2, 2);
        if (s >= 0 && charAt(text, &i, u'.') && digitsAt(text, &i, 1, 9) < 0)
            return -1;
    }
    if (m < 0 || s < 0 || i != text.size() || h > 23 || m > 59 || s > 59)
        return -1;
    return (h * 60 + m) * 60 + s;
}

bool parseCsvDate(QStringView text, QString *date, int *second)
{
    text = text.trimmed();
    qsizetype i = 0;
    int year = -1;
    int month = -1;
    int day = -1;
    const int first = digitsAt(text, &i, 1, 4);
    if (i == 4) {
        // yyyy-M-d or yyyy/M/d
        const char16_t sep = i < text.size() ? text[i].unicode() : 0;
        if ((sep != u'-' && sep != u'/') || !charAt(text, &i, sep))
            return false;
        year = first;
        month = digitsAt(text, &i, 1, 2);
        if (month < 0 || !charAt(text, &i, sep))
            return false;
        day = digitsAt(text, &i, 1, 2);
    } else if (first >= 0 && i <= 2 && charAt(text, &i, u'.')) {
        // d.M.yyyy
        day = first;
        month = digitsAt(text, &i, 1, 2);
        if (month < 0 || !charAt(text, &i, u'.'))
            return false;
        year = digitsAt(text, &i, 4, 4);
    }
    if (year < 0 || month < 0 || day < 0)
        return false;
    *second = -1;
    if (i < text.size()) {
        if (!charAt(text, &i, u' '))
            return false;
        *second = parseCsvTime(text.mid(i));
        if (*second < 0)
            return false;
    }
    char16_t stored[10] = {char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10),
                           char16_t(u'0' + year % 10), u'/', 0, 0, u'/', 0, 0};
    appendTwoDigits(stored + 5, month);
    appendTwoDigits(stored + 8, day);
    const QStringView view(stored, 10);
    if (!isStoredDate(view))
        return false;
    // Neighbouring lines mostly share their day, and then their date text.
    if (*date != view)
        *date = view.toString();
    return true;
}

QString timeOfDayText(int second)
{
    char16_t text[8] = {0, 0, u':', 0, 0, u':', 0, 0};
    appendTwoDigits(text, second / 3600);
    appendTwoDigits(text + 3, second / 60 % 60);
    appendTwoDigits(text + 6, second % 60);
    return QStringView(text, 8).toString();
}
