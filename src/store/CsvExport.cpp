#include "store/CsvExport.h"

#include "store/CsvText.h"
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

int timeStampMinute(QStringView c)
{
    // H:mm:ss or HH:mm:ss, nothing else on the line
    const qsizetype n = c.size();
    if (n != 7 && n != 8)
        return -1;
    const qsizetype h = n - 6; // digits of the hour
    const auto digit = [&](qsizetype i) { return c[i] >= u'0' && c[i] <= u'9' ? int(c[i].unicode() - u'0') : -1; };
    if (c[h] != u':' || c[h + 3] != u':')
        return -1;
    int hour = 0;
    for (qsizetype i = 0; i < h; ++i) {
        if (digit(i) < 0)
            return -1;
        hour = hour * 10 + digit(i);
    }
    for (qsizetype i : {h + 1, h + 2, h + 4, h + 5}) {
        if (digit(i) < 0)
            return -1;
    }
    const int minute = digit(h + 1) * 10 + digit(h + 2);
    const int second = digit(h + 4) * 10 + digit(h + 5);
    if (hour > 23 || minute > 59 || second > 59)
        return -1;
    return hour * 60 + minute;
}

QByteArray csvOfMeasurements(const QList<Measurement> &records)
{
    QString out;
    out.reserve(40 + records.size() * 56);
    out += QStringLiteral("dateTime,weight,fat,comment,situation\r\n");
    for (const Measurement &m : records) {
        // "yyyy/mm/dd" becomes "yyyy-mm-dd"; the records were read as real days.
        out += QStringView(m.date).left(4);
        out += u'-';
        out += QStringView(m.date).mid(5, 2);
        out += u'-';
        out += QStringView(m.date).mid(8, 2);
        out += u' ';
        const int minute = std::max(timeStampMinute(m.comment), 0);
        appendTwoDigits(out, minute / 60);
        out += u':';
        appendTwoDigits(out, minute % 60);
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
    if (!file.exists) {
        const QString path = folder.pathFor(dataFile);
        out.result = StoreResult::failure(folder.exists(dataFile) ? QStringLiteral("「%1」を読み込めませんでした。").arg(path)
                                                                  : QStringLiteral("「%1」がありません。").arg(path));
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
