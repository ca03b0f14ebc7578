#pragma once

#include "metrics/BmiJudgement.h"

#include <QString>

#include <array>

// Geometry and arithmetic of the two BMI gauges: five coloured zones for BMI 17–20, 20–24,
// 24–26.4, 26.4–30 and 30–32 and a 480-twip pointer above them, all in twips.
struct GaugeGeometry {
    int twipsPerBmi;
    std::array<int, 5> zoneLeft;
    std::array<int, 5> zoneWidth;
    int top;
    int height;
};

// The small gauge of the entry screen and the large one of the BMI meter.
extern const GaugeGeometry kEntryGauge;
extern const GaugeGeometry kMeterGauge;

inline constexpr int kPointerWidthTwips = 480;
inline constexpr int kSliderMinimum = 170; // the slider holds BMI × 10
inline constexpr int kSliderMaximum = 320;

// The pointer and the slider stay within BMI 17–32.
float ClampMeterBmi(float bmi);
// Left edge of the pointer: the left of zone 2 (BMI 24) − ((24 − bmi) × scale + 240).
double PointerLeft(const GaugeGeometry &gauge, float meterBmi);
// Where a BMI lies along the gauge, in twips: the middle of the pointer that shows it. The scale
// above the large gauge sets each of its numbers there.
double BmiPositionTwips(const GaugeGeometry &gauge, float bmi);
// The slider position for a BMI: × 10, to the nearest integer, a tie to the even one.
int SliderValueFor(float meterBmi);

// What the BMI meter shows for a slider position, built the way the meter computes it: the
// obesity degree is taken from the rounded texts on the screen, not from the exact numbers.
struct MeterReading {
    float meterBmi = 0;
    QString bmiText;        // "0.0"
    QString standardWeight; // "00.0"
    QString weightText;     // the weight label the obesity is computed from
    QString obesityText;    // "0.0", empty when it cannot be computed
    BmiJudgement judgement;
};
// `weightText` is the weight label as it stands; when the user moved the slider it is replaced
// by the weight the chosen BMI means at this height.
MeterReading ReadMeter(int sliderValue, float heightCm, const QString &weightText, bool movedByUser);
