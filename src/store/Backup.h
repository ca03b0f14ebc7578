#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QDate>
#include <QStringList>

// Copies of the data folder's files in "backup/" inside it, one folder per day:
//   backup/2024-06-11/     every file of the folder, as the day's first start found it
//   backup/2024-06-11-2/   the files a registration or conversion replaced later that day (-3, ...)
//   backup/conflicts/      the conflict copies of sync tools, once dealt with; kept for good
// A folder appears under its name only once every copy in it is complete, so a folder that is
// there is whole. Restoring is copying the files of one folder back into the data folder.

inline constexpr int kKeptBackupDays = 14;

// The folder that holds the backups.
QString BackupRoot(const DataFolder &folder);

// At start-up: copies every file of the data folder into today's folder unless that folder
// exists already (nothing else is done then, so a start costs one look). After a new copy, the
// folders of all but the last kKeptBackupDays days that have any are removed; today's is always
// kept, so the copy just made is never the one deleted. A folder without files needs no copy.
StoreResult MakeDailyBackup(const DataFolder &folder, const QDate &today);

// Before files are replaced: makes sure today's backups hold each named file as it is now. When
// today has no backup yet, that is the day's full copy; when a copy of today holds other bytes,
// the named files go into a new folder of today. Files that do not exist are passed over.
// `heldIn`, when given, receives the folders (full paths) that hold the files, none when no file
// existed.
StoreResult BackupBeforeReplace(const DataFolder &folder, const QStringList &fileNames, const QDate &today,
                                QStringList *heldIn = nullptr);

// Moves a sync tool's conflict copy out of the data folder into backup/conflicts/, so that it is
// not found again and never lost; a copy of the same name there already keeps its name, and this
// one gets a number after it. `keptAs` gets its path relative to the data folder.
StoreResult KeepConflictCopy(const DataFolder &folder, const QString &copyName, QString *keptAs = nullptr);
