#include <gtest/gtest.h>

#include "text/caret/doc_caret.h"
#include "text/select/doc_find.h"
#include "text/select/doc_positions.h"
#include "text/select/doc_selection.h"
#include "text/select/text_search.h"
#include "text_caret_fixture.h"

namespace {

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

using Selection = FixedDocs;

TEST(ComparePositions, LinesFirstThenColumns)
{
    EXPECT_LT(ComparePositions(9, 0, 0, 1), 0);
    EXPECT_GT(ComparePositions(0, 2, 9, 1), 0);
    EXPECT_LT(ComparePositions(1, 1, 2, 1), 0);
    EXPECT_EQ(0, ComparePositions(3, 1, 3, 1));
}

TEST_F(Selection, ValidityAndSnapping)
{
    Lay("a\x82\xA0\nbc");  // line 0: a, a double-byte character, a line feed
    struct Case
    {
        POINT in;
        bool bValid;
        POINT snapped;
    };
    const Case cases[] = {
        {{0, 0}, true, {0, 0}},   {{2, 0}, true, {1, 0}},  // the second byte: before the character
        {{3, 0}, true, {3, 0}},   {{4, 0}, false, {3, 0}},  // beyond the line: its last position
        {{2, 1}, true, {2, 1}},   {{0, 2}, false, {0, 1}}, {{-1, -1}, false, {0, 0}},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.bValid ? 1 : 0, DocIsValidPosition(m_hDoc, c.in.x, c.in.y)) << c.in.x << "," << c.in.y;
        POINT p = c.in;
        ASSERT_EQ(1, DocSnapPosition(m_hDoc, &p));
        EXPECT_TRUE(p == c.snapped) << c.in.x << "," << c.in.y << " -> " << p.x << "," << p.y;
    }
}

TEST_F(Selection, BlockToPositionThroughTheLines)
{
    Lay("abcdef\ngh", 4);  // "abcd" "ef\n" "gh"
    struct Case
    {
        int nOffset;
        POINT position;
    };
    for (const Case& c : {Case{0, {0, 0}}, Case{3, {3, 0}}, Case{4, {0, 1}}, Case{6, {2, 1}}, Case{7, {0, 2}},
                          Case{9, {2, 2}}})
    {
        POINT p = {-5, -5};
        ASSERT_EQ(1, BlockToPosition(m_hDoc, 0, c.nOffset, &p)) << c.nOffset;
        EXPECT_TRUE(p == c.position) << c.nOffset << " -> " << p.x << "," << p.y;
    }
    POINT p = {};
    EXPECT_EQ(0, BlockToPosition(m_hDoc, 0, 10, &p));
    EXPECT_EQ(0, BlockToPosition(m_hDoc, 1, 0, &p));
}

TEST_F(Selection, AnchorBuiltColumnThenLine)
{
    Lay("abcdefgh\nabcdefgh\nabcdefgh");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    EXPECT_EQ(1, DocSetSelCol(m_hDoc, 5));
    EXPECT_TRUE(D().anchor == (POINT{5, -1})) << "only the column is stored";
    EXPECT_FALSE(D().HasSelection());
    EXPECT_EQ(1, DocSetSelRow(m_hDoc, 2));
    EXPECT_TRUE(D().anchor == (POINT{5, 2}));
    EXPECT_EQ(1, DocSetSelRow(m_hDoc, 1));
    EXPECT_TRUE(D().anchor == (POINT{5, 1})) << "one coordinate moves";
    EXPECT_EQ(0, DocSetSelCol(m_hDoc, 9));
    EXPECT_EQ(0, DocSetSelRow(m_hDoc, 3));
    EXPECT_TRUE(D().anchor == (POINT{5, 1})) << "refused values change nothing";
    EXPECT_EQ(1, DocSetSelCol(m_hDoc, -1));
    EXPECT_TRUE(D().anchor == (POINT{-1, -1})) << "a negative value drops the selection";

    EXPECT_EQ(1, DocSetSelRow(m_hDoc, 2));
    EXPECT_EQ(1, DocSetSelCol(m_hDoc, 3));
    EXPECT_TRUE(D().anchor == (POINT{3, 2})) << "line then column works as well";
    EXPECT_EQ(1, DocClearSelection(m_hDoc, 1));
    EXPECT_FALSE(D().HasSelection());
}

TEST_F(Selection, AnchorKeptOffSecondBytes)
{
    Lay("a\x82\xA0" "b");
    ASSERT_EQ(1, DocSetSelRow(m_hDoc, 0));
    EXPECT_EQ(1, DocSetSelCol(m_hDoc, 2));
    EXPECT_TRUE(D().anchor == (POINT{1, 0}));
}

TEST_F(Selection, FindSelectsTheMatchWithTheCaretAtItsStart)
{
    Lay("one two\nTWO two");
    POINT found = {-1, -1};
    ASSERT_EQ(1, DocFindText(m_hDoc, "two", 0, nullptr));
    EXPECT_TRUE(Caret() == (POINT{4, 0}));
    EXPECT_TRUE(D().anchor == (POINT{7, 0}));
    ASSERT_EQ(1, DocFindText(m_hDoc, "two", 0, nullptr)) << "the next search goes on after the selection";
    EXPECT_TRUE(Caret() == (POINT{4, 1}));
    EXPECT_TRUE(D().anchor == (POINT{7, 1}));
    EXPECT_EQ(0, DocFindText(m_hDoc, "two", 0, nullptr));
    EXPECT_TRUE(Caret() == (POINT{4, 1})) << "nothing found: nothing moves";

    ASSERT_EQ(1, DocFindText(m_hDoc, "two", kFindBackward, nullptr));
    EXPECT_TRUE(Caret() == (POINT{4, 0})) << "backward from the selection's start";
    ASSERT_EQ(1, DocFindText(m_hDoc, "two", kFindFoldCase, nullptr));
    EXPECT_TRUE(Caret() == (POINT{0, 1})) << "folded: TWO";

    found = {0, 0};
    ASSERT_EQ(1, DocFindText(m_hDoc, "two", kFindReportOnly, &found));
    EXPECT_TRUE(found == (POINT{7, 0})) << "the position after the match";
    EXPECT_TRUE(Caret() == (POINT{0, 1})) << "report only: nothing moves";
    found = {5, 0};
    ASSERT_EQ(1, DocFindText(m_hDoc, "two", 0, &found));
    EXPECT_TRUE(found == (POINT{4, 1})) << "from the given position; the match start comes back";
    found = {9, 0};
    EXPECT_EQ(0, DocFindText(m_hDoc, "two", 0, &found)) << "an invalid start";
    EXPECT_EQ(0, DocFindText(m_hDoc, "", 0, nullptr));
}

}  // namespace
