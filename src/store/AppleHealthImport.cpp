// SPDX-License-Identifier: GPL-3.0-or-later
// The Health app's export.xml: millions of <Record> elements of every kind, of which only the
// body mass and body fat percentage ones are kept. The file is fed to the XML reader in pieces,
// so memory follows the measurements kept, never the size of the file.
#include "store/MessageText.h"
#include "store/NumberText.h"
#include "store/TrackerFields.h"
#include "store/TrackerReaders.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kPieceBytes = 1 << 20;

const QString kBodyMass = QStringLiteral("HKQuantityTypeIdentifierBodyMass");
const QString kBodyFat = QStringLiteral("HKQuantityTypeIdentifierBodyFatPercentage");

struct Weighing {
    int line;
    QString date;
    int second;
    double kilograms;
    qint64 minute; // the minute it was taken in, to join its body fat
};

struct BodyFat {
    int line;
    double percent;
    bool joined = false;
};

// "2020-10-05 12:02:41 -0800": the clock as the phone showed it, and the minute since 1970 of
// that clock (the key a body fat of the same minute joins by).
bool parseAppleDate(QStringView text, QString *date, int *second, qint64 *minute)
{
    if (!parseTrackerDateTime(text, date, second) || *second < 0)
        return false;
    const QDate day(date->left(4).toInt(), date->mid(5, 2).toInt(), date->right(2).toInt());
    *minute = day.toJulianDay() * 1440 + *second / 60;
    return true;
}

// Kilograms of a value in the unit Health names.
std::optional<double> kilogramsOf(double value, QStringView unit)
{
    if (unit == u"kg")
        return value;
    if (unit == u"lb")
        return value * kKilogramsPerPound;
    if (unit == u"g")
        return value / 1000.0;
    if (unit == u"st")
        return value * 14.0 * kKilogramsPerPound;
    return std::nullopt;
}

} // namespace

CsvReading readAppleHealth(QIODevice *device, qint64 total, const ImportProgress &progress)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::AppleHealth));
    QList<Weighing> weighings;
    QHash<qint64, BodyFat> fats; // by minute; a second one of the same minute is the same reading again
    QSet<QPair<qint64, double>> seen;
    int fatRecords = 0;
    int weightRecords = 0;
    bool rootSeen = false;
    bool tooMany = false;
    qint64 done = 0;
    QByteArray piece(kPieceBytes, Qt::Uninitialized);
    QXmlStreamReader xml;
    bool atEnd = false;
    int depth = 0;
    while (!tooMany) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || atEnd)
                break;
            const qint64 n = device->read(piece.data(), kPieceBytes);
            if (n < 0) {
                out.setError(device->errorString().isEmpty() ? QStringLiteral("ファイルを読めませんでした。") : device->errorString() + u'。');
                return out.finish();
            }
            if (n == 0) {
                atEnd = true;
                xml.addData(QByteArray()); // lets the reader tell a document cut short
                continue;
            }
            done += n;
            xml.addData(QByteArray(piece.constData(), qsizetype(n)));
            if (progress && !progress(done, total)) {
                CsvReading stopped;
                stopped.source = trackerSourceName(TrackerFormat::AppleHealth);
                stopped.cancelled = true;
                return stopped;
            }
            continue;
        }
        if (token == QXmlStreamReader::EndElement && --depth == 0)
            break; // the root closed: whatever may follow it is no record
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (!rootSeen) {
            rootSeen = true;
            if (xml.name() != u"HealthData") {
                out.setError(QStringLiteral("Apple Health の書き出し（HealthData）ではありません。"));
                return out.finish();
            }
            continue;
        }
        if (xml.name() != u"Record")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView type = attributes.value(QLatin1String("type"));
        const bool mass = type == kBodyMass;
        if (!mass && type != kBodyFat)
            continue;
        const int line = int(std::min<qint64>(xml.lineNumber(), std::numeric_limits<int>::max()));
        const QStringView dateText = attributes.value(QLatin1String("startDate"));
        const QStringView valueText = attributes.value(QLatin1String("value"));
        const QStringView unit = attributes.value(QLatin1String("unit"));
        QString date;
        int second = -1;
        qint64 minute = 0;
        if (!parseAppleDate(dateText, &date, &second, &minute)) {
            out.problem(line, QStringLiteral("日時「%1」を読み取れません").arg(messageText(dateText)));
            continue;
        }
        const std::optional<double> value = parseTrackerNumber(valueText);
        if (mass) {
            ++weightRecords;
            const std::optional<double> kilograms = value ? kilogramsOf(*value, unit) : std::nullopt;
            if (!value)
                out.problem(line, QStringLiteral("体重「%1」を数値として読み取れません").arg(messageText(valueText)));
            else if (!kilograms)
                out.problem(line, QStringLiteral("体重の単位「%1」を読み取れません").arg(messageText(unit)));
            else if (!seen.contains({minute, *kilograms})) {
                // The same weighing written by two apps at the same minute comes in once.
                seen.insert({minute, *kilograms});
                if (weighings.size() >= kMaxDataLines)
                    tooMany = true;
                else
                    weighings.append({line, date, second, *kilograms, minute});
            }
            continue;
        }
        ++fatRecords;
        // Health keeps a percentage as a fraction: 0.161 is 16.1 %.
        if (!value || unit != u"%") {
            out.problem(line, value ? QStringLiteral("体脂肪率の単位「%1」を読み取れません").arg(messageText(unit))
                                    : QStringLiteral("体脂肪率「%1」を数値として読み取れません").arg(messageText(valueText)));
            continue;
        }
        if (!fats.contains(minute)) {
            if (fats.size() >= kMaxDataLines)
                tooMany = true;
            else
                fats.insert(minute, BodyFat{line, *value * 100.0});
        }
    }
    if (tooMany) {
        out.setError(tooManyMeasurements());
        return out.finish();
    }
    if (!rootSeen || depth > 0 || xml.hasError()) {
        const QString why = !rootSeen && !xml.hasError() ? QStringLiteral("中身がありません") : messageText(xml.errorString());
        out.setError(QStringLiteral("XML として読めません（%1行目：%2）。").arg(xml.lineNumber()).arg(why));
        return out.finish();
    }
    for (const Weighing &w : std::as_const(weighings)) {
        double fat = 0;
        if (auto it = fats.find(w.minute); it != fats.end()) {
            fat = it->percent;
            it->joined = true;
        }
        out.add(w.line, w.date, w.second, w.kilograms, fat);
    }
    QList<CsvLineProblem> alone;
    for (const BodyFat &f : std::as_const(fats)) {
        if (!f.joined)
            alone.append({f.line, QStringLiteral("体脂肪率%1%と同じ分に量った体重がありません").arg(storedNumber(float(f.percent)))});
    }
    std::sort(alone.begin(), alone.end(), [](const CsvLineProblem &a, const CsvLineProblem &b) { return a.lineNumber < b.lineNumber; });
    for (const CsvLineProblem &p : std::as_const(alone))
        out.problem(p.lineNumber, p.reason);
    CsvReading reading = out.finish();
    reading.weightsFound = weightRecords;
    reading.bodyFatsFound = fatRecords;
    return reading;
}
