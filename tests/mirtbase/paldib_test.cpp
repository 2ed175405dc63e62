// The picture with its palette: reading BMP files through an archive,
// writing them back, drawing fitted, and the JPEG conversion without its
// converter.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "canvas.h"
#include "field_fixture.h"
#include "paldib.h"
#include "test_paths.h"

namespace {

typedef std::vector<BYTE> Bmp;

void PutLong(Bmp& bytes, size_t at, LONG value)
{
    std::memcpy(&bytes[at], &value, sizeof value);
}

// A BMP file of width x height at bitCount bits with `colours` colour-table
// entries; pixels all `fill`.
Bmp MakeBmp(LONG width, LONG height, WORD bitCount, const std::vector<RGBQUAD>& colours = {}, BYTE fill = 0)
{
    const size_t stride = static_cast<size_t>(width * bitCount + 31) / 32 * 4;
    const size_t pixelOffset = 54 + colours.size() * 4;
    Bmp bytes(pixelOffset + stride * static_cast<size_t>(height < 0 ? -height : height), fill);
    std::fill_n(bytes.begin(), pixelOffset, BYTE(0));
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLong(bytes, 2, static_cast<LONG>(bytes.size()));
    PutLong(bytes, 10, static_cast<LONG>(pixelOffset));
    PutLong(bytes, 14, 40);
    PutLong(bytes, 18, width);
    PutLong(bytes, 22, height);
    bytes[26] = 1;
    bytes[28] = static_cast<BYTE>(bitCount);
    PutLong(bytes, 46, static_cast<LONG>(colours.size()));
    if (!colours.empty())
        std::memcpy(&bytes[54], colours.data(), colours.size() * 4);
    return bytes;
}

// Loads the picture from the bytes through an archive over a memory file.
void LoadFrom(CPalDIB& picture, Bmp bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    picture.Serialize(ar);
    ar.Close();
}

Bmp StoreOf(CPalDIB& picture)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        picture.Serialize(ar);
        ar.Close();
    }
    Bmp bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

TEST(PalDibTest, ReadsABmpFileAndWritesTheSameBytes)
{
    const std::string path = FreshTestFolder() + "\\picture.bmp";
    const Bmp original = MakeBmp(5, -3, 24, {}, 0x5A);
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(original.data(), static_cast<UINT>(original.size()));
    }
    CPalDIB picture;
    {
        CFile file(path.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        picture.Serialize(ar);
    }
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_EQ(0, picture.m_bReadFailed);
    EXPECT_EQ(5, picture.m_nWidth);
    EXPECT_EQ(-3, picture.m_nHeight);
    EXPECT_EQ(static_cast<int>(original.size()), picture.m_nBytes);
    EXPECT_EQ(original, StoreOf(picture));
}

TEST(PalDibTest, NotAWholeBmpLeavesItEmptyAndFlagged)
{
    Bmp jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    jpeg.resize(200, 0);
    Bmp truncated = MakeBmp(8, 8, 24);
    truncated.resize(truncated.size() - 1);
    Bmp tableBeyondEnd = MakeBmp(1, 1, 24);
    PutLong(tableBeyondEnd, 10, static_cast<LONG>(tableBeyondEnd.size()) + 4);
    Bmp hugeHeader = MakeBmp(1, 1, 24);
    PutLong(hugeHeader, 14, 0x7FFFFFF0);
    // Rows of 2^33 bytes, 2^31 of them: the size overflows 64 signed bits.
    Bmp overflowing = MakeBmp(1, 1, 32);
    PutLong(overflowing, 18, 0x7FFFFFFF);
    PutLong(overflowing, 22, INT_MIN);
    // An 8-bit picture needs its 256 colours before the pixels.
    const Bmp noColourTable = MakeBmp(1, 1, 8);
    Bmp shortColourTable = MakeBmp(1, 1, 8, {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}});
    PutLong(shortColourTable, 46, 3);
    Bmp tooManyColours = MakeBmp(1, 1, 1, {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}, {0, 0, 0, 0}});
    Bmp jpegInside = MakeBmp(1, 1, 24);
    PutLong(jpegInside, 30, BI_JPEG);
    Bmp twoPlanes = MakeBmp(1, 1, 24);
    twoPlanes[26] = 2;
    // 16 bytes of runs that would unpack to 35 GB.
    Bmp hugeRuns = MakeBmp(1, 1, 8, std::vector<RGBQUAD>(2));
    hugeRuns.resize(hugeRuns.size() + 16, 0);
    PutLong(hugeRuns, 18, 133124);
    PutLong(hugeRuns, 22, 262274);
    PutLong(hugeRuns, 30, BI_RLE8);
    PutLong(hugeRuns, 34, 16);
    const struct
    {
        const char* name;
        Bmp bytes;
    } cases[] = {
        {"JPEG", jpeg}, {"short of its pixels", truncated}, {"pixels past the end", tableBeyondEnd},
        {"header past the end", hugeHeader}, {"headers cut", Bmp{'B', 'M', 0, 0}},
        {"pixel size overflows", overflowing}, {"no colour table", noColourTable},
        {"colour table short of its count", shortColourTable}, {"more colours than bits", tooManyColours},
        {"compression GDI does not draw", jpegInside}, {"two planes", twoPlanes},
        {"runs of a picture far larger than they can hold", hugeRuns},
    };
    for (const auto& c : cases) {
        CPalDIB picture;
        LoadFrom(picture, MakeBmp(2, 2, 24));
        ASSERT_FALSE(picture.IsEmpty());
        LoadFrom(picture, c.bytes);
        EXPECT_TRUE(picture.IsEmpty()) << c.name;
        EXPECT_EQ(1, picture.m_bReadFailed) << c.name;
        EXPECT_TRUE(StoreOf(picture).empty()) << c.name;
    }
}

