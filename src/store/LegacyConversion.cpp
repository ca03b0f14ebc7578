#include "store/LegacyConversion.h"

#include "store/Cp932.h"
#include "store/FileRead.h"
#include "store/LegacyBackupName.h"
#include "store/LegacyReaders.h"
#include "store/MessageText.h"
#include "store/SafeSave.h"
#include "store/SystemReason.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kUnchanged = QStringLiteral("\nどのファイルも変換前のままです。");

struct FileBytes {
    bool exists = false;
    QByteArray bytes;
};

bool readFile(const QString &path, FileBytes *out, QString *error)
{
    const FileRead read = readWholeFile(path);
    if (read.unreadable()) {
        *error = read.error;
        return false;
    }
    out->exists = !read.missing();
    out->bytes = read.bytes;
    return true;
}

StoreResult failed(const QString &message)
{
    return StoreResult::failure(message + kUnchanged);
}

// The bytes of a data file holding the records, or the reason they cannot be stored.
StoreResult dataFileBytes(const QList<Measurement> &records, const QString &sourceName, QByteArray *bytes)
{
    if (records.isEmpty())
        return failed(QStringLiteral("「%1」には変換できる行がありません。").arg(sourceName));
    if (records.size() > kMaxDataLines)
        return failed(QStringLiteral("「%1」は%2行を超えるため変換できません。").arg(sourceName).arg(kMaxDataLines));
    QString text;
    for (const Measurement &m : records) {
        appendMeasurementLine(text, m.date, m.situation, m.weight, m.comment, m.bodyFat, m.reserved);
        text += u"\r\n";
    }
    if (encodeCp932(text, bytes))
        return StoreResult::success();
    // Only on failure: name the text that holds the character.
    for (const Measurement &m : records) {
        if (StoreResult r = checkStorable(m); !r)
            return failed(r.message());
    }
    return failed(QStringLiteral("「%1」の内容を保存できる文字に変換できません。").arg(sourceName));
}

// Replaces the data file with `converted`, after keeping its previous content under a free
// backup name. On failure nothing is left changed: the backup just made is taken away again.
// The backup's name goes to `backupName` (empty when the file had no content worth keeping).
StoreResult replaceKeepingBackup(const DataFolder &folder, const QString &dataFile, const FileBytes &previous,
                                 const QByteArray &converted, QString *backupName)
{
    backupName->clear();
    QString backupPath;
    if (previous.exists && !previous.bytes.isEmpty()) {
        *backupName = nextFreeBackupName(folder, LegacyFileName::dataBackup);
        backupPath = folder.pathFor(*backupName);
        if (StoreResult r = SafeSave::replaceFile(backupPath, previous.bytes); !r) {
            backupName->clear();
            return failed(r.message());
        }
    }
    if (StoreResult r = SafeSave::replaceFile(folder.pathFor(dataFile), converted); !r) {
        if (!backupPath.isEmpty())
            QFile::remove(backupPath);
        backupName->clear();
        return failed(r.message());
    }
    return StoreResult::success();
}

} // namespace

QString LegacyConversionReport::unreadableReport() const
{
    QStringList lines;
    for (const MalformedLine &bad : unreadable)
        lines << QStringLiteral("「%1」の%2行目：%3").arg(sourceName).arg(bad.lineNumber).arg(messageText(bad.text));
    return lines.join(u'\n');
}

bool hasWeightHistoryFile(const DataFolder &folder)
{
    QFile file(folder.pathFor(LegacyFileName::weightHistory));
    return file.open(QIODevice::ReadOnly);
}

bool holdsOlderData(const DataFolder &folder, const QString &dataFile)
{
    QFile file(folder.pathFor(dataFile));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The first line decides; a data file's line is far shorter than this.
    return isOlderData(file.read(64 * 1024));
}

StoreResult convertWeightHistoryFile(const DataFolder &folder, const QString &dataFile, float bodyFat,
                                     LegacyConversionReport *report)
{
    *report = LegacyConversionReport();
    report->sourceName = LegacyFileName::weightHistory;
    const QString sourcePath = folder.pathFor(LegacyFileName::weightHistory);
    const QString dataPath = folder.pathFor(dataFile);
    FileBytes source;
    FileBytes previous;
    QString error;
    if (!readFile(sourcePath, &source, &error) || !readFile(dataPath, &previous, &error))
        return failed(error);
    if (!source.exists)
        return failed(QStringLiteral("「%1」が見つかりません。").arg(report->sourceName));

    const LegacyRecords read = readWeightHistory(source.bytes, bodyFat);
    QByteArray converted;
    if (StoreResult r = dataFileBytes(read.records, report->sourceName, &converted); !r)
        return r;
    QString dataBackup;
    if (StoreResult r = replaceKeepingBackup(folder, dataFile, previous, converted, &dataBackup); !r)
        return r;

    // Renamed last: until then the file is still there to be converted at the next start.
    const QString sourceBackup = nextFreeBackupName(folder, LegacyFileName::weightHistoryBackup);
    QFile sourceFile(sourcePath);
    if (!sourceFile.rename(folder.pathFor(sourceBackup))) {
        const QString reason = systemReason(sourceFile.errorString());
        // Put the data file back as it was, and take the backup away again.
        StoreResult undone = StoreResult::success();
        if (previous.exists)
            undone = SafeSave::replaceFile(dataPath, previous.bytes);
        else
            QFile::remove(folder.pathFor(dataFile));
        if (!dataBackup.isEmpty() && undone)
            QFile::remove(folder.pathFor(dataBackup));
        const QString message = QStringLiteral("「%1」の名前を「%2」に変えられませんでした（%3）。").arg(report->sourceName, sourceBackup, reason);
        if (!undone)
            return StoreResult::failure(message + u'\n' + undone.message()
                                        + QStringLiteral("\n変換前の「%1」は「%2」に残っています。").arg(dataFile, dataBackup));
        return failed(message);
    }
    report->converted = int(read.records.size());
    report->unreadable = read.unreadable;
    report->dataBackupName = dataBackup;
    report->sourceBackupName = sourceBackup;
    return StoreResult::success();
}

StoreResult convertOlderDataFile(const DataFolder &folder, const QString &dataFile, float bodyFat,
                                 LegacyConversionReport *report)
{
    *report = LegacyConversionReport();
    report->sourceName = dataFile;
    FileBytes previous;
    QString error;
    if (!readFile(folder.pathFor(dataFile), &previous, &error))
        return failed(error);
    const LegacyRecords read = readOlderData(previous.bytes, bodyFat);
    QByteArray converted;
    if (StoreResult r = dataFileBytes(read.records, dataFile, &converted); !r)
        return r;
    QString dataBackup;
    if (StoreResult r = replaceKeepingBackup(folder, dataFile, previous, converted, &dataBackup); !r)
        return r;
    report->converted = int(read.records.size());
    report->unreadable = read.unreadable;
    report->dataBackupName = dataBackup;
    return StoreResult::success();
}
