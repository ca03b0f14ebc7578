#include "screens/shell/SplashTiming.h"

qint64 SplashRemainingMs(qint64 shownAtMs, qint64 nowMs)
{
    const qint64 elapsed = nowMs - shownAtMs;
    return elapsed > kSplashMinimumMs ? 0 : kSplashMinimumMs + 1 - elapsed;
}
