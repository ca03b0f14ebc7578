#include "store/DataFile.h"

#include "store/Cp932.h"
#include "store/DataFileLines.h"
#include "store/FieldReader.h"
#include "store/FileRead.h"
#include "store/MessageText.h"
#include "store/NumberText.h"
#include "store/SafeSave.h"
#include "store/TextFile.h"

#include <cmath>
#include <cstring>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString fullMessage(const QString &name)
{
    return QStringLiteral("「%1」は上限の%2行に達しているため、これ以上記録できません。").arg(name).arg(kMaxDataLines);
}

// Counting line ends on the raw bytes is safe: no Windows-31J trail byte is CR, LF or '"'. A
// line counts when it holds anything but spaces, tabs and CRs.
qsizetype countNonBlankLines(const QByteArray &bytes)
{
    qsizetype count = 0;
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p != end) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', end - p));
        if (!lf)
            lf = end;
        for (const char *c = p; c != lf; ++c) {
            if (*c != '\r' && *c != ' ' && *c != '\t') {
                ++count;
                break;
            }
        }
        p = lf == end ? end : lf + 1;
    }
    return count;
}

// What a file that does not end in a line end needs before another line can follow: a final CR
// (a line end cut short) only lacks its LF, and a CR LF would leave a stray CR on that line.
QByteArray lineEndMissingAtEnd(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.endsWith('\n'))
        return QByteArray();
    return bytes.endsWith('\r') ? QByteArrayLiteral("\n") : kLineEnd;
}

// Equal texts of neighbouring lines (the date of a day's lines, the few situations, a repeated
// comment) share one string instead of each line allocating its own.
class RecentTexts
{
public:
    QString get(QStringView text)
    {
        if (text.isEmpty())
            return QString();
        // The text last handed out is the likeliest, so it is tried first.
        if (same(m_texts[m_last], text))
            return m_texts[m_last];
        for (int i = 0; i < kSize; ++i) {
            if (same(m_texts[i], text)) {
                m_last = i;
                return m_texts[i];
            }
        }
        m_last = m_next;
        m_next = (m_next + 1) % kSize;
        m_texts[m_last] = text.toString();
        return m_texts[m_last];
    }

private:
    static bool same(const QString &known, QStringView text) { return sameText(known, text); }

    static constexpr int kSize = 8;
    QString m_texts[kSize];
    int m_last = 0;
    int m_next = 0;
};

// Whether a text can go between double quotes on a line: no double quote and no line break.
bool plainText(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n')
            return false;
    }
    return true;
}

QList<MalformedLine> malformedLinesOf(const QByteArray &bytes)
{
    QList<MalformedLine> malformed;
    QString lastDate; // a copy: the text of a line lives only as long as its piece of the file
    forEachLine<false>(bytes, [&](const FileLine &line) {
        MeasurementView read;
        if (isBlankLine(line))
            return;
        if (!recordOf(line, &read, lastDate))
            malformed.append({line.number, line.text.toString()});
        else if (read.date != lastDate)
            lastDate = read.date.toString();
    });
    return malformed;
}

} // namespace

QString MeasurementFile::malformedReport() const
{
    QStringList lines;
    for (const MalformedLine &bad : malformed)
        lines << QStringLiteral("「%1」の%2行目を記録として読み取れません：%3").arg(fileName).arg(bad.lineNumber).arg(messageText(bad.text));
    return lines.join(u'\n');
}

MeasurementFile ReadMeasurements(const DataFolder &folder, const QString &name)
{
    return ReadMeasurements(readWholeFile(folder.pathFor(name)), name);
}

MeasurementFile ReadMeasurements(const FileRead &read, const QString &name)
{
    MeasurementFile result;
    result.fileName = name;
    result.exists = !read.missing();
    result.readError = read.error;
    const QByteArray &bytes = read.bytes;
    // Room for lines of 32 bytes and more; a real line is longer, so one allocation does.
    result.records.reserve(bytes.size() / 32 + 1);
    RecentTexts dates;
    RecentTexts texts;
    forEachRecordLine(
        bytes,
        [&](const CanonicalRecord &read) {
            Measurement &m = result.records.emplace_back();
            m.date = *read.date;
            m.situation = *read.situation;
            m.weight = read.weight;
            m.comment = *read.comment;
            m.bodyFat = read.bodyFat;
            m.reserved = *read.reserved;
        },
        [&](const FileLine &line) {
            if (isBlankLine(line))
                return;
            MeasurementView read;
            if (!recordOf(line, &read, result.records.isEmpty() ? QStringView() : QStringView(result.records.constLast().date))) {
                result.malformed.append({line.number, line.text.toString()});
                return;
            }
            Measurement &m = result.records.emplace_back();
            m.date = dates.get(read.date);
            m.situation = texts.get(read.situation);
            m.weight = read.weight;
            m.comment = texts.get(read.comment);
            m.bodyFat = read.bodyFat;
            m.reserved = texts.get(read.reserved);
        });
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
    const FileRead read = readWholeFile(path);
    if (read.unreadable())
        return read.result();
    const QByteArray &existing = read.bytes;
    if (countNonBlankLines(existing) >= kMaxDataLines)
        return StoreResult::failure(fullMessage(name));
    // A file whose last line lacks its line end would otherwise swallow the new line.
    QByteArray bytes = lineEndMissingAtEnd(existing);
    bytes += line;
    bytes += kLineEnd;
    return SafeSave::appendToFile(path, bytes);
}

