#include "dib/palette.h"

#include <vector>

#include "dib/dib_handle.h"
#include "globalmem.h"

namespace {

const BYTE kCubeSteps = 51;
const int kCubeLevels = 6;

const PALETTEENTRY kLowSystemColors[10] = {
    {0, 0, 0, 0}, {128, 0, 0, 0}, {0, 128, 0, 0}, {128, 128, 0, 0}, {0, 0, 128, 0},
    {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0}, {164, 200, 240, 0}};
const PALETTEENTRY kHighSystemColors[10] = {
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0}, {0, 255, 0, 0},
    {255, 255, 0, 0}, {0, 0, 255, 0}, {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0}};
const BYTE kGreys[26] = {4, 8, 12, 17, 22, 28, 34, 41, 57, 66, 77, 85, 95,
                         119, 129, 134, 150, 178, 193, 203, 215, 221, 227, 234, 241, 248};
const PALETTEENTRY kHalfColors[6] = {{129, 0, 0, 0}, {0, 129, 0, 0}, {129, 129, 0, 0},
                                     {0, 0, 129, 0}, {129, 0, 129, 0}, {0, 129, 129, 0}};

int CubeSlot(int r, int g, int b) { return 36 * b + 6 * g + r; }

bool IsCorner(int r, int g, int b)
{
    return (r == 0 || r == 5) && (g == 0 || g == 5) && (b == 0 || b == 5);
}

// Cube colours that the palette does not hold.
bool IsLeftOut(int r, int g, int b)
{
    return (r == 1 && g == 5 && b == 0) || (r == 0 && g == 5 && b == 1) ||
           (r == 1 && g == 0 && b == 5) || (r == 0 && g == 1 && b == 5);
}

int FindEntry(const PALETTEENTRY* pEntries, BYTE r, BYTE g, BYTE b)
{
    for (int i = 0; i < kFixedPaletteSize; ++i) {
        if (pEntries[i].peRed == r && pEntries[i].peGreen == g && pEntries[i].peBlue == b)
            return i;
    }
    return 0;
}

struct FixedTables
{
    PALETTEENTRY entries[kFixedPaletteSize];
    BYTE cubeMap[216];

    FixedTables()
    {
        int n = 0;
        for (const PALETTEENTRY& e : kLowSystemColors)
            entries[n++] = e;
        for (int b = 0; b < kCubeLevels; ++b)
            for (int g = 0; g < kCubeLevels; ++g)
                for (int r = 0; r < kCubeLevels; ++r)
                    if (!IsCorner(r, g, b) && !IsLeftOut(r, g, b))
                        entries[n++] = {BYTE(r * kCubeSteps), BYTE(g * kCubeSteps), BYTE(b * kCubeSteps), 0};
        for (BYTE grey : kGreys)
            entries[n++] = {grey, grey, grey, 0};
        for (const PALETTEENTRY& e : kHalfColors)
            entries[n++] = e;
        for (const PALETTEENTRY& e : kHighSystemColors)
            entries[n++] = e;
        for (int b = 0; b < kCubeLevels; ++b)
            for (int g = 0; g < kCubeLevels; ++g)
                for (int r = 0; r < kCubeLevels; ++r)
                    cubeMap[CubeSlot(r, g, b)] = static_cast<BYTE>(MappedEntry(r, g, b));
    }

    int MappedEntry(int r, int g, int b) const
    {
        if (IsLeftOut(r, g, b)) {
            // Pure green stands for the two left out beside it, pure blue
            // for the other two.
            const bool bGreen = g == 5;
            r = 0;
            g = bGreen ? 5 : 0;
            b = bGreen ? 0 : 5;
        }
        return FindEntry(entries, BYTE(r * kCubeSteps), BYTE(g * kCubeSteps), BYTE(b * kCubeSteps));
    }
};

const FixedTables& Tables()
{
    static const FixedTables tables;
    return tables;
}

const PALETTEENTRY kSixteenColors[16] = {
    {0, 0, 0, 0}, {128, 0, 0, 0}, {0, 128, 0, 0}, {128, 128, 0, 0},
    {0, 0, 128, 0}, {128, 0, 128, 0}, {0, 128, 128, 0}, {128, 128, 128, 0},
    {192, 192, 192, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {255, 255, 0, 0},
    {0, 0, 255, 0}, {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0}};

}  // namespace

const PALETTEENTRY* FixedPaletteEntries() { return Tables().entries; }

BYTE CubeMapIndex(int nRedLevel, int nGreenLevel, int nBlueLevel)
{
    return Tables().cubeMap[CubeSlot(nRedLevel, nGreenLevel, nBlueLevel)];
}

const PALETTEENTRY* SixteenColorEntries() { return kSixteenColors; }

HPALETTE CreatePaletteFromEntries(const PALETTEENTRY* pEntries, UINT nCount)
{
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nCount * sizeof(PALETTEENTRY));
    auto* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(nCount);
    for (UINT i = 0; i < nCount; ++i)
        pLog->palPalEntry[i] = pEntries[i];
    return ::CreatePalette(pLog);
}

HPALETTE CreateFixedPalette() { return CreatePaletteFromEntries(FixedPaletteEntries(), kFixedPaletteSize); }

HPALETTE CreateSixteenColorPalette() { return CreatePaletteFromEntries(kSixteenColors, 16); }

HPALETTE CreatePackedDibPalette(const BYTE* pPackedDib)
{
    DibGeometry g;
    if (!GetDibGeometry(pPackedDib, &g) || g.dwHeaderSize != sizeof(BITMAPINFOHEADER))
        return nullptr;
    if (g.dwColors == 0)
        return g.wBitCount == 24 ? CreateFixedPalette() : nullptr;
    const auto* pTable = reinterpret_cast<const RGBQUAD*>(pPackedDib + g.dwHeaderSize);
    const UINT nCount = g.dwTableBytes / sizeof(RGBQUAD);
    std::vector<PALETTEENTRY> entries(nCount);
    for (UINT i = 0; i < nCount; ++i)
        entries[i] = {pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue, 0};
    return CreatePaletteFromEntries(entries.data(), nCount);
}

HPALETTE CreateDibPalette(HGLOBAL hDib)
{
    CGlobalLock lock(hDib);
    return lock ? CreatePackedDibPalette(lock.Bytes()) : nullptr;
}
