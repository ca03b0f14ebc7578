#include "store/LegacyBackupName.h"

QString nextFreeBackupName(const DataFolder &folder, const QString &name)
{
    if (!folder.exists(name))
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    for (int n = 2;; ++n) {
        const QString candidate = stem + QString::number(n) + extension;
        if (!folder.exists(candidate))
            return candidate;
    }
}
