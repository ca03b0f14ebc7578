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

struct RegistrationRefusal {
    QString message;
    QString title;
};

// The first empty box (exactly ""), in the order of the form; then a height or target weight
// that is not a number. Nothing when the stage can be saved.
std::optional<RegistrationRefusal> CheckRegistration(const RegistrationFields &fields);

PartnerProfile ProfileFromRegistration(const RegistrationFields &fields);

// Replaces the partner's profile and data file. The start line is dated `today`; its weight and
// body fat are the leading numbers of the boxes ("65.5kg" is 65.5, "abc" is 0).
StoreResult WriteRegistration(const DataFolder &folder, int partner, const RegistrationFields &fields, const QDate &today);
