#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "dib/dib_handle.h"
#include "library/library_state.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_bmp_window.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
// Not a colour of the fixed palette.
const COLORREF kOdd = RGB(100, 150, 200);

class WbBmpItems : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb);
    }
    void TearDown() override
    {
        OverrideDisplayBits(0);
        zebDestroyWhiteBoard(m_hWb);
        Pump();
    }
    ZebWbRecord& Wb() const { return *ZebWbRecord::From(GetObjRecord(m_hWb)); }
    LONG Count() const { return Wb().ChildCount(kWbBmpItemSlot); }
    const ZebWbBmpItem& Item(LONG i) const { return Wb().BmpItems()[i]; }
    LONG Add(LONG nIndex, int cx, int cy, POINT pt = {0, 0}, const char* pszName = nullptr,
             COLORREF cr = kRed)
    {
        return WbAddBmpItem(m_hWb, nIndex, MakeSolidDib(cx, cy, cr), pszName, pt);
    }
    // The item windows from the top of the z-order down.
    std::vector<HWND> ZOrder() const
    {
        std::vector<HWND> order;
        for (HWND h = ::GetWindow(m_hWb, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            order.push_back(h);
        return order;
    }

    TestParent m_parent;
    HWND m_hWb = nullptr;
};

TEST_F(WbBmpItems, ShownByTransparentWindowsAtTheBottomOfTheZOrder)
{
    Wb().Head().SetOrigin({5, 3});
    HWND hStatic = ::CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_hWb, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    HGLOBAL hDib = MakeSolidDib(7, 4, kRed);
    ASSERT_EQ(0, WbAddBmpItem(m_hWb, -1, hDib, "first.bmp", {20, 30}));
    ASSERT_EQ(1, Add(9, 3, 2)) << "beyond the end appends";
    const ZebWbBmpItem& first = Item(0);
    EXPECT_EQ(hDib, first.hDib) << "the whiteboard takes the caller's DIB";
    EXPECT_STREQ("first.bmp", first.pszName);
    EXPECT_EQ(7, first.size.cx);
    EXPECT_EQ(4, first.size.cy);
    EXPECT_EQ(Wb().Head().BkColor(), first.crBack);
    EXPECT_NE(nullptr, first.hPalette);

    HWND hItem = first.hwnd;
    EXPECT_TRUE(IsWbBmpItemWindow(hItem));
    EXPECT_TRUE(::IsWindowVisible(hItem));
    EXPECT_EQ(nullptr, GetObjRecord(hItem)) << "no record";
    EXPECT_EQ(0, ::GetWindowLongPtrA(hItem, GWLP_USERDATA)) << "no library mark";
    char szText[32] = "";
    ::GetWindowTextA(hItem, szText, sizeof(szText));
    EXPECT_STREQ("first.bmp", szText);
    POINT pos = {};
    SIZE size = {};
    GetObjPosSize(hItem, &pos, &size);
    EXPECT_EQ(15, pos.x) << "at the position less the origin";
    EXPECT_EQ(27, pos.y);
    EXPECT_EQ(7, size.cx);
    EXPECT_EQ(HTTRANSPARENT, ::SendMessageA(hItem, WM_NCHITTEST, 0, 0));
    const ZebWbBmpItem* pCopy = WbBmpItemOfWindow(hItem);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_EQ(hDib, pCopy->hDib);
    EXPECT_EQ(first.pt.x, pCopy->pt.x);

    EXPECT_EQ((std::vector<HWND>{hStatic, hItem, Item(1).hwnd}), ZOrder()) << "each new item goes to the bottom";

    MemoryCanvas canvas(7, 4);
    ::SendMessageA(hItem, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(kRed, canvas.pixel(0, 0));
    EXPECT_EQ(kRed, canvas.pixel(6, 3));

    ASSERT_EQ(0, Add(0, 5, 5)) << "inserted in front";
    EXPECT_EQ(hDib, Item(1).hDib);
    EXPECT_TRUE(WbRemoveBmpItem(m_hWb, 1));
    EXPECT_FALSE(::IsWindow(hItem)) << "its window goes with it";
    EXPECT_EQ(2, Count());
    EXPECT_FALSE(WbRemoveBmpItem(m_hWb, 2));
    EXPECT_TRUE(WbRemoveBmpItem(m_hWb, -1));
    EXPECT_EQ(0, Count());
    EXPECT_EQ(nullptr, Wb().BmpItems());
    EXPECT_EQ((std::vector<HWND>{hStatic}), ZOrder());
}

TEST_F(WbBmpItems, RefusedDibStaysTheCallers)
{
    HGLOBAL hBad = ::GlobalAlloc(GHND, 8);
    EXPECT_EQ(-1, WbAddBmpItem(m_hWb, -1, hBad, "x", {0, 0}));
    EXPECT_EQ(-1, WbAddBmpItem(m_hWb, -1, nullptr, nullptr, {0, 0}));
    EXPECT_EQ(8u, ::GlobalSize(hBad));
    ::GlobalFree(hBad);
    EXPECT_EQ(0, Count());
    EXPECT_EQ((std::vector<HWND>{}), ZOrder()) << "no window is left behind";
}

// A dithered copy on the fixed palette only with the dither flag on a
// palette display.
TEST_F(WbBmpItems, DitheredWithTheFlagOnAPaletteDisplay)
{
    struct Case
    {
        bool bDither;
        int nDisplayBits;
        bool bDithered;
    };
    const Case cases[] = {{false, 8, false}, {true, 32, false}, {true, 8, true}};
    for (const Case& c : cases) {
        Wb().Head().SetDither(c.bDither);
        OverrideDisplayBits(c.nDisplayBits);
        HGLOBAL hDib = MakeSolidDib(6, 3, kOdd);
        const LONG nIndex = WbAddBmpItem(m_hWb, -1, hDib, nullptr, {0, 0});
        ASSERT_GE(nIndex, 0);
        const ZebWbBmpItem& item = Item(nIndex);
        DibGeometry g = {};
        ASSERT_TRUE(GetDibHandleGeometry(item.hDib, &g));
        EXPECT_EQ(c.bDithered ? 8 : 24, g.wBitCount) << c.bDither << " " << c.nDisplayBits;
        EXPECT_EQ(c.bDithered, item.hDib != hDib);
        EXPECT_EQ(c.bDithered, item.hPalette == Library().hFixedPalette);
        EXPECT_EQ(6, item.size.cx);
    }
}

TEST_F(WbBmpItems, MarkSettersTakeAFontOrAnItem)
{
    Wb().Head().SetForeColor(RGB(0, 0, 200));
    const LOGFONTA lf = TestFont(20);
    ASSERT_TRUE(WbSetNewLineMark(m_hWb, 0x8140, &lf, FALSE));
    const ZebWbMark& lfMark = Wb().LineFeedMark();
    EXPECT_EQ(0x8140, lfMark.wCode);
    EXPECT_EQ(0, lfMark.nFont);
    EXPECT_EQ(RGB(0, 0, 200), lfMark.crColor);
    const char bytes[] = {'\x81', '\x40'};
    const SIZE size = WbTextExtent(m_hWb, bytes, 2, lf);
    EXPECT_EQ(size.cx, lfMark.cx) << "a code above 255 is two bytes, high byte first";
    EXPECT_EQ(size.cy, lfMark.cy);

    EXPECT_FALSE(WbSetFormFeedMark(m_hWb, 0, nullptr, FALSE)) << "no bitmap item 0";
    EXPECT_EQ(kWbNoMark, Wb().FormFeedMark().wCode);
    ASSERT_EQ(0, Add(-1, 9, 6));
    ASSERT_TRUE(WbSetFormFeedMark(m_hWb, 0, nullptr, FALSE));
    const ZebWbMark& ffMark = Wb().FormFeedMark();
    EXPECT_EQ(-1, ffMark.nFont);
    EXPECT_EQ(CLR_INVALID, ffMark.crColor);
    EXPECT_EQ(9, ffMark.cx);
    EXPECT_EQ(6, ffMark.cy);

    EXPECT_TRUE(WbSetNewLineMark(m_hWb, kWbNoMark, &lf, FALSE));
    EXPECT_EQ(-1, lfMark.nFont);
    EXPECT_EQ(0, lfMark.cx);
}

// Removing a bitmap item must not leave a mark showing another picture.
TEST_F(WbBmpItems, MarksFollowTheItemsTheyName)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(i, Add(-1, 4 + i, 4));
    ASSERT_TRUE(WbSetNewLineMark(m_hWb, 1, nullptr, FALSE));
    ASSERT_TRUE(WbSetFormFeedMark(m_hWb, 2, nullptr, FALSE));

    ASSERT_EQ(0, Add(0, 2, 2));
    EXPECT_EQ(2, Wb().LineFeedMark().wCode) << "an insertion before moves it up";
    EXPECT_EQ(3, Wb().FormFeedMark().wCode);
    ASSERT_EQ(4, Add(-1, 2, 2));
    EXPECT_EQ(3, Wb().FormFeedMark().wCode) << "an insertion after leaves it";

    EXPECT_TRUE(WbRemoveBmpItem(m_hWb, 2));
    EXPECT_EQ(kWbNoMark, Wb().LineFeedMark().wCode) << "the mark of the removed item is cleared";
    EXPECT_EQ(0, Wb().LineFeedMark().cx);
    EXPECT_EQ(2, Wb().FormFeedMark().wCode) << "the later item's mark moves down with it";
    EXPECT_EQ(6, Item(2).size.cx);

    const LOGFONTA lf = TestFont(12);
    ASSERT_TRUE(WbSetNewLineMark(m_hWb, 'A', &lf, FALSE));
    EXPECT_TRUE(WbRemoveBmpItem(m_hWb, 0));
    EXPECT_EQ('A', Wb().LineFeedMark().wCode) << "a character mark is no item's";
    EXPECT_TRUE(WbRemoveBmpItem(m_hWb, -1));
    EXPECT_EQ(kWbNoMark, Wb().FormFeedMark().wCode);
    EXPECT_EQ('A', Wb().LineFeedMark().wCode);
}

LONG Extent(HWND hwnd, const LOGFONTA& lf, const char* psz)
{
    return WbTextExtent(hwnd, psz, ::lstrlenA(psz), lf).cx;
}

// "AB", LF, "C" with a bitmap line-feed mark: the mark at the end of the
// first line on its bottom; "A", FF, "B" with a blue character mark.
TEST_F(WbBmpItems, MarksArePaintedAtTheEndOfTheLineOnItsBottom)
{
    Wb().Head().SetBkColor(kWhite);
    Wb().Head().SetForeColor(RGB(0, 0, 0));
    ASSERT_EQ(0, Add(-1, 6, 4, {280, 180}));
    ASSERT_TRUE(WbSetNewLineMark(m_hWb, 0, nullptr, FALSE));
    const LOGFONTA lf = TestFont(20);
    ASSERT_EQ(0, WbAddTextItem(m_hWb, -1, "AB\nC", lf, {40, 10}));
    const LONG h = Wb().TextItems()[0].size.cy;
    const LONG wAB = Extent(m_hWb, lf, "AB");
    {
        ClientImage image(m_hWb);
        EXPECT_FALSE(image.AnyBut({40 + wAB, 10 + h - 4, 46 + wAB, 10 + h}, kRed));
        EXPECT_FALSE(image.Any({40 + wAB, 10, 46 + wAB, 10 + h - 4}, kRed)) << "on the line's bottom";
        EXPECT_FALSE(image.AnyBut({47 + wAB, 10, 300, 10 + h}, kWhite)) << "nothing after the mark";
    }

    ASSERT_TRUE(WbRemoveTextItem(m_hWb, -1));
    Wb().Head().SetForeColor(RGB(0, 0, 255));
    const LOGFONTA lfMark = TestFont(30);
    ASSERT_TRUE(WbSetFormFeedMark(m_hWb, 'X', &lfMark, FALSE));
    Wb().Head().SetForeColor(RGB(0, 0, 0));
    ASSERT_EQ(0, WbAddTextItem(m_hWb, -1, "A\fB", lf, {10, 50}));
    const LONG hItem = Wb().TextItems()[0].size.cy;
    const LONG wA = Extent(m_hWb, lf, "A");
    const ZebWbMark& mark = Wb().FormFeedMark();
    ClientImage image(m_hWb);
    const RECT rcMark = {10 + wA, 50 + hItem - mark.cy, 10 + wA + mark.cx, 50 + hItem};
    EXPECT_TRUE(image.Any(rcMark, RGB(0, 0, 255))) << "in the colour it was set with";
    EXPECT_FALSE(image.Any({0, 0, 300, 50 + hItem - mark.cy}, RGB(0, 0, 255)));
    EXPECT_FALSE(image.Any({10 + wA + mark.cx + 1, 0, 300, 200}, RGB(0, 0, 255)));
}

}  // namespace
