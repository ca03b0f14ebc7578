#include "screens/entry/PartnerCount.h"

CountFace CountFaceFor(int count)
{
    if (count <= 0)
        return CountFace::None;
    if (count == 1)
        return CountFace::Sulking;
    if (count == 2)
        return CountFace::Smiling;
    return CountFace::Beaming;
}

quint32 CountColour(int own, int other)
{
    if (own == other)
        return 0xC0FFFF;
    return own > other ? 0xC0FFC0 : 0xC0C0FF;
}
