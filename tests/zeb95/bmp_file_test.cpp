#include <gtest/gtest.h>

#include <cstring>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "test_paths.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

struct ReadCase
{
    const char* pszName;
    BmpFixture fixture;
};

BmpFixture Fixture(WORD wBits, DWORD dwHeaderSize = 40, bool bFileHeader = true)
{
    BmpFixture f;
    f.wBitCount = wBits;
    f.dwHeaderSize = dwHeaderSize;
    f.bFileHeader = bFileHeader;
    return f;
}

const BITMAPINFOHEADER& Header(const std::vector<BYTE>& block)
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(block.data());
}

class BmpRead : public testing::TestWithParam<ReadCase>
{
};

// Every readable fixture gives a handle with a 40-byte header, a 4-byte
// colour table of the fixture's colours, its bits and a palette slot.
TEST_P(BmpRead, GivesAnInfoHeaderTableAndBits)
{
    const BmpFixture& f = GetParam().fixture;
    const std::string path = WriteBytes(FreshTestFolder() + "\\in.bmp", BuildBmp(f));
    HGLOBAL hDib = ReadDibFile(path.c_str(), FALSE);
    ASSERT_NE(nullptr, hDib);
    const std::vector<BYTE> block = BlockBytes(hDib);
    const BITMAPINFOHEADER& h = Header(block);
    const DWORD nColors = f.dwClrUsed != 0 ? f.dwClrUsed : DibColorsOfBitCount(f.wBitCount);
    const std::vector<BYTE> bits = FixtureBits(f);
    EXPECT_EQ(40u, h.biSize);
    EXPECT_EQ(f.nWidth, h.biWidth);
    EXPECT_EQ(f.nHeight, h.biHeight);
    EXPECT_EQ(f.wBitCount, h.biBitCount);
    EXPECT_EQ(nColors, h.biClrUsed);
    EXPECT_EQ(bits.size(), h.biSizeImage);
    ASSERT_GE(block.size(), 40 + nColors * 4 + bits.size() + 4);
    for (DWORD i = 0; i < nColors; ++i) {
        const RGBQUAD& q = reinterpret_cast<const RGBQUAD*>(block.data() + 40)[i];
        EXPECT_EQ(BYTE(i), q.rgbBlue);
        EXPECT_EQ(BYTE(255 - i), q.rgbGreen);
        EXPECT_EQ(BYTE(i * 3), q.rgbRed);
        EXPECT_EQ(0, q.rgbReserved);
    }
    EXPECT_EQ(0, std::memcmp(bits.data(), block.data() + 40 + nColors * 4, bits.size()));
    EXPECT_EQ(nullptr, GetDibPalette(hDib));
    DestroyDib(hDib);
}

ReadCase Case(const char* pszName, BmpFixture f) { return {pszName, f}; }

BmpFixture WithColors(WORD wBits, DWORD dwClrUsed)
{
    BmpFixture f = Fixture(wBits);
    f.dwClrUsed = dwClrUsed;
    return f;
}

BmpFixture WithImageSize(DWORD dwSizeImage)
{
    BmpFixture f = Fixture(8);
    f.dwSizeImage = dwSizeImage;
    return f;
}

INSTANTIATE_TEST_SUITE_P(Readable, BmpRead,
                         testing::Values(Case("Info1", Fixture(1)), Case("Info4", Fixture(4)),
                                         Case("Info8", Fixture(8)), Case("Info24", Fixture(24)),
                                         Case("Info16", Fixture(16)), Case("Info32", Fixture(32)),
                                         Case("Core1", Fixture(1, 12)), Case("Core4", Fixture(4, 12)),
                                         Case("Core8", Fixture(8, 12)), Case("Core24", Fixture(24, 12)),
                                         Case("BareInfo8", Fixture(8, 40, false)),
                                         Case("BareCore4", Fixture(4, 12, false)),
                                         Case("EightBitsFiveColours", WithColors(8, 5)),
                                         Case("TwentyFourBitsWithTable", WithColors(24, 4)),
                                         Case("ImageLargerThanRows", WithImageSize(64))),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.pszName; });

BmpFixture Refused(void (*change)(BmpFixture*))
{
    BmpFixture f = Fixture(8);
    change(&f);
    return f;
}

