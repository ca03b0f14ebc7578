#include "screens/maintenance/Registration.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/NumberText.h"

std::optional<RegistrationRefusal> CheckRegistration(const RegistrationFields &f)
{
    const struct {
        const QString &text;
        const char16_t *message;
        const char16_t *title;
    } required[] = {
        {f.nickname, u"ニックネームが入力されていません", u"ニックネーム未入力"},
        {f.height, u"身長が入力されていません", u"身長未入力"},
        {f.target, u"目標体重が入力されていません", u"目標体重未入力"},
        {f.weight, u"現在の体重が入力されていません", u"現体重未入力"},
        {f.bodyFat, u"現在の体脂肪率が入力されていません", u"現体脂肪率未入力"},
        {f.situation, u"初回の状況が入力されていません", u"初回状況（コメント）未入力"},
    };
    for (const auto &r : required) {
        if (r.text.isEmpty())
            return RegistrationRefusal{QString::fromUtf16(r.message), QString::fromUtf16(r.title)};
    }
    if (!isPlainDecimal(f.height))
        return RegistrationRefusal{QStringLiteral("身長は数値で入力してください"), QStringLiteral("身長数値以外入力")};
    if (!isPlainDecimal(f.target))
        return RegistrationRefusal{QStringLiteral("目標体重は数値で入力してください"), QStringLiteral("目標体重数値以外入力")};
    return std::nullopt;
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
