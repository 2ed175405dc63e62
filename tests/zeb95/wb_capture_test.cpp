#include <gtest/gtest.h>

#include <vector>

#include "dib/palette.h"
#include "library/library_state.h"
#include "whiteboard/child_draw.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_capture.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
// Not a colour of the fixed palette.
const COLORREF kOdd = RGB(100, 150, 200);

// The pixels of a bitmap, read back at 32 bits.
class BitmapPixels
{
public:
    explicit BitmapPixels(HBITMAP hBitmap)
    {
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
        m_nWidth = bm.bmWidth;
        m_nHeight = bm.bmHeight;
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), m_nWidth, -m_nHeight, 1, 32, BI_RGB};
        m_pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight);
        HDC hdc = ::GetDC(nullptr);
        ::GetDIBits(hdc, hBitmap, 0, static_cast<UINT>(m_nHeight), m_pixels.data(), &bmi, DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, hdc);
    }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    COLORREF At(int x, int y) const
    {
        const DWORD dw = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
        return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
    }
    // Every pixel of the rectangle passes the test.
    template <typename Fn>
    bool All(const RECT& rc, Fn fn) const
    {
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                if (!fn(At(x, y)))
                    return false;
            }
        }
        return true;
    }
    bool AllOf(const RECT& rc, COLORREF cr) const
    {
        return All(rc, [cr](COLORREF c) { return c == cr; });
    }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<DWORD> m_pixels;
};

bool IsFixedPaletteColour(COLORREF c)
{
    const PALETTEENTRY* pEntries = FixedPaletteEntries();
    for (int i = 0; i < kFixedPaletteSize; ++i) {
        if (RGB(pEntries[i].peRed, pEntries[i].peGreen, pEntries[i].peBlue) == c)
            return true;
    }
    return false;
}

// A white whiteboard (no border) with a text item at (10, 10), a bitmap
// item of 20 x 10 at (100, 50) and a foreign child with a border at
// (150, 100), 40 x 30.
class WbCapture : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = MakeWb(0);
        ASSERT_NE(nullptr, m_hWb);
        const LOGFONTA lf = TestFont(20);
        const POINT ptText = {10, 10};
        ASSERT_EQ(0, zebAddText(m_hWb, "AB", &lf, &ptText, FALSE));
        ASSERT_EQ(0, WbAddBmpItem(m_hWb, -1, MakeSolidDib(20, 10, kRed), nullptr, {100, 50}));
        m_hForeign = CreateSolidChild(m_hWb, {150, 100, 190, 130}, WS_VISIBLE | WS_BORDER, kGreen);
        ASSERT_NE(nullptr, m_hForeign);
    }
    void TearDown() override
    {
        OverrideDisplayBits(0);
        zebDestroyWhiteBoard(m_hWb);
        Pump();
    }
    HWND MakeWb(DWORD dwStyle, SIZE page = {0, 0})
    {
        ZebWbCreateInfo info = {};
        info.dwMask = ZEBWB_STYLE | ZEBWB_BKCOLOR | ZEBWB_FORECOLOR | ZEBWB_PAGESIZE;
        info.nPageCx = page.cx;
        info.nPageCy = page.cy;
        info.hParent = m_parent.Hwnd();
        info.dwStyle = dwStyle;
        info.cx = 300;
        info.cy = 200;
        info.crBack = kWhite;
        info.crFore = RGB(0, 0, 0);
        return zebCreateWhiteBoard(&info);
    }

    TestParent m_parent;
    HWND m_hWb = nullptr;
    HWND m_hForeign = nullptr;
};

TEST_F(WbCapture, ImageHoldsBackgroundTextBitmapItemsAndForeignChildren)
{
    HWND hHidden = CreateSolidChild(m_hWb, {10, 150, 40, 180}, 0, kGreen);
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = reinterpret_cast<HPALETTE>(1);
    ASSERT_TRUE(zebGetPicture(m_hWb, &hBitmap, &hPalette));
    EXPECT_EQ(nullptr, hPalette) << "no palette on a display without one";
    const BitmapPixels image(hBitmap);
    ::DeleteObject(hBitmap);
    ASSERT_EQ(300, image.Width());
    ASSERT_EQ(200, image.Height());
    EXPECT_TRUE(image.AllOf({0, 0, 10, 200}, kWhite));
    EXPECT_FALSE(image.AllOf({10, 10, 40, 30}, kWhite)) << "the text item";
    EXPECT_TRUE(image.AllOf({100, 50, 120, 60}, kRed)) << "the bitmap item";
    EXPECT_TRUE(image.AllOf({120, 50, 150, 60}, kWhite));
    EXPECT_TRUE(image.AllOf({151, 101, 189, 129}, kGreen)) << "the foreign child inside its border";
    EXPECT_NE(kWhite, image.At(150, 100)) << "its border";
    EXPECT_NE(kGreen, image.At(150, 100));
    EXPECT_TRUE(image.AllOf({190, 100, 300, 200}, kWhite));
    EXPECT_TRUE(image.AllOf({10, 150, 40, 180}, kWhite)) << "a hidden child is left out";
    ::DestroyWindow(hHidden);

    EXPECT_TRUE(zebGetPicture(m_hWb, nullptr, nullptr)) << "what is not asked for is deleted";
}

