// SPDX-License-Identifier: GPL-3.0-or-later
// The situation list as any bytes. Its entries, written back in either form, read the same; an
// appended entry comes last. Only entries the file's code page or form cannot hold are refused.

#include "FuzzSupport.h"

#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/SituationListFile.h"

using Fuzz::require;

namespace {

bool anyUnstorable(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (!checkStorableText(entry).ok())
            return true;
    }
    return false;
}

// The plain form holds one entry per line as it stands: no comma, nothing that reads as a quote
// or is dropped as surrounding space, and no empty entry (an empty line is skipped).
bool plainFormHolds(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.trimmed() != entry || entry.isEmpty() || entry.contains(u',') || entry.startsWith(u'"'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(FileName::situationList, input);
    const DataFolder folder = scratch.folder();
    const QStringList read = ReadSituationList(folder);
    const bool refusable = anyUnstorable(read);

    const StoreResult quoted = RewriteSituationListQuoted(folder, read);
    require(quoted.ok() || refusable, "only entries the file cannot hold are refused");
    if (quoted)
        require(ReadSituationList(folder) == read, "the list rewritten in quoted form reads the same");

    if (plainFormHolds(read) && !refusable) {
        require(RewriteSituationListPlain(folder, read).ok(), "the list can be rewritten in plain form");
        require(ReadSituationList(folder) == read, "the list rewritten in plain form reads the same");
    }

    // An entry appended to the file as it was read comes after every entry read.
    scratch.reset(FileName::situationList, input);
    const QString added = QStringLiteral("散歩後、①");
    require(AppendSituationQuoted(folder, added).ok(), "an entry can be appended");
    require(ReadSituationList(folder) == read + QStringList{added}, "an appended entry comes after those read");
    return 0;
}
