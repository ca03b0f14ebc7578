#include "store/CsvExport.h"

#include "store/CsvText.h"
#include "store/CsvTimes.h"
#include "store/NumberText.h"
#include "store/SafeSave.h"

#include <QDir>
#include <QFileInfo>

namespace {
void appendTwoDigits(QString &out, int value)
{
    out += QChar(u'0' + value / 10);
    out += QChar(u'0' + value % 10);
}

void appendNumber(QString &out, float value)
{
    char buffer[kStoredNumberRoom];
    const int length = formatStoredNumber(value, buffer);
    if (length < 0)
        out += storedNumber(value);
    else
        out += QLatin1StringView(buffer, length);
}
} // namespace

QString csvExportHeader()
{
    return QStringLiteral("DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION");
}

QByteArray csvOfMeasurements(const QList<Measurement> &records)
{
    const QList<int> times = distinctTimesOfDay(records);
    QString out;
    out.reserve(48 + records.size() * 64);
    out += csvExportHeader() + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Measurement &m = records[i];
        // "yyyy/mm/dd" becomes "yyyy-mm-dd"; the records were read as real days.
        out += QStringView(m.date).left(4);
        out += u'-';
        out += QStringView(m.date).mid(5, 2);
        out += u'-';
        out += QStringView(m.date).mid(8, 2);
        out += u',';
        const int second = times[i];
        appendTwoDigits(out, second / 3600);
        out += u':';
        appendTwoDigits(out, second / 60 % 60);
        out += u':';
        appendTwoDigits(out, second % 60);
        out += u',';
        appendNumber(out, m.weight);
        out += u',';
        appendNumber(out, m.bodyFat);
        out += u',';
        appendCsvField(out, m.comment);
        out += u',';
        appendCsvField(out, m.situation);
        out += u"\r\n";
    }
    return out.toUtf8();
}

CsvExportResult exportMeasurementsCsv(const DataFolder &folder, const QString &dataFile, const QString &csvPath)
{
    CsvExportResult out;
    const MeasurementFile file = ReadMeasurements(folder, dataFile);
    if (file.unreadable()) {
        out.result = StoreResult::failure(file.readError);
        return out;
    }
    if (!file.exists) {
        out.result = StoreResult::failure(QStringLiteral("「%1」がありません。").arg(folder.pathFor(dataFile)));
        return out;
    }
    // A careless choice in the save dialog (or on the command line) must not turn one of the
    // program's own files into CSV.
    const QFileInfo target(csvPath);
    if (target.exists() && target.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0
        && target.absoluteDir().canonicalPath() == QDir(folder.path()).canonicalPath()) {
        out.result = StoreResult::failure(QStringLiteral("データのフォルダにある「%1」には書き出せません。").arg(target.fileName()));
        return out;
    }
    out.malformed = file.malformed;
    out.result = SafeSave::replaceFile(csvPath, csvOfMeasurements(file.records));
    if (out.result)
        out.written = int(file.records.size());
    return out;
}
