#include "store/Backup.h"

#include "store/FileRead.h"
#include "store/FolderLock.h"

#include "store/SafeSave.h"
#include "store/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <map>

namespace {

const QString kRootName = QStringLiteral("backup");
const QString kConflictsName = QStringLiteral("conflicts");
// A folder being filled; its name never looks like a finished day's.
const QString kPartialPrefix = QStringLiteral(".partial-");

QString dayName(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

StoreResult failure(const QString &reason)
{
    return StoreResult::failure(QStringLiteral("データのバックアップを作れませんでした。%1").arg(reason));
}

// The day a backup folder belongs to ("2024-06-11" or "2024-06-11-3") and its number (1 for the
// day's first); an invalid date for any other name.
QDate dayOf(const QString &name, int *number = nullptr)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(?:-(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return QDate();
    if (number)
        *number = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
    return QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd"));
}

QStringList folderEntries(const QString &path, QDir::Filters filters)
{
    return QDir(path).entryList(filters | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A save cut short by a crash leaves its temporary file ("データ1.txt.a1B2c3") behind; it is
// no one's data, and a restore must not bring it back.
bool isUnfinishedSave(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.[^.]+\\.[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

// The data folder's own files; folders (the backups among them) are not copied, nor anything
// that is not a plain file (reading a pipe would never end), nor the lock an earlier version kept
// there.
QStringList dataFiles(const DataFolder &folder)
{
    QStringList files = folderEntries(folder.path(), QDir::Files);
    files.removeIf([](const QString &name) { return name == FolderLock::legacyFileName() || isUnfinishedSave(name); });
    return files;
}

void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies the named files of the data folder into a new backup folder `name`. The copies are made
// in a folder of another name, renamed once all are complete and synced.
StoreResult copyInto(const DataFolder &folder, const QStringList &names, const QString &name)
{
    const QString root = BackupRoot(folder);
    if (!QDir().mkpath(root))
        return failure(QStringLiteral("フォルダー「%1」を作れません。").arg(root));
    QTemporaryDir partial(QDir(root).filePath(kPartialPrefix + name + QStringLiteral("-XXXXXX")));
    if (!partial.isValid())
        return failure(QStringLiteral("「%1」に書き込めません（%2）。").arg(root, systemReason(partial.errorString())));
    for (const QString &file : names) {
        const FileRead read = readWholeFile(QDir(folder.path()).filePath(file));
        if (read.unreadable())
            return failure(read.error);
        if (read.missing())
            continue; // removed since the folder was listed: nothing to keep
        if (StoreResult r = SafeSave::replaceFile(partial.filePath(file), read.bytes); !r)
            return failure(r.message());
    }
    const QString target = QDir(root).filePath(name);
    if (!QDir().rename(partial.path(), target))
        return failure(QStringLiteral("「%1」を作れません。").arg(target));
    partial.setAutoRemove(false);
    syncFolder(root);
    return StoreResult::success();
}

// Removes the folders of all days but the kKeptBackupDays latest, today's always among those
// kept, and what a backup cut short left behind on another day.
StoreResult rotate(const DataFolder &folder, const QDate &today)
{
    const QString root = BackupRoot(folder);
    std::map<QDate, QStringList, std::greater<QDate>> days; // the other days, latest first
    QStringList doomed;
    for (const QString &name : folderEntries(root, QDir::Dirs)) {
        if (name.startsWith(kPartialPrefix)) {
            if (!name.startsWith(kPartialPrefix + dayName(today)))
                doomed << name;
            continue;
        }
        const QDate day = dayOf(name);
        if (day.isValid() && day != today)
            days[day] << name;
    }
    int kept = 1; // today
    for (const auto &[day, names] : days) {
        if (kept < kKeptBackupDays)
            ++kept;
        else
            doomed << names;
    }
    QStringList failed;
    for (const QString &name : doomed) {
        if (!QDir(QDir(root).filePath(name)).removeRecursively())
            failed << name;
    }
    if (!failed.isEmpty())
        return StoreResult::failure(QStringLiteral("今日のバックアップは作りましたが、古いバックアップ（%1）を削除できませんでした。")
                                        .arg(failed.join(QStringLiteral("、"))));
    return StoreResult::success();
}

} // namespace

QString BackupRoot(const DataFolder &folder)
{
    return QDir(folder.path()).filePath(kRootName);
}

StoreResult MakeDailyBackup(const DataFolder &folder, const QDate &today)
{
    // A run that only reads changes nothing that would need a copy.
    if (SafeSave::readOnly())
        return StoreResult::success();
    if (!today.isValid())
        return failure(QStringLiteral("今日の日付がわかりません。"));
    if (QFileInfo(QDir(BackupRoot(folder)).filePath(dayName(today))).isDir())
        return StoreResult::success();
    const QStringList files = dataFiles(folder);
    if (files.isEmpty())
        return StoreResult::success();
    if (StoreResult r = copyInto(folder, files, dayName(today)); !r)
        return r;
    return rotate(folder, today);
}

StoreResult BackupBeforeReplace(const DataFolder &folder, const QStringList &fileNames, const QDate &today, QStringList *heldIn)
{
    // Refused before a backup folder is made: the replacement that follows would be refused too.
    if (SafeSave::readOnly())
        return failure(QStringLiteral("このポムリナは記録を見るだけで開いています。"));
    if (!today.isValid())
        return failure(QStringLiteral("今日の日付がわかりません。"));
    QStringList present;
    for (const QString &name : fileNames) {
        if (folder.exists(name))
            present << QFileInfo(folder.pathFor(name)).fileName();
    }
    if (present.isEmpty())
        return StoreResult::success();
    const QString root = BackupRoot(folder);
    const auto held = [&](const QStringList &days) {
        if (heldIn) {
            for (const QString &day : days) {
                if (!heldIn->contains(QDir(root).filePath(day)))
                    heldIn->append(QDir(root).filePath(day));
            }
        }
        return StoreResult::success();
    };
    if (!QFileInfo(QDir(root).filePath(dayName(today))).isDir()) {
        if (StoreResult r = MakeDailyBackup(folder, today); !r)
            return r;
        return held({dayName(today)});
    }

    // Today's folders, and whether any file is held by none of them as it is now.
    QStringList todays;
    int lastNumber = 1;
    for (const QString &name : folderEntries(root, QDir::Dirs)) {
        int number = 0;
        if (dayOf(name, &number) == today) {
            todays << name;
            lastNumber = std::max(lastNumber, number);
        }
    }
    bool anyNew = false;
    QStringList holders;
    for (const QString &file : present) {
        const FileRead read = readWholeFile(QDir(folder.path()).filePath(file));
        if (read.unreadable())
            return failure(read.error);
        const auto holder = std::find_if(todays.begin(), todays.end(), [&](const QString &day) {
            const FileRead copy = readWholeFile(QDir(root).filePath(day + u'/' + file));
            return copy.state == FileRead::State::Read && copy.bytes == read.bytes;
        });
        if (holder == todays.end())
            anyNew = true;
        else
            holders << *holder;
    }
    if (!anyNew)
        return held(holders);
    const QString name = dayName(today) + u'-' + QString::number(lastNumber + 1);
    if (StoreResult r = copyInto(folder, present, name); !r)
        return r;
    return held({name});
}

StoreResult KeepConflictCopy(const DataFolder &folder, const QString &copyName, QString *keptAs)
{
    QString movedTo;
    const StoreResult r = SafeSave::moveIntoFolder(QDir(folder.path()).filePath(copyName), QDir(BackupRoot(folder)).filePath(kConflictsName), &movedTo);
    if (r && keptAs)
        *keptAs = QDir(folder.path()).relativeFilePath(movedTo);
    return r;
}
