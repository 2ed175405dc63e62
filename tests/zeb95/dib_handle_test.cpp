#include <gtest/gtest.h>

#include <cstring>

#include "canvas.h"
#include "dib/bmp_file.h"
#include "dib/dib_convert.h"
#include "dib/dib_draw.h"
#include "dib/dib_handle.h"
#include "test_paths.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const BITMAPINFOHEADER& Header(const std::vector<BYTE>& block)
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(block.data());
}

TEST(DibHandle, CreateDibOfAScreenBitmapIs24BitsWithAFixedPaletteCopy)
{
    HBITMAP hBitmap = FilledBitmap(5, 3, RGB(255, 0, 0));
    HGLOBAL hDib = zebCreateDib(hBitmap, nullptr);
    ASSERT_NE(nullptr, hDib);
    const std::vector<BYTE> block = BlockBytes(hDib);
    const BITMAPINFOHEADER& h = Header(block);
    EXPECT_EQ(24, h.biBitCount);
    EXPECT_EQ(5, h.biWidth);
    EXPECT_EQ(3, h.biHeight);
    EXPECT_EQ(0u, h.biClrUsed);
    EXPECT_EQ(16u * 3, h.biSizeImage);
    EXPECT_EQ(0, block[40]);    // blue
    EXPECT_EQ(0, block[41]);    // green
    EXPECT_EQ(255, block[42]);  // red
    HPALETTE hPalette = GetDibPalette(hDib);
    ASSERT_NE(nullptr, hPalette);
    EXPECT_NE(zebGetPalette(0), hPalette);
    EXPECT_EQ(256u, ::GetPaletteEntries(hPalette, 0, 0, nullptr));
    EXPECT_EQ(1, zebDestroyDib(hDib));
    EXPECT_EQ(0u, ::GetObjectType(hPalette)) << "the slot's palette goes with the handle";
    ::DeleteObject(hBitmap);
}

TEST(DibHandle, BitmapAtOneBitGetsATwoColourTableAndPalette)
{
    HBITMAP hBitmap = FilledBitmap(9, 2, RGB(255, 255, 255));
    HGLOBAL hDib = BitmapToDib(hBitmap, 1, nullptr, TRUE);
    ASSERT_NE(nullptr, hDib);
    const std::vector<BYTE> block = BlockBytes(hDib);
    const BITMAPINFOHEADER& h = Header(block);
    EXPECT_EQ(1, h.biBitCount);
    EXPECT_EQ(2u, h.biClrUsed);
    EXPECT_EQ(8u, h.biSizeImage);
    EXPECT_EQ(2u, ::GetPaletteEntries(GetDibPalette(hDib), 0, 0, nullptr));
    DestroyDib(hDib);
    ::DeleteObject(hBitmap);
}

TEST(DibHandle, NormalisedBitCounts)
{
    const struct
    {
        UINT nBits;
        WORD wWant;
    } kCases[] = {{0, 1}, {1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}, {15, 24}, {16, 24}, {32, 24}};
    for (const auto& c : kCases)
        EXPECT_EQ(c.wWant, NormaliseBitCount(c.nBits)) << c.nBits;
    EXPECT_EQ(nullptr, zebCreateDib(nullptr, nullptr));
}

TEST(DibHandle, CopyHasItsOwnPaletteAndTheSameBytes)
{
    HBITMAP hBitmap = FilledBitmap(4, 4, RGB(0, 128, 255));
    HGLOBAL hDib = zebCreateDib(hBitmap, nullptr);
    HGLOBAL hCopy = zebCopyDib(hDib);
    ASSERT_NE(nullptr, hCopy);
    HPALETTE hOwn = GetDibPalette(hCopy);
    EXPECT_NE(GetDibPalette(hDib), hOwn);
    EXPECT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(hOwn)));
    std::vector<BYTE> a = BlockBytes(hDib), b = BlockBytes(hCopy);
    const size_t cbDib = 40 + Header(a).biSizeImage;
    EXPECT_EQ(0, std::memcmp(a.data(), b.data(), cbDib));
    zebDestroyDib(hDib);
    EXPECT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(hOwn))) << "the copy's palette outlives the source";
    zebDestroyDib(hCopy);
    EXPECT_EQ(nullptr, zebCopyDib(nullptr));
    EXPECT_EQ(0, zebDestroyDib(nullptr));
    ::DeleteObject(hBitmap);
}

