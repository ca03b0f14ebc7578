#pragma once

#include <QString>

// The one folder that holds every file of the program. File names are matched without regard
// to letter case, because the program spells several of them both ways ("データ1.TXT",
// "データ1.txt"); a file that does not exist yet is created under one fixed spelling.
class DataFolder
{
public:
    explicit DataFolder(const QString &path);

    const QString &path() const { return m_path; }

    // Path of the existing file whose name matches without regard to case (an exact match wins),
    // otherwise the path under which the file is to be created.
    QString pathFor(const QString &name) const;
    bool exists(const QString &name) const;

    // The spelling under which a new file is created: the extension in lower case.
    static QString creationSpelling(const QString &name);

private:
    QString m_path;
};