StoreResult InsertMeasurementInOrder(const DataFolder &folder, const QString &name, const Measurement &m)
{
    if (StoreResult r = checkStorable(m); !r)
        return r;
    QByteArray newLine;
    if (StoreResult r = encodeText(measurementLine(m), &newLine); !r)
        return r;
    newLine += kLineEnd;
    const QString path = folder.pathFor(name);
    const FileRead read = readWholeFile(path);
    if (read.unreadable())
        return read.result();
    const QByteArray &existing = read.bytes;
    if (countNonBlankLines(existing) >= kMaxDataLines)
        return StoreResult::failure(fullMessage(name));

    QByteArray out;
    out.reserve(existing.size() + newLine.size() + 2);
    bool written = false;
    StoreResult failure = StoreResult::success();
    QString canonical;
    forEachLine(existing, [&](const FileLine &line) {
        if (!failure || isBlankLine(line))
            return;
        MeasurementView read;
        if (!recordOf(line, &read)) {
            out.append(line.bytes); // not a record: kept byte for byte where it stands
            out += kLineEnd;
            return;
        }
        if (!written && read.date > QStringView(m.date)) {
            out += newLine;
            written = true;
        }
        // Records are copied field by field, so their numbers come out in the stored form. Most
        // lines already are in it; those keep their own bytes and need no encoding.
        canonical.truncate(0); // keeps its room for the next line
        appendMeasurementLine(canonical, read.date, read.situation, read.weight, read.comment, read.bodyFat, read.reserved);
        if (canonical == line.text) {
            out.append(line.bytes);
        } else {
            QByteArray bytes;
            if (StoreResult r = encodeText(canonical, &bytes); !r)
                failure = r;
            out += bytes;
        }
        out += kLineEnd;
    });
    if (!failure)
        return failure;
    if (!written)
        out += newLine;
    return SafeSave::replaceFile(path, out);
}

StoreResult RewriteDataFile(const DataFolder &folder, const QString &name, const QList<Measurement> &records)
{
    if (records.size() > kMaxDataLines)
        return StoreResult::failure(fullMessage(name));
    const QString path = folder.pathFor(name);
    const FileRead read = readWholeFile(path);
    if (read.unreadable())
        return read.result();
    const QByteArray &existing = read.bytes;
    MeasurementFile current;
    current.fileName = name;
    current.malformed = malformedLinesOf(existing);
    if (!current.malformed.isEmpty())
        return StoreResult::failure(QStringLiteral("記録として読み取れない行があるため「%1」を書き換えません。\n%2")
                                        .arg(name, current.malformedReport()));
    QString out;
    out.reserve(records.size() * 48);
    QStringView lastDate; // checked already: the records of a day share their date
    for (const Measurement &m : records) {
        if (m.date != lastDate || !std::isfinite(m.weight) || !std::isfinite(m.bodyFat) || !plainText(m.situation)
            || !plainText(m.comment)) {
            // `reserved` is written empty, so whatever it holds is no reason to refuse.
            if (StoreResult r = checkStorable({m.date, m.situation, m.weight, m.comment, m.bodyFat, QString()}, false); !r)
                return r;
            lastDate = m.date;
        }
        appendMeasurementLine(out, m.date, m.situation, m.weight, m.comment, m.bodyFat, QStringView());
        out += u"\r\n";
    }
    QByteArray bytes;
    if (!encodeCp932(out, &bytes)) {
        // Only on failure: name the record's text that holds the character.
        for (const Measurement &m : records) {
            if (StoreResult r = checkStorable({m.date, m.situation, m.weight, m.comment, m.bodyFat, QString()}); !r)
                return r;
        }
        return encodeText(out, &bytes);
    }
    return SafeSave::replaceFile(path, bytes);
}

StoreResult WriteFirstMeasurement(const DataFolder &folder, const QString &name, const QString &date,
                                  const QString &situation, double weight, double bodyFat)
{
    Measurement check;
    check.date = date;
    check.situation = situation;
    // Read back, the numbers become 32-bit values; one beyond that range would make the line unreadable.
    check.weight = float(weight);
    check.bodyFat = float(bodyFat);
    if (StoreResult r = checkStorable(check); !r)
        return r;
    const QString line = measurementLine(date, situation, storedNumber(weight), QString(), storedNumber(bodyFat), QString());
    QByteArray bytes;
    if (StoreResult r = encodeText(line + QStringLiteral("\r\n"), &bytes); !r)
        return r;
    return SafeSave::replaceFile(folder.pathFor(name), bytes);
}
