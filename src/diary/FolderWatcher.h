#pragma once

#include "store/DataFolder.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Tells when a file of the data folder may have changed: written in place, replaced by a rename
// (as every safe save and every sync tool writes), added or removed. A burst of changes comes
// out as one notice once it has settled. The notice is only a hint: whoever follows it looks at
// the files themselves (FileSnapshot), and inotify does not see every change of a network folder.
class FolderWatcher : public QObject
{
    Q_OBJECT
public:
    // `names` are the files to watch besides the folder's list of entries.
    FolderWatcher(const DataFolder &folder, const QStringList &names, QObject *parent = nullptr);

    // After a change: the files that exist now are watched again (a file replaced by a rename is
    // a new file to the watcher, and a watch on it ends with the old one).
    void rewatch();

Q_SIGNALS:
    void changed();

private:
    void noteChange();

    DataFolder m_folder;
    QStringList m_names;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
