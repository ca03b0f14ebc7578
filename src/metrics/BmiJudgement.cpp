#include "metrics/BmiJudgement.h"

namespace {
struct Step {
    const char16_t *text;
    quint32 labelColour;
    int zone;
};
const Step kSteps[] = {
    {u"やせ過ぎ", 0xFFC0C0, -1},
    {u"やせ気味", 0xFFFFC0, 0},
    {u"スタンダード", 0xC0FFC0, 1},
    {u"でぶメゾフォルテ", 0xC0FFFF, 2},
    {u"でぶフォルテ", 0xFFC0FF, 3},
    {u"でぶフォルテシモ", 0xC0C0FF, 4},
};
const quint32 kZoneColours[] = {0xFFFF00, 0x00FF00, 0x00FFFF, 0xFF00FF, 0x0000FF};
} // namespace

quint32 gaugeZoneColour(int zone)
{
    return zone >= 0 && zone < 5 ? kZoneColours[zone] : 0;
}

BmiJudgement JudgeBmi(float b)
{
    int step = 5;
    if (b < 17.0f)
        step = 0;
    else if (b < 20.0f)
        step = 1;
    else if (b <= 24.0f)
        step = 2;
    else if (b <= 26.4f)
        step = 3;
    else if (b < 30.0f)
        step = 4;
    const Step &s = kSteps[step];
    return {QString::fromUtf16(s.text), s.labelColour, s.zone, gaugeZoneColour(s.zone)};
}
