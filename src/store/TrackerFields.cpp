#include "store/TrackerFields.h"

#include "store/Cp932.h"
#include "store/CsvDateTime.h"
#include "store/NumberText.h"
#include "store/TextEncoding.h"

#include <QDateTime>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

bool parseTrackerDateTime(QStringView text, QString *date, int *second)
{
    text = text.trimmed();
    qsizetype i = 0;
    const int year = digitsAt(text, &i, 4, 4);
    if (year < 0 || i >= text.size() || text[i++] != u'-')
        return false;
    const int month = digitsAt(text, &i, 2, 2);
    if (month < 0 || i >= text.size() || text[i++] != u'-')
        return false;
    const int day = digitsAt(text, &i, 2, 2);
    const QDate d(year, month, day);
    if (day < 0 || !d.isValid())
        return false;
    if (i == text.size()) {
        *date = storedDate(d);
        *second = -1;
        return true;
    }
    if (text[i] != u'T' && text[i] != u' ')
        return false;
    ++i;
    // The time runs to the zone, if any.
    qsizetype end = i;
    while (end < text.size() && (text[end].isDigit() || text[end] == u':' || text[end] == u'.'))
        ++end;
    const int s = parseCsvTime(text.sliced(i, end - i));
    if (s < 0)
        return false;
    const QStringView zone = text.sliced(end).trimmed();
    if (zone.isEmpty() || (zone[0] != u'Z' && zone[0] != u'+' && zone[0] != u'-')) {
        if (!zone.isEmpty())
            return false;
        *date = storedDate(d);
        *second = s;
        return true;
    }
    if (zone == u"Z") {
        const QDateTime utc(d, QTime::fromMSecsSinceStartOfDay(s * 1000), Qt::UTC);
        localDateTimeOfUtc(utc.toMSecsSinceEpoch(), date, second);
        return true;
    }
    // "+09:00", "+0900", "+09": checked, then the clock as written.
    qsizetype z = 1;
    const int hours = digitsAt(zone, &z, 2, 2);
    if (z < zone.size() && zone[z] == u':')
        ++z;
    const int minutes = z < zone.size() ? digitsAt(zone, &z, 2, 2) : 0;
    if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59 || z != zone.size())
        return false;
    *date = storedDate(d);
    *second = s;
    return true;
}

void localDateTimeOfUtc(qint64 msecsSinceEpoch, QString *date, int *second)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    *date = storedDate(local.date());
    *second = local.time().msecsSinceStartOfDay() / 1000;
}

int parseClockTime(QStringView text)
{
    text = text.trimmed();
    int meridiem = 0; // 1 AM, 2 PM
    if (text.size() > 2 && (text.endsWith(u"AM", Qt::CaseInsensitive) || text.endsWith(u"PM", Qt::CaseInsensitive))) {
        meridiem = text.endsWith(u"AM", Qt::CaseInsensitive) ? 1 : 2;
        text.chop(2);
        text = text.trimmed();
    }
    const int s = parseCsvTime(text);
    if (s < 0 || meridiem == 0)
        return s;
    const int hour = s / 3600;
    if (hour < 1 || hour > 12)
        return -1;
    const int rest = s % 3600;
    return ((hour % 12) + (meridiem == 2 ? 12 : 0)) * 3600 + rest;
}

bool parseEnglishDate(QStringView text, QString *date)
{
    static const char16_t *const kMonths[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                              u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
    text = text.trimmed();
    qsizetype i = 0;
    while (i < text.size() && text[i].isLetter())
        ++i;
    const QStringView word = text.first(i);
    int month = 0;
    for (int m = 0; m < 12 && word.size() >= 3; ++m) {
        if (QStringView(kMonths[m]).compare(word.first(3), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    if (month == 0)
        return false;
    const QStringView rest = text.sliced(i).trimmed();
    const qsizetype comma = rest.indexOf(u',');
    const QStringView dayText = (comma >= 0 ? rest.first(comma) : rest.first(rest.indexOf(u' ') < 0 ? 0 : rest.indexOf(u' '))).trimmed();
    const QStringView yearText = rest.sliced(comma >= 0 ? comma + 1 : dayText.size()).trimmed();
    bool dayOk = false;
    bool yearOk = false;
    const int day = dayText.toInt(&dayOk);
    const int year = yearText.toInt(&yearOk);
    const QDate d(year, month, day);
    if (!dayOk || !yearOk || yearText.size() != 4 || !d.isValid())
        return false;
    *date = storedDate(d);
    return true;
}

std::optional<double> parseTrackerNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.endsWith(u'.'))
        return std::nullopt;
    const std::optional<double> value = parseStoredNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString decodeTrackerText(QByteArrayView bytes, QString *error)
{
    const DetectedEncoding detected = detectTextEncoding(bytes);
    const QByteArrayView body = bytes.sliced(detected.byteOrderMark);
    switch (detected.encoding) {
    case TextEncoding::Utf8:
        return QString::fromUtf8(body);
    case TextEncoding::ShiftJis:
        return decodeCp932(body);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        QStringDecoder decoder(detected.encoding == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        return decoder.decode(body);
    }
    case TextEncoding::Utf32:
        break;
    }
    *error = QStringLiteral("%1のファイルは読み取れません。UTF-8 で保存し直してください。").arg(encodingName(detected.encoding));
    return {};
}

QList<QStringView> trackerLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            lines.append(text.sliced(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

QString tooManyMeasurements()
{
    return QStringLiteral("記録が%1件を超えています。データファイルに入る記録は%1件までです。").arg(kMaxDataLines);
}

ReadingCollector::ReadingCollector(QString source)
{
    m_reading.source = std::move(source);
}

void ReadingCollector::problem(int number, const QString &reason)
{
    if (m_reading.problems.size() < kMaxListedProblems)
        m_reading.problems.append({number, reason});
    else
        ++m_reading.unlistedProblems;
}

bool ReadingCollector::add(int number, const QString &date, int second, double weight, double bodyFat, const QString &comment)
{
    if (m_reading.measurements.size() >= kMaxDataLines) {
        m_full = true;
        return false;
    }
    if (comment.contains(QChar::ReplacementCharacter)) {
        problem(number, QStringLiteral("UTF-8 として読めない文字があります"));
        return true;
    }
    CsvMeasurement &m = m_reading.measurements.emplace_back();
    m.lineNumber = number;
    m.time = second;
    m.measurement.date = date;
    m.measurement.situation = kImportedSituation;
    m.measurement.weight = float(weight);
    m.measurement.bodyFat = float(bodyFat);
    if (!comment.isEmpty())
        m.measurement.comment = comment;
    else if (second > 0)
        m.measurement.comment = timeOfDayText(second);
    if (bodyFat > 0)
        ++m_bodyFatsFound;
    return true;
}

CsvReading ReadingCollector::finish(bool unitUnknown)
{
    if (m_full) {
        CsvReading tooMany;
        tooMany.source = m_reading.source;
        tooMany.error = tooManyMeasurements();
        return tooMany;
    }
    const auto byNumber = [](const CsvLineProblem &a, const CsvLineProblem &b) { return a.lineNumber < b.lineNumber; };
    if (!std::is_sorted(m_reading.problems.begin(), m_reading.problems.end(), byNumber))
        std::stable_sort(m_reading.problems.begin(), m_reading.problems.end(), byNumber);
    m_reading.weightsFound = int(m_reading.measurements.size());
    m_reading.bodyFatsFound = m_bodyFatsFound;
    m_reading.unitUnknown = unitUnknown && m_reading.error.isEmpty();
    return std::move(m_reading);
}
