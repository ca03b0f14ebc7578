// SPDX-License-Identifier: GPL-3.0-or-later
// The one-value settings files and the memo, each given the same bytes. Every reader yields a
// value its writer accepts (only a text the file cannot hold may be refused), and the value
// written back reads the same.

#include "FuzzSupport.h"

#include "store/Cp932.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/MemoFile.h"
#include "store/SettingsFiles.h"

using Fuzz::require;

namespace {

// Reads the file made of the input and writes the value back: the writer refuses it only when
// `refusable` says the value cannot be stored, and otherwise the file reads the same value.
template <typename Read, typename Write, typename Refusable>
void roundTrip(const QString &name, const QByteArray &input, Read &&read, Write &&write, Refusable &&refusable,
               const char *what)
{
    Fuzz::Scratch &scratch = Fuzz::Scratch::get();
    scratch.reset(name, input);
    const DataFolder folder = scratch.folder();
    const auto value = read(folder);
    if (!write(folder, value).ok()) {
        require(refusable(value), what);
        return;
    }
    require(read(folder) == value, what);
}

const auto never = [](const auto &) { return false; };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    roundTrip(FileName::helpTour, input, ReadHelpTourSetting, WriteHelpTourSetting, never, "the help-tour setting reads back");
    roundTrip(FileName::scaleSteps, input, ReadScaleSteps, WriteScaleSteps,
              [](const ScaleSteps &s) { return !checkStorableText(s.weightStep).ok() || !checkStorableText(s.fatStep).ok(); },
              "the scale steps read back");
    roundTrip(FileName::movingAverage, input, ReadMovingAverageSetting, WriteMovingAverageSetting,
              [](const QString &count) { return !checkStorableText(count).ok(); }, "the moving average reads back");
    roundTrip(FileName::autoTime, input, ReadAutoTimeSetting, WriteAutoTimeSetting, never, "the time-stamp setting reads back");
    roundTrip(FileName::marker, input, ReadMarkerStyle, WriteMarkerStyle, never, "the marker style reads back");
    // The memo holds quotes and line breaks; only a character outside the code page stops it.
    roundTrip(FileName::memo, input, ReadMemo, WriteMemo,
              [](const QString &memo) { return !firstUnencodableCharacter(memo).isEmpty(); }, "the memo reads back");
    return 0;
}
