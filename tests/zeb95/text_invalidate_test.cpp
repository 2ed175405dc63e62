#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"
#include "text/view/doc_invalidate.h"
#include "text_doc_fixture.h"

namespace {

// Ten lines "abc" in a document of 200 x 100 client pixels, painted.
class Invalidate : public TextDocs
{
protected:
    void SetUp() override
    {
        TextDocs::SetUp();
        m_hDoc = CreateDoc();
        ASSERT_NE(nullptr, m_hDoc);
        FillBlocks(*Doc(m_hDoc).Blocks(), Repeated("abc\n", 10));
        DocReflowFrom(m_hDoc, 0);
        DocWaitLayout(m_hDoc, -1);
        m_h = Doc(m_hDoc).Lines()->At(0).height;
        m_w = DocFontEntry(Doc(m_hDoc), 0)->widths['a'];
        ASSERT_LT(4 * m_h, 100) << "four lines show";
        ::ValidateRect(m_hDoc, nullptr);
    }
    // Whether the client point (column-wise x in characters, line) waits
    // for a repaint, probed a pixel inside the character cell.
    bool Dirty(int nColumn, int nLine, int nScale = 100)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(m_hDoc, hRgn, FALSE);
        const int x = (nColumn * m_w + 1) * nScale / 100;
        const int y = (nLine * m_h + 1) * nScale / 100;
        const bool bIn = ::PtInRegion(hRgn, x, y) != FALSE;
        ::DeleteObject(hRgn);
        return bIn;
    }

    HWND m_hDoc = nullptr;
    int m_h = 0;
    int m_w = 0;
};

TEST_F(Invalidate, ARangeOverSeveralLinesCoversItsEndsAndTheLinesBetween)
{
    const POINT from = {1, 1};
    const POINT to = {2, 3};
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, &to, &from)) << "either order";
    EXPECT_FALSE(Dirty(0, 0));
    EXPECT_FALSE(Dirty(0, 1)) << "before the start";
    EXPECT_TRUE(Dirty(1, 1));
    EXPECT_TRUE(Dirty(20, 1)) << "the rest of the first line";
    EXPECT_TRUE(Dirty(0, 2));
    EXPECT_TRUE(Dirty(1, 3));
    EXPECT_FALSE(Dirty(2, 3)) << "from the end on";
    EXPECT_FALSE(Dirty(0, 4));
}

TEST_F(Invalidate, OpenEndsRunToTheStartOrTheEndOfTheText)
{
    const POINT pos = {2, 1};
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, &pos, nullptr));
    EXPECT_FALSE(Dirty(1, 1));
    EXPECT_TRUE(Dirty(2, 1));
    EXPECT_TRUE(Dirty(0, 3));
    ::ValidateRect(m_hDoc, nullptr);
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, nullptr, &pos));
    EXPECT_TRUE(Dirty(0, 0));
    EXPECT_TRUE(Dirty(1, 1));
    EXPECT_FALSE(Dirty(2, 1));
    EXPECT_FALSE(Dirty(0, 2));
}

TEST_F(Invalidate, OneLineCoversTheSpanAndAStartAtColumnZeroTheStripBeforeAnAlignedLine)
{
    const POINT from = {1, 2};
    const POINT to = {2, 2};
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, &from, &to));
    EXPECT_FALSE(Dirty(0, 2));
    EXPECT_TRUE(Dirty(1, 2));
    EXPECT_FALSE(Dirty(2, 2));
    ::ValidateRect(m_hDoc, nullptr);

    Doc(m_hDoc).nAlignment = 1;  // right: the text stands beyond x 100
    const POINT start = {0, 2};
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, &start, &to));
    EXPECT_TRUE(Dirty(0, 2)) << "left of the text";
    EXPECT_FALSE(Dirty(0, 1));
}

TEST_F(Invalidate, RectanglesFollowTheScaleAndPositionsOutsideTheTableFail)
{
    Doc(m_hDoc).nScale = 200;
    const POINT from = {1, 1};
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, &from, nullptr));
    EXPECT_FALSE(Dirty(0, 1, 200));
    EXPECT_TRUE(Dirty(1, 1, 200));
    ::ValidateRect(m_hDoc, nullptr);
    const POINT bad = {0, 99};
    EXPECT_EQ(0, DocInvalidateRange(m_hDoc, &bad, nullptr));
    EXPECT_FALSE(Dirty(0, 0));
    EXPECT_EQ(1, DocInvalidateRange(m_hDoc, nullptr, nullptr));
    EXPECT_TRUE(Dirty(0, 0)) << "both open: the whole object";
    EXPECT_EQ(0, DocInvalidateRange(m_parent.Hwnd(), nullptr, nullptr));
}

}  // namespace
