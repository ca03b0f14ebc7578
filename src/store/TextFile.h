#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Whole small text files of the data folder, in Windows-31J. Lines are written with CR LF by the
// callers; these only move text in and out.

// The decoded text, or nothing when the file is missing or cannot be read.
std::optional<QString> readText(const DataFolder &folder, const QString &name);
// The same for a change made from what the file holds: a file that exists but cannot be read
// whole is a failure (with the message naming it), not a missing one.
StoreResult readTextForChange(const DataFolder &folder, const QString &name, std::optional<QString> *text);

// Encodes, refusing a character the code page cannot hold, and names it in the message.
StoreResult encodeText(const QString &text, QByteArray *out);

StoreResult replaceText(const DataFolder &folder, const QString &name, const QString &text);
StoreResult appendText(const DataFolder &folder, const QString &name, const QString &text);
