#include "store/CsvImport.h"

#include "store/CsvColumns.h"
#include "store/CsvDateTime.h"
#include "store/CsvText.h"
#include "store/NumberText.h"

#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

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

// U+FFFD stands where the decoder met bytes that are not UTF-8.
bool undecodable(QStringView text)
{
    return text.contains(QChar::ReplacementCharacter);
}

bool blankRecord(const QList<QStringView> &fields)
{
    return fields.size() == 1 && fields[0].trimmed().isEmpty();
}

struct Layout {
    CsvColumns columns;
    QChar separator;
    int headerLine = 0; // 0 for a file without a header
};

// The header tells the separator: the one under which it names a date and a weight column.
// Without such a header the first line may still be one of openScale 1's header-less layouts.
std::optional<Layout> layoutOf(QStringView text)
{
    QList<QStringView> fields;
    std::optional<CsvColumns> headerless;
    for (const QChar candidate : {QChar(u','), QChar(u';')}) {
        CsvReader header(text, candidate);
        while (header.next(&fields)) {
            if (blankRecord(fields))
                continue; // blank lines before the header
            if (const std::optional<CsvColumns> columns = columnsOfHeader(fields))
                return Layout{*columns, candidate, header.lineNumber()};
            if (candidate == u',')
                headerless = columnsOfHeaderlessLayout(fields);
            break;
        }
    }
    if (headerless)
        return Layout{*headerless, QChar(u','), 0};
    return std::nullopt;
}

} // namespace

CsvReading readCsvMeasurements(QByteArrayView bytes)
{
    CsvReading reading;
    QStringDecoder decoder(QStringDecoder::Utf8); // skips a byte order mark
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const std::optional<Layout> layout = layoutOf(text);
    if (!layout) {
        reading.error = QStringLiteral("見出しの行に日付（DATE または dateTime）と体重（WEIGHT）の列が見つかりません。"
                                       "見出しの無いファイルは openScale 1 の形だけを読み取れます。");
        return reading;
    }
    const CsvColumns &columns = layout->columns;
    const bool decimalComma = layout->separator == u';';
    // Only our own export has situations; its comments are as the data file had them.
    const bool ownExport = columns.situation >= 0;

    reading.measurements.reserve(text.count(u'\n') + 1);
    QString date;
    QList<QStringView> fields;
    CsvReader reader(text, layout->separator);
    while (reader.next(&fields)) {
        const int line = reader.lineNumber();
        if (line <= layout->headerLine || blankRecord(fields))
            continue;
        const auto problem = [&](const QString &reason) { reading.problems.append({line, reason}); };
        if (!reader.problem().isEmpty()) {
            problem(reader.problem());
            continue;
        }
        if (columns.layoutFields > 0 && fields.size() > columns.layoutFields) {
            problem(QStringLiteral("項目が%1個あり、1行目の%2個より多くなっています").arg(fields.size()).arg(columns.layoutFields));
            continue;
        }
        const auto field = [&](int column) { return column >= 0 && column < fields.size() ? fields[column] : QStringView(); };
        const QStringView dateText = field(columns.date);
        const QStringView timeText = field(columns.time).trimmed();
        const QStringView weightText = field(columns.weight).trimmed();
        const QStringView fatText = field(columns.fat).trimmed();
        const QStringView situation = field(columns.situation);
        const QStringView comment = field(columns.comment);
        if (undecodable(dateText) || undecodable(timeText) || undecodable(weightText) || undecodable(fatText)
            || undecodable(situation) || undecodable(comment)) {
            problem(QStringLiteral("UTF-8として読めない文字があります"));
            continue;
        }
        if (dateText.trimmed().isEmpty()) {
            problem(QStringLiteral("日付がありません"));
            continue;
        }
        int second = -1;
        if (!parseCsvDate(dateText, &date, &second)) {
            problem(QStringLiteral("日付「%1」を読み取れません").arg(dateText));
            continue;
        }
        if (!timeText.isEmpty()) {
            second = parseCsvTime(timeText);
            if (second < 0) {
                problem(QStringLiteral("時刻「%1」を読み取れません").arg(timeText));
                continue;
            }
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
        m.time = ownExport ? -1 : second;
        m.measurement.date = date;
        m.measurement.situation = situation.isEmpty() ? kImportedSituation : situation.toString();
        m.measurement.weight = *weight;
        m.measurement.bodyFat = *fat;
        if (!comment.isEmpty())
            m.measurement.comment = comment.toString();
        else if (!ownExport && second > 0)
            m.measurement.comment = timeOfDayText(second);
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
