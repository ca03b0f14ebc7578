// SPDX-License-Identifier: GPL-3.0-or-later
// The text exports of Libra, trale, GNOME Health, Withings and Garmin Connect. What each one
// writes is told in the README's import section, with where it was confirmed.
#include "store/CsvText.h"
#include "store/MessageText.h"
#include "store/TrackerFields.h"
#include "store/TrackerReaders.h"

namespace {

QString unreadableDate(QStringView text)
{
    return QStringLiteral("日付「%1」を読み取れません").arg(messageText(text));
}

QString unreadableTime(QStringView text)
{
    return QStringLiteral("時刻「%1」を読み取れません").arg(messageText(text));
}

QString unreadableWeight(QStringView text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("体重がありません");
    return QStringLiteral("体重「%1」を数値として読み取れません").arg(messageText(text));
}

QString unreadableFat(QStringView text)
{
    return QStringLiteral("体脂肪率「%1」を数値として読み取れません").arg(messageText(text));
}

// A unit as trackers name it in a header or after a number: kilograms, pounds, or neither.
enum class NamedUnit { None, Kilogram, Pound, Other };

NamedUnit unitNamed(QStringView name)
{
    name = name.trimmed();
    if (name.isEmpty())
        return NamedUnit::None;
    if (name.compare(u"kg", Qt::CaseInsensitive) == 0 || name.compare(u"kgs", Qt::CaseInsensitive) == 0)
        return NamedUnit::Kilogram;
    if (name.compare(u"lb", Qt::CaseInsensitive) == 0 || name.compare(u"lbs", Qt::CaseInsensitive) == 0)
        return NamedUnit::Pound;
    return NamedUnit::Other;
}

double inKilograms(double value, NamedUnit unit)
{
    return unit == NamedUnit::Pound ? value * kKilogramsPerPound : value;
}

// The fields of every record of a comma-separated text, with the line each starts on.
struct CsvRow {
    int line = 0;
    QStringList fields;
    QString problem;
};

QList<CsvRow> csvRows(QStringView text)
{
    QList<CsvRow> rows;
    CsvReader reader(text, u',');
    QList<QStringView> fields;
    while (reader.next(&fields)) {
        CsvRow &row = rows.emplace_back();
        row.line = reader.lineNumber();
        row.problem = reader.problem();
        for (const QStringView f : std::as_const(fields))
            row.fields.append(f.toString());
    }
    return rows;
}

bool blankRow(const CsvRow &row)
{
    for (const QString &f : row.fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

int columnNamed(const QStringList &header, const auto &matches)
{
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (matches(header[i].trimmed()))
            return int(i);
    }
    return -1;
}

QString fieldAt(const QStringList &fields, int column)
{
    return column >= 0 && column < fields.size() ? fields[column] : QString();
}

// A body fat that may be left out: empty, "--" or a dash stands for none; "20%" or "22.4 %" for 20.
bool optionalPercent(QStringView text, double *value)
{
    text = text.trimmed();
    if (text.endsWith(u'%'))
        text = text.first(text.size() - 1).trimmed();
    if (text.isEmpty() || text == u"--" || text == u"-" || text == u"\u2013" || text == u"\u2014") {
        *value = 0;
        return true;
    }
    const std::optional<double> v = parseTrackerNumber(text);
    if (!v)
        return false;
    *value = *v;
    return true;
}

// "2016-05-31 6:36 AM", "2026-09-17 10:00:00", "2026-09-17": a date and a clock after it.
bool parseDateAndClock(QStringView text, QString *date, int *second)
{
    text = text.trimmed();
    if (parseTrackerDateTime(text, date, second))
        return true;
    const qsizetype space = text.indexOf(u' ');
    if (space < 0 || !parseTrackerDateTime(text.first(space), date, second))
        return false;
    *second = parseClockTime(text.sliced(space + 1));
    return *second >= 0;
}

// Each row after the header that holds something, in order, until `read` returns false; a row
// the CSV reader could not take is said and passed by.
template <typename Read>
void forEachDataRow(const QList<CsvRow> &rows, ReadingCollector &out, Read read)
{
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows[r];
        if (blankRow(row))
            continue;
        if (!row.problem.isEmpty()) {
            out.problem(row.line, row.problem);
            continue;
        }
        if (!read(row))
            return;
    }
}

// Each line that holds something, with its number from 1 and as it stands trimmed, until
// `read` returns false.
template <typename Read>
void forEachLine(QStringView text, Read read)
{
    const QList<QStringView> lines = trackerLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringView line = lines[n].trimmed();
        if (!line.isEmpty() && !read(int(n) + 1, lines[n], line))
            return;
    }
}

// A row's date (read by `parseDate`) and weight, as its source wrote them; a problem is said.
struct DatedWeight {
    QString date;
    int second = -1;
    double weight = 0;
};

