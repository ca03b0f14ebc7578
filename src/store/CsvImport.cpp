#include "store/CsvImport.h"

#include "store/CsvText.h"
#include "store/NumberText.h"

#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

// Where each column we use stands in a record, -1 when the file has no such column.
struct Columns {
    int date = -1;
    int weight = -1;
    int fat = -1;
    int comment = -1;
    int situation = -1;
};

std::optional<Columns> columnsOf(const QList<QStringView> &header)
{
    Columns c;
    int dateOnly = -1;
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed().toString().toLower();
        const auto take = [&](int *column) {
            if (*column < 0) // the first of two equally named columns counts
                *column = i;
        };
        if (name == QLatin1String("datetime"))
            take(&c.date);
        else if (name == QLatin1String("date"))
            take(&dateOnly);
        else if (name == QLatin1String("weight"))
            take(&c.weight);
        else if (name == QLatin1String("fat"))
            take(&c.fat);
        else if (name == QLatin1String("comment"))
            take(&c.comment);
        else if (name == QLatin1String("situation"))
            take(&c.situation);
    }
    if (c.date < 0)
        c.date = dateOnly;
    if (c.date < 0 || c.weight < 0)
        return std::nullopt;
    return c;
}

// Reads a number of `minDigits` to `maxDigits` digits at `*i`, moving past it; -1 without one.
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

bool charAt(QStringView text, qsizetype *i, char16_t c)
{
    if (*i >= text.size() || text[*i] != c)
        return false;
    ++*i;
    return true;
}

// "yyyy-M-d" or "yyyy/M/d", then optionally " H:mm" or " H:mm:ss": the stored date into `date`
// and the minute of the day, or -1 for a text that is none of these.
int parseDateTime(QStringView text, QString *date)
{
    text = text.trimmed();
    qsizetype i = 0;
    const int year = digitsAt(text, &i, 4, 4);
    const char16_t sep = i < text.size() ? text[i].unicode() : 0;
    if (year < 0 || (sep != u'-' && sep != u'/') || !charAt(text, &i, sep))
        return -1;
    const int month = digitsAt(text, &i, 1, 2);
    if (month < 0 || !charAt(text, &i, sep))
        return -1;
    const int day = digitsAt(text, &i, 1, 2);
    if (day < 0)
        return -1;
    int minute = 0;
    if (i < text.size()) {
        if (!charAt(text, &i, u' '))
            return -1;
        while (charAt(text, &i, u' ')) {
        }
        const int h = digitsAt(text, &i, 1, 2);
        const bool colon = charAt(text, &i, u':');
        const int m = digitsAt(text, &i, 2, 2);
        int s = 0;
        if (charAt(text, &i, u':'))
            s = digitsAt(text, &i, 2, 2);
        if (h < 0 || !colon || m < 0 || s < 0 || i != text.size() || h > 23 || m > 59 || s > 59)
            return -1;
        minute = h * 60 + m;
    }
    char16_t stored[10] = {char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10),
                           char16_t(u'0' + year % 10),   u'/',
                           char16_t(u'0' + month / 10),  char16_t(u'0' + month % 10),
                           u'/',
                           char16_t(u'0' + day / 10),    char16_t(u'0' + day % 10)};
    const QStringView view(stored, 10);
    if (!isStoredDate(view))
        return -1;
    // Neighbouring lines mostly share their day, and then their date text.
    if (*date != view)
        *date = view.toString();
    return minute;
}

