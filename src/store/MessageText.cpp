#include "store/MessageText.h"


namespace {

QString codePoint(char32_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
}

// The code point at `at` and how many units it takes; a lone surrogate is its own unit.
char32_t codePointAt(QStringView text, qsizetype at, qsizetype *units)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text[at + 1]);
    }
    *units = 1;
    return c.unicode();
}

template <typename Keep>
QString escaped(QStringView text, Keep &&keep)
{
    QString out;
    out.reserve(text.size());
    qsizetype units = 1;
    for (qsizetype at = 0; at < text.size(); at += units) {
        const char32_t c = codePointAt(text, at, &units);
        if (isHiddenCharacter(c) && !keep(at))
            out += u'<' + codePoint(c) + u'>';
        else
            out += text.mid(at, units);
    }
    return out;
}

} // namespace

bool isHiddenCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || c == 0x2028
           || c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || (c >= 0xD800 && c <= 0xDFFF);
}

QString messageText(QStringView text)
{
    return escaped(text, [](qsizetype) { return false; });
}

QString terminalText(QStringView message)
{
    const auto lineEnd = [&](qsizetype at) {
        return message[at] == u'\n' || (message[at] == u'\r' && at + 1 < message.size() && message[at + 1] == u'\n');
    };
    QString out = escaped(message, lineEnd);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

QString characterName(QStringView character)
{
    if (character.isEmpty())
        return QString();
    qsizetype units = 1;
    const char32_t c = codePointAt(character, 0, &units);
    if (isHiddenCharacter(c))
        return codePoint(c);
    return QStringLiteral("「%1」（%2）").arg(character.left(units).toString(), codePoint(c));
}
