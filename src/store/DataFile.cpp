#include "store/DataFile.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/NumberText.h"
#include "store/SafeSave.h"
#include "store/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kLineEnd("\r\n");

QString readError(const QString &name, const QString &reason)
{
    return QStringLiteral("「%1」を読み込めませんでした（%2）。").arg(name, reason);
}

QString fullMessage(const QString &name)
{
    return QStringLiteral("「%1」は上限の%2行に達しているため、これ以上記録できません。").arg(name).arg(kMaxDataLines);
}

// The raw bytes of a file; a missing file is empty. False only when an existing file cannot be read.
bool readBytes(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.exists()) {
        bytes->clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    return true;
}

// Counting line ends on the raw bytes is safe: no Windows-31J trail byte is CR, LF or '"'.
qsizetype countNonBlankLines(const QByteArray &bytes)
{
    qsizetype count = 0;
    bool content = false;
    for (char c : bytes) {
        if (c == '\n') {
            if (content)
                ++count;
            content = false;
        } else if (c != '\r' && c != ' ' && c != '\t') {
            content = true;
        }
    }
    return content ? count + 1 : count;
}

} // namespace

QString MeasurementFile::malformedReport() const
{
    QStringList lines;
    for (const MalformedLine &bad : malformed)
        lines << QStringLiteral("「%1」の%2行目を記録として読み取れません：%3").arg(fileName).arg(bad.lineNumber).arg(bad.text);
    return lines.join(u'\n');
}

MeasurementFile ReadMeasurements(const DataFolder &folder, const QString &name)
{
    MeasurementFile result;
    result.fileName = name;
    const QString path = folder.pathFor(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.exists = true;
    const QString text = decodeCp932(file.readAll());
    const QList<QStringView> lines = splitLines(text);
    result.records.reserve(lines.size());
    int number = 0;
    for (QStringView line : lines) {
        ++number;
        if (isBlank(line))
            continue;
        if (std::optional<Measurement> m = parseMeasurementLine(line))
            result.records.append(std::move(*m));
        else
            result.malformed.append({number, line.toString()});
    }
    return result;
}

StoreResult AppendMeasurement(const DataFolder &folder, const QString &name, const Measurement &m)
{
    if (StoreResult r = checkStorable(m); !r)
        return r;
    QByteArray line;
    if (StoreResult r = encodeText(measurementLine(m), &line); !r)
        return r;
    const QString path = folder.pathFor(name);
    QByteArray existing;
    QString error;
    if (!readBytes(path, &existing, &error))
        return StoreResult::failure(readError(name, error));
    if (countNonBlankLines(existing) >= kMaxDataLines)
        return StoreResult::failure(fullMessage(name));
    QByteArray bytes;
    // A file whose last line lacks its line end would otherwise swallow the new line.
    if (!existing.isEmpty() && !existing.endsWith('\n'))
        bytes += kLineEnd;
    bytes += line;
    bytes += kLineEnd;
    return SafeSave::appendToFile(path, bytes);
}

StoreResult InsertMeasurementInOrder(const DataFolder &folder, const QString &name, const Measurement &m)
{
    if (StoreResult r = checkStorable(m); !r)
        return r;
    const QString path = folder.pathFor(name);
    QByteArray existing;
    QString error;
    if (!readBytes(path, &existing, &error))
        return StoreResult::failure(readError(name, error));
    if (countNonBlankLines(existing) >= kMaxDataLines)
        return StoreResult::failure(fullMessage(name));

    const QString text = decodeCp932(existing);
    const QList<QStringView> lines = splitLines(text);
    const QString newLine = measurementLine(m);
    QString out;
    out.reserve(text.size() + newLine.size() + 2 * lines.size() + 16);
    bool written = false;
    for (QStringView line : lines) {
        if (isBlank(line))
            continue;
        const std::optional<Measurement> read = parseMeasurementLine(line);
        if (!read) {
            out += line; // not a record: kept exactly as it stands
        } else {
            if (!written && read->date > m.date) {
                out += newLine;
                out += QStringLiteral("\r\n");
                written = true;
            }
            out += measurementLine(*read);
        }
        out += QStringLiteral("\r\n");
    }
    if (!written) {
        out += newLine;
        out += QStringLiteral("\r\n");
    }
    QByteArray bytes;
    if (StoreResult r = encodeText(out, &bytes); !r)
        return r;
    return SafeSave::replaceFile(path, bytes);
}

StoreResult RewriteDataFile(const DataFolder &folder, const QString &name, const QList<Measurement> &records)
{
    if (records.size() > kMaxDataLines)
        return StoreResult::failure(fullMessage(name));
    const MeasurementFile current = ReadMeasurements(folder, name);
    if (!current.malformed.isEmpty())
        return StoreResult::failure(QStringLiteral("記録として読み取れない行があるため「%1」を書き換えません。\n%2")
                                        .arg(name, current.malformedReport()));
    QString out;
    out.reserve(records.size() * 48);
    for (Measurement m : records) {
        m.reserved.clear();
        if (StoreResult r = checkStorable(m, false); !r)
            return r;
        out += measurementLine(m);
        out += QStringLiteral("\r\n");
    }
    QByteArray bytes;
    if (!encodeCp932(out, &bytes)) {
        // Slow path only on failure: name the record's text that holds the character.
        for (const Measurement &m : records) {
            if (StoreResult r = checkStorable(m); !r)
                return r;
        }
        return encodeText(out, &bytes);
    }
    return SafeSave::replaceFile(folder.pathFor(name), bytes);
}

StoreResult WriteFirstMeasurement(const DataFolder &folder, const QString &name, const QString &date,
                                  const QString &situation, double weight, double bodyFat)
{
    Measurement check;
    check.date = date;
    check.situation = situation;
    if (StoreResult r = checkStorable(check); !r)
        return r;
    const QString line = measurementLine(date, situation, storedNumber(weight), QString(), storedNumber(bodyFat), QString());
    QByteArray bytes;
    if (StoreResult r = encodeText(line + QStringLiteral("\r\n"), &bytes); !r)
        return r;
    return SafeSave::replaceFile(folder.pathFor(name), bytes);
}
