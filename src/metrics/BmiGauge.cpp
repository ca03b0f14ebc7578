#include "metrics/BmiGauge.h"

#include "metrics/BodyMetrics.h"
#include "store/NumberText.h"
#include "store/WholeNumber.h"

#include <cmath>

const GaugeGeometry kEntryGauge{160, {210, 675, 1305, 1680, 2235}, {480, 645, 390, 570, 345}, 720, 105};
const GaugeGeometry kMeterGauge{500, {450, 1950, 3975, 5145, 6945}, {1545, 2055, 1245, 1845, 1020}, 1845, 150};

float ClampMeterBmi(float bmi)
{
    if (bmi > 32.0f)
        return 32.0f;
    if (bmi < 17.0f)
        return 17.0f;
    return bmi;
}

double PointerLeft(const GaugeGeometry &gauge, float meterBmi)
{
    return gauge.zoneLeft[2] - ((24.0f - meterBmi) * float(gauge.twipsPerBmi) + 240.0f);
}

double BmiPositionTwips(const GaugeGeometry &gauge, float bmi)
{
    return PointerLeft(gauge, bmi) + kPointerWidthTwips / 2.0;
}

int SliderValueFor(float meterBmi)
{
    return nearestToInt(meterBmi * 10.0f);
}

MeterReading ReadMeter(int sliderValue, float heightCm, const QString &weightText, bool movedByUser)
{
    MeterReading r;
    r.meterBmi = float(sliderValue) / 10.0f;
    r.weightText = weightText;
    const float metres = heightCm / 100.0f;
    if (movedByUser)
        r.weightText = formatOneDecimal(float(double(metres) * double(metres) * double(r.meterBmi)));
    r.bmiText = formatOneDecimal(r.meterBmi);
    r.judgement = JudgeBmi(r.meterBmi);
    const std::optional<float> standard = StandardWeight(heightCm);
    r.standardWeight = formatFixed(standard.value_or(0.0f), 1, 7, 2);
    const double denominator = leadingNumber(r.standardWeight);
    if (denominator != 0.0) {
        const double obesity = (leadingNumber(r.weightText) - leadingNumber(r.standardWeight)) / denominator * 100.0;
        r.obesityText = formatFixed(obesity, 1, 15);
    }
    return r;
}
