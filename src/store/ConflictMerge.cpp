#include "store/ConflictMerge.h"

#include "store/Backup.h"
#include "store/CsvMerge.h"
#include "store/FileNames.h"
#include "store/MemoFile.h"
#include "store/TextFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

// Far beyond any file of the program (a full data file holds 32,767 lines of some 40 bytes).
constexpr qint64 kMaxCopyBytes = 32 * 1024 * 1024;

QString tooLarge(const QString &name)
{
    return QStringLiteral("「%1」は大きすぎるため、このプログラムのファイルのコピーとして読みません。").arg(name);
}

// A measurement as a whole record; the reserved field, which the program always writes empty,
// does not count.
QString recordKey(const Measurement &m)
{
    QString key;
    appendMeasurementLine(key, m.date, m.situation, m.weight, m.comment, m.bodyFat, QStringView());
    return key;
}

void sortByDate(QList<Measurement> &records)
{
    std::stable_sort(records.begin(), records.end(), [](const Measurement &a, const Measurement &b) { return a.date < b.date; });
}

// The lines of a text file, blank ones left out; an unreadable file fails.
StoreResult readLines(const DataFolder &folder, const QString &name, QStringList *lines)
{
    std::optional<QString> text;
    if (StoreResult r = readTextForChange(folder, name, &text); !r)
        return r;
    QString all = text.value_or(QString());
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    all.replace(u'\r', u'\n');
    *lines = all.split(u'\n');
    lines->removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    return StoreResult::success();
}

} // namespace

DataCopyDifference CompareDataCopy(const DataFolder &folder, const ConflictCopy &copy)
{
    DataCopyDifference difference;
    if (QFileInfo(folder.pathFor(copy.fileName)).size() > kMaxCopyBytes) {
        difference.error = tooLarge(copy.fileName);
        return difference;
    }
    const MeasurementFile theCopy = ReadMeasurements(folder, copy.fileName);
    const MeasurementFile file = ReadMeasurements(folder, copy.original);
    if (theCopy.unreadable() || file.unreadable()) {
        difference.error = theCopy.unreadable() ? theCopy.readError : file.readError;
        return difference;
    }
    QHash<QString, int> inFile;
    for (const Measurement &m : file.records)
        ++inFile[recordKey(m)];
    for (const Measurement &m : theCopy.records) {
        const auto it = inFile.find(recordKey(m));
        if (it != inFile.end() && it.value() > 0)
            --it.value();
        else
            difference.missing.append(m);
    }
    for (const int left : std::as_const(inFile))
        difference.onlyInFile += left;
    sortByDate(difference.missing);
    difference.unreadable = theCopy.malformed;
    return difference;
}

StoreResult MergeDataCopy(const DataFolder &folder, const ConflictCopy &copy, const QList<Measurement> &chosen, const QDate &today, int *added,
                          QString *keptAs)
{
    // Compared again now: the sync tool may have changed the file since the choice was offered.
    const DataCopyDifference now = CompareDataCopy(folder, copy);
    if (!now.error.isEmpty())
        return StoreResult::failure(now.error);
    QHash<QString, int> stillMissing;
    for (const Measurement &m : now.missing)
        ++stillMissing[recordKey(m)];
    QList<Measurement> merged;
    for (const Measurement &m : chosen) {
        const auto it = stillMissing.find(recordKey(m));
        if (it != stillMissing.end() && it.value() > 0) {
            --it.value();
            merged.append(m);
        }
    }
    sortByDate(merged);
    if (!merged.isEmpty()) {
        if (StoreResult r = BackupBeforeReplace(folder, {copy.original}, today); !r)
            return r;
        if (StoreResult r = mergeMeasurements(folder, copy.original, merged); !r)
            return r;
    }
    if (added)
        *added = int(merged.size());
    return KeepConflictCopy(folder, copy.fileName, keptAs);
}

TextCopyDifference CompareTextCopy(const DataFolder &folder, const ConflictCopy &copy)
{
    TextCopyDifference difference;
    if (QFileInfo(folder.pathFor(copy.fileName)).size() > kMaxCopyBytes) {
        difference.error = tooLarge(copy.fileName);
        return difference;
    }
    QStringList copyLines;
    QStringList fileLines;
    if (StoreResult r = readLines(folder, copy.fileName, &copyLines); !r) {
        difference.error = r.message();
        return difference;
    }
    if (StoreResult r = readLines(folder, copy.original, &fileLines); !r) {
        difference.error = r.message();
        return difference;
    }
    const QSet<QString> inCopy(copyLines.begin(), copyLines.end());
    const QSet<QString> inFile(fileLines.begin(), fileLines.end());
    for (const QString &line : std::as_const(copyLines)) {
        if (!inFile.contains(line))
            difference.onlyInCopy << line;
    }
    for (const QString &line : std::as_const(fileLines)) {
        if (!inCopy.contains(line))
            difference.onlyInFile << line;
    }
    return difference;
}

StoreResult KeepCurrentFile(const DataFolder &folder, const ConflictCopy &copy, const QStringList &appendToMemo, const QDate &today,
                            QString *keptAs)
{
    if (!appendToMemo.isEmpty() && copy.original == FileName::memo) {
        std::optional<QString> current;
        if (StoreResult r = readTextForChange(folder, FileName::memo, &current); !r)
            return r;
        if (StoreResult r = BackupBeforeReplace(folder, {FileName::memo}, today); !r)
            return r;
        const QString memo = memoFromFileText(current.value_or(QString()));
        const QString joined = appendToMemo.join(u'\n');
        if (StoreResult r = WriteMemo(folder, memo.isEmpty() ? joined : memo + u'\n' + joined); !r)
            return r;
    }
    return KeepConflictCopy(folder, copy.fileName, keptAs);
}
