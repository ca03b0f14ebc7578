// SPDX-License-Identifier: GPL-3.0-or-later
// A profile file as any bytes. The reader always yields a profile; written back, it reads the
// same, its numbers as the file holds them (seven significant digits). Only a nickname the file's
// code page or quoted form cannot hold may be refused.

#include "FuzzSupport.h"

#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/NumberText.h"
#include "store/Profile.h"

#include <cmath>

using Fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(FileName::profile1, Fuzz::bytesOf(data, size));
    const DataFolder folder = scratch.folder();
    const PartnerProfile read = ReadProfile(folder, FileName::profile1);
    require(std::isfinite(read.height) && std::isfinite(read.targetWeight), "the numbers read are numbers");

    const StoreResult written = WriteProfile(folder, FileName::profile1, read);
    if (!written) {
        require(!checkStorableText(read.nickname).ok(), "only a nickname the file cannot hold is refused");
        return 0;
    }
    const PartnerProfile again = ReadProfile(folder, FileName::profile1);
    require(again.nickname == read.nickname && storedNumber(again.height) == storedNumber(read.height)
                && storedNumber(again.targetWeight) == storedNumber(read.targetWeight),
            "a profile written back reads the same");
    return 0;
}
