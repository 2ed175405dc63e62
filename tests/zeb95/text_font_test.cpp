#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/tables/font_table.h"

namespace {

TEST(FontRules, EscapementRoundsToQuarterTurns)
{
    struct Case
    {
        LONG nAngle;
        int nTurns;
        LONG nWant;
    };
    const Case cases[] = {
        {449, 0, 0}, {450, 0, 900}, {3150, 0, 0}, {1800, 0, 1800}, {-449, 0, 0}, {-451, 0, 0},
        {-1350, 0, -900}, {0, 3, 2700}, {2700, 3, 1800}, {900, 3, 0}, {2147483647, 0, 900},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nWant, RoundEscapement(c.nAngle, c.nTurns)) << c.nAngle << " + " << c.nTurns;
}

LOGFONTA Font(const char* pszFace, LONG nHeight, BYTE nCharSet = SHIFTJIS_CHARSET)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = nCharSet;
    std::strcpy(lf.lfFaceName, pszFace);
    return lf;
}

TEST(FontRules, DefaultCharsetOfJapaneseFacesBecomesShiftJis)
{
    struct Case
    {
        const char* pszFace;
        BYTE nCharSet;
        BYTE nWant;
    };
    const Case cases[] = {
        {"Terminal", DEFAULT_CHARSET, SHIFTJIS_CHARSET}, {"fixedsys", DEFAULT_CHARSET, SHIFTJIS_CHARSET},
        {"@\x82\x6C\x82\x72 Mincho", DEFAULT_CHARSET, SHIFTJIS_CHARSET}, {"Arial", DEFAULT_CHARSET, DEFAULT_CHARSET},
        {"Terminal", ANSI_CHARSET, ANSI_CHARSET},
    };
    for (const Case& c : cases)
    {
        LOGFONTA lf = Font(c.pszFace, 12, c.nCharSet);
        lf.lfEscapement = 450;
        ApplyFontRules(lf, true);
        EXPECT_EQ(c.nWant, lf.lfCharSet) << c.pszFace;
        EXPECT_EQ(0, lf.lfEscapement);  // 900 turned by a further 2700
    }
}

// The parts of a document that hold font indexes: text in fonts 0, 1, 2
// and one bitmap reference 2, marks in font 2, typing font 2.
struct FontUser
{
    FontUser()
    {
        ZebTextBlock* pBlock = blocks.BlockInsert(0);
        const ZebCharAttr attrs[4] = {MakeCharAttr(3, 0, 0, 0), MakeCharAttr(3, 1, 0, 0), MakeCharAttr(3, 2, 0, 0),
                                      ZebAttrBitmap | (2u << 8)};
        BlockInsertRun(pBlock, 0, "abcd", attrs, 4);
    }
    ZebIndexHolder Holder() { return {&blocks, &lineFeedMark, &formFeedMark, &nTypingFont, &nCurrentFont}; }
    std::vector<int> TextFonts() const
    {
        std::vector<int> fonts;
        for (int i = 0; i < 4; ++i)
            fonts.push_back(AttrFont(BlockAttrAt(blocks.Block(0), i)));
        return fonts;
    }

    ZebBlockList blocks;
    ZebCharAttr lineFeedMark = MakeCharAttr(2, 2, 0, 0);
    ZebCharAttr formFeedMark = ZebAttrBitmap | (2u << 8);
    int nTypingFont = 2;
    int nCurrentFont = 1;
};

class FontTableTest : public testing::Test
{
protected:
    // Three distinct fonts of the shared pair, used by two documents.
    void SetUp() override
    {
        int nWant = 0;
        for (LONG nHeight : {12, 16, 20})
            ASSERT_EQ(nWant++, table.Insert(nullptr, Font("Terminal", nHeight), -1, {}));
    }
    std::vector<ZebIndexHolder> Users() { return {a.Holder(), b.Holder()}; }
    void ExpectUsers(const std::vector<int>& textFonts, int nMark, int nTyping, int nCurrent)
    {
        for (FontUser* p : {&a, &b})
        {
            EXPECT_EQ(textFonts, p->TextFonts());
            EXPECT_EQ(nMark, AttrFont(p->lineFeedMark));
            EXPECT_EQ(2, AttrFont(p->formFeedMark)) << "a bitmap mark was re-pointed";
            EXPECT_EQ(nTyping, p->nTypingFont);
            EXPECT_EQ(nCurrent, p->nCurrentFont);
        }
    }

    ZebFontTable table{true, false};
    FontUser a, b;
};

