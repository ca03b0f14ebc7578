// SPDX-License-Identifier: GPL-3.0-or-later
// Our CSV export as openScale 3 imports it: every measurement must arrive, with its weight, body
// fat and comment. openScale's rules, as its import code has them:
// - the first row names the columns; a `DATE` column ("yyyy-MM-dd") with an optional `TIME`
//   ("HH:mm" or "HH:mm:ss"; missing or unreadable means 12:00), or a `dateTime` column
//   ("yyyy-MM-dd HH:mm"), names compared without regard to case;
// - every other column counts only when its name is one of openScale's type keys, again without
//   regard to case; an empty cell or a number 0 is no value, and a line without values is left out;
// - every row has as many fields as the header (its CSV reader refuses the file otherwise);
// - one measurement per timestamp: a line whose date and time are already there is dropped.

#include "StoreTestUtil.h"

#include "store/CsvExport.h"
#include "store/CsvText.h"
#include "store/DataFile.h"
#include "store/FileNames.h"

#include <QDateTime>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace StoreTest;
using namespace Qt::StringLiterals;

namespace {

const QStringList kTypeKeys = {u"WEIGHT"_s,    u"BMI"_s,       u"BODY_FAT"_s,     u"WATER"_s,     u"MUSCLE"_s,    u"LBM"_s,
                               u"BONE"_s,      u"WAIST"_s,     u"WHR"_s,          u"WHTR"_s,      u"HIPS"_s,      u"VISCERAL_FAT"_s,
                               u"CHEST"_s,     u"THIGH"_s,     u"BICEPS"_s,       u"NECK"_s,      u"CALIPER_1"_s, u"CALIPER_2"_s,
                               u"CALIPER_3"_s, u"CALIPER"_s,   u"BMR"_s,          u"TDEE"_s,      u"CALORIES"_s,  u"COMMENT"_s};

struct OpenScaleImport {
    QString error;
    QMap<QDateTime, QMap<QString, QString>> kept; // values by type key, per timestamp
    int ignored = 0;                              // lines dropped for a timestamp already there
};

int columnNamed(const QList<QString> &header, const QString &name)
{
    for (int i = 0; i < header.size(); ++i) {
        if (header[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

OpenScaleImport importAsOpenScale3(const QByteArray &csv)
{
    OpenScaleImport out;
    const QString text = QString::fromUtf8(csv);
    CsvReader reader(text, u',');
    QList<QStringView> fields;
    QList<QString> header;
    int dateColumn = -1;
    int timeColumn = -1;
    int dateTimeColumn = -1;
    QMap<int, QString> typeColumns;
    while (reader.next(&fields)) {
        if (fields.size() == 1 && fields[0].isEmpty())
            continue;
        if (header.isEmpty()) {
            for (const QStringView f : std::as_const(fields))
                header << f.toString();
            dateColumn = columnNamed(header, u"DATE"_s);
            timeColumn = columnNamed(header, u"TIME"_s);
            dateTimeColumn = columnNamed(header, u"dateTime"_s);
            if (dateColumn < 0 && dateTimeColumn < 0) {
                out.error = u"no date column"_s;
                return out;
            }
            for (int i = 0; i < header.size(); ++i) {
                if (i == dateColumn || i == timeColumn || i == dateTimeColumn)
                    continue;
                for (const QString &key : kTypeKeys) {
                    if (header[i].compare(key, Qt::CaseInsensitive) == 0)
                        typeColumns[i] = key;
                }
            }
            continue;
        }
        if (fields.size() != header.size()) {
            out.error = u"line %1 has %2 fields"_s.arg(reader.lineNumber()).arg(fields.size());
            return out;
        }
        QDateTime at;
        if (dateTimeColumn >= 0)
            at = QDateTime(QDate::fromString(fields[dateTimeColumn].left(10).toString(), u"yyyy-MM-dd"_s),
                           QTime::fromString(fields[dateTimeColumn].mid(10).toString(), u" HH:mm"_s), Qt::UTC);
        if (!at.isValid() && dateColumn >= 0) {
            const QDate date = QDate::fromString(fields[dateColumn].toString(), u"yyyy-MM-dd"_s);
            if (!date.isValid())
                continue;
            QTime time(12, 0);
            if (timeColumn >= 0) {
                const QString t = fields[timeColumn].toString();
                for (const QString &form : {u"HH:mm:ss"_s, u"HH:mm"_s}) {
                    if (const QTime read = QTime::fromString(t, form); read.isValid()) {
                        time = read;
                        break;
                    }
                }
            }
            at = QDateTime(date, time, Qt::UTC); // no summer time gaps here
        }
        if (!at.isValid())
            continue;
        QMap<QString, QString> values;
        for (auto it = typeColumns.cbegin(); it != typeColumns.cend(); ++it) {
            const QString raw = fields[it.key()].toString();
            if (raw.trimmed().isEmpty())
                continue;
            if (it.value() != u"COMMENT"_s) {
                bool ok = false;
                const float value = raw.toFloat(&ok);
                if (!ok || value == 0.f)
                    continue;
            }
            values[it.value()] = raw;
        }
        if (values.isEmpty())
            continue;
        if (out.kept.contains(at))
            ++out.ignored;
        else
            out.kept.insert(at, values);
    }
    return out;
}

// "date|weight|body fat|comment" of every measurement, openScale's view of "no body fat" and
// "no comment" being an absent value.
QStringList whatOpenScaleShouldHave(const QList<Measurement> &records)
{
    QStringList list;
    for (const Measurement &m : records) {
        list << u"%1|%2|%3|%4"_s.arg(QString(m.date).replace(u'/', u'-'), QString::number(m.weight),
                                    m.bodyFat == 0.f ? QString() : QString::number(m.bodyFat), m.comment);
    }
    list.sort();
    return list;
}

QStringList whatOpenScaleHas(const OpenScaleImport &import)
{
    QStringList list;
    for (auto it = import.kept.cbegin(); it != import.kept.cend(); ++it) {
        const QMap<QString, QString> &v = it.value();
        const auto number = [&](const QString &key) { return v.contains(key) ? QString::number(v[key].toFloat()) : QString(); };
        list << u"%1|%2|%3|%4"_s.arg(it.key().date().toString(u"yyyy-MM-dd"_s), number(u"WEIGHT"_s), number(u"BODY_FAT"_s),
                                    v.value(u"COMMENT"_s));
    }
    list.sort();
    return list;
}

} // namespace

class TestCsvOpenScale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The rules bite: a file in our earlier form loses body fat and measurements there.
    void theRulesLoseWhatTheyShould()
    {
        const OpenScaleImport earlier = importAsOpenScale3("dateTime,weight,fat,comment,situation\r\n"
                                                           "2026-08-09 00:00,72,26,,\xE6\x9C\x9D\r\n"
                                                           "2026-08-09 00:00,72.4,26.1,,\xE6\x9C\x9D\r\n");
        QVERIFY(earlier.error.isEmpty());
        QCOMPARE(earlier.ignored, 1);
        QCOMPARE(whatOpenScaleHas(earlier), QStringList{u"2026-08-09|72||"_s});
    }

    void everyMeasurementArrivesWhole()
    {
        QList<Measurement> records;
        const QStringList comments = {QString(), u"07:12:45"_s, u"外食, 食べ過ぎ"_s, QString(), u"7:12:45"_s, u"21:00:00"_s,
                                      u"06:00:00"_s, QString(), u"23:59:58"_s, QString(), QString()};
        for (int day = 1; day <= 28; ++day) {
            const QString date = u"2026/02/%1"_s.arg(day, 2, 10, QLatin1Char('0'));
            for (int k = 0; k < day % 7 + 1; ++k) {
                const int n = int(records.size());
                records << record(date, u"朝"_s, 60.f + float(n % 250) / 10.f, n % 5 == 0 ? 0.f : 20.f + float(n % 90) / 10.f,
                                  comments[n % comments.size()]);
            }
        }
        // a day with more measurements than minutes
        for (int k = 0; k < 1500; ++k)
            records << record(u"2026/03/01"_s, u"夜"_s, 70.f + float(k % 40) / 10.f, 25.f, k % 100 == 0 ? u"12:00:00"_s : QString());

        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        QVERIFY(RewriteDataFile(folder, FileName::data1, records).ok());
        const QString csv = dir.filePath(u"out.csv"_s);
        const CsvExportResult out = exportMeasurementsCsv(folder, FileName::data1, csv);
        QVERIFY(out.result.ok());

        const OpenScaleImport openScale = importAsOpenScale3(readFile(csv));
        QVERIFY2(openScale.error.isEmpty(), qPrintable(openScale.error));
        QCOMPARE(openScale.ignored, 0);
        QCOMPARE(openScale.kept.size(), records.size());
        QCOMPARE(whatOpenScaleHas(openScale), whatOpenScaleShouldHave(records));
    }
};

QTEST_GUILESS_MAIN(TestCsvOpenScale)
#include "tst_csvopenscale.moc"
