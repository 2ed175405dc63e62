#include "draw/textdirection.h"

#include "fields/base/clampint.h"

CTextDirection CTextDirection::OfAngle(int nAngle)
{
    if (nAngle > 0 && nAngle <= 900)
        return CTextDirection{0, -1, 1, 0};
    if (nAngle > 900 && nAngle <= 1800)
        return CTextDirection{-1, 0, 0, -1};
    if (nAngle > 1800 && nAngle <= 2700)
        return CTextDirection{0, 1, -1, 0};
    return CTextDirection{1, 0, 0, 1};
}

POINT CTextDirection::Corner(const RECT& rect) const
{
    const LONG x = nAlongX < 0 || nNextX < 0 ? rect.right : rect.left;
    const LONG y = nAlongY < 0 || nNextY < 0 ? rect.bottom : rect.top;
    return POINT{x, y};
}

POINT CTextDirection::Along(POINT pt, int nDistance) const
{
    return POINT{MirtClampInt(pt.x + static_cast<long long>(nAlongX) * nDistance),
        MirtClampInt(pt.y + static_cast<long long>(nAlongY) * nDistance)};
}

POINT CTextDirection::Across(POINT pt, int nDistance) const
{
    return POINT{MirtClampInt(pt.x + static_cast<long long>(nNextX) * nDistance),
        MirtClampInt(pt.y + static_cast<long long>(nNextY) * nDistance)};
}
