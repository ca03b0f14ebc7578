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

} // namespace

CsvReading readLibra(QStringView text)
{
    ReadingCollector out(QStringLiteral("Libra の書き出し"));
    NamedUnit unit = NamedUnit::None;
    int version = 0;
    int fatColumn = 3;
    int logColumn = -1;
    const QList<QStringView> lines = trackerLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int number = int(n) + 1;
        const QStringView line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            const QStringView rest = line.sliced(1).trimmed();
            if (rest.startsWith(u"Version:", Qt::CaseInsensitive)) {
                const QStringView value = rest.sliced(8).trimmed();
                version = value == u"5" ? 5 : value == u"6" ? 6 : -1;
                if (version < 0) {
                    out.setError(QStringLiteral("Libra の書き出しの版「%1」は読み取れません（5 と 6 を読み取れます）。").arg(messageText(value)));
                    return out.finish();
                }
            } else if (rest.startsWith(u"Units:", Qt::CaseInsensitive)) {
                unit = unitNamed(rest.sliced(6));
                if (unit == NamedUnit::Other || unit == NamedUnit::None) {
                    out.setError(QStringLiteral("Libra の書き出しの単位「%1」は読み取れません（kg と lbs を読み取れます）。")
                                     .arg(messageText(rest.sliced(6).trimmed())));
                    return out.finish();
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
            continue;
        }
        if (logColumn < 0)
            logColumn = version == 6 ? 7 : 5;
        const QList<QStringView> fields = lines[n].split(u';');
        QString date;
        int second = -1;
        if (!parseTrackerDateTime(fields[0], &date, &second)) {
            out.problem(number, unreadableDate(fields[0]));
            continue;
        }
        const QStringView weightText = fields.size() > 1 ? fields[1] : QStringView();
        const std::optional<double> weight = parseTrackerNumber(weightText);
        if (!weight) {
            out.problem(number, unreadableWeight(weightText));
            continue;
        }
        double fat = 0;
        if (fields.size() > fatColumn && !optionalPercent(fields[fatColumn], &fat)) {
            out.problem(number, unreadableFat(fields[fatColumn]));
            continue;
        }
        QString log;
        for (qsizetype i = logColumn; i < fields.size(); ++i)
            log += (i > logColumn ? QStringLiteral(";") : QString()) + fields[i].toString();
        if (!out.add(number, date, second, inKilograms(*weight, unit), fat, log))
            break;
    }
    return out.finish(unit == NamedUnit::None);
}

CsvReading readTrale(QStringView text)
{
    ReadingCollector out(QStringLiteral("trale の書き出し"));
    NamedUnit unit = NamedUnit::None;
    const QList<QStringView> lines = trackerLines(text);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int number = int(n) + 1;
        const QStringView line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            // "#Date weight[kg]" names the unit.
            const qsizetype open = line.indexOf(u"weight[");
            const qsizetype close = line.indexOf(u']', open);
            if (open >= 0 && close > open)
                unit = unitNamed(line.sliced(open + 7, close - open - 7));
            continue;
        }
        const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 2) {
            out.problem(number, QStringLiteral("日時と体重の二つの項目になっていません"));
            continue;
        }
        QString date;
        int second = -1;
        if (!parseTrackerDateTime(fields[0], &date, &second)) {
            out.problem(number, unreadableDate(fields[0]));
            continue;
        }
        const std::optional<double> weight = parseTrackerNumber(fields[1]);
        if (!weight) {
            out.problem(number, unreadableWeight(fields[1]));
            continue;
        }
        if (!out.add(number, date, second, inKilograms(*weight, unit), 0))
            break;
    }
    return out.finish(unit == NamedUnit::None || unit == NamedUnit::Other);
}

CsvReading readGnomeHealth(QStringView text)
{
    ReadingCollector out(QStringLiteral("GNOME Health の書き出し"));
    const QList<CsvRow> rows = csvRows(text);
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows[r];
        if (blankRow(row))
            continue;
        if (!row.problem.isEmpty()) {
            out.problem(row.line, row.problem);
            continue;
        }
        QString date;
        int second = -1;
        const QString dateText = fieldAt(row.fields, 0);
        if (!parseTrackerDateTime(dateText, &date, &second)) {
            out.problem(row.line, unreadableDate(dateText));
            continue;
        }
        const QString weightText = fieldAt(row.fields, 1);
        const std::optional<double> weight = parseTrackerNumber(weightText);
        if (!weight) {
            out.problem(row.line, unreadableWeight(weightText));
            continue;
        }
        if (!out.add(row.line, date, second, *weight, 0))
            break;
    }
    return out.finish(true);
}

