// SPDX-License-Identifier: GPL-3.0-or-later
// Which tracker wrote a file, told from what it holds, and the reading of a file, a zip or a
// folder of such files.
#include "store/TrackerImport.h"

#include "store/Cp932.h"
#include "store/CsvText.h"
#include "store/ImportArchive.h"
#include "store/ImportFile.h"
#include "store/MessageText.h"
#include "store/TextEncoding.h"
#include "store/TrackerFields.h"
#include "store/TrackerReaders.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <map>

namespace {

// The start of a file that tells its format: the Health app's export.xml opens with a document
// type of some ten kilobytes before its root element.
constexpr qint64 kHeadBytes = 64 * 1024;

bool isTrackerFormat(TrackerFormat format)
{
    return format != TrackerFormat::OtherCsv;
}

// Files of one tracker, from a zip or a folder: each one read whole, or the Health export as a stream.
struct Found {
    TrackerFormat format;
    qint64 index;  // in the zip, or in the folder's list
    QString name;
    bool merged;   // Google Fit's merged stream, which holds what its raw streams hold
    QByteArray whole; // the file's bytes when its head held all of them, so that it is read once
};

QString formatsList(const QList<TrackerFormat> &formats)
{
    QStringList names;
    for (const TrackerFormat f : formats)
        names << trackerSourceName(f);
    return names.join(QStringLiteral("と"));
}

// Picks the files to read: those of the one tracker found (Google Fit's merged stream alone when
// it is there), or an error when there are none or files of more than one tracker.
QList<Found> chosenFiles(const QList<Found> &found, QString *error, const QString &unreadable)
{
    QList<TrackerFormat> formats;
    for (const Found &f : found) {
        if (!formats.contains(f.format))
            formats.append(f.format);
    }
    if (formats.isEmpty()) {
        *error = QStringLiteral("取り込める記録のファイルが見つかりません（Apple Health、Google Fit、Fitbit、Libra、trale、"
                                "GNOME Health、Withings、Garmin Connect の書き出しを読み取れます）。");
        if (!unreadable.isEmpty())
            *error += QStringLiteral("読めなかったファイルがあります：") + unreadable;
        return {};
    }
    if (formats.size() > 1) {
        *error = QStringLiteral("%1のファイルが一緒に入っています。同じ記録が二度入らないように、どちらかのファイルだけを"
                                "選んで取り込んでください。")
                     .arg(formatsList(formats));
        return {};
    }
    QList<Found> chosen;
    const bool anyMerged = std::any_of(found.begin(), found.end(), [](const Found &f) { return f.merged; });
    for (const Found &f : found) {
        if (f.merged || !anyMerged)
            chosen.append(f);
    }
    // One file of the formats whose problems are numbered by line: a second one would make
    // the numbers ambiguous, and such exports come as one file anyway.
    if (chosen.first().format != TrackerFormat::Fitbit && chosen.first().format != TrackerFormat::GoogleFit)
        chosen.resize(1);
    return chosen;
}

// Appends the reading of one more file of the same tracker.
void appendReading(CsvReading *all, CsvReading &&one)
{
    if (all->source.isEmpty()) {
        *all = std::move(one);
        return;
    }
    if (!one.error.isEmpty() && all->error.isEmpty())
        all->error = one.error;
    all->measurements.append(one.measurements);
    for (const CsvLineProblem &p : std::as_const(one.problems)) {
        if (all->problems.size() < kMaxListedProblems)
            all->problems.append(p);
        else
            ++all->unlistedProblems;
    }
    all->unlistedProblems += one.unlistedProblems;
    all->weightsFound += one.weightsFound;
    all->bodyFatsFound += one.bodyFatsFound;
    all->unitUnknown = all->unitUnknown || one.unitUnknown;
    if (all->measurements.size() > kMaxDataLines) {
        all->measurements.clear();
        all->error = tooManyMeasurements();
    }
}

// Appends the reading of one more file, `done` of `total` in the progress; false when the reading
// ends there (the file's error, or the user's cancel), `*all` then being what to return.
bool appendFile(CsvReading *all, int *number, TrackerFormat format, QByteArrayView bytes, qint64 done, qint64 total,
                const ImportProgress &progress)
{
    int records = 0;
    appendReading(all, readTrackerFile(format, bytes, *number, &records));
    if (!all->error.isEmpty())
        return false;
    *number += records;
    if (progress && !progress(done, total)) {
        *all = CsvReading();
        all->cancelled = true;
        return false;
    }
    return true;
}

CsvReading failed(const QString &error, bool fileUnreadable = false)
{
    CsvReading reading;
    reading.error = error;
    reading.fileUnreadable = fileUnreadable;
    return reading;
}

CsvReading readZip(const ImportArchive &archive, const ImportProgress &progress)
{
    QList<Found> found;
    QString unreadable;
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        bool complete = false;
        QString error;
        const QByteArray head = archive.read(i, kHeadBytes, &complete, &error);
        if (!error.isEmpty()) {
            if (unreadable.isEmpty())
                unreadable = error;
            continue;
        }
        const TrackerFormat format = detectTrackerFormat(head);
        if (isTrackerFormat(format))
            found.append({format, i, archive.entryName(i), format == TrackerFormat::GoogleFit && head.contains("merge_weight"),
                          complete ? head : QByteArray()});
    }
    QString error;
    const QList<Found> chosen = chosenFiles(found, &error, unreadable);
    if (chosen.isEmpty())
        return failed(QStringLiteral("zip の中に") + error);
    if (chosen.first().format == TrackerFormat::AppleHealth) {
        const std::unique_ptr<QIODevice> stream = archive.stream(chosen.first().index);
        return readAppleHealth(stream.get(), archive.entrySize(chosen.first().index), progress);
    }
    CsvReading all;
    int number = 1;
    for (const Found &f : chosen) {
        bool complete = !f.whole.isNull();
        const QByteArray bytes = complete ? f.whole : archive.read(f.index, kMaxCsvImportBytes, &complete, &error);
        if (!error.isEmpty())
            return failed(error + u'。');
        if (!complete)
            return failed(QStringLiteral("「%1」が取り込めるファイルの大きさ（%2バイトまで）を超えています。")
                              .arg(messageText(f.name), QLocale(QLocale::Japanese).toString(kMaxCsvImportBytes)));
        if (!appendFile(&all, &number, f.format, bytes, f.index + 1, archive.entryCount(), progress))
            return all;
    }
    return all;
}

