#pragma once

#include <QString>

// Why the operating system refused a file operation, as the messages give it in parentheses:
// in Japanese for the reasons a user meets (no permission, a full disk, a missing file, …), the
// system's own wording for the rarer rest.

QString systemReason(int errnum);
// The same for the reason Qt gives (QFileDevice::errorString() and the like): its wording of an
// errno, or one of QSaveFile's own sentences; any other text comes back as it is.
QString systemReason(const QString &qtReason);
