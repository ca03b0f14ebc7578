#pragma once

#include <QString>
#include <QtGlobal>

// The mark of a weight difference, judged on the difference as shown with one decimal:
// "↑" on light red above 0, "→" on light yellow at 0.0, "↓" on light green below 0.
struct TrendMark {
    int sign = 0;
    QString text;
    quint32 colour = 0; // 0x00BBGGRR
};

TrendMark TrendMarkFor(float difference);
// The mark of a sign (-1, 0, 1) a list judged on its own number of decimals.
TrendMark TrendMarkOfSign(int sign);
