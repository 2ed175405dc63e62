#include <gtest/gtest.h>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"
#include "text/tables/color_index.h"
#include "text_caret_fixture.h"

namespace {

// "ab" + a double-byte character + "c", a line feed, "de"
const char kMixed[] = "ab\x82\xA0" "c\nde";

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

using CaretMoves = FixedDocs;

TEST_F(CaretMoves, ExplicitPositionsOutsideTheLinesFailAndChangeNothing)
{
    Lay(kMixed);
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    struct Case
    {
        int nColumn, nLine;
    };
    // Line 0 "ab?c\n" has the last position 5 (before the line feed);
    // line 1 "de" ends the text and takes position 2.
    for (const Case& c : {Case{6, 0}, Case{3, 1}, Case{0, 2}})
    {
        EXPECT_EQ(0, DocSetCaret(m_hDoc, c.nColumn, c.nLine, 3)) << c.nColumn << "," << c.nLine;
        EXPECT_TRUE(Caret() == (POINT{1, 0}));
    }
    EXPECT_EQ(1, DocSetCaret(m_hDoc, 2, 1, 3));
    EXPECT_EQ(1, DocSetCaret(m_hDoc, 5, 0, 3));
    EXPECT_TRUE(Caret() == (POINT{5, 0})) << "before the line feed";
}

TEST_F(CaretMoves, DefaultedValuesAreClamped)
{
    Lay(kMixed);
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 1, 3));
    D().head.SetCaretPos({9, 7});
    EXPECT_EQ(1, DocSetCaret(m_hDoc, -1, -1, 8));
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
}

TEST_F(CaretMoves, SecondByteOfACharacterSnapsByDirection)
{
    Lay(kMixed);
    struct Case
    {
        POINT from;
        int nTo;
        LONG nLanded;
    };
    const Case cases[] = {
        {{2, 0}, 3, 4},  // one step right from the character's start: after it
        {{4, 0}, 3, 2},  // from the right: before it
        {{0, 0}, 3, 2},  // a jump: before it
        {{2, 1}, 3, 2},  // from another line: before it
    };
    for (const Case& c : cases)
    {
        ASSERT_EQ(1, DocSetCaret(m_hDoc, c.from.x, c.from.y, 3));
        EXPECT_EQ(1, DocSetCaret(m_hDoc, c.nTo, 0, 3));
        EXPECT_EQ(c.nLanded, Caret().x) << c.from.x << "," << c.from.y;
        EXPECT_EQ(c.nLanded * kByteWidth, D().caret.left);
        EXPECT_EQ(c.nLanded * kByteWidth, D().nGoalX);
    }
}

TEST_F(CaretMoves, ExtendingKeepsTheAnchorAndAPlainMoveDropsIt)
{
    Lay(kMixed);
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    EXPECT_EQ(1, DocSetCaret(m_hDoc, 2, 0, 7));
    EXPECT_TRUE(D().anchor == (POINT{1, 0}));
    EXPECT_EQ(1, DocSetCaret(m_hDoc, 1, 1, 7));
    EXPECT_TRUE(D().anchor == (POINT{1, 0})) << "the anchor stays";
    EXPECT_EQ(1, DocSetCaret(m_hDoc, 0, 1, 3));
    EXPECT_TRUE(D().anchor == (POINT{-1, -1}));
}

TEST_F(CaretMoves, TypingAttributesComeFromTheTextBeforeWithMode2)
{
    Lay("xy\n\nz");
    ZebTextBlock* pBlock = D().Blocks()->Block(0);
    BlockSetAttr(pBlock, 0, MakeCharAttr(5, 0, 3, 0x41));
    BlockSetAttr(pBlock, 1, MakeCharAttr(6, 0, 0xFE, 0x42));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 1));
    EXPECT_EQ(0, D().nTypingVPos) << "mode 1 takes nothing";
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 2));
    EXPECT_EQ(5, D().nTypingColor);
    EXPECT_EQ(IndexToColor(5), D().head.ForeColor());
    EXPECT_EQ(3, D().nTypingVPos);
    EXPECT_EQ(0x41, D().nTypingUser);
    D().dwOptions = 1;  // the colour stays
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 0, 2));  // before the line feed: from "y"
    EXPECT_EQ(5, D().nTypingColor);
    EXPECT_EQ(-2, D().nTypingVPos);
    EXPECT_EQ(0x42, D().nTypingUser);
    D().nTypingVPos = 9;
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 1, 2));  // a line of a line feed only: nothing taken
    EXPECT_EQ(9, D().nTypingVPos);
}

