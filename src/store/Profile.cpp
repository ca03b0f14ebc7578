#include "store/Profile.h"

#include "store/FieldReader.h"
#include "store/Measurement.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

#include <cmath>
#include <limits>

namespace {
// The value of a "label,value" line, or an empty view when the line has none.
QStringView valueOf(const QList<QStringView> &lines, int index)
{
    if (index >= lines.size())
        return {};
    const FieldLine fields = readFields(lines[index]);
    return fields.fields.size() >= 2 ? fields.fields[1].text : QStringView();
}

// A number beyond the range of a 32-bit value reads as 0, as one that is not a number does:
// kept, it would be written back as "inf", which no reader takes for a number.
float profileNumber(QStringView text)
{
    const double value = parseStoredNumber(text).value_or(0.0);
    return std::abs(value) <= double(std::numeric_limits<float>::max()) ? float(value) : 0.0f;
}
} // namespace

PartnerProfile ReadProfile(const DataFolder &folder, const QString &name)
{
    const std::optional<QString> text = readText(folder, name);
    return text ? ParseProfile(*text) : PartnerProfile();
}

PartnerProfile ParseProfile(const QString &text)
{
    PartnerProfile profile;
    QList<QStringView> lines = splitLines(text);
    lines.removeIf([](QStringView line) { return isBlank(line); });
    profile.nickname = valueOf(lines, 0).toString();
    profile.height = profileNumber(valueOf(lines, 1));
    profile.targetWeight = profileNumber(valueOf(lines, 2));
    return profile;
}

StoreResult WriteProfile(const DataFolder &folder, const QString &name, const PartnerProfile &profile)
{
    if (StoreResult r = checkStorableText(profile.nickname); !r)
        return r;
    const QString text = QStringLiteral("\"氏名\",\"%1\"\r\n\"身長\",%2\r\n\"目標体重\",%3\r\n")
                             .arg(profile.nickname, storedNumber(profile.height), storedNumber(profile.targetWeight));
    return replaceText(folder, name, text);
}

QString windowCaptionFor(const PartnerProfile &profile)
{
    if (profile.nickname.isEmpty())
        return QStringLiteral(" ポムリナ");
    return u' ' + profile.nickname + QStringLiteral(" のデータ");
}
