// SPDX-License-Identifier: GPL-3.0-or-later
// A partner's data file as any bytes. Whatever the reader makes of them, the writers must keep it:
// an appended or inserted record joins the records read, in its place, every line that is not a
// record stays, and a file rewritten from its records reads as the same records. Records are
// compared as the file holds them: numbers with seven significant digits, as every writer puts them.

#include "FuzzSupport.h"

#include "store/DataFile.h"
#include "store/FileNames.h"


#include <algorithm>

namespace {

using Fuzz::require;

Measurement newRecord()
{
    Measurement m;
    m.date = QStringLiteral("2004/02/29");
    m.situation = QStringLiteral("夕食後");
    m.weight = 60.5f;
    m.comment = QStringLiteral("①～");
    m.bodyFat = 20.25f;
    return m;
}

QStringList asStored(const QList<Measurement> &records)
{
    QStringList lines;
    for (const Measurement &m : records)
        lines << measurementLine(m);
    return lines;
}

QStringList malformedTexts(const MeasurementFile &file)
{
    QStringList texts;
    for (const MalformedLine &bad : file.malformed)
        texts << bad.text;
    return texts;
}

// Writes with `write` on a fresh copy of the input and checks that the file then reads as
// `expected`, with the same lines that are not records.
template <typename Write>
void checkWrite(const QByteArray &input, const MeasurementFile &before, Write &&write, const QList<Measurement> &expected,
                const char *what)
{
    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(FileName::data1, input);
    const DataFolder folder = scratch.folder();
    require(write(folder).ok(), what);
    const MeasurementFile after = ReadMeasurements(folder, FileName::data1);
    require(asStored(after.records) == asStored(expected), what);
    require(malformedTexts(after) == malformedTexts(before), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(FileName::data1, input);
    const DataFolder folder = scratch.folder();
    const MeasurementFile before = ReadMeasurements(folder, FileName::data1);
    require(scratch.bytes(FileName::data1) == input, "reading leaves the file as it was");

    const Measurement added = newRecord();
    QList<Measurement> appended = before.records;
    appended.append(added);
    checkWrite(input, before, [&](const DataFolder &f) { return AppendMeasurement(f, FileName::data1, added); }, appended,
               "an append adds the record after those read and keeps every other line");

    QList<Measurement> inserted = before.records;
    qsizetype at = 0;
    while (at < inserted.size() && inserted[at].date <= added.date)
        ++at;
    inserted.insert(at, added);
    checkWrite(input, before, [&](const DataFolder &f) { return InsertMeasurementInOrder(f, FileName::data1, added); },
               inserted, "an ordered insert puts the record before the first later one and keeps every other line");

    if (before.malformed.isEmpty()) {
        QList<Measurement> rewritten = before.records;
        for (Measurement &m : rewritten)
            m.reserved.clear(); // a rewrite writes the last field empty
        checkWrite(input, before, [&](const DataFolder &f) { return RewriteDataFile(f, FileName::data1, before.records); },
                   rewritten, "a file rewritten from its records reads as the same records");
    } else {
        // A rewrite would lose the lines that are not records, so it must refuse and change nothing.
        scratch.reset(FileName::data1, input);
        require(!RewriteDataFile(folder, FileName::data1, before.records).ok(), "a file with damaged lines is not rewritten");
        require(scratch.bytes(FileName::data1) == input, "a refused rewrite leaves the file as it was");
    }
    return 0;
}
