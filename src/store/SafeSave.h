#pragma once

#include "store/StoreResult.h"

#include <QByteArray>
#include <QString>

// The only two ways the program changes a file. Both leave the file either as it was or as
// intended, also when the process dies half-way:
//  - a whole-file rewrite goes to a temporary file in the same folder, which is flushed, synced
//    and then renamed over the original;
//  - an append is flushed and synced before it returns, and a failed append is cut back off.
namespace SafeSave {

StoreResult replaceFile(const QString &path, const QByteArray &bytes);
StoreResult appendToFile(const QString &path, const QByteArray &bytes);

// Test seam: the next write fails after this many bytes have reached the file (or, with
// failAtCommit, just before the rename). Consumed by the write it affects; with skipWrites, that
// many writes go through untouched first, so that a later step of an operation can fail.
struct Fault {
    qint64 failAfterBytes = -1;
    bool failAtCommit = false;
    int skipWrites = 0;
};
void injectFault(const Fault &fault);

} // namespace SafeSave
