#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "objects/global_mem.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

LOGFONTA Font(LONG nHeight, const char* pszFace = "Arial")
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = ANSI_CHARSET;
    ::lstrcpyA(lf.lfFaceName, pszFace);
    return lf;
}

class WbTextItems : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb);
    }
    void TearDown() override
    {
        zebDestroyWhiteBoard(m_hWb);
        Pump();
    }
    ZebWbRecord& Wb() const { return *ZebWbRecord::From(GetObjRecord(m_hWb)); }
    std::vector<LONG> ItemFonts() const
    {
        std::vector<LONG> fonts;
        for (LONG i = 0; i < Wb().ChildCount(0); ++i)
            fonts.push_back(Wb().TextItems()[i].nFont);
        return fonts;
    }
    std::vector<LONG> FontHeights() const
    {
        std::vector<LONG> heights;
        for (LONG i = 0; i < Wb().TextFontCount(); ++i)
            heights.push_back(Wb().TextFonts()[i].lfHeight);
        return heights;
    }

    TestParent m_parent;
    HWND m_hWb = nullptr;
};

TEST_F(WbTextItems, ItemsTakeTheirFontAndTheirMeasuredExtent)
{
    const LOGFONTA lf = Font(20);
    EXPECT_EQ(0, WbAddTextItem(m_hWb, -1, "Hello", lf, {5, 6}));
    EXPECT_EQ(1, WbAddTextItem(m_hWb, 5, "second", Font(20, "ARIAL"), {0, 0})) << "beyond the end appends";
    EXPECT_EQ(0, WbAddTextItem(m_hWb, 0, "first", Font(30), {0, 0}));
    EXPECT_EQ((std::vector<LONG>{1, 0, 0}), ItemFonts()) << "an equal font (face without case) is shared";
    EXPECT_EQ((std::vector<LONG>{20, 30}), FontHeights());
    EXPECT_EQ(1, Wb().TextFontIndex());

    const ZebWbTextItem& item = Wb().TextItems()[1];
    EXPECT_STREQ("Hello", item.pszText);
    EXPECT_EQ(6, item.wLength);
    EXPECT_EQ(5, item.pt.x);
    EXPECT_EQ(Wb().Head().ForeColor(), item.crColor);
    HDC hdc = ::GetDC(m_hWb);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, "Hello", 5, &size);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(m_hWb, hdc);
    EXPECT_EQ(size.cx, item.size.cx);
    EXPECT_EQ(size.cy, item.size.cy);

    EXPECT_TRUE(WbRemoveTextItem(m_hWb, 0));
    EXPECT_STREQ("Hello", Wb().TextItems()[0].pszText);
    EXPECT_FALSE(WbRemoveTextItem(m_hWb, 2));
    EXPECT_EQ(-1, WbAddTextItem(m_hWb, 0, nullptr, lf, {0, 0}));
}

TEST_F(WbTextItems, FontInsertAndRemoveRenumberItemsAndMarks)
{
    WbAddTextItem(m_hWb, -1, "a", Font(10), {0, 0});
    WbAddTextItem(m_hWb, -1, "b", Font(20), {0, 0});
    WbAddTextItem(m_hWb, -1, "c", Font(30), {0, 0});
    Wb().LineFeedMark().nFont = 2;
    Wb().FormFeedMark().nFont = -1;  // a bitmap mark keeps its -1
    EXPECT_EQ(0, WbInsertTextFont(m_hWb, Font(5), 0));
    EXPECT_EQ((std::vector<LONG>{1, 2, 3}), ItemFonts());
    EXPECT_EQ(3, Wb().LineFeedMark().nFont);
    EXPECT_EQ(-1, Wb().FormFeedMark().nFont);
    EXPECT_EQ((std::vector<LONG>{5, 10, 20, 30}), FontHeights());

    EXPECT_TRUE(WbRemoveTextFont(m_hWb, 2));
    EXPECT_EQ((std::vector<LONG>{1, 0, 2}), ItemFonts()) << "its users take font 0, those above move down";
    EXPECT_EQ(2, Wb().LineFeedMark().nFont);
    EXPECT_EQ((std::vector<LONG>{5, 10, 30}), FontHeights());
    EXPECT_FALSE(WbRemoveTextFont(m_hWb, 3));

    EXPECT_TRUE(WbRemoveTextFont(m_hWb, -1));
    EXPECT_EQ((std::vector<LONG>{0, 0, 0}), ItemFonts());
    EXPECT_EQ(0, Wb().LineFeedMark().nFont);
    EXPECT_EQ(-1, Wb().FormFeedMark().nFont);
    LOGFONTA lfOem = {};
    ::GetObjectA(::GetStockObject(OEM_FIXED_FONT), sizeof(lfOem), &lfOem);
    ASSERT_EQ(1, Wb().TextFontCount()) << "items remain: the OEM fixed font is added";
    EXPECT_EQ(0, std::memcmp(&lfOem, &Wb().TextFonts()[0], sizeof(lfOem)));
}

