#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <tuple>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

using Rgb = std::tuple<int, int, int>;

Rgb EntryColor(int nIndex)
{
    const PALETTEENTRY& e = FixedPaletteEntries()[nIndex];
    return {e.peRed, e.peGreen, e.peBlue};
}

TEST(FixedPalette, SystemColoursAtBothEnds)
{
    const Rgb low[10] = {{0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
                         {128, 0, 128}, {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {164, 200, 240}};
    const Rgb high[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
                          {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(low[i], EntryColor(i)) << i;
        EXPECT_EQ(high[i], EntryColor(246 + i)) << 246 + i;
    }
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(0, FixedPaletteEntries()[i].peFlags);
}

TEST(FixedPalette, HoldsTheCubeGreysAndHalfColoursOnce)
{
    std::set<Rgb> colors;
    for (int i = 0; i < 256; ++i)
        colors.insert(EntryColor(i));
    EXPECT_EQ(256u, colors.size()) << "no colour twice";
    const std::set<Rgb> leftOut = {{51, 255, 0}, {0, 255, 51}, {51, 0, 255}, {0, 51, 255}};
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r) {
                const Rgb c{r * 51, g * 51, b * 51};
                EXPECT_EQ(leftOut.count(c) == 0, colors.count(c) == 1) << r << g << b;
            }
    for (int grey : {4, 8, 12, 17, 22, 28, 34, 41, 57, 66, 77, 85, 95, 119, 129, 134, 150, 178, 193, 203, 215, 221,
                     227, 234, 241, 248})
        EXPECT_EQ(1u, colors.count({grey, grey, grey})) << grey;
    for (const Rgb& half : {Rgb{129, 0, 0}, Rgb{0, 129, 0}, Rgb{129, 129, 0}, Rgb{0, 0, 129}, Rgb{129, 0, 129},
                            Rgb{0, 129, 129}})
        EXPECT_EQ(1u, colors.count(half));
}

TEST(FixedPalette, CubeMapPointsAtTheCubeColour)
{
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r) {
                Rgb want{r * 51, g * 51, b * 51};
                if (want == Rgb{51, 255, 0} || want == Rgb{0, 255, 51})
                    want = {0, 255, 0};
                if (want == Rgb{51, 0, 255} || want == Rgb{0, 51, 255})
                    want = {0, 0, 255};
                EXPECT_EQ(want, EntryColor(CubeMapIndex(r, g, b))) << r << g << b;
            }
}

TEST(FixedPalette, SixteenColourPaletteInOrder)
{
    HPALETTE hPalette = CreateSixteenColorPalette();
    PALETTEENTRY entries[16];
    ASSERT_EQ(16u, ::GetPaletteEntries(hPalette, 0, 16, entries));
    EXPECT_EQ(0, std::memcmp(entries, SixteenColorEntries(), sizeof(entries)));
    const PALETTEENTRY& e9 = entries[9];
    EXPECT_EQ(Rgb(255, 0, 0), Rgb(e9.peRed, e9.peGreen, e9.peBlue));
    ::DeleteObject(hPalette);
}

class LibraryPalette : public LibraryStarted
{
};

TEST_F(LibraryPalette, GetPaletteGivesTheFixedPalette)
{
    HPALETTE hPalette = zebGetPalette(0);
    ASSERT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(hPalette)));
    PALETTEENTRY entries[256];
    ASSERT_EQ(256u, ::GetPaletteEntries(hPalette, 0, 256, entries));
    EXPECT_EQ(0, std::memcmp(entries, FixedPaletteEntries(), sizeof(entries)));
}

TEST(Dither, ExactCubeColoursKeepTheirColourEverywhere)
{
    const Rgb kExact[] = {{255, 255, 255}, {0, 0, 0}, {51, 102, 153}, {255, 0, 0}, {204, 204, 204}};
    for (const Rgb& c : kExact)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(c, EntryColor(DitherIndex(BYTE(std::get<0>(c)), BYTE(std::get<1>(c)),
                                                    BYTE(std::get<2>(c)), x, y)));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(Rgb(0, 255, 0), EntryColor(DitherIndex(51, 255, 0, x, y))) << "left out: pure green";
}

// 25 lies between the levels 0 and 51: the pixels whose threshold is below
// 25 take the upper level, in the pattern of the matrix.
TEST(Dither, MidValuesFollowTheThresholdMatrix)
{
    int nUpper = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const Rgb c = EntryColor(DitherIndex(25, 25, 25, x, y));
            EXPECT_TRUE(c == Rgb(0, 0, 0) || c == Rgb(51, 51, 51));
            nUpper += c == Rgb(51, 51, 51);
        }
    EXPECT_EQ(32, nUpper);  // the thresholds below 25
    EXPECT_EQ(Rgb(51, 51, 51), EntryColor(DitherIndex(25, 25, 25, 0, 0)));  // threshold 0
    EXPECT_EQ(Rgb(0, 0, 0), EntryColor(DitherIndex(25, 25, 25, 0, 1)));     // threshold 38
    EXPECT_EQ(Rgb(0, 0, 0), EntryColor(DitherIndex(25, 25, 25, 1, 0)));     // threshold 25, not exceeded
    EXPECT_EQ(Rgb(51, 51, 51), EntryColor(DitherIndex(25, 25, 25, 1, 7)));  // threshold 24
}