// A folder of files (Fitbit's weight-*.json as its export unpacks them): every regular file in
// it, in name order, the way a zip is read.
CsvReading readFolder(const QString &path, const ImportProgress &progress)
{
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    QList<Found> found;
    QString unreadable;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ImportFileHandle file(entries[i].filePath());
        const QByteArray head = file.readAt(0, kHeadBytes);
        if (!file.error().isEmpty()) {
            if (unreadable.isEmpty())
                unreadable = file.error();
            continue;
        }
        const TrackerFormat format = detectTrackerFormat(head);
        if (isTrackerFormat(format) && format != TrackerFormat::AppleHealth)
            found.append({format, i, entries[i].fileName(), format == TrackerFormat::GoogleFit && head.contains("merge_weight"),
                          head.size() == file.size() ? head : QByteArray()});
    }
    QString error;
    const QList<Found> chosen = chosenFiles(found, &error, unreadable);
    if (chosen.isEmpty())
        return failed(QStringLiteral("フォルダ「%1」に").arg(messageText(QFileInfo(path).fileName())) + error);
    CsvReading all;
    int number = 1;
    for (const Found &f : chosen) {
        FileRead read;
        read.bytes = f.whole;
        if (f.whole.isNull()) {
            read = readImportFile(entries[f.index].filePath(), kMaxCsvImportBytes);
            if (read.unreadable())
                return failed(read.error, true);
        }
        if (!appendFile(&all, &number, f.format, read.bytes, f.index + 1, entries.size(), progress))
            return all;
    }
    return all;
}

