#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QStringList>

// The shared situation list, one entry per line. Lines are in quoted form ("食後") or in plain
// form (食後) depending on which operation wrote them; a plain line holding a comma gives two
// entries.

// Used while the file does not exist yet.
QStringList defaultSituations();

// Every field of every line, in file order; the defaults when the file is missing.
QStringList ReadSituationList(const DataFolder &folder);
// The same for a change made from the entries read: a list that exists but cannot be read is a
// failure, never the defaults written over it.
StoreResult ReadSituationListForChange(const DataFolder &folder, QStringList *entries);

StoreResult AppendSituationQuoted(const DataFolder &folder, const QString &entry);
StoreResult AppendSituationPlain(const DataFolder &folder, const QString &entry);
StoreResult RewriteSituationListPlain(const DataFolder &folder, const QStringList &entries);
StoreResult RewriteSituationListQuoted(const DataFolder &folder, const QStringList &entries);
StoreResult ClearSituationList(const DataFolder &folder);
