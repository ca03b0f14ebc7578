// SPDX-License-Identifier: GPL-3.0-or-later
// A weight history in an older program's layout as any bytes; the first byte chooses the layout
// (the three-field history or the older data file). No line is passed over in silence (each is
// a record, listed as unreadable, or blank), and the conversion either writes data lines that
// the program's own reader reads back as the records read, or changes nothing at all.

#include "FuzzSupport.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/LegacyConversion.h"
#include "store/LegacyReaders.h"

using Fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool olderData = data[0] & 1;
    const QByteArray bytes = Fuzz::bytesOf(data + 1, size - 1);
    const LegacyRecords read = olderData ? readOlderData(bytes, 21.5f) : readWeightHistory(bytes, 21.5f);

    const qsizetype lines = bytes.count('\n') + 1;
    require(read.records.size() + read.unreadable.size() <= lines, "no line is counted twice");
    int previous = 0;
    for (const MalformedLine &bad : read.unreadable) {
        require(bad.lineNumber > previous && bad.lineNumber <= lines, "unreadable lines are named by their numbers, in order");
        previous = bad.lineNumber;
    }

    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    const QString source = olderData ? FileName::data1 : LegacyFileName::weightHistory;
    scratch.reset(source, bytes);
    const DataFolder folder = scratch.folder();
    if (olderData && !holdsOlderData(folder, FileName::data1))
        return 0;
    LegacyConversionReport report;
    const StoreResult converted = olderData ? convertOlderDataFile(folder, FileName::data1, 21.5f, &report)
                                            : convertWeightHistoryFile(folder, FileName::data1, 21.5f, &report);
    if (!converted) {
        require(scratch.bytes(source) == bytes, "a conversion that fails leaves its source as it was");
        return 0;
    }
    const MeasurementFile back = ReadMeasurements(folder, FileName::data1);
    require(back.malformed.isEmpty(), "converted records are all records");
    require(back.records.size() == read.records.size(), "every converted record reads back");
    for (qsizetype i = 0; i < back.records.size(); ++i)
        require(measurementLine(back.records[i]) == measurementLine(read.records[i]), "a converted record reads back the same");
    return 0;
}