// Nothing to ask when nothing was read.
CsvReading settled(CsvReading reading)
{
    if (reading.measurements.isEmpty() || !reading.error.isEmpty())
        reading.unitUnknown = false;
    return reading;
}

} // namespace

TrackerFormat detectTrackerFormat(QByteArrayView head)
{
    QString error;
    // A head cut in the middle of a character only spoils its end.
    const QString text = decodeTrackerText(head, &error);
    const QStringView start = QStringView(text).trimmed();
    if (start.startsWith(u'<')) {
        if (start.contains(u"<HealthData") || start.contains(u"<!DOCTYPE HealthData"))
            return TrackerFormat::AppleHealth;
        return TrackerFormat::OtherCsv;
    }
    if (start.startsWith(u'{')) {
        if (start.contains(u"\"Data Points\"") && start.contains(u"com.google.weight"))
            return TrackerFormat::GoogleFit;
        return TrackerFormat::OtherCsv;
    }
    if (start.startsWith(u'[')) {
        if (start.sliced(1).trimmed().startsWith(u']') || (start.contains(u"\"logId\"") && start.contains(u"\"weight\"")))
            return TrackerFormat::Fitbit;
        return TrackerFormat::OtherCsv;
    }
    const QList<QStringView> lines = trackerLines(start);
    if (lines.isEmpty())
        return TrackerFormat::OtherCsv;
    const QStringView first = lines.first().trimmed();
    if (first.startsWith(u'#')) {
        if (first.contains(u"created with trale") || first.startsWith(u"#Date weight["))
            return TrackerFormat::Trale;
        if (first.startsWith(u"#Version", Qt::CaseInsensitive) || first.startsWith(u"#Units", Qt::CaseInsensitive)
            || first.startsWith(u"#date;weight", Qt::CaseInsensitive))
            return TrackerFormat::Libra;
        return TrackerFormat::OtherCsv;
    }
    CsvReader reader(first, u',');
    QList<QStringView> fields;
    if (!reader.next(&fields) || fields.size() < 2)
        return TrackerFormat::OtherCsv;
    const QStringView a = fields[0].trimmed();
    const QStringView b = fields[1].trimmed();
    if (fields.size() == 2 && a == u"date" && b == u"weight")
        return TrackerFormat::GnomeHealth;
    // Withings names the unit in its header ("Weight (kg)"); a plain "Date,Weight" file is any
    // tracker's CSV, read as before.
    if (a == u"Date" && b.startsWith(u"Weight ("))
        return TrackerFormat::Withings;
    if (a == u"Time" && b == u"Weight")
        return TrackerFormat::Garmin;
    return TrackerFormat::OtherCsv;
}

QString trackerSourceName(TrackerFormat format)
{
    switch (format) {
    case TrackerFormat::OtherCsv: return QString();
    case TrackerFormat::AppleHealth: return QStringLiteral("Apple Health の書き出し");
    case TrackerFormat::GoogleFit: return QStringLiteral("Google Fit の書き出し");
    case TrackerFormat::Fitbit: return QStringLiteral("Fitbit の書き出し");
    case TrackerFormat::Libra: return QStringLiteral("Libra の書き出し");
    case TrackerFormat::Trale: return QStringLiteral("trale の書き出し");
    case TrackerFormat::GnomeHealth: return QStringLiteral("GNOME Health の書き出し");
    case TrackerFormat::Withings: return QStringLiteral("Withings の書き出し");
    case TrackerFormat::Garmin: return QStringLiteral("Garmin Connect の書き出し");
    }
    return QString();
}

