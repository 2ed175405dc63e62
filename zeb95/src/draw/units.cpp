#include "draw/units.h"

int TenthMmToPixels(int nValue, int nDpi)
{
    return static_cast<int>(static_cast<double>(nValue) * nDpi * 567.0 / 144000.0);
}
