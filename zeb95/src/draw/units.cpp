#include "draw/units.h"

#include <algorithm>
#include <climits>

int TenthMmToPixels(int nValue, int nDpi)
{
    const double pixels = static_cast<double>(nValue) * nDpi * 567.0 / 144000.0;
    return static_cast<int>(std::clamp(pixels, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
