#pragma once

#include "store/DataFile.h"
#include "store/DataFolder.h"

#include <QTemporaryDir>

// What every benchmark's main() begins with: the application object, and a temporary folder
// holding both partners' data files, removed when the benchmark ends.

// Widgets are drawn offscreen unless QT_QPA_PLATFORM asks for a screen; set before the
// application object exists, which reads it.
struct OffscreenUnlessSet {
    OffscreenUnlessSet();
};

// Makes sure the folder exists and writes both data files of `lines` lines each into it (none
// for 0); returns its path.
QString benchDataFolder(const QTemporaryDir &dir, int lines);

// Application is QApplication for the benchmarks that build screens, QCoreApplication for the
// store's.
template <typename Application>
class BenchStart : private OffscreenUnlessSet
{
public:
    BenchStart(int &argc, char **argv, int lines = kMaxDataLines)
        : app(argc, argv)
        , m_folder(benchDataFolder(m_dir, lines))
    {
    }

    const QString &path() const { return m_folder.path(); }
    const DataFolder &folder() const { return m_folder; }
    QString filePath(const QString &name) const { return m_folder.pathFor(name); }

    Application app;

private:
    QTemporaryDir m_dir;
    DataFolder m_folder;
};