TEST_F(FontTableTest, InsertRaisesFontsAtAndAboveInEveryDocument)
{
    const LONG nHeight2 = table.Entry(2)->logfont.lfHeight;
    EXPECT_EQ(2, table.Insert(nullptr, Font("Terminal", 30), 2, Users()));
    EXPECT_EQ(4, table.Count());
    ExpectUsers({0, 1, 3, 2}, 3, 3, 1);
    EXPECT_EQ(nHeight2, table.Entry(3)->logfont.lfHeight);
    EXPECT_EQ(4, table.Insert(nullptr, Font("Terminal", 8), -1, Users()));
    ExpectUsers({0, 1, 3, 2}, 3, 3, 1);
}

TEST_F(FontTableTest, RemoveRepointsAndAnEmptyTableGetsTheFallbackFont)
{
    EXPECT_EQ(0, table.Remove(nullptr, 3, Users()));
    EXPECT_EQ(1, table.Remove(nullptr, 1, Users()));
    EXPECT_EQ(2, table.Count());
    ExpectUsers({0, 0, 1, 2}, 1, 1, 0);
    EXPECT_EQ(1, table.Remove(nullptr, -1, Users()));
    ExpectUsers({0, 0, 0, 2}, 0, 0, 0);
    ASSERT_EQ(1, table.Count());
    const LOGFONTA fallback = FallbackLogFont();
    EXPECT_STREQ(fallback.lfFaceName, table.Entry(0)->logfont.lfFaceName);
    EXPECT_NE(nullptr, table.Entry(0, true)->font);
}

TEST_F(FontTableTest, VerticalTwinIsTurnedByTwoSeventy)
{
    LOGFONTA lf = Font("Terminal", 24);
    lf.lfEscapement = lf.lfOrientation = 920;
    const int nIndex = table.Insert(nullptr, lf, 0, Users());
    EXPECT_EQ(900, table.Entry(nIndex)->logfont.lfEscapement);
    EXPECT_EQ(0, table.Entry(nIndex, true)->logfont.lfEscapement);
    EXPECT_EQ(0, table.Entry(nIndex, true)->logfont.lfOrientation);
    EXPECT_EQ(0, table.Entry(1)->logfont.lfEscapement);
    EXPECT_EQ(2700, table.Entry(1, true)->logfont.lfEscapement);
    EXPECT_EQ(nullptr, table.Entry(table.Count()));
}

TEST(FontTable, AddFindsAnEquivalentFontBeforeAddingOne)
{
    ZebFontTable table(false, false);
    LOGFONTA lf = Font("Terminal", 0, DEFAULT_CHARSET);
    lf.lfHeight = 14;
    ASSERT_EQ(0, table.Add(nullptr, lf, {}));
    const ZebFontEntry* pEntry = table.Entry(0);
    EXPECT_EQ(SHIFTJIS_CHARSET, pEntry->logfont.lfCharSet);
    EXPECT_NE(0, pEntry->logfont.lfPitchAndFamily & 3) << "the pitch was not filled in";
    EXPECT_GT(pEntry->widths['A'], 0);
    // Another height that makes the same cell height is the same font.
    lf.lfHeight = pEntry->logfont.lfHeight;
    EXPECT_EQ(0, table.Add(nullptr, lf, {}));
    lf.lfEscapement = 900;
    EXPECT_EQ(1, table.Add(nullptr, lf, {}));
    EXPECT_EQ(2, table.Count());
}

// A TrueType face made again from the cell height it measured may come
// out a pixel taller: the entry's own font is what a new one must match.
TEST(FontTable, AddingATrueTypeFontTwiceFindsTheFirstEntry)
{
    ZebFontTable table(false, false);
    for (const char* pszFace : {"IPAGothic", "IPAMincho"})
    {
        const LOGFONTA lf = Font(pszFace, 24);
        const int nFirst = table.Add(nullptr, lf, {});
        ASSERT_GE(nFirst, 0) << pszFace;
        EXPECT_EQ(nFirst, table.Add(nullptr, lf, {})) << pszFace;
        EXPECT_EQ(nFirst, table.Find(lf)) << pszFace;
    }
    EXPECT_EQ(2, table.Count());
}

TEST(FontTable, VerticalOwnTableTurnsEscapementAndHoldsAtMost256Fonts)
{
    ZebFontTable table(false, true);
    ASSERT_EQ(0, table.Insert(nullptr, Font("Terminal", 12), -1, {}));
    EXPECT_EQ(2700, table.Entry(0)->logfont.lfEscapement);
    for (int i = 1; i < kZebMostFonts; ++i)
        ASSERT_EQ(i, table.Insert(nullptr, Font("Terminal", 12), -1, {})) << i;
    EXPECT_EQ(-1, table.Insert(nullptr, Font("Terminal", 40), -1, {}));
    EXPECT_EQ(-1, table.Add(nullptr, Font("Terminal", 40), {}));
    EXPECT_EQ(kZebMostFonts, table.Count());
}

}  // namespace
