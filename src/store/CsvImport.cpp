#include "store/CsvImport.h"

#include "store/Cp932.h"
#include "store/CsvColumns.h"
#include "store/CsvDateTime.h"
#include "store/CsvText.h"
#include "store/MessageText.h"
#include "store/NumberText.h"
#include "store/TextEncoding.h"
#include "store/TrackerFields.h"

#include <QStringDecoder>
#include <QSysInfo>

#include <cmath>
#include <optional>

namespace {

// A number as the file gives it; with semicolons as separators the decimal mark may be a comma.
// One that ends at its decimal mark was cut off there.
std::optional<float> parseNumber(QStringView text, bool decimalComma)
{
    QString own;
    text = text.trimmed();
    if (decimalComma && text.endsWith(u','))
        return std::nullopt;
    if (decimalComma && text.contains(u',')) {
        own = text.toString();
        own.replace(u',', u'.');
        text = own;
    }
    const std::optional<double> value = parseTrackerNumber(text);
    if (!value)
        return std::nullopt;
    const float f = float(*value);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

// The fields of one record, decoded (a header's, where bytes the encoding does not have simply
// name no column).
struct DecodedFields {
    QStringList texts;
    QList<QStringView> views;
};

template <typename View, typename Decode>
void decodeAll(const QList<View> &fields, const Decode &decode, DecodedFields *out)
{
    out->texts.clear();
    out->views.clear();
    for (const View &field : fields) {
        bool clean = true;
        out->texts.append(decode(field, &clean));
    }
    for (const QString &text : std::as_const(out->texts))
        out->views.append(text);
}

bool blankRecord(const QList<QStringView> &fields)
{
    return fields.size() == 1 && fields[0].trimmed().isEmpty();
}

struct Layout {
    CsvColumns columns;
    QChar separator;
    int headerLine = 0;   // 0 for a file without a header
    int headerFields = 0; // the fields the header names, 0 without one
};

// The header tells the separator: the one under which it names a date and a weight column.
// Without such a header the first line may still be one of openScale 1's header-less layouts.
template <typename Char, typename Decode>
std::optional<Layout> layoutOf(typename BasicCsvReader<Char>::View text, const Decode &decode)
{
    QList<typename BasicCsvReader<Char>::View> fields;
    DecodedFields decoded;
    std::optional<CsvColumns> headerless;
    for (const QChar candidate : {QChar(u','), QChar(u';')}) {
        BasicCsvReader<Char> header(text, candidate);
        while (header.next(&fields)) {
            decodeAll(fields, decode, &decoded);
            if (blankRecord(decoded.views))
                continue; // blank lines before the header
            if (const std::optional<CsvColumns> columns = columnsOfHeader(decoded.views))
                return Layout{*columns, candidate, header.lineNumber(), int(fields.size())};
            if (candidate == u',')
                headerless = columnsOfHeaderlessLayout(decoded.views);
            break;
        }
    }
    if (headerless)
        return Layout{*headerless, QChar(u','), 0, 0};
    return std::nullopt;
}

template <typename Char, typename Decode>
CsvReading readRecords(typename BasicCsvReader<Char>::View text, const Decode &decode, TextEncoding encoding)
{
    CsvReading reading;
    const std::optional<Layout> layout = layoutOf<Char>(text, decode);
    if (!layout) {
        reading.error = QStringLiteral("見出しの行に日付（DATE または dateTime）と体重（WEIGHT）の列が見つかりません。"
                                       "見出しの無いファイルは openScale 1 の形だけを読み取れます。");
        return reading;
    }
    const CsvColumns &columns = layout->columns;
    const bool decimalComma = layout->separator == u';';
    // Only our own export has situations; its comments are as the data file had them.
    const bool ownExport = columns.situation >= 0;
    const QString undecodable = QStringLiteral("%1として読めない文字があります").arg(encodingName(encoding));

    QString date;
    QList<typename BasicCsvReader<Char>::View> fields;
    BasicCsvReader<Char> reader(text, layout->separator);
    while (reader.next(&fields)) {
        const int line = reader.lineNumber();
        if (line <= layout->headerLine)
            continue;
        const auto problem = [&](const QString &reason) {
            if (reading.problems.size() < kMaxListedProblems)
                reading.problems.append({line, reason});
            else
                ++reading.unlistedProblems;
        };
        if (fields.size() == 1) {
            bool clean = true;
            if (decode(fields[0], &clean).trimmed().isEmpty())
                continue; // a blank line
        }
        if (!reader.problem().isEmpty()) {
            problem(reader.problem());
            continue;
        }
        if (columns.layoutFields > 0 && fields.size() > columns.layoutFields) {
            problem(QStringLiteral("項目が%1個あり、1行目の%2個より多くなっています").arg(fields.size()).arg(columns.layoutFields));
            continue;
        }
        const int expected = columns.layoutFields > 0 ? columns.layoutFields : layout->headerFields;
        if (fields.size() < expected) {
            problem(QStringLiteral("項目が%1個しかなく、%2の%3個より少なくなっています")
                        .arg(fields.size())
                        .arg(columns.layoutFields > 0 ? QStringLiteral("1行目") : QStringLiteral("見出し"))
                        .arg(expected));
            continue;
        }
        const auto field = [&](int column, bool *clean) {
            return column >= 0 && column < fields.size() ? decode(fields[column], clean) : QString();
        };
        bool clean[6] = {true, true, true, true, true, true};
        const QString dateText = field(columns.date, &clean[0]);
        const QString timeText = field(columns.time, &clean[1]).trimmed();
        const QString weightText = field(columns.weight, &clean[2]).trimmed();
        const QString fatText = field(columns.fat, &clean[3]).trimmed();
        const QString situation = field(columns.situation, &clean[4]);
        const QString comment = field(columns.comment, &clean[5]);
        if (!(clean[0] && clean[1] && clean[2] && clean[3] && clean[4] && clean[5])) {
            problem(undecodable);
            continue;
        }
        if (dateText.trimmed().isEmpty()) {
            problem(QStringLiteral("日付がありません"));
            continue;
        }
        int second = -1;
        if (!parseCsvDate(dateText, &date, &second)) {
            problem(QStringLiteral("日付「%1」を読み取れません").arg(messageText(dateText)));
            continue;
        }
        if (!timeText.isEmpty()) {
            second = parseCsvTime(timeText);
            if (second < 0) {
                problem(QStringLiteral("時刻「%1」を読み取れません").arg(messageText(timeText)));
                continue;
            }
        }
        if (weightText.isEmpty()) {
            problem(QStringLiteral("体重がありません"));
            continue;
        }
        const std::optional<float> weight = parseNumber(weightText, decimalComma);
        if (!weight) {
            problem(QStringLiteral("体重「%1」を数値として読み取れません").arg(messageText(weightText)));
            continue;
        }
        std::optional<float> fat = 0.0f;
        if (!fatText.isEmpty())
            fat = parseNumber(fatText, decimalComma);
        if (!fat) {
            problem(QStringLiteral("体脂肪率「%1」を数値として読み取れません").arg(messageText(fatText)));
            continue;
        }
        // No plan takes more than a data file holds: reading on would only fill memory.
        if (reading.measurements.size() >= kMaxDataLines) {
            CsvReading tooMany;
            tooMany.error = QStringLiteral("記録の行が%1行を超えています。データファイルに入る記録は%1件までです。").arg(kMaxDataLines);
            return tooMany;
        }
        CsvMeasurement &m = reading.measurements.emplace_back();
        m.lineNumber = line;
        m.time = ownExport ? -1 : second;
        m.measurement.date = date;
        m.measurement.situation = situation.isEmpty() ? kImportedSituation : situation;
        m.measurement.weight = *weight;
        m.measurement.bodyFat = *fat;
        if (!comment.isEmpty())
            m.measurement.comment = comment;
        else if (!ownExport && second > 0)
            m.measurement.comment = timeOfDayText(second);
    }
    return reading;
}

// U+FFFD stands where a decoder met bytes that are not of its encoding.
QString utf8Field(QByteArrayView bytes, bool *clean)
{
    QString text = QString::fromUtf8(bytes);
    *clean = !text.contains(QChar::ReplacementCharacter);
    return text;
}

QString cp932Field(QByteArrayView bytes, bool *clean)
{
    return decodeCp932(bytes, clean);
}

// A field of UTF-16 text as the file has it: a surrogate without its pair, or what the decoder
// put for one, is no text.
QString utf16Field(QStringView text, bool *clean)
{
    *clean = true;
    for (qsizetype i = 0; i < text.size() && *clean; ++i) {
        const QChar c = text[i];
        if (c == QChar::ReplacementCharacter || c.isLowSurrogate())
            *clean = false;
        else if (c.isHighSurrogate())
            *clean = i + 1 < text.size() && text[++i].isLowSurrogate();
    }
    return text.toString();
}

} // namespace

CsvReading readCsvMeasurements(QByteArrayView bytes)
{
    const DetectedEncoding detected = detectTextEncoding(bytes);
    const QByteArrayView body = bytes.sliced(detected.byteOrderMark);
    switch (detected.encoding) {
    case TextEncoding::Utf8:
        return readRecords<char>(body, utf8Field, detected.encoding);
    case TextEncoding::ShiftJis:
        return readRecords<char>(body, cp932Field, detected.encoding);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        // Separators and line ends are whole 16-bit units here. Where the file's units are the
        // machine's own, the bytes are read as they are (the usual case, a Windows program's
        // file on a PC); otherwise the text is decoded into a copy.
        const bool asItIs = detected.encoding == (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TextEncoding::Utf16LE : TextEncoding::Utf16BE)
                            && body.size() % 2 == 0 && reinterpret_cast<quintptr>(body.data()) % alignof(char16_t) == 0;
        if (asItIs)
            return readRecords<char16_t>(QStringView(reinterpret_cast<const char16_t *>(body.data()), body.size() / 2), utf16Field,
                                         detected.encoding);
        QStringDecoder decoder(detected.encoding == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(body);
        if (body.size() % 2 != 0)
            text += QChar::ReplacementCharacter; // a last byte without its pair
        return readRecords<char16_t>(QStringView(text), utf16Field, detected.encoding);
    }
    case TextEncoding::Utf32:
        break;
    }
    CsvReading reading;
    reading.error = QStringLiteral("%1のファイルは読み取れません。UTF-8 で保存し直してください。").arg(encodingName(detected.encoding));
    return reading;
}