// A DIB handle built in memory: header, table of nColors, bits, slot.
HGLOBAL MakeDib(LONG nWidth, LONG nHeight, WORD wBits, DWORD nColors, const RGBQUAD* pTable, const BYTE* pBits)
{
    const DWORD cbBits = static_cast<DWORD>(DibStride(nWidth, wBits)) * nHeight;
    HGLOBAL hDib = ::GlobalAlloc(GHND, 40 + nColors * 4 + cbBits + 4);
    BYTE* p = static_cast<BYTE*>(::GlobalLock(hDib));
    BITMAPINFOHEADER h = {40, nWidth, nHeight, 1, wBits, BI_RGB, cbBits, 0, 0, nColors, 0};
    std::memcpy(p, &h, 40);
    std::memcpy(p + 40, pTable, nColors * 4);
    std::memcpy(p + 40 + nColors * 4, pBits, cbBits);
    ::GlobalUnlock(hDib);
    return hDib;
}

Rgb DitheredPixel(HGLOBAL hDib, int x, int y)
{
    const std::vector<BYTE> b = BlockBytes(hDib);
    const auto& h = *reinterpret_cast<const BITMAPINFOHEADER*>(b.data());
    const DWORD stride = (static_cast<DWORD>(h.biWidth) + 3) & ~3u;
    const BYTE index = b[40 + 1024 + y * stride + x];
    const RGBQUAD& q = reinterpret_cast<const RGBQUAD*>(b.data() + 40)[index];
    return {q.rgbRed, q.rgbGreen, q.rgbBlue};
}

TEST(Dither, TwentyFourBitDibBecomesAnEightBitDibOnTheFixedPalette)
{
    // Two rows of two pixels (blue, green, red), rows padded to 8 bytes.
    const BYTE bits[16] = {255, 255, 255, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0};
    HGLOBAL hSource = MakeDib(2, 2, 24, 0, nullptr, bits);
    HGLOBAL hDither = DitherDibToFixedPalette(hSource, TRUE);
    ASSERT_NE(nullptr, hDither);
    ASSERT_NE(hSource, hDither);
    const auto h = *reinterpret_cast<const BITMAPINFOHEADER*>(BlockBytes(hDither).data());
    EXPECT_EQ(8, h.biBitCount);
    EXPECT_EQ(256u, h.biClrUsed);
    EXPECT_EQ(8u, h.biSizeImage);
    EXPECT_EQ(Rgb(255, 255, 255), DitheredPixel(hDither, 0, 0));
    EXPECT_EQ(Rgb(255, 0, 0), DitheredPixel(hDither, 1, 0));
    EXPECT_EQ(Rgb(0, 0, 0), DitheredPixel(hDither, 0, 1));
    EXPECT_EQ(Rgb(0, 0, 255), DitheredPixel(hDither, 1, 1));
    HPALETTE hPalette = GetDibPalette(hDither);
    ASSERT_NE(nullptr, hPalette);
    EXPECT_EQ(256u, ::GetPaletteEntries(hPalette, 0, 0, nullptr));
    EXPECT_EQ(bits[3], BlockBytes(hSource)[40 + 3]) << "source unchanged";
    DestroyDib(hDither);
    DestroyDib(hSource);
}

TEST(Dither, IndexesBeyondTheColourTableTakeItsLastEntry)
{
    const RGBQUAD table[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    const BYTE bits[4] = {0, 1, 200, 255};
    HGLOBAL hSource = MakeDib(4, 1, 8, 2, table, bits);
    HGLOBAL hDither = DitherDibToFixedPalette(hSource, FALSE);
    ASSERT_NE(nullptr, hDither);
    EXPECT_EQ(Rgb(0, 0, 0), DitheredPixel(hDither, 0, 0));
    EXPECT_EQ(Rgb(255, 255, 255), DitheredPixel(hDither, 1, 0));
    EXPECT_EQ(Rgb(255, 255, 255), DitheredPixel(hDither, 2, 0));
    EXPECT_EQ(Rgb(255, 255, 255), DitheredPixel(hDither, 3, 0));
    EXPECT_EQ(nullptr, GetDibPalette(hDither));
    DestroyDib(hDither);
    DestroyDib(hSource);
}

TEST(Dither, OtherDepthsAreReturnedAsTheyAre)
{
    const BYTE bits[8] = {};
    for (WORD wBits : {16, 32}) {
        HGLOBAL hSource = MakeDib(1, 1, wBits, 0, nullptr, bits);
        EXPECT_EQ(hSource, DitherDibToFixedPalette(hSource, TRUE));
        EXPECT_EQ(nullptr, CreateDibPalette(hSource)) << "no palette for " << wBits << " bits";
        DestroyDib(hSource);
    }
}

}  // namespace