TEST(DibHandle, AttachedPaletteLiesAfterTheComputedImageSize)
{
    // A packed 2 x 2 24-bit DIB without image size.
    HGLOBAL hPacked = ::GlobalAlloc(GHND, 40 + 16);
    auto* h = static_cast<BITMAPINFOHEADER*>(::GlobalLock(hPacked));
    *h = {40, 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::GlobalUnlock(hPacked);
    HGLOBAL hDib = AttachDibPalette(hPacked, reinterpret_cast<HPALETTE>(0x1234));
    ASSERT_NE(nullptr, hDib);
    EXPECT_EQ(16u, Header(BlockBytes(hDib)).biSizeImage);
    EXPECT_EQ(reinterpret_cast<HPALETTE>(0x1234), GetDibPalette(hDib));
    EXPECT_EQ(0x1234u, *reinterpret_cast<const DWORD*>(BlockBytes(hDib).data() + 56));
    RECT rc;
    EXPECT_TRUE(GetDibRect(hDib, &rc));
    EXPECT_EQ(2, rc.right);
    EXPECT_EQ(2, rc.bottom);
    EXPECT_FALSE(GetDibRect(nullptr, &rc));
    EXPECT_TRUE(::IsRectEmpty(&rc));
    SetDibPalette(hDib, nullptr);
    DestroyDib(hDib);
}

// A block whose header promises more than the block holds is refused
// everywhere, never read or written past its end.
TEST(DibHandle, BlocksShorterThanTheirHeaderSaysAreRefused)
{
    HGLOBAL hShort = ::GlobalAlloc(GHND, 40 + 4);
    auto* h = static_cast<BITMAPINFOHEADER*>(::GlobalLock(hShort));
    *h = {40, 100, 100, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::GlobalUnlock(hShort);
    MemoryCanvas canvas(4, 4);
    EXPECT_EQ(nullptr, zebCopyDib(hShort));
    EXPECT_EQ(nullptr, GetDibPalette(hShort));
    EXPECT_FALSE(SetDibPalette(hShort, reinterpret_cast<HPALETTE>(0x1234)));
    EXPECT_EQ(nullptr, DitherDibToFixedPalette(hShort, TRUE));
    EXPECT_FALSE(DrawDib(canvas.dc(), 0, 0, 4, 4, hShort, 0, 0, SRCCOPY));
    EXPECT_EQ(0, DrawDibStretch(canvas.dc(), 0, 0, 4, 4, hShort, 0, 0, 4, 4, SRCCOPY));
    ::GlobalFree(hShort);
}

TEST(DibDraw, WithoutDibTheRectangleIsFilledByTheRasterOperation)
{
    MemoryCanvas canvas(20, 20, RGB(0, 0, 0));
    EXPECT_TRUE(DrawDib(canvas.dc(), 2, 3, 5, 4, nullptr, 0, 0, WHITENESS));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(2, 3));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(6, 6));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(7, 6));
    EXPECT_NE(0, DrawDibStretch(canvas.dc(), 10, 10, 3, 3, nullptr, 0, 0, 1, 1, WHITENESS));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(12, 12));
}

TEST(DibDraw, DrawsOneToOneAndStretched)
{
    HBITMAP hBitmap = FilledBitmap(4, 3, RGB(0, 0, 255));
    HGLOBAL hDib = zebCreateDib(hBitmap, nullptr);
    MemoryCanvas canvas(40, 40);
    EXPECT_TRUE(DrawDib(canvas.dc(), 1, 1, 100, 100, hDib, 0, 0, SRCCOPY));
    EXPECT_EQ(RGB(0, 0, 255), canvas.pixel(1, 1));
    EXPECT_EQ(RGB(0, 0, 255), canvas.pixel(4, 3));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(5, 1)) << "no wider than the picture";
    EXPECT_NE(0, DrawDibStretch(canvas.dc(), 10, 10, 20, 15, hDib, 0, 0, 4, 3, SRCCOPY));
    EXPECT_EQ(RGB(0, 0, 255), canvas.pixel(29, 24));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(30, 24));
    zebDestroyDib(hDib);
    ::DeleteObject(hBitmap);
}

}  // namespace
