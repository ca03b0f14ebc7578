#pragma once

#include "screens/maintenance/Registration.h"
#include "store/Profile.h"

#include <QString>

#include <optional>

// The profile editor's boxes, as typed.
struct ProfileBoxes {
    QString nickname; // txtPriData; may be empty
    QString height;   // txtSincyou
    QString target;   // txtMokuTai

    bool operator==(const ProfileBoxes &) const = default;
};

// An empty height, then an empty target weight, then either of them not a number (or too large
// for the file's numbers), then a height not above 0. Nothing when the profile can be saved.
std::optional<RegistrationRefusal> CheckProfileBoxes(const ProfileBoxes &boxes);

PartnerProfile ProfileFromBoxes(const ProfileBoxes &boxes);
