#pragma once

#include <QString>
#include <QtGlobal>

// The six-step judgement of a BMI value, with the colours of its label and of its gauge zone
// (0x00BBGGRR values).
struct BmiJudgement {
    QString text;
    quint32 labelColour = 0;
    int zone = -1;            // 0..4, or -1 left of the scale
    quint32 zoneColour = 0;   // 0 when there is no zone
};

// The tests run in this order, in single precision, and the first that holds wins:
// b < 17, b < 20, b ≤ 24, b ≤ 26.4, b < 30, otherwise.
BmiJudgement JudgeBmi(float bmi);

// The zone colours of the gauges, zone 0 to 4.
quint32 gaugeZoneColour(int zone);