class BmpRefused : public testing::TestWithParam<ReadCase>
{
};

TEST_P(BmpRefused, ReadsNothing)
{
    const std::string path = WriteBytes(FreshTestFolder() + "\\in.bmp", BuildBmp(GetParam().fixture));
    EXPECT_EQ(nullptr, ReadDibFile(path.c_str(), TRUE));
    EXPECT_EQ(nullptr, zebReadDib(path.c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpRefused,
    testing::Values(Case("HeaderSize64", Refused([](BmpFixture* f) { f->dwHeaderSize = 64; })),
                    Case("HeaderSize108", Refused([](BmpFixture* f) { f->dwHeaderSize = 108; })),
                    Case("WidthZero", Refused([](BmpFixture* f) { f->nWidth = 0; })),
                    Case("WidthNegative", Refused([](BmpFixture* f) { f->nWidth = -3; })),
                    Case("HeightZero", Refused([](BmpFixture* f) { f->nHeight = 0; })),
                    Case("TopDown", Refused([](BmpFixture* f) { f->nHeight = -2; })),
                    Case("BitCount2", Refused([](BmpFixture* f) { f->wBitCount = 2; })),
                    Case("BitCount0", Refused([](BmpFixture* f) { f->wBitCount = 0; })),
                    Case("Rle8", Refused([](BmpFixture* f) { f->dwCompression = BI_RLE8; })),
                    Case("BitFields", Refused([](BmpFixture* f) {
                             f->wBitCount = 16;
                             f->dwCompression = BI_BITFIELDS;
                         })),
                    Case("ColoursBeyondBitCount", Refused([](BmpFixture* f) {
                             f->wBitCount = 1;
                             f->dwClrUsed = 3;
                         })),
                    Case("ColoursBeyond256", Refused([](BmpFixture* f) {
                             f->wBitCount = 24;
                             f->dwClrUsed = 257;
                         })),
                    Case("ImageSmallerThanRows", Refused([](BmpFixture* f) { f->dwSizeImage = 7; })),
                    Case("HugeImageSize", Refused([](BmpFixture* f) {
                             f->dwSizeImage = 0xFFFFFFF0;
                             f->nBitsBytes = 8;
                         })),
                    Case("ShortBits", Refused([](BmpFixture* f) { f->cbCut = 1; })),
                    Case("ShortTable", Refused([](BmpFixture* f) { f->cbCut = 8 + 256 * 4 - 10; })),
                    Case("ShortHeader", Refused([](BmpFixture* f) { f->cbCut = 8 + 256 * 4 + 30; }))),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.pszName; });

TEST(BmpFile, SmallCoreHeaderFileShorterThanAnInfoHeaderIsRead)
{
    BmpFixture f = Fixture(1, 12);
    f.nWidth = 1;
    f.nHeight = 1;
    const std::vector<BYTE> bytes = BuildBmp(f);
    ASSERT_LT(bytes.size(), 14u + 40u);
    const std::string path = WriteBytes(FreshTestFolder() + "\\core.bmp", bytes);
    HGLOBAL hDib = zebReadDib(path.c_str());
    ASSERT_NE(nullptr, hDib);
    EXPECT_EQ(2u, Header(BlockBytes(hDib)).biClrUsed);
    zebDestroyDib(hDib);
}

TEST(BmpFile, BareDibIsReadFromTheFilePosition)
{
    std::vector<BYTE> bytes(5, 0xEE);
    const std::vector<BYTE> dib = BuildBmp(Fixture(4, 40, false));
    bytes.insert(bytes.end(), dib.begin(), dib.end());
    const std::string path = WriteBytes(FreshTestFolder() + "\\bare.dat", bytes);
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ::SetFilePointer(hFile, 5, nullptr, FILE_BEGIN);
    HGLOBAL hDib = ReadDib(hFile, FALSE);
    EXPECT_EQ(static_cast<DWORD>(bytes.size()), ::SetFilePointer(hFile, 0, nullptr, FILE_CURRENT));
    ::CloseHandle(hFile);
    ASSERT_NE(nullptr, hDib);
    EXPECT_EQ(16u, Header(BlockBytes(hDib)).biClrUsed);
    DestroyDib(hDib);
}

// A 3 x 2 one-bit picture read from a core header and written back: an info
// header, the colour count and image size filled in, the bits unchanged.
TEST(BmpFile, WrittenFileHasTheseHeaderBytes)
{
    const std::string folder = FreshTestFolder();
    const std::string in = WriteBytes(folder + "\\in.bmp", BuildBmp(Fixture(1, 12)));
    HGLOBAL hDib = zebReadDib(in.c_str());
    ASSERT_NE(nullptr, hDib);
    const std::string out = folder + "\\out.bmp";
    ASSERT_EQ(1, zebWriteDib(out.c_str(), hDib));
    const std::vector<BYTE> written = ReadBytes(out);
    const BYTE golden[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,    // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0,   // size, width, height, planes, bits
        0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // compression, image size, resolution
        2, 0, 0, 0, 2, 0, 0, 0,                            // colours used, important
        0, 255, 0, 0, 1, 254, 3, 0,                        // colour table
        1, 8, 15, 22, 29, 36, 43, 50};                     // bits
    ASSERT_EQ(sizeof(golden), written.size());
    EXPECT_EQ(0, std::memcmp(golden, written.data(), sizeof(golden)));

    HGLOBAL hBack = zebReadDib(out.c_str());
    ASSERT_NE(nullptr, hBack);
    const std::vector<BYTE> a = BlockBytes(hDib), b = BlockBytes(hBack);
    EXPECT_EQ(0, std::memcmp(a.data(), b.data(), 40 + 8 + 8)) << "header, table and bits round trip";
    zebDestroyDib(hBack);
    zebDestroyDib(hDib);
}

TEST(BmpFile, RoundTripKeepsHeaderTableAndBitsAtEveryDepth)
{
    for (WORD wBits : {1, 4, 8, 24}) {
        const std::string folder = FreshTestFolder();
        const std::string in = WriteBytes(folder + "\\in.bmp", BuildBmp(Fixture(wBits)));
        HGLOBAL hDib = ReadDibFile(in.c_str(), FALSE);
        ASSERT_NE(nullptr, hDib);
        const std::string out = folder + "\\out.bmp";
        ASSERT_TRUE(WriteBmpFile(out.c_str(), hDib));
        HGLOBAL hBack = ReadDibFile(out.c_str(), FALSE);
        ASSERT_NE(nullptr, hBack);
        EXPECT_EQ(BlockBytes(hDib), BlockBytes(hBack)) << wBits << " bits";
        DestroyDib(hBack);
        DestroyDib(hDib);
    }
}

TEST(BmpFile, FailedWriteLeavesNoFile)
{
    const std::string path = WriteBytes(FreshTestFolder() + "\\old.bmp", {1, 2, 3});
    EXPECT_EQ(0, zebWriteDib(path.c_str(), nullptr));
    EXPECT_FALSE(FileExists(path));

    // A handle whose header promises more bits than its block holds.
    HGLOBAL hShort = ::GlobalAlloc(GHND, 40 + 4);
    auto* pHeader = static_cast<BITMAPINFOHEADER*>(::GlobalLock(hShort));
    *pHeader = {40, 100, 100, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::GlobalUnlock(hShort);
    EXPECT_EQ(0, zebWriteDib(path.c_str(), hShort));
    EXPECT_FALSE(FileExists(path));
    ::GlobalFree(hShort);
}

TEST(BmpFile, ImageWrittenIntoAnOpenFileReportsItsSize)
{
    const std::string folder = FreshTestFolder();
    HGLOBAL hDib = ReadDibFile(WriteBytes(folder + "\\in.bmp", BuildBmp(Fixture(8))).c_str(), FALSE);
    ASSERT_NE(nullptr, hDib);
    const std::string out = folder + "\\block.dat";
    HANDLE hFile = ::CreateFileA(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD cb = 0;
    ::WriteFile(hFile, "XY", 2, &cb, nullptr);
    const DWORD dwSize = WriteBmpToFile(hFile, hDib);
    ::CloseHandle(hFile);
    EXPECT_EQ(14u + 40u + 1024u + 8u, dwSize);
    EXPECT_EQ(2u + dwSize, ReadBytes(out).size());
    DestroyDib(hDib);
}

}  // namespace
