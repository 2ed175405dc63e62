#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib/dib_handle.h"
#include "library/library_state.h"
#include "text/tables/bmp_table.h"
#include "zeb_fixtures.h"

namespace {

// A document's text: bitmap references 0, 1, 2 and a font-1 character;
// the line-feed mark shows bitmap 2, the form-feed mark is a font mark.
class BmpTableTest : public LibraryStarted
{
protected:
    void SetUp() override
    {
        ZebTextBlock* pBlock = blocks.BlockInsert(0);
        const ZebCharAttr attrs[4] = {ZebAttrBitmap, ZebAttrBitmap | (1u << 8), ZebAttrBitmap | (2u << 8),
                                      MakeCharAttr(2, 1, 0, 0)};
        ASSERT_EQ(4, BlockInsertRun(pBlock, 0, "    ", attrs, 4));
        for (int i = 1; i <= 3; ++i)
        {
            dibs.push_back(MakeScreenDib(i, 2 * i));
            ASSERT_EQ(i - 1, table.Add(-1, dibs.back(), nullptr, false, Holder()));
        }
    }
    ZebIndexHolder Holder() { return {&blocks, &lineFeedMark, &formFeedMark, &nTypingFont, &nCurrentFont}; }
    std::vector<int> References() const
    {
        std::vector<int> refs;
        for (int i = 0; i < 4; ++i)
            refs.push_back(AttrFont(BlockAttrAt(blocks.Block(0), i)));
        refs.push_back(AttrFont(lineFeedMark));
        refs.push_back(AttrFont(formFeedMark));
        return refs;
    }

    ZebBlockList blocks;
    ZebCharAttr lineFeedMark = ZebAttrBitmap | (2u << 8);
    ZebCharAttr formFeedMark = MakeCharAttr(2, 1, 0, 0);
    int nTypingFont = 1;
    int nCurrentFont = 1;
    ZebBmpTable table;
    std::vector<HGLOBAL> dibs;
};

TEST_F(BmpTableTest, InsertBeforeRenumbersReferencesAndKeepsThePictures)
{
    HGLOBAL hNew = MakeScreenDib(9, 4);
    EXPECT_EQ(0, table.Add(0, hNew, "a.bmp", false, Holder()));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 3, 1}), References());
    ASSERT_EQ(4, table.Count());
    EXPECT_EQ(hNew, table.Entry(0)->dib);
    EXPECT_STREQ("a.bmp", table.Entry(0)->name);
    EXPECT_EQ(9, table.Entry(0)->width);
    EXPECT_EQ(4, table.Entry(0)->height);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(dibs[i], table.Entry(i + 1)->dib);
        EXPECT_EQ(i + 1, table.Entry(i + 1)->width);
        EXPECT_EQ(nullptr, table.Entry(i + 1)->name);
    }
    EXPECT_EQ(1, nTypingFont);
    EXPECT_EQ(4, table.Add(99, MakeScreenDib(1, 1), nullptr, false, Holder()));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 3, 1}), References());
}

TEST_F(BmpTableTest, RemoveTurnsReferencesToPlainAndRenumbersLaterOnes)
{
    EXPECT_EQ(0, table.Remove(3, Holder()));
    EXPECT_EQ(1, table.Remove(1, Holder()));
    EXPECT_EQ((std::vector<int>{0, 255, 1, 1, 1, 1}), References());
    EXPECT_EQ(dibs[2], table.Entry(1)->dib);
    // A later insertion leaves the dangling reference alone.
    EXPECT_EQ(0, table.Add(0, MakeScreenDib(1, 1), nullptr, false, Holder()));
    EXPECT_EQ((std::vector<int>{1, 255, 2, 1, 2, 1}), References());
    EXPECT_EQ(1, table.Remove(-1, Holder()));
    EXPECT_EQ(0, table.Count());
    EXPECT_EQ((std::vector<int>{255, 255, 255, 1, 255, 1}), References())
        << "removing all bitmaps leaves no reference to a later one";
}

TEST_F(BmpTableTest, RefusesInvalidDibsAndThe257thBitmap)
{
    EXPECT_EQ(-1, table.Add(-1, nullptr, nullptr, false, Holder()));
    HGLOBAL hBad = ::GlobalAlloc(GHND, 8);
    EXPECT_EQ(-1, table.Add(-1, hBad, nullptr, false, Holder()));
    ::GlobalFree(hBad);
    for (int i = table.Count(); i < kZebMostBitmaps; ++i)
        ASSERT_EQ(i, table.Add(-1, MakeScreenDib(1, 1), nullptr, false, Holder()));
    HGLOBAL hMore = MakeScreenDib(1, 1);
    EXPECT_EQ(-1, table.Add(0, hMore, nullptr, false, Holder()));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 2, 1}), References());
    DestroyDib(hMore);
}

TEST_F(BmpTableTest, DithersOnAPaletteDisplayWhenAsked)
{
    OverrideDisplayBits(8);
    HGLOBAL hKept = MakeScreenDib(5, 3);
    EXPECT_EQ(3, table.Add(-1, hKept, nullptr, false, Holder()));
    EXPECT_EQ(hKept, table.Entry(3)->dib);
    EXPECT_EQ(4, table.Add(-1, MakeScreenDib(5, 3), nullptr, true, Holder()));
    DibGeometry g = {};
    ASSERT_TRUE(GetDibHandleGeometry(table.Entry(4)->dib, &g));
    EXPECT_EQ(8, g.wBitCount);
    EXPECT_EQ(5, table.Entry(4)->width);
    OverrideDisplayBits(0);
}

}  // namespace