CsvReading readWithings(QStringView text)
{
    ReadingCollector out(QStringLiteral("Withings の書き出し"));
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
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows[r];
        if (blankRow(row))
            continue;
        if (!row.problem.isEmpty()) {
            out.problem(row.line, row.problem);
            continue;
        }
        QString date;
        int second = -1;
        const QString dateText = fieldAt(row.fields, dateColumn);
        if (!parseDateAndClock(dateText, &date, &second)) {
            out.problem(row.line, unreadableDate(dateText));
            continue;
        }
        const QString weightText = fieldAt(row.fields, weightColumn);
        const std::optional<double> weight = parseTrackerNumber(weightText);
        if (!weight) {
            out.problem(row.line, unreadableWeight(weightText));
            continue;
        }
        double fat = 0;
        const QString ratioText = fieldAt(row.fields, fatRatioColumn);
        const QString massText = fieldAt(row.fields, fatMassColumn);
        if (!ratioText.trimmed().isEmpty()) {
            if (!optionalPercent(ratioText, &fat)) {
                out.problem(row.line, unreadableFat(ratioText));
                continue;
            }
        } else if (!massText.trimmed().isEmpty()) {
            // The fat mass is in the weight's unit: the ratio needs no conversion.
            const std::optional<double> mass = parseTrackerNumber(massText);
            if (!mass) {
                out.problem(row.line, QStringLiteral("体脂肪量「%1」を数値として読み取れません").arg(messageText(massText)));
                continue;
            }
            fat = *weight > 0 ? *mass / *weight * 100.0 : 0;
        }
        const QString comment = fieldAt(row.fields, commentColumn);
        if (!out.add(row.line, date, second, inKilograms(*weight, unit), fat, comment))
            break;
    }
    return out.finish(unit == NamedUnit::None);
}

CsvReading readGarmin(QStringView text)
{
    ReadingCollector out(QStringLiteral("Garmin Connect の書き出し"));
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
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows[r];
        if (blankRow(row))
            continue;
        if (!row.problem.isEmpty()) {
            out.problem(row.line, row.problem);
            continue;
        }
        const QString first = fieldAt(row.fields, timeColumn);
        // A date row (" Nov 25, 2025") heads the rows of its day.
        QString day;
        int ignored = -1;
        if (parseEnglishDate(first, &day) || parseTrackerDateTime(first, &day, &ignored)) {
            date = day;
            continue;
        }
        const int second = parseClockTime(first);
        if (second < 0) {
            out.problem(row.line, unreadableTime(first));
            continue;
        }
        if (date.isEmpty()) {
            out.problem(row.line, QStringLiteral("この行の前に日付の行がありません"));
            continue;
        }
        QStringView weightText = QStringView(fieldAt(row.fields, weightColumn)).trimmed();
        qsizetype end = 0;
        while (end < weightText.size() && !weightText[end].isSpace() && !weightText[end].isLetter())
            ++end;
        const NamedUnit unit = unitNamed(weightText.sliced(end));
        const std::optional<double> weight = parseTrackerNumber(weightText.first(end));
        if (!weight || unit == NamedUnit::Other) {
            out.problem(row.line, unreadableWeight(weightText));
            continue;
        }
        double fat = 0;
        const QString fatText = fieldAt(row.fields, fatColumn);
        if (!optionalPercent(fatText, &fat)) {
            out.problem(row.line, unreadableFat(fatText));
            continue;
        }
        if (fileUnit == NamedUnit::None)
            fileUnit = unit;
        pending.append({row.line, date, second, *weight, unit, fat});
    }
    for (const Pending &p : std::as_const(pending)) {
        if (!out.add(p.line, p.date, p.second, inKilograms(p.weight, p.unit == NamedUnit::None ? fileUnit : p.unit), p.fat))
            break;
    }
    CsvReading reading = out.finish();
    reading.unitUnknown = fileUnit == NamedUnit::None && reading.error.isEmpty() && !reading.measurements.isEmpty();
    return reading;
}
