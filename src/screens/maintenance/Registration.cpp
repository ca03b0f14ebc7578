#include "screens/maintenance/Registration.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/NumberText.h"

std::optional<RegistrationRefusal> CheckHeightIsPositive(const QString &height)
{
    if (leadingNumber(height) > 0)
        return std::nullopt;
    return RegistrationRefusal{QStringLiteral("身長は0より大きい数値で入力してください"), QStringLiteral("身長入力誤り"), RegistrationBox::Height};
}

std::optional<RegistrationRefusal> CheckRegistration(const RegistrationFields &f)
{
    const struct {
        const QString &text;
        const char16_t *message;
        const char16_t *title;
        RegistrationBox box;
    } required[] = {
        {f.nickname, u"ニックネームが入力されていません", u"ニックネーム未入力", RegistrationBox::Nickname},
        {f.height, u"身長が入力されていません", u"身長未入力", RegistrationBox::Height},
        {f.target, u"目標体重が入力されていません", u"目標体重未入力", RegistrationBox::Target},
        {f.weight, u"現在の体重が入力されていません", u"現体重未入力", RegistrationBox::Weight},
        {f.bodyFat, u"現在の体脂肪率が入力されていません", u"現体脂肪率未入力", RegistrationBox::BodyFat},
        {f.situation, u"初回の状況が入力されていません", u"初回状況（コメント）未入力", RegistrationBox::Situation},
    };
    for (const auto &r : required) {
        if (r.text.isEmpty())
            return RegistrationRefusal{QString::fromUtf16(r.message), QString::fromUtf16(r.title), r.box};
    }
    if (!isPlainDecimal(f.height))
        return RegistrationRefusal{QStringLiteral("身長は数値で入力してください"), QStringLiteral("身長数値以外入力"), RegistrationBox::Height};
    if (!isPlainDecimal(f.target))
        return RegistrationRefusal{QStringLiteral("目標体重は数値で入力してください"), QStringLiteral("目標体重数値以外入力"),
                                   RegistrationBox::Target};
    return CheckHeightIsPositive(f.height);
}

PartnerProfile ProfileFromRegistration(const RegistrationFields &f)
{
    return {f.nickname, float(leadingNumber(f.height)), float(leadingNumber(f.target))};
}

StoreResult WriteRegistration(const DataFolder &folder, int partner, const RegistrationFields &f, const QDate &today)
{
    // Both texts are checked before either file is touched, so a refused text changes nothing.
    if (StoreResult r = checkStorableText(f.nickname); !r)
        return r;
    if (StoreResult r = checkStorableText(f.situation); !r)
        return r;
    if (StoreResult r = WriteProfile(folder, FileName::profileFile(partner), ProfileFromRegistration(f)); !r)
        return r;
    return WriteFirstMeasurement(folder, FileName::dataFile(partner), storedDate(today), f.situation,
                                 leadingNumber(f.weight), leadingNumber(f.bodyFat));
}
