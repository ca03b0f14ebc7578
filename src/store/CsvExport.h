#pragma once

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/Measurement.h"
#include "store/StoreResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writing a partner's measurements as a CSV file that openScale 3 imports whole (it finds its
// columns by name, ignoring case, and ignores the columns it does not know): UTF-8 without a byte
// order mark, CR LF line ends, the header `DATE,TIME,WEIGHT,BODY_FAT,COMMENT,SITUATION`, numbers
// with a decimal point, texts quoted only when they hold a comma, a quote or a line break.
// `DATE` is "yyyy-MM-dd", `TIME` "HH:mm:ss", different for every measurement of a day (see
// distinctTimesOfDay): openScale keeps only the first of two measurements with the same time.
// `SITUATION` means nothing to openScale; our own import reads it back.
QByteArray csvOfMeasurements(const QList<Measurement> &records);
// Its header row, without the line end: the columns the export writes, as the manual names them.
QString csvExportHeader();

struct CsvExportResult {
    StoreResult result = StoreResult::success();
    int written = 0;                // records written
    QList<MalformedLine> malformed; // lines of the data file that are not records, left out
};

// Reads the partner's data file and writes every record of it to `csvPath` through one
// crash-safe replacement. A missing data file is a failure, not an empty export.
CsvExportResult exportMeasurementsCsv(const DataFolder &folder, const QString &dataFile, const QString &csvPath);
