#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QString>

// "気付きメモ.txt": the free memo as typed, followed by one line end. In memory its lines are
// separated by "\n"; in the file by CR LF. Any character the code page holds may appear,
// double quotes included.
QString ReadMemo(const DataFolder &folder);
// The memo as the file's text holds it.
QString memoFromFileText(QString text);
StoreResult WriteMemo(const DataFolder &folder, const QString &memo);
