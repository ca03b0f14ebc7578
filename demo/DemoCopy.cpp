#include "DemoCopy.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "store/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QDate lastDay(const QList<Measurement> &records)
{
    QDate last;
    for (const Measurement &m : records) {
        const QDate day = QDate::fromString(m.date, QStringLiteral("yyyy/MM/dd"));
        if (day.isValid() && (!last.isValid() || day > last))
            last = day;
    }
    return last;
}

} // namespace

QString DemoMarkName()
{
    return QStringLiteral(".pmlina-demo");
}

namespace {

// Empties the folder (the lock is held elsewhere); a link is removed, never followed.
bool emptied(const QDir &folder)
{
    bool ok = true;
    const QFileInfoList entries = folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            ok = QDir(entry.filePath()).removeRecursively() && ok;
        else
            ok = QFile::remove(entry.filePath()) && ok;
    }
    return ok;
}

DemoCopyResult failed(const QString &message)
{
    return {DemoCopy::Failed, message};
}

} // namespace

DemoCopyResult CopyDemoFolder(const QString &from, const QString &to, const QDate &today)
{
    const QDir source(from);
    if (!source.exists())
        return failed(QStringLiteral("no demo folder at %1").arg(from));
    const QDir target(to);
    const bool earlier = target.exists() && !target.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (earlier && !target.exists(DemoMarkName()))
        return failed(QStringLiteral("%1 holds files that are not an earlier demo; left as it is").arg(to));
    if (!QDir().mkpath(to))
        return failed(QStringLiteral("cannot create %1").arg(to));
    FolderLock lock{DataFolder(to)};
    switch (lock.tryLock()) {
    case FolderLock::Outcome::Held:
        break;
    case FolderLock::Outcome::HeldByOther:
        return {DemoCopy::InUse, QStringLiteral("a demo is open on %1; left as it is").arg(to)};
    case FolderLock::Outcome::Unavailable:
        return failed(QStringLiteral("cannot lock %1").arg(to));
    }
    QFile mark(target.filePath(DemoMarkName()));
    if (!emptied(target) || !mark.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("cannot empty %1").arg(to));
    mark.close();
    for (const QString &name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), target.filePath(name)))
            return failed(QStringLiteral("cannot copy %1").arg(name));
    }

    const DataFolder folder(to);
    QList<Measurement> records[2];
    QDate last;
    for (int partner = 1; partner <= 2; ++partner) {
        const MeasurementFile file = ReadMeasurements(folder, FileName::dataFile(partner));
        if (!file.malformedReport().isEmpty())
            return failed(file.malformedReport());
        records[partner - 1] = file.records;
        const QDate partnerLast = lastDay(file.records);
        if (partnerLast.isValid() && (!last.isValid() || partnerLast > last))
            last = partnerLast;
    }
    if (!last.isValid())
        return {};
    const qint64 shift = last.daysTo(today);
    for (int partner = 1; partner <= 2; ++partner) {
        for (Measurement &m : records[partner - 1]) {
            const QDate day = QDate::fromString(m.date, QStringLiteral("yyyy/MM/dd"));
            if (day.isValid())
                m.date = storedDate(day.addDays(shift));
        }
        if (StoreResult r = RewriteDataFile(folder, FileName::dataFile(partner), records[partner - 1]); !r)
            return failed(r.message());
    }
    return {};
}
