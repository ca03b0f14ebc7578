#include "store/CsvMerge.h"

#include "store/Cp932.h"
#include "store/DataFile.h"
#include "store/FileRead.h"
#include "store/MessageText.h"
#include "store/NumberText.h"
#include "store/SafeSave.h"

#include <QHash>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <cstring>

namespace {

// What makes two measurements the same one: the day and both numbers.
struct Key {
    QString date;
    float weight;
    float bodyFat;
    bool operator==(const Key &) const = default;
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return qHashMulti(seed, key.date, key.weight, key.bodyFat);
}

QString fullMessage(const QString &name, qsizetype present, qsizetype added)
{
    return QStringLiteral("「%1」は%2行あり、%3件を加えると上限の%4行を超えるため取り込めません。")
        .arg(name)
        .arg(present)
        .arg(added)
        .arg(kMaxDataLines);
}

// Why a measurement from another program is not taken, or empty when it is plausible.
QString implausibility(const Measurement &m, const QString &latestDate)
{
    if (!isStoredDate(m.date) || m.date < kEarliestImportedDate || m.date > latestDate)
        return QStringLiteral("日付%1は取り込めない日です（%2～%3）").arg(messageText(m.date), kEarliestImportedDate, latestDate);
    if (!(m.weight > 0.0f && m.weight < kMaxImportedWeight))
        return QStringLiteral("体重%1kgは取り込めない値です（0kgより大きく%2kg未満）").arg(storedNumber(m.weight), storedNumber(kMaxImportedWeight));
    if (!(m.bodyFat >= 0.0f && m.bodyFat <= kMaxImportedBodyFat))
        return QStringLiteral("体脂肪率%1%は取り込めない値です（0～%2%）").arg(storedNumber(m.bodyFat), storedNumber(kMaxImportedBodyFat));
    return QString();
}

bool blank(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    }
    return true;
}

} // namespace

QString CsvImportPlan::problemList() const
{
    QStringList lines;
    for (const CsvLineProblem &p : problems)
        lines << place(p.lineNumber) + QStringLiteral("：") + p.reason;
    if (unlistedProblems > 0)
        lines << (countsRecords ? QStringLiteral("ほか%1件") : QStringLiteral("ほか%1行")).arg(unlistedProblems);
    return lines.join(u'\n');
}

QString CsvImportPlan::place(int number) const
{
    return (countsRecords ? QStringLiteral("%1件目") : QStringLiteral("%1行目")).arg(number);
}

CsvImportPlan planCsvImport(const DataFolder &folder, const QString &dataFile, const CsvReading &reading, const QDate &today)
{
    CsvImportPlan plan;
    plan.countsRecords = reading.countsRecords;
    if (!reading.error.isEmpty()) {
        plan.error = reading.error;
        return plan;
    }

    // Every measurement as the data file would hold it, or why it cannot go there.
    QList<Measurement> rows;
    QList<int> times;
    QList<CsvLineProblem> refused;
    rows.reserve(reading.measurements.size());
    const QString latest = storedDate(today.addDays(1));
    for (const CsvMeasurement &read : reading.measurements) {
        Measurement m = read.measurement;
        m.weight = storedValue(m.weight);
        m.bodyFat = storedValue(m.bodyFat);
        if (m.situation.isEmpty())
            m.situation = kImportedSituation;
        if (const QString why = implausibility(m, latest); !why.isEmpty()) {
            refused.append({read.lineNumber, why});
            continue;
        }
        StoreResult storable = checkStorableText(m.situation);
        if (!storable)
            storable = StoreResult::failure(QStringLiteral("状況：") + storable.message());
        else if (StoreResult r = checkStorableText(m.comment); !r)
            storable = StoreResult::failure(QStringLiteral("一言日記：") + r.message());
        if (!storable) {
            refused.append({read.lineNumber, storable.message()});
            continue;
        }
        m.reserved.clear();
        rows.append(m);
        times.append(read.time);
    }
    // Both lists are in line order; so is the plan's.
    std::merge(reading.problems.begin(), reading.problems.end(), refused.begin(), refused.end(), std::back_inserter(plan.problems),
               [](const CsvLineProblem &a, const CsvLineProblem &b) { return a.lineNumber < b.lineNumber; });
    plan.unlistedProblems = reading.unlistedProblems;
    if (plan.problems.size() > kMaxListedProblems) {
        plan.unlistedProblems += int(plan.problems.size() - kMaxListedProblems);
        plan.problems.resize(kMaxListedProblems);
    }

    // The order to take the lines in: by date, and within a date by the time the line gives;
    // lines that give no time (all of our own export, whose times only keep a day's lines apart)
    // come first in their day, in the file's order. openScale 2 lists its measurements newest first, so a file that
    // ends on an earlier day than it begins is read from its end.
    QList<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (rows.size() > 1 && rows.constFirst().date > rows.constLast().date)
        std::reverse(order.begin(), order.end());
    const auto earlier = [&](qsizetype a, qsizetype b) {
        if (const int c = QString::compare(rows[a].date, rows[b].date); c != 0)
            return c < 0;
        return times[a] < times[b];
    };
    if (!std::is_sorted(order.begin(), order.end(), earlier))
        std::stable_sort(order.begin(), order.end(), earlier);

    const MeasurementFile existing = ReadMeasurements(folder, dataFile);
    if (existing.unreadable()) {
        // Nothing can be told apart from what the file holds, and nothing may be written to it.
        plan.error = existing.readError;
        return plan;
    }
    QHash<Key, int> present;
    present.reserve(existing.records.size());
    for (const Measurement &m : existing.records)
        ++present[Key{m.date, storedValue(m.weight), storedValue(m.bodyFat)}];
    plan.added.reserve(rows.size());
    for (const qsizetype i : std::as_const(order)) {
        const Measurement &m = rows[i];
        if (!present.isEmpty()) {
            const auto it = present.find(Key{m.date, m.weight, m.bodyFat});
            if (it != present.end() && it.value() > 0) {
                --it.value();
                ++plan.duplicates;
                continue;
            }
        }
        plan.added.append(m);
    }
    const qsizetype lines = existing.records.size() + existing.malformed.size();
    if (lines + plan.added.size() > kMaxDataLines)
        plan.error = fullMessage(dataFile, lines, plan.added.size());
    return plan;
}

