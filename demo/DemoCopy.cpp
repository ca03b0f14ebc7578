#include "DemoCopy.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <QDir>
#include <QFile>

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

QString CopyDemoFolder(const QString &from, const QString &to, const QDate &today)
{
    const QDir source(from);
    if (!source.exists())
        return QStringLiteral("no demo folder at %1").arg(from);
    if (!QDir().mkpath(to))
        return QStringLiteral("cannot create %1").arg(to);
    for (const QString &name : source.entryList(QDir::Files)) {
        const QString target = QDir(to).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target))
            return QStringLiteral("cannot copy %1").arg(name);
    }

    const DataFolder folder(to);
    QList<Measurement> records[2];
    QDate last;
    for (int partner = 1; partner <= 2; ++partner) {
        const MeasurementFile file = ReadMeasurements(folder, FileName::dataFile(partner));
        if (!file.malformedReport().isEmpty())
            return file.malformedReport();
        records[partner - 1] = file.records;
        const QDate partnerLast = lastDay(file.records);
        if (partnerLast.isValid() && (!last.isValid() || partnerLast > last))
            last = partnerLast;
    }
    if (!last.isValid())
        return QString();
    const qint64 shift = last.daysTo(today);
    for (int partner = 1; partner <= 2; ++partner) {
        for (Measurement &m : records[partner - 1]) {
            const QDate day = QDate::fromString(m.date, QStringLiteral("yyyy/MM/dd"));
            if (day.isValid())
                m.date = storedDate(day.addDays(shift));
        }
        if (StoreResult r = RewriteDataFile(folder, FileName::dataFile(partner), records[partner - 1]); !r)
            return r.message();
    }
    return QString();
}
