#include "diary/FolderWatcher.h"

#include <QFileInfo>

namespace {
// Long enough for a sync tool's write and rename to land together, short enough for the screen
// to follow well within two seconds.
constexpr int kSettleMs = 250;
} // namespace

FolderWatcher::FolderWatcher(const DataFolder &folder, const QStringList &names, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_names(names)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::noteChange);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::noteChange);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        rewatch();
        Q_EMIT changed();
    });
    rewatch();
}

void FolderWatcher::rewatch()
{
    QStringList paths{m_folder.path()};
    for (const QString &name : m_names) {
        const QString path = m_folder.pathFor(name);
        if (QFileInfo(path).isFile())
            paths << path;
    }
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList missing;
    for (const QString &path : paths) {
        if (!watched.contains(path))
            missing << path;
    }
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}

void FolderWatcher::noteChange()
{
    m_settle.start();
}