// Items at their position less the origin; a hidden whiteboard is drawn
// with its children.
TEST_F(WbCapture, ScrolledAndHiddenWhiteBoards)
{
    ZebWbRecord::From(GetObjRecord(m_hWb))->Head().SetOrigin({50, 20});
    ::ShowWindow(m_hWb, SW_HIDE);
    HBITMAP hBitmap = nullptr;
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, nullptr, nullptr, &hBitmap, nullptr, nullptr));
    const BitmapPixels image(hBitmap);
    ::DeleteObject(hBitmap);
    EXPECT_TRUE(image.AllOf({50, 30, 70, 40}, kRed));
    EXPECT_TRUE(image.AllOf({70, 30, 150, 40}, kWhite)) << "nothing at the unscrolled place";
    EXPECT_TRUE(image.AllOf({151, 101, 189, 129}, kGreen)) << "children where their windows are";
}

TEST_F(WbCapture, RegionIsClampedIntoTheClientAreaAndCut)
{
    HBITMAP hBitmap = nullptr;
    const POINT ptPart = {100, 50};
    const SIZE sizePart = {50, 20};
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, &ptPart, &sizePart, &hBitmap, nullptr, nullptr));
    {
        const BitmapPixels part(hBitmap);
        ::DeleteObject(hBitmap);
        ASSERT_EQ(50, part.Width());
        ASSERT_EQ(20, part.Height());
        EXPECT_TRUE(part.AllOf({0, 0, 20, 10}, kRed));
        EXPECT_TRUE(part.AllOf({20, 0, 50, 20}, kWhite));
    }
    const POINT ptBeyond = {500, -7};
    int nBits = 0;
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, &ptBeyond, &sizePart, &hBitmap, nullptr, &nBits));
    {
        const BitmapPixels corner(hBitmap);
        ::DeleteObject(hBitmap);
        EXPECT_EQ(1, corner.Width()) << "moved to the last column, the size cut";
        EXPECT_EQ(20, corner.Height());
    }
    HDC hdc = ::GetDC(nullptr);
    EXPECT_EQ(::GetDeviceCaps(hdc, PLANES) * ::GetDeviceCaps(hdc, BITSPIXEL), nBits);
    ::ReleaseDC(nullptr, hdc);
    EXPECT_FALSE(CaptureWhiteBoard(m_hForeign, nullptr, nullptr, &hBitmap, nullptr, nullptr)) << "no record";
}

TEST_F(WbCapture, WholeAreaIncludesTheRoomOfTheScrollBars)
{
    HWND hWb = MakeWb(WS_HSCROLL | WS_VSCROLL, {1000, 1000});
    RECT rcClient;
    ::GetClientRect(hWb, &rcClient);
    ASSERT_EQ(300 - ::GetSystemMetrics(SM_CXVSCROLL), rcClient.right) << "the bars are shown";
    HBITMAP hBitmap = nullptr;
    ASSERT_TRUE(CaptureWhiteBoard(hWb, nullptr, nullptr, &hBitmap, nullptr, nullptr));
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    ::DeleteObject(hBitmap);
    EXPECT_EQ(300, bm.bmWidth);
    EXPECT_EQ(200, bm.bmHeight);
    zebDestroyWhiteBoard(hWb);
}

// Bitmap items keep their colours on a true-colour display; only a palette
// display gets them dithered onto the fixed palette, which is handed out.
TEST_F(WbCapture, DitheredOnlyOnAPaletteDisplay)
{
    ASSERT_EQ(1, WbAddBmpItem(m_hWb, -1, MakeSolidDib(16, 16, kOdd), nullptr, {20, 120}));
    const RECT rcItem = {20, 120, 36, 136};
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, nullptr, nullptr, &hBitmap, &hPalette, nullptr));
    EXPECT_EQ(nullptr, hPalette);
    EXPECT_TRUE(BitmapPixels(hBitmap).AllOf(rcItem, kOdd));
    ::DeleteObject(hBitmap);

    OverrideDisplayBits(8);
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, nullptr, nullptr, &hBitmap, &hPalette, nullptr));
    ASSERT_NE(nullptr, hPalette);
    EXPECT_NE(Library().hFixedPalette, hPalette) << "a palette of the caller's own";
    EXPECT_EQ(static_cast<UINT>(kFixedPaletteSize), ::GetPaletteEntries(hPalette, 0, 0, nullptr));
    ::DeleteObject(hPalette);
    const BitmapPixels dithered(hBitmap);
    ::DeleteObject(hBitmap);
    EXPECT_TRUE(dithered.All(rcItem, IsFixedPaletteColour));
    EXPECT_FALSE(dithered.AllOf(rcItem, kOdd));
}

TEST_F(WbCapture, PicturesOfOtherKindsAndChildrenOfEveryKind)
{
    HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, m_hWb, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hDoc);
    HBITMAP hBitmap = nullptr;
    EXPECT_FALSE(zebGetPicture(hDoc, &hBitmap, nullptr));
    EXPECT_FALSE(zebGetPicture(m_hForeign, &hBitmap, nullptr));
    EXPECT_EQ(nullptr, hBitmap);

    HDC hdc = ::CreateCompatibleDC(nullptr);
    const RECT rcClip = {0, 0, 300, 200};
    EXPECT_TRUE(DrawChildToDC(m_hWb, hDoc, hdc, &rcClip, nullptr)) << "text documents have their painter";
    EXPECT_TRUE(DrawChildToDC(m_hWb, m_hForeign, hdc, &rcClip, nullptr));
    ::DeleteDC(hdc);
}

}  // namespace