// A number as the file gives it; with semicolons as separators the decimal mark may be a comma.
std::optional<float> parseNumber(QStringView text, bool decimalComma)
{
    QString own;
    text = text.trimmed();
    if (decimalComma && text.contains(u',')) {
        own = text.toString();
        own.replace(u',', u'.');
        text = own;
    }
    const std::optional<double> value = parseStoredNumber(text);
    if (!value)
        return std::nullopt;
    const float f = float(*value);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

QString timeStamp(int minuteOfDay)
{
    return QStringLiteral("%1:%2:00").arg(minuteOfDay / 60, 2, 10, QLatin1Char('0')).arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

// U+FFFD stands where the decoder met bytes that are not UTF-8.
bool undecodable(QStringView text)
{
    return text.contains(QChar::ReplacementCharacter);
}

} // namespace

CsvReading readCsvMeasurements(QByteArrayView bytes)
{
    CsvReading reading;
    QStringDecoder decoder(QStringDecoder::Utf8); // skips a byte order mark
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    // The header tells the separator: the one under which it names a date and a weight column.
    QList<QStringView> fields;
    std::optional<Columns> columns;
    QChar separator;
    int headerLine = 0;
    for (const QChar candidate : {QChar(u','), QChar(u';')}) {
        CsvReader header(text, candidate);
        while (header.next(&fields)) {
            if (fields.size() == 1 && fields[0].trimmed().isEmpty())
                continue; // blank lines before the header
            columns = columnsOf(fields);
            headerLine = header.lineNumber();
            break;
        }
        if (columns) {
            separator = candidate;
            break;
        }
    }
    if (!columns) {
        reading.error = QStringLiteral("見出しの行に dateTime（または date）と weight の列が見つかりません。");
        return reading;
    }
    const bool decimalComma = separator == u';';

    reading.measurements.reserve(text.count(u'\n') + 1);
    QString date;
    CsvReader reader(text, separator);
    while (reader.next(&fields)) {
        const int line = reader.lineNumber();
        if (line <= headerLine)
            continue;
        if (fields.size() == 1 && fields[0].trimmed().isEmpty())
            continue;
        const auto problem = [&](const QString &reason) { reading.problems.append({line, reason}); };
        if (!reader.problem().isEmpty()) {
            problem(reader.problem());
            continue;
        }
        const auto field = [&](int column) { return column >= 0 && column < fields.size() ? fields[column] : QStringView(); };
        const QStringView dateText = field(columns->date);
        const QStringView weightText = field(columns->weight).trimmed();
        const QStringView fatText = field(columns->fat).trimmed();
        const QStringView situation = field(columns->situation);
        const QStringView comment = field(columns->comment);
        if (undecodable(dateText) || undecodable(weightText) || undecodable(fatText) || undecodable(situation)
            || undecodable(comment)) {
            problem(QStringLiteral("UTF-8として読めない文字があります"));
            continue;
        }
        if (dateText.trimmed().isEmpty()) {
            problem(QStringLiteral("日付がありません"));
            continue;
        }
        const int minute = parseDateTime(dateText, &date);
        if (minute < 0) {
            problem(QStringLiteral("日付「%1」を読み取れません").arg(dateText));
            continue;
        }
        if (weightText.isEmpty()) {
            problem(QStringLiteral("体重がありません"));
            continue;
        }
        const std::optional<float> weight = parseNumber(weightText, decimalComma);
        if (!weight) {
            problem(QStringLiteral("体重「%1」を数値として読み取れません").arg(weightText));
            continue;
        }
        std::optional<float> fat = 0.0f;
        if (!fatText.isEmpty())
            fat = parseNumber(fatText, decimalComma);
        if (!fat) {
            problem(QStringLiteral("体脂肪率「%1」を数値として読み取れません").arg(fatText));
            continue;
        }
        CsvMeasurement &m = reading.measurements.emplace_back();
        m.lineNumber = line;
        m.measurement.date = date;
        m.measurement.situation = situation.isEmpty() ? kImportedSituation : situation.toString();
        m.measurement.weight = *weight;
        m.measurement.bodyFat = *fat;
        if (!comment.isEmpty())
            m.measurement.comment = comment.toString();
        else if (minute != 0)
            m.measurement.comment = timeStamp(minute);
        StoreResult storable = checkStorableText(m.measurement.situation);
        if (!storable)
            storable = StoreResult::failure(QStringLiteral("状況：") + storable.message());
        else if (StoreResult r = checkStorableText(m.measurement.comment); !r)
            storable = StoreResult::failure(QStringLiteral("一言日記：") + r.message());
        if (!storable) {
            reading.measurements.removeLast();
            problem(storable.message());
        }
    }
    return reading;
}