// A picture twice as wide as high in a rectangle four times as wide: drawn
// at the height's scale, centred across.
TEST(PalDibTest, DrawsFittedAndCentred)
{
    CPalDIB picture;
    LoadFrom(picture, MakeBmp(20, 10, 24, {}, 0x00));
    picture.m_rcTarget = {10, 5, 90, 25};
    MemoryCanvas canvas(100, 30);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    picture.Draw(&dc);
    EXPECT_DOUBLE_EQ(200.0, picture.m_dScale);
    EXPECT_EQ(40 * 20, canvas.countInked({30, 5, 70, 25}));
    EXPECT_EQ(0, canvas.countInked({0, 0, 30, 30}));
    EXPECT_EQ(0, canvas.countInked({70, 0, 100, 30}));
}

// The launcher's drawing copies the picture over what lies beneath (a white
// picture stays white on red), fitted and centred, and gives back the
// context's stretch mode.
TEST(PalDibTest, DrawCopyCopiesFittedOverTheBackground)
{
    CPalDIB picture;
    LoadFrom(picture, MakeBmp(10, 20, 24, {}, 0xFF));
    picture.m_rcTarget = {0, 0, 100, 40};
    MemoryCanvas canvas(100, 40, RGB(255, 0, 0));
    ::SetStretchBltMode(canvas.dc(), HALFTONE);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    picture.DrawCopy(&dc);
    EXPECT_DOUBLE_EQ(200.0, picture.m_dScale);
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(50, 20));
    EXPECT_EQ(20 * 40, canvas.countInked({40, 0, 60, 40}));
    EXPECT_EQ(0, canvas.countInked({0, 0, 40, 40}));
    EXPECT_EQ(0, canvas.countInked({60, 0, 100, 40}));
    EXPECT_EQ(HALFTONE, ::GetStretchBltMode(canvas.dc()));
}

// A picture wider than 65,535 pixels is drawn whole: its black left half
// lands on the left of the rectangle, its white right half on the right.
// The context's stretch mode is given back.
TEST(PalDibTest, WidePictureDrawsWholeAndTheStretchModeIsRestored)
{
    // 700 rows, so that the fitted picture is one pixel high.
    const LONG width = 70000;
    const LONG height = 700;
    const size_t stride = (width + 31) / 32 * 4;
    Bmp wide = MakeBmp(width, height, 1, {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}}, 0xFF);
    for (LONG row = 0; row < height; row++)
        std::fill_n(wide.begin() + 62 + row * stride, width / 2 / 8, BYTE(0));
    CPalDIB picture;
    LoadFrom(picture, wide);
    ASSERT_FALSE(picture.IsEmpty());
    picture.m_rcTarget = {0, 0, 100, 1};
    MemoryCanvas canvas(100, 1, RGB(255, 0, 0));
    ::SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    picture.Draw(&dc);
    EXPECT_EQ(COLORONCOLOR, ::GetStretchBltMode(canvas.dc()));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(10, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(90, 0));
}

TEST(PalDibTest, ZeroSizedPictureDrawsAtFullScale)
{
    CPalDIB picture;
    LoadFrom(picture, MakeBmp(0, 0, 24));
    ASSERT_FALSE(picture.IsEmpty());
    picture.m_dScale = 5.0;
    picture.m_rcTarget = {0, 0, 10, 10};
    MemoryCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    picture.Draw(&dc);
    EXPECT_DOUBLE_EQ(100.0, picture.m_dScale);
    EXPECT_EQ(0, canvas.countInked({0, 0, 10, 10}));
}

TEST(PalDibTest, EmptyPictureDrawsNothing)
{
    CPalDIB picture;
    picture.m_rcTarget = {0, 0, 10, 10};
    MemoryCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    picture.m_dScale = 5.0;
    picture.Draw(&dc);
    EXPECT_DOUBLE_EQ(5.0, picture.m_dScale);
    EXPECT_EQ(0, canvas.countInked({0, 0, 10, 10}));
}

TEST(PalDibTest, ColourTableAndPalette)
{
    const std::vector<RGBQUAD> colours = {{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}};
    CPalDIB picture;
    LoadFrom(picture, MakeBmp(4, 2, 8, colours, 1));
    RGBQUAD table[4] = {};
    ASSERT_EQ(2, picture.GetColorTable(table, 4));
    EXPECT_EQ(0x60, table[1].rgbRed);
    EXPECT_EQ(0x40, table[1].rgbBlue);
    EXPECT_EQ(1, picture.GetColorTable(table, 1));

    // Windows NT (as Wine is) reads no colour table: the halftone palette.
    CPalette palette;
    ASSERT_TRUE(picture.CreateDibPalette(&palette));
    EXPECT_GT(palette.GetEntryCount(), 2);
}

int CountTempBmps()
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((std::string(szFolder) + "bmp*.tmp").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    int nCount = 0;
    do {
        ++nCount;
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return nCount;
}

TEST(PalDibTest, JpegConversionWithoutTheConverterLeavesNoFile)
{
    const int nBefore = CountTempBmps();
    CString strPath = "unchanged";
    EXPECT_EQ(0, CPalDIB::ConvertToTempBmp(strPath, "C:\\nowhere\\photo.jpg"));
    EXPECT_STREQ("unchanged", strPath);
    EXPECT_EQ(nBefore, CountTempBmps());
}

}  // namespace
