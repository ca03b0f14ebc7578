#pragma once

#include <QtGlobal>

// The count beside a partner button: which face it earns and the colour of its label.
enum class CountFace { None, Sulking, Smiling, Beaming }; // 0, 1, 2, 3 or more measurements

CountFace CountFaceFor(int count);
// Equal counts: both light yellow; otherwise the larger light green and the smaller light red.
quint32 CountColour(int own, int other);
