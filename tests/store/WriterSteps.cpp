#include "WriterSteps.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/MemoFile.h"
#include "store/Profile.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"

#include <QDate>

namespace WriterSteps {
namespace {

// Data files stay small, so that a rewrite costs about what an append does.
constexpr int kKeptRecords = 40;

Measurement recordFor(qint64 step, const QDate &date)
{
    Measurement m;
    m.date = date.toString(QStringLiteral("yyyy/MM/dd"));
    m.situation = QStringList{QStringLiteral("起床後"), QStringLiteral("夕食後"), QStringLiteral("①～")}.at(step % 3);
    m.weight = 50.0f + float(step % 400) / 10.0f;
    m.comment = QStringLiteral("手順%1").arg(step);
    m.bodyFat = 15.0f + float(step % 150) / 10.0f;
    return m;
}

// The last records of a file, each carrying the step in its comment: every byte after the first
// record's changes, so a rewrite cut short could not pass for either version.
StoreResult rewrite(const DataFolder &folder, const QString &name, qint64 step)
{
    const MeasurementFile file = ReadMeasurements(folder, name);
    if (!file.malformed.isEmpty())
        return StoreResult::failure(file.malformedReport());
    QList<Measurement> records = file.records.mid(qMax<qsizetype>(0, file.records.size() - kKeptRecords));
    for (Measurement &m : records)
        m.comment = QStringLiteral("書換%1").arg(step);
    return RewriteDataFile(folder, name, records);
}

QStringList situationsFor(qint64 step)
{
    QStringList entries;
    for (int i = 0; i < 8 + step % 5; ++i)
        entries << QStringLiteral("状況%1-%2").arg(step).arg(i);
    return entries;
}

} // namespace

QStringList files()
{
    return {FileName::data1, FileName::data2,   FileName::scaleSteps, DataFolder::creationSpelling(FileName::movingAverage),
            FileName::situationList, FileName::memo, FileName::profile1};
}

StoreResult run(const DataFolder &folder, qint64 step)
{
    const QDate start(2024, 1, 1);
    const qint64 round = step / 8;
    switch (step % 8) {
    case 0: // appended days follow one another
        return AppendMeasurement(folder, FileName::data1, recordFor(step, start.addDays(round)));
    case 1: // inserted days fall anywhere within a year
        return InsertMeasurementInOrder(folder, FileName::data2, recordFor(step, start.addDays((step * 7919) % 365)));
    case 2:
        return rewrite(folder, round % 2 ? FileName::data2 : FileName::data1, step);
    case 3:
        return WriteScaleSteps(folder, {QStringLiteral("0.%1").arg(step % 9 + 1), QStringLiteral("0.%1").arg(round % 9 + 1)});
    case 4:
        return WriteMovingAverageSetting(folder, QString::number(step % 100 + 1));
    case 5:
        if (round % 3 == 0)
            return AppendSituationQuoted(folder, QStringLiteral("追加%1").arg(step));
        return round % 3 == 1 ? RewriteSituationListQuoted(folder, situationsFor(step))
                              : RewriteSituationListPlain(folder, situationsFor(step));
    case 6:
        return WriteMemo(folder, QStringLiteral("メモ%1\n\"引用\"\n").repeated(int(step % 20) + 1));
    default:
        return WriteProfile(folder, FileName::profile1, {QStringLiteral("ぽむ%1").arg(step), 150.0f + float(step % 40), 50.5f});
    }
}

} // namespace WriterSteps
