#include "store/CsvImport.h"

#include "store/CsvText.h"
#include "store/NumberText.h"

#include <QDate>
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

std::optional<Columns> columnsOf(const QStringList &header)
{
    Columns c;
    int dateOnly = -1;
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed().toLower();
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

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

// "yyyy-M-d" or "yyyy/M/d", then optionally " H:mm" or " H:mm:ss". The stored date and the
// minute of the day, or nothing.
std::optional<std::pair<QString, int>> parseDateTime(QStringView text)
{
    text = text.trimmed();
    const qsizetype space = text.indexOf(u' ');
    const QStringView datePart = space < 0 ? text : text.left(space);
    const QStringView timePart = space < 0 ? QStringView() : text.mid(space + 1).trimmed();
    const QChar sep = datePart.size() > 4 ? datePart[4] : QChar();
    if (sep != u'-' && sep != u'/')
        return std::nullopt;
    const QList<QStringView> ymd = datePart.split(sep);
    if (ymd.size() != 3 || ymd[0].size() != 4 || ymd[1].size() > 2 || ymd[2].size() > 2)
        return std::nullopt;
    for (QStringView part : ymd) {
        if (!allDigits(part))
            return std::nullopt;
    }
    const QDate date(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt());
    if (!date.isValid() || date.year() < 1)
        return std::nullopt;
    int minute = 0;
    if (!timePart.isEmpty()) {
        const QList<QStringView> hms = timePart.split(u':');
        if (hms.size() < 2 || hms.size() > 3 || hms[0].size() > 2 || hms[1].size() != 2 || (hms.size() == 3 && hms[2].size() != 2))
            return std::nullopt;
        for (QStringView part : hms) {
            if (!allDigits(part))
                return std::nullopt;
        }
        const int h = hms[0].toInt();
        const int m = hms[1].toInt();
        const int s = hms.size() == 3 ? hms[2].toInt() : 0;
        if (h > 23 || m > 59 || s > 59)
            return std::nullopt;
        minute = h * 60 + m;
    }
    return std::pair{storedDate(date), minute};
}

// A number as the file gives it; with semicolons as separators the decimal mark may be a comma.
std::optional<float> parseNumber(QStringView text, bool decimalComma)
{
    QString own;
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
    QStringList fields;
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
        const auto field = [&](int column) { return column >= 0 && column < fields.size() ? fields[column] : QString(); };
        const QString dateText = field(columns->date);
        const QString weightText = field(columns->weight).trimmed();
        const QString fatText = field(columns->fat).trimmed();
        const QString situation = field(columns->situation);
        const QString comment = field(columns->comment);
        if (undecodable(dateText) || undecodable(weightText) || undecodable(fatText) || undecodable(situation)
            || undecodable(comment)) {
            problem(QStringLiteral("UTF-8として読めない文字があります"));
            continue;
        }
        if (dateText.trimmed().isEmpty()) {
            problem(QStringLiteral("日付がありません"));
            continue;
        }
        const std::optional<std::pair<QString, int>> when = parseDateTime(dateText);
        if (!when) {
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
        CsvMeasurement m;
        m.lineNumber = line;
        m.minuteOfDay = when->second;
        m.measurement.date = when->first;
        m.measurement.situation = situation.isEmpty() ? kImportedSituation : situation;
        m.measurement.weight = *weight;
        m.measurement.bodyFat = *fat;
        m.measurement.comment = comment.isEmpty() && m.minuteOfDay != 0 ? timeStamp(m.minuteOfDay) : comment;
        if (StoreResult r = checkStorableText(m.measurement.situation); !r) {
            problem(QStringLiteral("状況：") + r.message());
            continue;
        }
        if (StoreResult r = checkStorableText(m.measurement.comment); !r) {
            problem(QStringLiteral("一言日記：") + r.message());
            continue;
        }
        reading.measurements.append(std::move(m));
    }
    return reading;
}
