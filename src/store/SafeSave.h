#pragma once

#include "store/FaultHook.h"
#include "store/StoreResult.h"

#include <QByteArray>
#include <QString>

// The only three ways the program changes a file:
//  - a whole-file rewrite goes to a temporary file in the same folder, which is flushed, synced
//    and then renamed over the original: the file is either as it was or as intended, also when
//    the process dies half-way. What is written back is made from a checked read (FileRead.h).
//  - an append is flushed and synced before it returns, and an append that fails is cut back off
//    to where the file ended. Only a crash or a power cut in the middle of the write itself can
//    leave part of the new line at the end of the file, without its line end. The next append
//    (AppendMeasurement, appendText) first ends that line and then adds its own, so the part
//    stays a line of its own and never swallows the new one: in a data file it is listed as a
//    line that is not a record, and no writer drops it.
//  - a file is moved into a folder under its own name (another when that is taken) by one
//    rename, never over another file, and both folders are synced.
namespace SafeSave {

StoreResult replaceFile(const QString &path, const QByteArray &bytes);
StoreResult appendToFile(const QString &path, const QByteArray &bytes);
// The path the file has afterwards goes to `movedTo` when given.
StoreResult moveIntoFolder(const QString &path, const QString &folder, QString *movedTo = nullptr);

// A run that could not make sure it is the only program on its data folder reads it but writes
// nothing: while this is on, every one of the writes above is refused with a message that says
// so, and nothing is touched.
void setReadOnly(bool readOnly);
bool readOnly();

} // namespace SafeSave
