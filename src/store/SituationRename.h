#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QString>

// Giving a situation a new text: in one partner's measurements and in the situation list.

// Every record of the data file whose situation is exactly `oldText` (case and width count) gets
// `newText`; nothing else of the file changes, byte for byte: not the other fields of those
// records, not the other records, not a line that is not a record, not the line ends. The file
// is replaced through a temporary file, and not at all when no record matches. `changed`
// receives the number of records renamed. A missing file has nothing to rename.
StoreResult RenameSituationInData(const DataFolder &folder, const QString &name, const QString &oldText,
                                  const QString &newText, int *changed = nullptr);

// Every entry of the situation list equal to `oldText` becomes `newText`; the whole list is
// written again in quoted form, so that an entry holding a comma stays one entry.
StoreResult RenameSituationInList(const DataFolder &folder, const QString &oldText, const QString &newText);
