#include "store/MeasurementScan.h"

#include "store/DataFileLines.h"
#include "store/FileRead.h"

MeasurementFile ScanMeasurements(const DataFolder &folder, const QString &name,
                                 const std::function<void(const MeasurementView &)> &visit)
{
    MeasurementFile result;
    result.fileName = name;
    const FileRead read = readWholeFile(folder.pathFor(name));
    result.exists = !read.missing();
    result.readError = read.error;
    const QByteArray &bytes = read.bytes;
    // A day's lines share their date, which need then be checked as a real day only once. The
    // text of a line lives only as long as the line is read, hence the copy.
    QString lastDate;
    forEachRecordLine(
        bytes,
        [&](const CanonicalRecord &record) {
            MeasurementView read;
            read.date = *record.date;
            read.situation = *record.situation;
            read.weight = record.weight;
            read.comment = *record.comment;
            read.bodyFat = record.bodyFat;
            read.reserved = *record.reserved;
            lastDate = *record.date;
            visit(read);
        },
        [&](const FileLine &line) {
            if (isBlankLine(line))
                return;
            MeasurementView read;
            if (!recordOf(line, &read, lastDate)) {
                result.malformed.append({line.number, line.text.toString()});
                return;
            }
            if (read.date != lastDate)
                lastDate = read.date.toString();
            visit(read);
        });
    return result;
}