CsvReading readTrackerFile(TrackerFormat format, QByteArrayView bytes, int firstNumber, int *records)
{
    switch (format) {
    case TrackerFormat::GoogleFit: return readGoogleFit(bytes, firstNumber, records);
    case TrackerFormat::Fitbit: return readFitbit(bytes, firstNumber, records);
    case TrackerFormat::OtherCsv: return readCsvMeasurements(bytes);
    default: break;
    }
    QString error;
    const QString text = decodeTrackerText(bytes, &error);
    if (!error.isEmpty())
        return failed(error);
    switch (format) {
    case TrackerFormat::Libra: return readLibra(text);
    case TrackerFormat::Trale: return readTrale(text);
    case TrackerFormat::GnomeHealth: return readGnomeHealth(text);
    case TrackerFormat::Withings: return readWithings(text);
    case TrackerFormat::Garmin: return readGarmin(text);
    default: return failed(QString());
    }
}

CsvReading readImportBytes(QByteArrayView bytes, const ImportProgress &progress)
{
    if (looksLikeZip(bytes)) {
        QString error;
        const std::unique_ptr<ImportArchive> archive = ImportArchive::fromBytes(bytes, &error);
        if (!archive)
            return failed(QStringLiteral("zip ファイルとして読めません（%1）。").arg(error));
        return settled(readZip(*archive, progress));
    }
    const TrackerFormat format = detectTrackerFormat(bytes.first(std::min<qsizetype>(bytes.size(), kHeadBytes)));
    if (format == TrackerFormat::AppleHealth) {
        QByteArray copy = bytes.toByteArray();
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        return settled(readAppleHealth(&buffer, copy.size(), progress));
    }
    return settled(readTrackerFile(format, bytes));
}

CsvReading readImportMeasurements(const QString &path, const ImportProgress &progress)
{
    if (QFileInfo(path).isDir())
        return settled(readFolder(path, progress));
    ImportFileHandle file(path);
    if (!file.isOpen())
        return failed(file.error(), true);
    const QByteArray head = file.readAt(0, kHeadBytes);
    if (!file.error().isEmpty())
        return failed(file.error(), true);
    if (looksLikeZip(head)) {
        QString error;
        const std::unique_ptr<ImportArchive> archive = ImportArchive::fromDescriptor(file.descriptor(), &error);
        if (!archive)
            return failed(QStringLiteral("zip ファイルとして読めません（%1）。").arg(error));
        return settled(readZip(*archive, progress));
    }
    const TrackerFormat format = detectTrackerFormat(head);
    if (format == TrackerFormat::AppleHealth) {
        QFile device;
        if (!device.open(file.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return failed(importFileError(path, device.errorString()), true);
        return settled(readAppleHealth(&device, file.size(), progress));
    }
    const FileRead read = file.readWhole(kMaxCsvImportBytes);
    if (read.unreadable())
        return failed(read.error, true);
    // Neither a zip nor the Health export, as its head told: read as the format it told.
    return settled(readTrackerFile(format, read.bytes));
}

void applyWeightUnit(CsvReading *reading, WeightUnit unit)
{
    if (unit == WeightUnit::Pound) {
        for (CsvMeasurement &m : reading->measurements)
            m.measurement.weight = float(double(m.measurement.weight) * kKilogramsPerPound);
    }
    reading->unitUnknown = false;
}

QString readingFound(const CsvReading &reading)
{
    if (reading.source.isEmpty())
        return QString();
    const QLocale japanese(QLocale::Japanese);
    QString text = QStringLiteral("%1：体重 %2件、体脂肪率 %3件")
                       .arg(reading.source, japanese.toString(reading.weightsFound), japanese.toString(reading.bodyFatsFound));
    if (!reading.measurements.isEmpty()) {
        const auto [first, last] = std::minmax_element(reading.measurements.begin(), reading.measurements.end(),
                                                       [](const CsvMeasurement &a, const CsvMeasurement &b) {
                                                           return a.measurement.date < b.measurement.date;
                                                       });
        text += QStringLiteral("（%1〜%2）").arg(first->measurement.date, last->measurement.date);
    }
    return text;
}
