#include "store/Measurement.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/MessageText.h"
#include "store/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
void appendQuoted(QString &out, QStringView text)
{
    out += u'"';
    out += text;
    out += u'"';
}
} // namespace

QString measurementLine(const QString &date, const QString &situation, const QString &weightText,
                        const QString &comment, const QString &bodyFatText, const QString &reserved)
{
    QString line;
    line.reserve(date.size() + situation.size() + weightText.size() + comment.size() + bodyFatText.size()
                 + reserved.size() + 16);
    appendQuoted(line, date);
    line += u',';
    appendQuoted(line, situation);
    line += u',';
    line += weightText;
    line += u',';
    appendQuoted(line, comment);
    line += u',';
    line += bodyFatText;
    line += u',';
    appendQuoted(line, reserved);
    return line;
}

namespace {
// A file holds few distinct weights and body fats, so the text of each is remembered for the
// values met last rather than formatted again for every line of a rewrite.
struct RememberedNumber {
    quint32 bits = 0;
    int length = -1; // nothing remembered
    char text[kStoredNumberRoom] = {};
};

// The remembered text of a number; its length is -1 for one only storedNumber() writes.
const RememberedNumber &numberText(float value)
{
    thread_local RememberedNumber remembered[1024];
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    RememberedNumber &slot = remembered[(bits * 2654435761u) >> 22];
    if (slot.length < 0 || slot.bits != bits) {
        slot.bits = bits;
        slot.length = formatStoredNumber(value, slot.text);
    }
    return slot;
}
} // namespace

void appendMeasurementLine(QString &out, QStringView date, QStringView situation, float weight, QStringView comment,
                           float bodyFat, QStringView reserved)
{
    // Written straight into the string's room, as a rewrite builds a whole file of these lines.
    // Copies: the two numbers may share a slot of the remembered texts.
    const RememberedNumber w = numberText(weight);
    const RememberedNumber f = numberText(bodyFat);
    if (w.length < 0 || f.length < 0) {
        appendQuoted(out, date);
        out += u',';
        appendQuoted(out, situation);
        out += u',';
        out += storedNumber(weight);
        out += u',';
        appendQuoted(out, comment);
        out += u',';
        out += storedNumber(bodyFat);
        out += u',';
        appendQuoted(out, reserved);
        return;
    }
    const qsizetype start = out.size();
    const qsizetype length = date.size() + situation.size() + comment.size() + reserved.size() + w.length + f.length + 13;
    if (out.capacity() < start + length)
        out.reserve(std::max(start + length, 2 * out.capacity()));
    out.resize(start + length);
    char16_t *o = reinterpret_cast<char16_t *>(out.data()) + start;
    const auto text = [&](QStringView t) {
        *o++ = u'"';
        if (!t.isEmpty()) // an empty view may have no data at all
            std::memcpy(o, t.utf16(), t.size() * sizeof(char16_t));
        o += t.size();
        *o++ = u'"';
    };
    const auto number = [&](const RememberedNumber &n) {
        for (int i = 0; i < n.length; ++i)
            *o++ = char16_t(n.text[i]);
    };
    text(date);
    *o++ = u',';
    text(situation);
    *o++ = u',';
    number(w);
    *o++ = u',';
    text(comment);
    *o++ = u',';
    number(f);
    *o++ = u',';
    text(reserved);
}

QString measurementLine(const Measurement &m)
{
    QString line;
    line.reserve(m.date.size() + m.situation.size() + m.comment.size() + m.reserved.size() + 40);
    appendMeasurementLine(line, m.date, m.situation, m.weight, m.comment, m.bodyFat, m.reserved);
    return line;
}

namespace {

// Reading the lines as this program writes them ("…","…",65.5,"…",21.3,"") in one pass: a data
// file holds up to 32,767 of them and every screen reads it whole. The result for a line taken
// here is the same as through the general field reader; any other line, spaces, signs and
// exponents included, is left to that reader.
class CanonicalReader
{
public:
    explicit CanonicalReader(QStringView line) : p(line.utf16()), end(p + line.size()) {}

    bool read(MeasurementView *m, QStringView checkedDate)
    {
        // An empty date is none, not even on a first line with no date before it to compare with.
        if (!quoted(&m->date) || !comma() || m->date.isEmpty() || (!sameText(m->date, checkedDate) && !isStoredDate(m->date)))
            return false;
        return quoted(&m->situation) && comma() && number(&m->weight) && quoted(&m->comment) && comma()
               && number(&m->bodyFat) && quoted(&m->reserved) && p == end;
    }

private:
    bool quoted(QStringView *text)
    {
        if (p == end || *p != u'"')
            return false;
        const char16_t *const start = ++p;
        while (p != end && *p != u'"' && *p != u'\r')
            ++p;
        if (p == end || *p != u'"')
            return false;
        *text = QStringView(start, p - start);
        ++p;
        return true;
    }

