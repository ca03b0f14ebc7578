// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON exports: Google Fit's data points in a Takeout, and Fitbit's weight-YYYY-MM-DD.json.
#include "store/MessageText.h"
#include "store/NumberText.h"
#include "store/TrackerFields.h"
#include "store/TrackerReaders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

std::optional<QJsonDocument> parsedJson(QByteArrayView bytes, ReadingCollector *out)
{
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) {
        out->setError(QStringLiteral("JSON として読めません（%1バイト目：%2）。").arg(error.offset + 1).arg(messageText(error.errorString())));
        return std::nullopt;
    }
    return document;
}

std::optional<double> jsonNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

// A whole number that JSON may give as a number or as a string of digits.
std::optional<qint64> jsonWholeNumber(const QJsonValue &value)
{
    if (value.isString()) {
        bool ok = false;
        const qint64 n = value.toString().toLongLong(&ok);
        return ok ? std::optional<qint64>(n) : std::nullopt;
    }
    if (value.isDouble() && std::isfinite(value.toDouble()) && std::abs(value.toDouble()) < 9.2e18)
        return qint64(value.toDouble());
    return std::nullopt;
}

QString shown(const QJsonValue &value)
{
    if (value.isString())
        return messageText(value.toString());
    if (value.isDouble())
        return storedNumber(value.toDouble());
    return QStringLiteral("（なし）");
}

} // namespace

CsvReading readGoogleFit(QByteArrayView bytes, int firstNumber, int *records)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::GoogleFit));
    out.reading().countsRecords = true;
    const std::optional<QJsonDocument> document = parsedJson(bytes, &out);
    const QJsonArray points = document ? document->object().value(QStringLiteral("Data Points")).toArray() : QJsonArray();
    if (document && !document->object().value(QStringLiteral("Data Points")).isArray())
        out.setError(QStringLiteral("Google Fit の書き出しに \"Data Points\" がありません。"));
    if (records)
        *records = int(points.size());
    for (qsizetype i = 0; i < points.size(); ++i) {
        const int number = firstNumber + int(i);
        const QJsonObject point = points[i].toObject();
        const QJsonValue type = point.value(QStringLiteral("dataTypeName"));
        if (type.isString() && type.toString() != u"com.google.weight")
            continue; // another kind of data in the same stream
        const QJsonValue start = point.value(QStringLiteral("startTimeNanos"));
        const std::optional<qint64> nanos = jsonWholeNumber(start);
        if (!nanos) {
            out.problem(number, QStringLiteral("日時（startTimeNanos）「%1」を読み取れません").arg(shown(start)));
            continue;
        }
        const QJsonValue value =
            point.value(QStringLiteral("fitValue")).toArray().at(0).toObject().value(QStringLiteral("value")).toObject().value(QStringLiteral("fpVal"));
        const std::optional<double> weight = jsonNumber(value);
        if (!weight) {
            out.problem(number, QStringLiteral("体重（fpVal）「%1」を数値として読み取れません").arg(shown(value)));
            continue;
        }
        QString date;
        int second = -1;
        localDateTimeOfUtc(*nanos / 1000000, &date, &second);
        if (!out.add(number, date, second, *weight, 0))
            break;
    }
    return out.finish();
}

CsvReading readFitbit(QByteArrayView bytes, int firstNumber, int *records)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::Fitbit));
    out.reading().countsRecords = true;
    const std::optional<QJsonDocument> document = parsedJson(bytes, &out);
    if (document && !document->isArray())
        out.setError(QStringLiteral("Fitbit の書き出しは記録の配列のはずですが、そうなっていません。"));
    const QJsonArray entries = document ? document->array() : QJsonArray();
    if (records)
        *records = int(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int number = firstNumber + int(i);
        const QJsonObject entry = entries[i].toObject();
        // "date": "03/14/21" (month, day, two-digit year), "time": "07:12:45".
        const QJsonValue dateValue = entry.value(QStringLiteral("date"));
        const QList<QStringView> parts = QStringView(dateValue.toString()).split(u'/');
        bool okMonth = false;
        bool okDay = false;
        bool okYear = false;
        const int month = parts.size() == 3 ? parts[0].toInt(&okMonth) : 0;
        const int day = parts.size() == 3 ? parts[1].toInt(&okDay) : 0;
        int year = parts.size() == 3 ? parts[2].toInt(&okYear) : 0;
        if (parts.size() == 3 && parts[2].size() == 2)
            year += 2000;
        const QDate d(year, month, day);
        if (!okMonth || !okDay || !okYear || !d.isValid()) {
            out.problem(number, QStringLiteral("日付「%1」を読み取れません").arg(shown(dateValue)));
            continue;
        }
        const QJsonValue timeValue = entry.value(QStringLiteral("time"));
        int second = -1;
        if (!timeValue.isUndefined()) {
            second = parseClockTime(timeValue.toString());
            if (second < 0) {
                out.problem(number, QStringLiteral("時刻「%1」を読み取れません").arg(shown(timeValue)));
                continue;
            }
        }
        const QJsonValue weightValue = entry.value(QStringLiteral("weight"));
        const std::optional<double> weight = jsonNumber(weightValue);
        if (!weight) {
            out.problem(number, QStringLiteral("体重「%1」を数値として読み取れません").arg(shown(weightValue)));
            continue;
        }
        const QJsonValue fatValue = entry.value(QStringLiteral("fat"));
        double fat = 0;
        if (!fatValue.isUndefined() && !fatValue.isNull()) {
            const std::optional<double> f = jsonNumber(fatValue);
            if (!f) {
                out.problem(number, QStringLiteral("体脂肪率「%1」を数値として読み取れません").arg(shown(fatValue)));
                continue;
            }
            fat = *f;
        }
        if (!out.add(number, storedDate(d), second, *weight, fat))
            break;
    }
    return out.finish(true);
}