std::optional<DatedWeight> datedWeight(ReadingCollector &out, int line, QStringView dateText, QStringView weightText,
                                       bool (*parseDate)(QStringView, QString *, int *) = parseTrackerDateTime)
{
    DatedWeight dated;
    if (!parseDate(dateText, &dated.date, &dated.second)) {
        out.problem(line, unreadableDate(dateText));
        return std::nullopt;
    }
    const std::optional<double> weight = parseTrackerNumber(weightText);
    if (!weight) {
        out.problem(line, unreadableWeight(weightText));
        return std::nullopt;
    }
    dated.weight = *weight;
    return dated;
}

} // namespace

CsvReading readLibra(QStringView text)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::Libra));
    NamedUnit unit = NamedUnit::None;
    int version = 0;
    int fatColumn = 3;
    int logColumn = -1;
    forEachLine(text, [&](int number, QStringView whole, QStringView line) {
        if (line.startsWith(u'#')) {
            const QStringView rest = line.sliced(1).trimmed();
            if (rest.startsWith(u"Version:", Qt::CaseInsensitive)) {
                const QStringView value = rest.sliced(8).trimmed();
                version = value == u"5" ? 5 : value == u"6" ? 6 : -1;
                if (version < 0) {
                    out.setError(QStringLiteral("Libra の書き出しの版「%1」は読み取れません（5 と 6 を読み取れます）。").arg(messageText(value)));
                    return false;
                }
            } else if (rest.startsWith(u"Units:", Qt::CaseInsensitive)) {
                unit = unitNamed(rest.sliced(6));
                if (unit == NamedUnit::Other || unit == NamedUnit::None) {
                    out.setError(QStringLiteral("Libra の書き出しの単位「%1」は読み取れません（kg と lbs を読み取れます）。")
                                     .arg(messageText(rest.sliced(6).trimmed())));
                    return false;
                }
            } else if (rest.startsWith(u"date;", Qt::CaseInsensitive)) {
                const QList<QStringView> names = rest.split(u';');
                for (qsizetype i = 0; i < names.size(); ++i) {
                    if (names[i].trimmed().compare(u"body fat", Qt::CaseInsensitive) == 0)
                        fatColumn = int(i);
                    else if (names[i].trimmed().compare(u"log", Qt::CaseInsensitive) == 0)
                        logColumn = int(i);
                }
            }
            return true;
        }
        if (logColumn < 0)
            logColumn = version == 6 ? 7 : 5;
        const QList<QStringView> fields = whole.split(u';');
        const std::optional<DatedWeight> dated = datedWeight(out, number, fields[0], fields.size() > 1 ? fields[1] : QStringView());
        if (!dated)
            return true;
        double fat = 0;
        if (fields.size() > fatColumn && !optionalPercent(fields[fatColumn], &fat)) {
            out.problem(number, unreadableFat(fields[fatColumn]));
            return true;
        }
        QString log;
        for (qsizetype i = logColumn; i < fields.size(); ++i)
            log += (i > logColumn ? QStringLiteral(";") : QString()) + fields[i].toString();
        return out.add(number, dated->date, dated->second, inKilograms(dated->weight, unit), fat, log);
    });
    return out.finish(unit == NamedUnit::None);
}

CsvReading readTrale(QStringView text)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::Trale));
    NamedUnit unit = NamedUnit::None;
    forEachLine(text, [&](int number, QStringView, QStringView line) {
        if (line.startsWith(u'#')) {
            // "#Date weight[kg]" names the unit.
            const qsizetype open = line.indexOf(u"weight[");
            const qsizetype close = line.indexOf(u']', open);
            if (open >= 0 && close > open)
                unit = unitNamed(line.sliced(open + 7, close - open - 7));
            return true;
        }
        const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 2) {
            out.problem(number, QStringLiteral("日時と体重の二つの項目になっていません"));
            return true;
        }
        const std::optional<DatedWeight> dated = datedWeight(out, number, fields[0], fields[1]);
        return !dated || out.add(number, dated->date, dated->second, inKilograms(dated->weight, unit), 0);
    });
    return out.finish(unit == NamedUnit::None || unit == NamedUnit::Other);
}

CsvReading readGnomeHealth(QStringView text)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::GnomeHealth));
    forEachDataRow(csvRows(text), out, [&](const CsvRow &row) {
        const std::optional<DatedWeight> dated = datedWeight(out, row.line, fieldAt(row.fields, 0), fieldAt(row.fields, 1));
        return !dated || out.add(row.line, dated->date, dated->second, dated->weight, 0);
    });
    return out.finish(true);
}

