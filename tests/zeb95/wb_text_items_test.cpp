#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "objects/global_mem.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

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
    const LOGFONTA lf = TestFont(20);
    EXPECT_EQ(0, WbAddTextItem(m_hWb, -1, "Hello", lf, {5, 6}));
    EXPECT_EQ(1, WbAddTextItem(m_hWb, 5, "second", TestFont(20, "ARIAL"), {0, 0})) << "beyond the end appends";
    EXPECT_EQ(0, WbAddTextItem(m_hWb, 0, "first", TestFont(30), {0, 0}));
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
    WbAddTextItem(m_hWb, -1, "a", TestFont(10), {0, 0});
    WbAddTextItem(m_hWb, -1, "b", TestFont(20), {0, 0});
    WbAddTextItem(m_hWb, -1, "c", TestFont(30), {0, 0});
    Wb().LineFeedMark().nFont = 2;
    Wb().FormFeedMark().nFont = -1;  // a bitmap mark keeps its -1
    EXPECT_EQ(0, WbInsertTextFont(m_hWb, TestFont(5), 0));
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
        WbAddTextItem(m_hWb, -1, "x", TestFont(n), {0, 0});
    Wb().FormFeedMark().nFont = 1;
    EXPECT_TRUE(WbRemoveTextItem(m_hWb, -1));
    EXPECT_EQ(0, Wb().ChildCount(0));
    EXPECT_EQ(nullptr, Wb().TextItems());
    EXPECT_EQ((std::vector<LONG>{10, 20}), FontHeights());
    Wb().FormFeedMark().nFont = -1;
    WbAddTextItem(m_hWb, -1, "y", TestFont(50), {0, 0});
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
    const LOGFONTA lf = TestFont(20);
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
    const LOGFONTA lf = TestFont(20);
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

// Vertical text runs down from the item's position, its cells to the left
// of it; a line feed starts the next column one line pitch to the left, at
// the top edge.
TEST_F(WbTextItems, VerticalTextRunsDownAndLinesStepLeft)
{
    Wb().Head().SetBkColor(kWhite);
    Wb().Head().SetForeColor(RGB(0, 0, 0));
    const LOGFONTA lfGiven = TestFont(20);
    const POINT pt = {200, 10};
    ASSERT_EQ(0, zebAddText(m_hWb, "AB\nC", &lfGiven, &pt, TRUE));
    const LOGFONTA& lf = Wb().TextFonts()[Wb().TextItems()[0].nFont];
    ASSERT_EQ(2700, lf.lfEscapement);
    const LONG h = Wb().TextItems()[0].size.cy;
    const LONG cell = WbTextExtent(m_hWb, "AB", 2, lf).cy;
    const LONG wAB = Extent(m_hWb, lf, "AB");
    const LONG wC = Extent(m_hWb, lf, "C");
    ClientImage image(m_hWb);
    EXPECT_TRUE(image.AnyBut({200 - cell, 10, 200, 10 + wAB}, kWhite)) << "AB down from the position";
    EXPECT_FALSE(image.AnyBut({202, 0, 300, 200}, kWhite));
    EXPECT_FALSE(image.AnyBut({200 - h + 1, 0, 200, 8}, kWhite));
    EXPECT_FALSE(image.AnyBut({200 - h + 1, 12 + wAB, 200, 200}, kWhite));
    EXPECT_TRUE(image.AnyBut({200 - h - cell, 0, 200 - h, wC}, kWhite)) << "C at the top, one pitch left";
    EXPECT_FALSE(image.AnyBut({200 - h - cell, wC + 2, 200 - h, 200}, kWhite));
    EXPECT_FALSE(image.AnyBut({0, 0, 200 - h - cell - 2, 200}, kWhite));
}

TEST_F(WbTextItems, ExportsAddCountAndRemoveItems)
{
    LOGFONTA lf = TestFont(16);
    lf.lfEscapement = 900;
    const POINT pt = {3, 4};
    EXPECT_EQ(0, zebGetTextCount(m_hWb));
    EXPECT_EQ(0, zebAddText(m_hWb, "one", &lf, &pt, FALSE));
    EXPECT_EQ(0, Wb().TextFonts()[0].lfEscapement) << "horizontal whatever the font says";
    EXPECT_EQ(0, Wb().TextFonts()[0].lfOrientation);
    EXPECT_EQ(0, zebAddTextEx(m_hWb, "two", &lf, &pt, TRUE, 0));
    EXPECT_EQ(2700, Wb().TextFonts()[1].lfOrientation);
    EXPECT_EQ(2, zebAddTextEx(m_hWb, "three", &lf, &pt, FALSE, 7));
    EXPECT_STREQ("two", Wb().TextItems()[0].pszText);
    EXPECT_EQ(3, Wb().TextItems()[2].pt.x);
    EXPECT_EQ(-1, zebAddText(m_hWb, "x", nullptr, &pt, FALSE));
    EXPECT_EQ(-1, zebAddText(m_hWb, "x", &lf, nullptr, FALSE));
    EXPECT_EQ(3, zebGetTextCount(m_hWb));

    EXPECT_EQ(1, zebRemoveText(m_hWb, 0));
    EXPECT_STREQ("one", Wb().TextItems()[0].pszText);
    EXPECT_EQ(0, zebRemoveText(m_hWb, 2));
    EXPECT_EQ(1, zebRemoveText(m_hWb, -1));
    EXPECT_EQ(0, zebGetTextCount(m_hWb));

    HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD, 0, 0, 9, 9, m_hWb, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    HWND hPlain = ::CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 9, 9, m_hWb, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(-1, zebGetTextCount(hDoc));
    EXPECT_EQ(-1, zebAddText(hDoc, "x", &lf, &pt, FALSE));
    EXPECT_EQ(1, zebRemoveText(hDoc, -1)) << "a text document's text is cleared";
    EXPECT_EQ(-1, zebRemoveText(hPlain, 0));
    EXPECT_EQ(-1, zebGetTextCount(hPlain));
}

}  // namespace
