#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QString>

// One partner's profile file: three lines in quoted form, a label and a value each.
//   "氏名","<nickname>"
//   "身長",<height>
//   "目標体重",<target weight>
struct PartnerProfile {
    QString nickname;
    float height = 0;       // cm
    float targetWeight = 0; // kg

    bool operator==(const PartnerProfile &) const = default;
};

// A missing file gives an empty profile (no nickname, height and target 0); a value that is not
// a number, or is beyond the range of a 32-bit value, reads as 0; anything after line 3 is ignored.
PartnerProfile ReadProfile(const DataFolder &folder, const QString &name);
// The same from the file's text.
PartnerProfile ParseProfile(const QString &text);
StoreResult WriteProfile(const DataFolder &folder, const QString &name, const PartnerProfile &profile);

// The window caption for a profile: " <nickname> のデータ", or " ポムリナ" without a nickname.
QString windowCaptionFor(const PartnerProfile &profile);
