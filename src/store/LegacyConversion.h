#pragma once

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QList>
#include <QString>

// Bringing weight histories kept in older layouts into a partner's data file. Both conversions
// keep what they replace: the older file and the data file's previous content stay under backup
// names that never replace an earlier backup. Every file is written through a temporary file
// renamed into place, and a failure at any step leaves every file as it was.

namespace LegacyFileName {
inline const QString weightHistory = QStringLiteral("連続体重.txt");
inline const QString weightHistoryBackup = QStringLiteral("連続体重bak.txt");
inline const QString dataBackup = QStringLiteral("データbak.txt");
} // namespace LegacyFileName

struct LegacyConversionReport {
    QString sourceName;       // the file that was read
    int converted = 0;        // records written to the data file
    QString dataBackupName;   // where the data file's previous content went; empty when it had none
    QString sourceBackupName; // the new name of "連続体重.txt" (first conversion only)
    QList<MalformedLine> unreadable;

    // "「連続体重.txt」の3行目：…" for every line that could not be converted, or empty.
    QString unreadableReport() const;
};

// Whether "連続体重.txt" is there to be converted (it can be opened for reading).
bool hasWeightHistoryFile(const DataFolder &folder);
// Whether the data file holds the older program's data (no body fat on its first line).
bool holdsOlderData(const DataFolder &folder, const QString &dataFile);

// Replaces the data file with the records of "連続体重.txt", each with `bodyFat`, then gives
// "連続体重.txt" a backup name. The data file's previous content, if any, is kept as a backup.
StoreResult convertWeightHistoryFile(const DataFolder &folder, const QString &dataFile, float bodyFat,
                                     LegacyConversionReport *report);

// Rewrites the data file with `bodyFat` in every empty body-fat field; its previous content is
// kept as a backup.
StoreResult convertOlderDataFile(const DataFolder &folder, const QString &dataFile, float bodyFat,
                                 LegacyConversionReport *report);
