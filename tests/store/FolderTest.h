#pragma once

#include "StoreTestUtil.h"

#include <QObject>
#include <QTemporaryDir>

// A store test whose every test function starts in a new, empty data folder.
class FolderTest : public QObject
{
    Q_OBJECT

protected:
    QTemporaryDir *m_dir = nullptr;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    DataFolder folder() const { return DataFolder(m_dir->path()); }
    // Writes the lines, in Windows-31J and each ended by CR LF.
    void put(const QString &name, const QStringList &lines) { QVERIFY(StoreTest::writeFile(path(name), StoreTest::cp932Lines(lines))); }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }
};
