#pragma once

#include "store/DataFolder.h"

#include <QList>
#include <QString>

// Sync tools keep a data folder in step between two computers. When both changed a file before
// they synced, the tool keeps one version under the file's name and the other beside it under a
// name of its own, the conflict copy:
//   Syncthing  データ1.sync-conflict-20261207-101010-ABCDEFG.txt   (date and time, short device id)
//   Nextcloud  データ1 (conflicted copy 2026-12-07 101010).txt     (a user name may come before the date)
//   Dropbox    データ1 (name's conflicted copy 2026-12-07).txt
// The mark goes before the extension, and a copy of a copy gets a second one. Letter case does
// not matter, as for every file name of the folder.

struct ConflictCopy {
    QString fileName; // as spelled in the folder
    QString original; // the program's file it is a copy of, in its creation spelling
};

// The program's file a name is a conflict copy of, or an empty string for any other name (one
// that only looks like a copy, or a copy of a file that is not the program's).
QString ConflictCopyOriginal(const QString &name);

// Every conflict copy of the program's files among the plain files of the data folder, in name
// order; the backup folder is not looked into.
QList<ConflictCopy> FindConflictCopies(const DataFolder &folder);
