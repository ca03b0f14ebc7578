#pragma once

#include "store/DataFolder.h"
#include "store/Profile.h"
#include "store/StoreResult.h"

#include <QDate>
#include <QString>

#include <optional>

// The new couple registration: two stages, one per partner, each writing that partner's profile
// and a data file holding the one start line.
struct RegistrationFields {
    QString nickname;  // txtPriData1
    QString height;    // txtSincyou1
    QString target;    // txtMokuTai1
    QString weight;    // txtNowTai
    QString bodyFat;   // txtNowShi
    QString situation; // txtNowJyou
};

// The boxes of the form, in its order; the profile editor has the first three.
enum class RegistrationBox { Nickname, Height, Target, Weight, BodyFat, Situation };

struct RegistrationRefusal {
    QString message;
    QString title;
    // The box that failed, where the user goes to mend it.
    RegistrationBox box;
};

// A height that is no positive number gives no BMI anywhere: refused with the box named.
std::optional<RegistrationRefusal> CheckHeightIsPositive(const QString &height);

// The first empty box (exactly ""), in the order of the form; then a height or target weight
// that is not a number, then a height not above 0. Nothing when the stage can be saved.
std::optional<RegistrationRefusal> CheckRegistration(const RegistrationFields &fields);

PartnerProfile ProfileFromRegistration(const RegistrationFields &fields);

// Replaces the partner's profile and data file. The start line is dated `today`; its weight and
// body fat are the leading numbers of the boxes ("65.5kg" is 65.5, "abc" is 0).
StoreResult WriteRegistration(const DataFolder &folder, int partner, const RegistrationFields &fields, const QDate &today);
