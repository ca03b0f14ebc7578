#pragma once

#include "store/FileRead.h"

#include <QString>

// Reading a file that comes from elsewhere (another tracker's export, a file a user picked):
// untrusted, so only what could be an importable file is read. Only a regular file is opened
// (a symbolic link counts for what it points to): a FIFO would block, a device such as /dev/zero
// would never end. It is opened without blocking, read whole only when it is at most `maxBytes`
// long, and checked the way the store's own reads are: a read that ends short of the file's
// size, or a file that grows while it is read, is unreadable, never taken in part. Memory is
// the file's size.
//
// Never Missing: a file that is not there is unreadable too, with its reason. The message names
// the file by its name alone ("「scale.csv」を読み込めませんでした（…）。").
FileRead readImportFile(const QString &path, qint64 maxBytes);
