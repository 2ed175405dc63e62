#include "text/tables/color_index.h"

#include "dib/palette.h"

COLORREF IndexToColor(int nIndex)
{
    const PALETTEENTRY& e = SixteenColorEntries()[nIndex & 15];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

DWORD RgbToHsv(COLORREF color)
{
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    int nMax = r, nMin = r;
    nMax = g > nMax ? g : nMax;
    nMax = b > nMax ? b : nMax;
    nMin = g < nMin ? g : nMin;
    nMin = b < nMin ? b : nMin;
    if (nMax == 0)
        return 0;
    const int d = nMax - nMin;
    const int s = d * 255 / nMax;
    int h = 0;
    if (s != 0)
    {
        if (nMax == r)
            h = (g - b) * 256 / d;
        else if (nMax == g)
            h = (b - r) * 256 / d + 512;
        else
            h = (r - g) * 256 / d + 1024;
        if (h < 0)
            h += 1536;
    }
    return static_cast<DWORD>(nMax) | (static_cast<DWORD>(s) << 8) | (static_cast<DWORD>(h) << 16);
}

namespace {

int GreyIndex(int v)
{
    if (v < 65)
        return 0;
    if (v < 161)
        return 7;
    return v < 225 ? 8 : 15;
}

// Dark and bright index of each hue band of 256 (band 0 also takes hues
// above 1407); the blue band darkens to black sooner.
struct HueBand
{
    int nDark, nBright, nBlackBelow;
};
const HueBand kBands[6] = {{1, 9, 33}, {3, 11, 33}, {2, 10, 33}, {6, 14, 33}, {4, 12, 65}, {5, 13, 33}};

}  // namespace

int ColorToIndex(COLORREF color)
{
    for (int i = 0; i < 16; ++i)
        if (IndexToColor(i) == (color & 0xFFFFFF))
            return i;
    const DWORD hsv = RgbToHsv(color);
    const int v = static_cast<int>(hsv & 0xFF);
    const int s = static_cast<int>((hsv >> 8) & 0xFF);
    const int h = static_cast<int>(hsv >> 16);
    if (s == 0)
        return GreyIndex(v);
    const HueBand& band = kBands[h > 1407 ? 0 : (h + 128) / 256];
    if (v < band.nBlackBelow)
        return 0;
    return v < 193 ? band.nDark : band.nBright;
}
