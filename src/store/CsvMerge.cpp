#include "store/CsvMerge.h"

#include "store/Cp932.h"
#include "store/DataFile.h"
#include "store/FileRead.h"
#include "store/SafeSave.h"

#include <QHash>

#include <algorithm>
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
        lines << QStringLiteral("%1行目：%2").arg(p.lineNumber).arg(p.reason);
    return lines.join(u'\n');
}

CsvImportPlan planCsvImport(const DataFolder &folder, const QString &dataFile, const CsvReading &reading)
{
    CsvImportPlan plan;
    if (!reading.error.isEmpty()) {
        plan.error = reading.error;
        return plan;
    }
    plan.problems = reading.problems;

    const QList<CsvMeasurement> &rows = reading.measurements;
    // The order to take the lines in: by date, and within a date by the time the line gives;
    // lines that give no time (all of our own export, whose times only keep a day's lines apart)
    // come first in their day, in the file's order. openScale 2 lists its measurements newest first, so a file that
    // ends on an earlier day than it begins is read from its end.
    QList<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (rows.size() > 1 && rows.constFirst().measurement.date > rows.constLast().measurement.date)
        std::reverse(order.begin(), order.end());
    const auto earlier = [&](qsizetype a, qsizetype b) {
        if (const int c = QString::compare(rows[a].measurement.date, rows[b].measurement.date); c != 0)
            return c < 0;
        return rows[a].time < rows[b].time;
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
        ++present[Key{m.date, m.weight, m.bodyFat}];
    plan.added.reserve(rows.size());
    for (const qsizetype i : std::as_const(order)) {
        const Measurement &m = rows[i].measurement;
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
        if (StoreResult r = checkStorable(m, false); !r)
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
            return StoreResult::failure(QStringLiteral("「%1」は保存できない文字です。").arg(bad));
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
