#include "store/MeasurementScan.h"

#include "store/DataFileLines.h"

MeasurementFile ScanMeasurements(const DataFolder &folder, const QString &name,
                                 const std::function<void(const MeasurementView &)> &visit)
{
    return ScanMeasurements(readWholeFile(folder.pathFor(name)), name, visit);
}

MeasurementFile ScanMeasurements(const FileRead &read, const QString &name,
                                 const std::function<void(const MeasurementView &)> &visit)
{
    MeasurementFile result;
    result.fileName = name;
    result.exists = !read.missing();
    result.readError = read.error;
    // A day's lines share their date, which need then be checked as a real day only once. The
    // text of a line lives only as long as the line is read, hence the copy (taken once a day:
    // the canonical reading keeps one text per date).
    QString lastDate;
    forEachRecordLine(
        read.bytes,
        [&](const CanonicalRecord &record) {
            MeasurementView view;
            view.date = *record.date;
            view.situation = *record.situation;
            view.weight = record.weight;
            view.comment = *record.comment;
            view.bodyFat = record.bodyFat;
            view.reserved = *record.reserved;
            if (lastDate.constData() != record.date->constData())
                lastDate = *record.date;
            visit(view);
        },
        [&](const FileLine &line) {
            if (isBlankLine(line))
                return;
            MeasurementView view;
            if (!recordOf(line, &view, lastDate)) {
                result.malformed.append({line.number, line.text.toString()});
                return;
            }
            if (view.date != lastDate)
                lastDate = view.date.toString();
            visit(view);
        });
    return result;
}
