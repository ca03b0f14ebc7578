#pragma once

#include <QtGlobal>

// The main window replaces the splash window only once more than 1.5 seconds have passed since
// the splash appeared, measured on a monotonic clock (so a start just before midnight, or a
// clock set back, neither shortens nor stretches the wait).
inline constexpr qint64 kSplashMinimumMs = 1500;

// How long to wait still, in milliseconds; 0 when the main window may be shown now.
qint64 SplashRemainingMs(qint64 shownAtMs, qint64 nowMs);
