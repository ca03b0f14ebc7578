#pragma once

#include "store/DataFolder.h"
#include "store/StoreResult.h"

#include <QString>

// The one-value settings files. A missing file, or a value that cannot be what its file holds,
// reads as the default; the file is (re)written on the next change.

// "設定.txt": "ヘルプツアー",1 — the help tour on (1) or off (0). Default on.
int ReadHelpTourSetting(const DataFolder &folder);
StoreResult WriteHelpTourSetting(const DataFolder &folder, int on);

// "体重計刻み.txt": the weight step on line 1 and the body-fat step on line 2, each the text as
// typed (the presets are 0.1, 0.2 and 0.5), without surrounding spaces. Default 0.1 and 0.1, also
// for a step that is empty.
struct ScaleSteps {
    QString weightStep = QStringLiteral("0.1");
    QString fatStep = QStringLiteral("0.1");
    bool operator==(const ScaleSteps &) const = default;
};
ScaleSteps ReadScaleSteps(const DataFolder &folder);
StoreResult WriteScaleSteps(const DataFolder &folder, const ScaleSteps &steps);

// "移動平均.TXT": how many measurements the trend graph averages, as text. Default "10".
inline constexpr int kMaxMovingAverage = 32767;
QString ReadMovingAverageSetting(const DataFolder &folder);
StoreResult WriteMovingAverageSetting(const DataFolder &folder, const QString &count);

// "自動時間.TXT": " 1 " when a saved measurement gets the time of day as its comment. Default 0.
int ReadAutoTimeSetting(const DataFolder &folder);
StoreResult WriteAutoTimeSetting(const DataFolder &folder, int checked);

// "マーカー.TXT": the entry graph's point marker, 0 none, 1 circle, 2 ball. Default 1.
int ReadMarkerStyle(const DataFolder &folder);
StoreResult WriteMarkerStyle(const DataFolder &folder, int style);

// Writes every settings file, the situation list and the memo that do not exist yet, each with
// its default, so that a first start leaves a complete folder behind.
StoreResult CreateMissingSettingsFiles(const DataFolder &folder);
