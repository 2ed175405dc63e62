#include <gtest/gtest.h>

#include <vector>

#include "dib/icon_record.h"
#include "test_paths.h"
#include "zeb_fixtures.h"

namespace {

const int kSize = 32;

// A 32 x 32 monochrome cursor: the AND plane clear in the top-left quarter,
// the XOR plane set on its diagonal.
HCURSOR MonochromeCursor()
{
    BYTE andPlane[kSize * 4], xorPlane[kSize * 4] = {};
    for (int y = 0; y < kSize; ++y)
        for (int b = 0; b < 4; ++b) {
            andPlane[y * 4 + b] = (y < 16 && b < 2) ? 0x00 : 0xFF;
            if (y / 8 == b)
                xorPlane[y * 4 + b] = static_cast<BYTE>(0x80 >> (y % 8));
        }
    return ::CreateCursor(::GetModuleHandleA(nullptr), 5, 7, kSize, kSize, andPlane, xorPlane);
}

HCURSOR ColorCursor(COLORREF color)
{
    HBITMAP hColor = FilledBitmap(kSize, kSize, color);
    std::vector<BYTE> zeros(kSize * 4, 0);
    HBITMAP hMask = ::CreateBitmap(kSize, kSize, 1, 1, zeros.data());
    ICONINFO ii = {FALSE, 3, 4, hMask, hColor};
    HCURSOR hCursor = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    ::DeleteObject(hColor);
    return hCursor;
}

std::vector<BYTE> MaskBits(HCURSOR hCursor, bool* pbColor)
{
    ICONINFO ii = {};
    ::GetIconInfo(hCursor, &ii);
    BITMAP bm;
    ::GetObjectA(ii.hbmMask, sizeof(bm), &bm);
    std::vector<BYTE> bits(bm.bmWidthBytes * bm.bmHeight);
    ::GetBitmapBits(ii.hbmMask, static_cast<LONG>(bits.size()), bits.data());
    *pbColor = ii.hbmColor != nullptr;
    ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor != nullptr)
        ::DeleteObject(ii.hbmColor);
    return bits;
}

COLORREF CursorPixel(HCURSOR hCursor)
{
    ICONINFO ii = {};
    ::GetIconInfo(hCursor, &ii);
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMem, ii.hbmColor);
    const COLORREF c = ::GetPixel(hMem, 10, 10);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(ii.hbmMask);
    ::DeleteObject(ii.hbmColor);
    return c;
}

// Writes the record after two bytes of something else and reads it back.
HCURSOR RoundTrip(HCURSOR hCursor, LONG* pWritten, LONG* pRead)
{
    const std::string path = FreshTestFolder() + "\\cursor.dat";
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD cb;
    ::WriteFile(hFile, "AB", 2, &cb, nullptr);
    *pWritten = WriteIconRecord(hFile, hCursor);
    ::SetFilePointer(hFile, 2, nullptr, FILE_BEGIN);
    HCURSOR hBack = nullptr;
    *pRead = ReadCursorRecord(hFile, &hBack);
    ::CloseHandle(hFile);
    return hBack;
}

TEST(IconRecord, MonochromeCursorRoundTrip)
{
    HCURSOR hCursor = MonochromeCursor();
    ASSERT_NE(nullptr, hCursor);
    const DWORD cbRecord = 22 + 4 * 64 + 48;
    EXPECT_EQ(cbRecord, GetIconRecordSize(hCursor));
    std::vector<BYTE> record;
    ASSERT_TRUE(BuildIconRecord(hCursor, &record));
    const BYTE head[22] = {0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 5, 0, 7, 0, 48, 1, 0, 0, 22, 0, 0, 0};
    EXPECT_EQ(std::vector<BYTE>(head, head + 22), std::vector<BYTE>(record.begin(), record.begin() + 22));
    LONG nWritten = 0, nRead = 0;
    HCURSOR hBack = RoundTrip(hCursor, &nWritten, &nRead);
    EXPECT_EQ(static_cast<LONG>(cbRecord), nWritten);
    EXPECT_EQ(static_cast<LONG>(cbRecord), nRead);
    ASSERT_NE(nullptr, hBack);
    bool bColorA = true, bColorB = true;
    EXPECT_EQ(MaskBits(hCursor, &bColorA), MaskBits(hBack, &bColorB));
    EXPECT_FALSE(bColorB);
    ICONINFO ii;
    ::GetIconInfo(hBack, &ii);
    EXPECT_EQ(5u, ii.xHotspot);
    EXPECT_EQ(7u, ii.yHotspot);
    ::DeleteObject(ii.hbmMask);
    ::DestroyCursor(hBack);
    ::DestroyCursor(hCursor);
}

TEST(IconRecord, ColourCursorIsReadBackInColour)
{
    HCURSOR hCursor = ColorCursor(RGB(255, 0, 0));
    ASSERT_NE(nullptr, hCursor);
    // 24 bits, no table: colour rows of 96 bytes and mask rows of 4.
    const DWORD cbRecord = 22 + 40 + (96 + 4) * 32;
    EXPECT_EQ(cbRecord, GetIconRecordSize(hCursor));
    LONG nWritten = 0, nRead = 0;
    HCURSOR hBack = RoundTrip(hCursor, &nWritten, &nRead);
    EXPECT_EQ(static_cast<LONG>(cbRecord), nWritten);
    EXPECT_EQ(static_cast<LONG>(cbRecord), nRead);
    ASSERT_NE(nullptr, hBack);
    bool bColor = false;
    MaskBits(hBack, &bColor);
    EXPECT_TRUE(bColor);
    EXPECT_EQ(RGB(255, 0, 0), CursorPixel(hBack));
    ::DestroyCursor(hBack);
    ::DestroyCursor(hCursor);
}

TEST(IconRecord, DamagedRecordsAreRefused)
{
    HCURSOR hCursor = MonochromeCursor();
    std::vector<BYTE> record;
    ASSERT_TRUE(BuildIconRecord(hCursor, &record));
    ::DestroyCursor(hCursor);
    const struct
    {
        const char* pszName;
        size_t nAt;  // byte changed, or the length kept when nValue < 0
        int nValue;
    } kDamage[] = {{"type 3", 2, 3},        {"no image", 4, 0},      {"cut in the image", 200, -1},
                   {"cut in the head", 10, -1}, {"image offset far", 21, 0x10}, {"header size", 22, 12}};
    const std::string folder = FreshTestFolder();
    for (const auto& d : kDamage) {
        std::vector<BYTE> bytes = record;
        if (d.nValue < 0)
            bytes.resize(d.nAt);
        else
            bytes[d.nAt] = static_cast<BYTE>(d.nValue);
        const std::string path = WriteBytes(folder + "\\bad.dat", bytes);
        HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        HCURSOR hBack = reinterpret_cast<HCURSOR>(1);
        EXPECT_EQ(-1, ReadCursorRecord(hFile, &hBack)) << d.pszName;
        EXPECT_EQ(nullptr, hBack) << d.pszName;
        ::CloseHandle(hFile);
    }
    EXPECT_EQ(0u, GetIconRecordSize(nullptr));
}

}  // namespace