StoreResult mergeMeasurements(const DataFolder &folder, const QString &dataFile, const QList<Measurement> &added)
{
    for (const Measurement &m : added) {
        if (StoreResult r = checkStorable(m); !r)
            return r;
    }
    const QString path = folder.pathFor(dataFile);
    const FileRead read = readWholeFile(path);
    if (read.unreadable())
        return read.result();
    const QByteArray &existing = read.bytes;

    QByteArray out;
    out.reserve(existing.size() + added.size() * 64);
    qsizetype next = 0; // the first measurement not yet written
    QString pending;
    // Writes the new measurements dated before `date` (all that are left for an empty date).
    const auto writeNewBefore = [&](QStringView date) -> StoreResult {
        pending.truncate(0);
        while (next < added.size() && (date.isEmpty() || QStringView(added[next].date) < date)) {
            const Measurement &m = added[next++];
            appendMeasurementLine(pending, m.date, m.situation, m.weight, m.comment, m.bodyFat, QStringView());
            pending += u"\r\n";
        }
        if (pending.isEmpty())
            return StoreResult::success();
        QByteArray bytes;
        QString bad;
        if (!encodeCp932(pending, &bytes, &bad))
            return StoreResult::failure(QStringLiteral("%1は保存できない文字です。").arg(characterName(bad)));
        out += bytes;
        return StoreResult::success();
    };

    qsizetype lines = 0;
    const char *const data = existing.constData();
    const qsizetype size = existing.size();
    qsizetype b = 0;
    QString text;
    while (b < size) {
        const void *lf = std::memchr(data + b, '\n', size - b);
        const qsizetype end = lf ? static_cast<const char *>(lf) - data + 1 : size; // after the line end
        const QByteArrayView whole(data + b, end - b);
        QByteArrayView content = whole;
        if (content.endsWith('\n'))
            content.chop(1);
        if (content.endsWith('\r'))
            content.chop(1);
        if (!blank(content)) {
            ++lines;
            bool clean = false;
            text = decodeCp932(content, &clean);
            MeasurementView record;
            if (clean && next < added.size() && parseMeasurementView(text, &record)) {
                if (StoreResult r = writeNewBefore(record.date); !r)
                    return r;
            }
        }
        out.append(whole);
        b = end;
    }
    if (lines + added.size() > kMaxDataLines)
        return StoreResult::failure(fullMessage(dataFile, lines, added.size()));
    if (next < added.size() && !out.isEmpty() && !out.endsWith('\n'))
        out += out.endsWith('\r') ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
    if (StoreResult r = writeNewBefore(QStringView()); !r)
        return r;
    return SafeSave::replaceFile(path, out);
}
