#pragma once

#include "store/DataFolder.h"

#include <QString>

// The name a backup gets without replacing an earlier one: `name` itself while no file of that
// name exists (compared without regard to case), then the same name with 2, 3, ... before the
// extension ("データbak.txt", "データbak2.txt", ...).
QString nextFreeBackupName(const DataFolder &folder, const QString &name);