TEST_F(WbTextItems, RemovingAllItemsKeepsTheFontsThatMarksUse)
{
    for (LONG n : {10, 20, 30, 40})
        WbAddTextItem(m_hWb, -1, "x", Font(n), {0, 0});
    Wb().FormFeedMark().nFont = 1;
    EXPECT_TRUE(WbRemoveTextItem(m_hWb, -1));
    EXPECT_EQ(0, Wb().ChildCount(0));
    EXPECT_EQ(nullptr, Wb().TextItems());
    EXPECT_EQ((std::vector<LONG>{10, 20}), FontHeights());
    Wb().FormFeedMark().nFont = -1;
    WbAddTextItem(m_hWb, -1, "y", Font(50), {0, 0});
    EXPECT_TRUE(WbRemoveTextItem(m_hWb, -1));
    EXPECT_EQ(nullptr, Wb().TextFonts()) << "no mark uses a font: the table goes";
    EXPECT_EQ(0, Wb().TextFontCount());
}

LONG Extent(HWND hwnd, const LOGFONTA& lf, const char* psz)
{
    HDC hdc = ::GetDC(hwnd);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, psz, static_cast<int>(std::strlen(psz)), &size);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(hwnd, hdc);
    return size.cx;
}

const COLORREF kWhite = RGB(255, 255, 255);

// "AB", a line feed, "C": "C" starts the next line at the left edge.
TEST_F(WbTextItems, LineFeedStartsTheNextLineAtTheLeftEdge)
{
    Wb().Head().SetBkColor(kWhite);
    Wb().Head().SetForeColor(RGB(0, 0, 0));
    const LOGFONTA lf = Font(20);
    ASSERT_EQ(0, WbAddTextItem(m_hWb, -1, "AB\nC", lf, {40, 10}));
    const LONG h = Wb().TextItems()[0].size.cy;
    const LONG wAB = Extent(m_hWb, lf, "AB");
    const LONG wC = Extent(m_hWb, lf, "C");
    ClientImage image(m_hWb);
    EXPECT_TRUE(image.AnyBut({40, 10, 40 + wAB, 10 + h}, kWhite)) << "AB at the item's position";
    EXPECT_FALSE(image.AnyBut({0, 10, 38, 10 + h}, kWhite));
    EXPECT_FALSE(image.AnyBut({42 + wAB, 10, 300, 10 + h}, kWhite));
    EXPECT_TRUE(image.AnyBut({0, 10 + h, wC, 10 + 2 * h}, kWhite)) << "C at x 0 of the next line";
    EXPECT_FALSE(image.AnyBut({wC + 2, 10 + h, 300, 200}, kWhite));
}

// Wrapped before "A,": the comma may not begin a line, so the last "A"
// that fitted goes to the next line with it.
TEST_F(WbTextItems, WrapKeepsLineStartCharactersOffTheLineStart)
{
    Wb().Head().SetBkColor(kWhite);
    Wb().Head().SetWrapMode(1);
    const LOGFONTA lf = Font(20);
    const LONG wAAAA = Extent(m_hWb, lf, "AAAA");
    Wb().Head().SetPageSize({wAAAA + 1, 0});
    ASSERT_EQ(0, WbAddTextItem(m_hWb, -1, "AAAA,B", lf, {0, 0}));
    const LONG h = Wb().TextItems()[0].size.cy;
    const LONG wAAA = Extent(m_hWb, lf, "AAA");
    const LONG wAcommaB = Extent(m_hWb, lf, "A,B");
    ClientImage image(m_hWb);
    EXPECT_TRUE(image.AnyBut({0, 0, wAAA, h}, kWhite));
    EXPECT_FALSE(image.AnyBut({wAAA + 1, 0, wAAAA + 1, h}, kWhite)) << "the fourth A moved on";
    EXPECT_TRUE(image.AnyBut({0, h, wAcommaB, 2 * h}, kWhite));
    EXPECT_FALSE(image.AnyBut({wAcommaB + 2, h, wAAAA + 1, 2 * h}, kWhite));

    // Without a line-start string the line holds four.
    LockedGlobalFree(Wb().Head().LineStartString());
    Wb().Head().SetLineStartString(nullptr);
    ClientImage image2(m_hWb);
    EXPECT_TRUE(image2.AnyBut({wAAA + 1, 0, wAAAA + 1, h}, kWhite));
}

}  // namespace