    bool comma()
    {
        if (p == end || *p != u',')
            return false;
        ++p;
        return true;
    }

    // A plain decimal number ended by a comma.
    bool number(float *value)
    {
        double read = 0;
        p = scanPlainDecimal(p, end, &read);
        if (!p || p == end || *p != u',')
            return false;
        ++p; // the comma
        *value = float(read);
        return std::isfinite(*value);
    }

    const char16_t *p;
    const char16_t *const end;
};

} // namespace

namespace {
// A text no writer can put between double quotes: a line holding one was not written by this
// program, and taken as a record it would come out of the next rewrite as a different line.
bool unwritable(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u'\r')
            return true;
    }
    return false;
}
} // namespace

bool parseMeasurementView(QStringView line, MeasurementView *view, QStringView checkedDate)
{
    if (CanonicalReader(line).read(view, checkedDate))
        return true;
    Field fields[6];
    const FieldCount count = readFieldsInto(line, fields, 6);
    if (!count.wellFormed || count.count != 6)
        return false;
    const Field &date = fields[0];
    const Field &weight = fields[2];
    const Field &fat = fields[4];
    if (weight.quoted || fat.quoted || !isStoredDate(date.text))
        return false;
    if (unwritable(fields[1].text) || unwritable(fields[3].text) || unwritable(fields[5].text))
        return false;
    const std::optional<double> w = parseStoredNumber(weight.text);
    const std::optional<double> f = parseStoredNumber(fat.text);
    if (!w || !f)
        return false;
    view->weight = float(*w);
    view->bodyFat = float(*f);
    // A number beyond the 32-bit range would be written back as "inf", which nothing reads.
    if (!std::isfinite(view->weight) || !std::isfinite(view->bodyFat))
        return false;
    view->date = date.text;
    view->situation = fields[1].text;
    view->comment = fields[3].text;
    view->reserved = fields[5].text;
    return true;
}

std::optional<Measurement> parseMeasurementLine(QStringView line)
{
    MeasurementView view;
    if (!parseMeasurementView(line, &view))
        return std::nullopt;
    const MeasurementView *const v = &view;
    Measurement m;
    m.date = v->date.toString();
    m.situation = v->situation.toString();
    m.weight = v->weight;
    m.comment = v->comment.toString();
    m.bodyFat = v->bodyFat;
    m.reserved = v->reserved.toString();
    return m;
}

namespace {
// A character no text the program stores may hold: a control character (C0, DEL, C1), which
// would act rather than show wherever the text goes (a tab, an escape sequence on a terminal, a
// form feed in a print), or a bidirectional override or isolate, which would reorder the text
// around it in every list that shows it.
bool refusedCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

StoreResult checkText(const QString &text, bool wholeRule)
{
    bool doubtful = false; // one pass over the text for the characters that need a closer look
    for (const QChar c : text) {
        if (c == u'"' || refusedCharacter(c.unicode())) {
            doubtful = true;
            break;
        }
    }
    if (!doubtful && !wholeRule)
        return StoreResult::success();
    if (text.contains(u'"'))
        return StoreResult::failure(QStringLiteral("「%1」にはダブルクォーテーション（\"）を使えません。").arg(messageText(text)));
    if (text.contains(u'\r') || text.contains(u'\n'))
        return StoreResult::failure(QStringLiteral("「%1」には改行を含められません。").arg(messageText(text)));
    if (!wholeRule)
        return StoreResult::success();
    // Every refused character is a single UTF-16 unit.
    for (const QChar c : text) {
        if (refusedCharacter(c.unicode()))
            return StoreResult::failure(QStringLiteral("「%1」の%2は保存できない文字です。").arg(messageText(text), characterName(QStringView(&c, 1))));
    }
    QString bad;
    if (!encodeCp932(text, nullptr, &bad))
        return StoreResult::failure(QStringLiteral("「%1」の%2は保存できない文字です。").arg(messageText(text), characterName(bad)));
    return StoreResult::success();
}

} // namespace

StoreResult checkStorableText(const QString &text)
{
    return checkText(text, true);
}

StoreResult checkStorable(const Measurement &m, bool wholeRule)
{
    if (!isStoredDate(m.date))
        return StoreResult::failure(QStringLiteral("日付「%1」が正しくありません。").arg(m.date));
    if (!std::isfinite(m.weight) || !std::isfinite(m.bodyFat))
        return StoreResult::failure(QStringLiteral("%1の体重または体脂肪率が数値ではありません。").arg(m.date));
    for (const QString *text : {&m.situation, &m.comment, &m.reserved}) {
        if (StoreResult r = checkText(*text, wholeRule); !r)
            return r;
    }
    return StoreResult::success();
}
