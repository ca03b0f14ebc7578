#pragma once

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileRead.h"
#include "store/Measurement.h"

#include <QString>

#include <functional>

// Reads a data file from its first line to its last as ReadMeasurements does, but hands each
// record to `visit` as views into its line, valid only during the call, and keeps none: for
// readers that keep little of a large file. The result names the lines that are not records;
// its list of records stays empty.
MeasurementFile ScanMeasurements(const DataFolder &folder, const QString &name,
                                 const std::function<void(const MeasurementView &)> &visit);
// The same over a file read already, for a reader that looked at its bytes first.
MeasurementFile ScanMeasurements(const FileRead &read, const QString &name,
                                 const std::function<void(const MeasurementView &)> &visit);