TEST_F(CaretMoves, FixCarriesAColumnBeyondItsLineIntoTheNextLines)
{
    Lay("abcdefghij", 4);  // "abcd" "efgh" "ij"
    struct Case
    {
        POINT before;
        POINT after;
    };
    const Case cases[] = {
        {{2, 0}, {2, 0}},    // valid: stays
        {{6, 0}, {2, 1}},    // byte 6 of the text
        {{9, 0}, {1, 2}},
        {{30, 0}, {2, 2}},   // beyond the text: its end
        {{1, 5}, {2, 2}},    // a line beyond the lines: the end
        {{-3, 1}, {0, 1}},
    };
    for (const Case& c : cases)
    {
        D().head.SetCaretPos(c.before);
        EXPECT_EQ(1, DocFixCaret(m_hDoc)) << c.before.x << "," << c.before.y;
        EXPECT_TRUE(Caret() == c.after) << c.before.x << "," << c.before.y << " -> " << Caret().x << "," << Caret().y;
    }
}

TEST_F(CaretMoves, TheCaretFollowsARelayout)
{
    Lay("abcdefgh");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 6, 0, 3));
    D().nLimit = 4;
    DocReflowFrom(m_hDoc, 0);
    EXPECT_TRUE(Caret() == (POINT{2, 1})) << "a reflow carries the caret on into the next line";
    EXPECT_EQ(2 * kByteWidth, D().caret.left);
    EXPECT_EQ(kLineHeight, D().caret.top);

    Lay("abcdefgh");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 6, 0, 3));
    D().nLimit = 4;
    DocRelayout(m_hDoc, false);
    EXPECT_TRUE(Caret() == (POINT{2, 1})) << "a relayout carries it too";

    Lay("abcd");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 0, 3));
    auto* pFont = const_cast<ZebFontEntry*>(DocFontEntry(D(), 0));
    pFont->widths['a'] = pFont->widths['b'] = 20;
    DocRelayout(m_hDoc, false);
    EXPECT_TRUE(Caret() == (POINT{2, 0}));
    EXPECT_EQ(40, D().caret.left) << "the caret is mapped again in the new widths";
    EXPECT_EQ(40, D().nGoalX);
}

TEST_F(CaretMoves, TheCaretFollowsTheLayoutThreadsLines)
{
    Lay(Repeated("abcdefgh\n", 100));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 6, 50, 3));
    D().nLimit = 4;
    DocReflowFrom(m_hDoc, 0);
    ASSERT_NE(nullptr, D().LayoutRun()) << "the lines beyond the view are the thread's";
    DocWaitLayout(m_hDoc, -1);
    EXPECT_TRUE(Caret() == (POINT{6, 50})) << "until the window takes the thread's result";
    Pump();
    EXPECT_TRUE(Caret() == (POINT{2, 51}));
    EXPECT_EQ(51 * kLineHeight, D().caret.top);
}

TEST_F(CaretMoves, ScrollsIntoViewWithoutScrollBars)
{
    Lay("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 9, 1));
    // Line 9 ends at 160; the client is 100 high.
    EXPECT_EQ(60, D().head.Origin().y);
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 2, 1));
    EXPECT_EQ(32, D().head.Origin().y) << "the caret's top at the client's top";
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 9, 0));
    EXPECT_EQ(32, D().head.Origin().y) << "without mode 1 nothing scrolls";
}

TEST_F(CaretMoves, SystemCaretFollowsTheZoom)
{
    Lay(kMixed);
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 1, 8));
    EXPECT_NE(0, D().wCaretState & kCaretNoSystem) << "no system caret without the focus";
    EXPECT_EQ(0, DocUpdateCaret(m_hDoc, 12));
    ::SetFocus(m_hDoc);
    D().wCaretState |= kCaretFocus;
    D().nScale = 200;
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 1, 8));
    GUITHREADINFO info = {sizeof(info)};
    ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &info));
    EXPECT_EQ(m_hDoc, info.hwndCaret);
    EXPECT_EQ(16, info.rcCaret.left);
    EXPECT_EQ(32, info.rcCaret.top);
    EXPECT_EQ(2, info.rcCaret.right - info.rcCaret.left);
    EXPECT_EQ(32, info.rcCaret.bottom - info.rcCaret.top);
    EXPECT_EQ(0, D().wCaretState & kCaretNoSystem);

    D().wCaretState |= kCaretComposing;
    EXPECT_EQ(0, DocUpdateCaret(m_hDoc, 12)) << "no system caret during a composition";
    EXPECT_NE(0, D().wCaretState & kCaretNoSystem);
}

}  // namespace
