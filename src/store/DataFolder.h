#pragma once

#include <QString>

// The one folder that holds every file of the program. File names are matched without regard
// to letter case: older versions and other tools spelled several of them both ways
// ("データ1.TXT", "データ1.txt"). One name is always one file, whoever asks and in whatever
// spelling: where a case-sensitive file system holds two spellings of one name, every reader and
// writer takes the same one, by this rule:
//  1. the spelling the program creates the file with (creationSpelling: the extension in lower
//     case, "データ1.txt"), when there is an entry of exactly that name;
//  2. otherwise the first entry, in the folder's listing sorted by code units ("データ1.TXT"
//     before "データ1.Txt"), whose name matches without regard to case;
//  3. otherwise no file exists yet, and it is created in the creation spelling.
// A folder or anything else of that name counts as the file (and reads as unreadable), so that
// a writer never puts a second spelling beside it.
class DataFolder
{
public:
    explicit DataFolder(const QString &path);

    const QString &path() const { return m_path; }

    // Path of the file of that name by the rule above; the caller's own spelling does not matter.
    QString pathFor(const QString &name) const;
    bool exists(const QString &name) const;

    // The spelling under which a new file is created: the extension in lower case.
    static QString creationSpelling(const QString &name);

private:
    QString m_path;
};
