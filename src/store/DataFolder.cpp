#include "store/DataFolder.h"

#include <QDir>
#include <QFileInfo>

DataFolder::DataFolder(const QString &path)
    : m_path(QDir(path).absolutePath())
{
}

QString DataFolder::creationSpelling(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return name;
    return name.left(dot) + name.mid(dot).toLower();
}

QString DataFolder::pathFor(const QString &name) const
{
    const QDir dir(m_path);
    const QString created = creationSpelling(name);
    // Any entry counts, a folder too: a folder where a file belongs is that file, unreadable,
    // not a reason to look for another one.
    if (QFileInfo::exists(dir.filePath(created)))
        return dir.filePath(created);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(created);
}

bool DataFolder::exists(const QString &name) const
{
    return QFileInfo::exists(pathFor(name));
}
