#pragma once

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writing a partner's measurements as the CSV other weight trackers read (openScale reads the
// columns it knows by name): UTF-8 without a byte order mark, CR LF line ends, the header
// `dateTime,weight,fat,comment,situation`, numbers with a decimal point, texts quoted only when
// they hold a comma, a quote or a line break. `dateTime` is "yyyy-MM-dd HH:mm", the time being
// that of the comment when the comment is a time stamp ("21:05:33"), otherwise 00:00.

QByteArray csvOfMeasurements(const QList<Measurement> &records);

// The minute of the day of a comment that is a time stamp (H:mm:ss or HH:mm:ss), or -1.
int timeStampMinute(QStringView comment);

struct CsvExportResult {
    StoreResult result = StoreResult::success();
    int written = 0;                // records written
    QList<MalformedLine> malformed; // lines of the data file that are not records, left out
};

// Reads the partner's data file and writes every record of it to `csvPath` through one
// crash-safe replacement. A missing data file is a failure, not an empty export.
CsvExportResult exportMeasurementsCsv(const DataFolder &folder, const QString &dataFile, const QString &csvPath);