CsvReading readWithings(QStringView text)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::Withings));
    const QList<CsvRow> rows = csvRows(text);
    const QStringList header = rows.isEmpty() ? QStringList() : rows[0].fields;
    const int dateColumn = columnNamed(header, [](QStringView h) { return h.compare(u"Date", Qt::CaseInsensitive) == 0; });
    const int weightColumn = columnNamed(header, [](QStringView h) { return h.startsWith(u"Weight", Qt::CaseInsensitive); });
    const int fatMassColumn = columnNamed(header, [](QStringView h) { return h.startsWith(u"Fat mass", Qt::CaseInsensitive); });
    const int fatRatioColumn = columnNamed(header, [](QStringView h) { return h.startsWith(u"Fat Ratio", Qt::CaseInsensitive); });
    const int commentColumn = columnNamed(header, [](QStringView h) { return h.compare(u"Comments", Qt::CaseInsensitive) == 0; });
    // "Weight (kg)" or "Weight (lb)": the header names the unit of every mass.
    NamedUnit unit = NamedUnit::None;
    if (weightColumn >= 0) {
        const QString name = header[weightColumn];
        const qsizetype open = name.indexOf(u'(');
        const qsizetype close = name.indexOf(u')', open);
        if (open >= 0 && close > open)
            unit = unitNamed(QStringView(name).sliced(open + 1, close - open - 1));
    }
    if (unit == NamedUnit::Other) {
        out.setError(QStringLiteral("Withings の書き出しの体重の単位「%1」は読み取れません。").arg(messageText(header[weightColumn])));
        return out.finish();
    }
    forEachDataRow(rows, out, [&](const CsvRow &row) {
        const std::optional<DatedWeight> dated =
            datedWeight(out, row.line, fieldAt(row.fields, dateColumn), fieldAt(row.fields, weightColumn), parseDateAndClock);
        if (!dated)
            return true;
        double fat = 0;
        const QString ratioText = fieldAt(row.fields, fatRatioColumn);
        const QString massText = fieldAt(row.fields, fatMassColumn);
        if (!ratioText.trimmed().isEmpty()) {
            if (!optionalPercent(ratioText, &fat)) {
                out.problem(row.line, unreadableFat(ratioText));
                return true;
            }
        } else if (!massText.trimmed().isEmpty()) {
            // The fat mass is in the weight's unit: the ratio needs no conversion.
            const std::optional<double> mass = parseTrackerNumber(massText);
            if (!mass) {
                out.problem(row.line, QStringLiteral("体脂肪量「%1」を数値として読み取れません").arg(messageText(massText)));
                return true;
            }
            fat = dated->weight > 0 ? *mass / dated->weight * 100.0 : 0;
        }
        const QString comment = fieldAt(row.fields, commentColumn);
        return out.add(row.line, dated->date, dated->second, inKilograms(dated->weight, unit), fat, comment);
    });
    return out.finish(unit == NamedUnit::None);
}

CsvReading readGarmin(QStringView text)
{
    ReadingCollector out(trackerSourceName(TrackerFormat::Garmin));
    const QList<CsvRow> rows = csvRows(text);
    const QStringList header = rows.isEmpty() ? QStringList() : rows[0].fields;
    const int timeColumn = 0;
    const int weightColumn = columnNamed(header, [](QStringView h) { return h.compare(u"Weight", Qt::CaseInsensitive) == 0; });
    const int fatColumn = columnNamed(header, [](QStringView h) { return h.compare(u"Body Fat", Qt::CaseInsensitive) == 0; });
    // A weight may carry its unit ("80.4 kg", "157.4 lbs"); weights that carry none take the unit
    // the others carry, and without any the file does not say it.
    struct Pending {
        int line;
        QString date;
        int second;
        double weight;
        NamedUnit unit;
        double fat;
    };
    QList<Pending> pending;
    NamedUnit fileUnit = NamedUnit::None;
    QString date;
    forEachDataRow(rows, out, [&](const CsvRow &row) {
        const QString first = fieldAt(row.fields, timeColumn);
        // A date row (" Nov 25, 2025") heads the rows of its day.
        QString day;
        int ignored = -1;
        if (parseEnglishDate(first, &day) || parseTrackerDateTime(first, &day, &ignored)) {
            date = day;
            return true;
        }
        const int second = parseClockTime(first);
        if (second < 0) {
            out.problem(row.line, unreadableTime(first));
            return true;
        }
        if (date.isEmpty()) {
            out.problem(row.line, QStringLiteral("この行の前に日付の行がありません"));
            return true;
        }
        QStringView weightText = QStringView(fieldAt(row.fields, weightColumn)).trimmed();
        qsizetype end = 0;
        while (end < weightText.size() && !weightText[end].isSpace() && !weightText[end].isLetter())
            ++end;
        const NamedUnit unit = unitNamed(weightText.sliced(end));
        const std::optional<double> weight = parseTrackerNumber(weightText.first(end));
        if (!weight || unit == NamedUnit::Other) {
            out.problem(row.line, unreadableWeight(weightText));
            return true;
        }
        double fat = 0;
        const QString fatText = fieldAt(row.fields, fatColumn);
        if (!optionalPercent(fatText, &fat)) {
            out.problem(row.line, unreadableFat(fatText));
            return true;
        }
        if (fileUnit == NamedUnit::None)
            fileUnit = unit;
        pending.append({row.line, date, second, *weight, unit, fat});
        return true;
    });
    for (const Pending &p : std::as_const(pending)) {
        if (!out.add(p.line, p.date, p.second, inKilograms(p.weight, p.unit == NamedUnit::None ? fileUnit : p.unit), p.fat))
            break;
    }
    CsvReading reading = out.finish();
    reading.unitUnknown = fileUnit == NamedUnit::None && reading.error.isEmpty() && !reading.measurements.isEmpty();
    return reading;
}
