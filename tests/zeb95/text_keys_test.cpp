#include <gtest/gtest.h>

#include <vector>

#include "text/caret/caret_keys.h"
#include "text/caret/doc_caret.h"
#include "text_caret_fixture.h"

namespace {

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

typedef int (*KeyFn)(HWND, int);

struct KeyCase
{
    const char* name;
    KeyFn key;
    POINT from;
    int nResult;
    POINT to;
};

class Keys : public FixedDocs
{
protected:
    // Each case on the text laid out afresh: the caret at its start, then
    // its key without Shift.
    void PressEach(const char* text, int nLimit, const std::vector<KeyCase>& cases)
    {
        for (const KeyCase& c : cases)
        {
            Lay(text, nLimit);
            ASSERT_EQ(1, DocSetCaret(m_hDoc, c.from.x, c.from.y, 3)) << c.name;
            EXPECT_EQ(c.nResult, c.key(m_hDoc, 2)) << c.name;
            EXPECT_TRUE(Caret() == c.to) << c.name << ": " << Caret().x << "," << Caret().y;
            EXPECT_FALSE(D().HasSelection()) << c.name;
        }
    }
};

// Line 0: "abcd" and a double-byte character, wrapped; line 1: "ef" and a
// line feed; line 2: "xy", the end of the text.
const char kText[] = "abcd\x82\xA0" "ef\nxy";

TEST_F(Keys, EachKeyFromItsPlaces)
{
    PressEach(kText, 6, {
        {"Left inside a line", DocKeyLeft, {3, 0}, 1, {2, 0}},
        {"Left at column 0 to the line before, off its second byte", DocKeyLeft, {0, 1}, 1, {4, 0}},
        {"Left at the start of the text", DocKeyLeft, {0, 0}, 0, {0, 0}},
        {"Right inside a line", DocKeyRight, {2, 0}, 1, {3, 0}},
        {"Right onto a double-byte character's start", DocKeyRight, {3, 0}, 1, {4, 0}},
        {"Right before the last character of a wrapped line", DocKeyRight, {4, 0}, 1, {0, 1}},
        {"Right before a line feed", DocKeyRight, {2, 1}, 1, {0, 2}},
        {"Right at the end of the text", DocKeyRight, {2, 2}, 0, {2, 2}},
        {"Up", DocKeyUp, {1, 1}, 1, {1, 0}},
        {"Up on line 0", DocKeyUp, {1, 0}, 0, {1, 0}},
        {"Down", DocKeyDown, {1, 0}, 1, {1, 1}},
        {"Down onto a short line", DocKeyDown, {2, 1}, 1, {2, 2}},
        {"Down on the last line", DocKeyDown, {1, 2}, 0, {1, 2}},
        {"Home", DocKeyHome, {2, 1}, 1, {0, 1}},
        {"End of a wrapped line ending in a double-byte character", DocKeyEnd, {1, 0}, 1, {4, 0}},
        {"End of a line with a line feed", DocKeyEnd, {0, 1}, 1, {2, 1}},
        {"End of the last line", DocKeyEnd, {0, 2}, 1, {2, 2}},
        {"Ctrl+Home", DocKeyCtrlHome, {1, 2}, 1, {0, 0}},
        {"Ctrl+End", DocKeyCtrlEnd, {1, 0}, 1, {2, 2}},
    });
}

TEST_F(Keys, ShiftExtendsAndAPlainKeyDrops)
{
    Lay(kText, 6);
    EXPECT_EQ(1, DocKeyRight(m_hDoc, 6));
    EXPECT_EQ(1, DocKeyRight(m_hDoc, 6));
    EXPECT_TRUE(D().anchor == (POINT{0, 0}));
    EXPECT_TRUE(Caret() == (POINT{2, 0}));
    EXPECT_EQ(1, DocKeyDown(m_hDoc, 6));
    EXPECT_TRUE(D().anchor == (POINT{0, 0}));
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
    EXPECT_EQ(1, DocKeyRight(m_hDoc, 2));
    EXPECT_FALSE(D().HasSelection());
    EXPECT_TRUE(Caret() == (POINT{0, 2}));
}

TEST_F(Keys, UpAndDownKeepTheGoalThroughShortLines)
{
    Lay("abcdefgh\nab\nabcdefgh");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 6, 0, 3));
    EXPECT_EQ(1, DocKeyDown(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
    EXPECT_EQ(6 * kByteWidth, D().nGoalX);
    EXPECT_EQ(1, DocKeyDown(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{6, 2}));
    EXPECT_EQ(1, DocKeyUp(m_hDoc, 2));
    EXPECT_EQ(1, DocKeyUp(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{6, 0}));
    EXPECT_EQ(1, DocKeyLeft(m_hDoc, 2));
    EXPECT_EQ(5 * kByteWidth, D().nGoalX) << "a move along the line sets the goal";
}

TEST_F(Keys, PagesScrollTheTargetLineToTheTop)
{
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "line\n";
    Lay(text);  // 21 lines of 16 pixels; the client is 100 high
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 0, 3));
    EXPECT_EQ(1, DocKeyPageDown(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{2, 6})) << "the line at 101";
    EXPECT_EQ(96, D().head.Origin().y);
    EXPECT_EQ(1, DocKeyPageUp(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{2, 0}));
    EXPECT_EQ(0, D().head.Origin().y);
    EXPECT_EQ(0, DocKeyPageUp(m_hDoc, 2)) << "on line 0";

    D().head.SetStyle(WS_VSCROLL);  // the owner asks for a bar the window has not got
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 14, 3));
    EXPECT_EQ(1, DocKeyPageDown(m_hDoc, 2));
    EXPECT_TRUE(Caret() == (POINT{0, 20}));
    EXPECT_EQ(21 * kLineHeight - 100, D().head.Origin().y) << "never past the extent less the page";
    EXPECT_EQ(0, DocKeyPageDown(m_hDoc, 2)) << "on the last line";
}

TEST_F(Keys, VerticalWritingTurnsTheKeys)
{
    D().head.SetVertical(1);
    // Columns from the right: "abcd" and a line feed, "ef" and a line feed,
    // "ghij".
    PressEach("abcd\nef\nghij", 0, {
        {"Up along the column", DocKeyUp, {2, 0}, 1, {1, 0}},
        {"Up at the top to the line before's last position", DocKeyUp, {0, 1}, 1, {4, 0}},
        {"Up at the start of the text", DocKeyUp, {0, 0}, 0, {0, 0}},
        {"Down along the column", DocKeyDown, {1, 0}, 1, {2, 0}},
        {"Down before a line feed to the next line", DocKeyDown, {4, 0}, 1, {0, 1}},
        {"Down at the end of the text", DocKeyDown, {4, 2}, 0, {4, 2}},
        {"Left to the next line, on the left", DocKeyLeft, {1, 0}, 1, {1, 1}},
        {"Left onto a shorter line", DocKeyLeft, {3, 0}, 1, {2, 1}},
        {"Left on the last line", DocKeyLeft, {1, 2}, 0, {1, 2}},
        {"Right to the line before, on the right", DocKeyRight, {1, 1}, 1, {1, 0}},
        {"Right on the first line", DocKeyRight, {1, 0}, 0, {1, 0}},
        {"Home", DocKeyHome, {3, 2}, 1, {0, 2}},
        {"End", DocKeyEnd, {1, 0}, 1, {4, 0}},
        {"Ctrl+Home", DocKeyCtrlHome, {3, 2}, 1, {0, 0}},
        {"Ctrl+End", DocKeyCtrlEnd, {1, 0}, 1, {4, 2}},
    });
}

TEST_F(Keys, VerticalMovesAcrossLinesKeepTheGoalAndShiftExtends)
{
    D().head.SetVertical(1);
    Lay("abcd\nef\nghij");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 3, 0, 3));
    const int nGoal = D().nGoalX;
    EXPECT_EQ(D().caret.top, nGoal) << "the goal lies along the column";
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
    EXPECT_EQ(nGoal, D().nGoalX);
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(Caret() == (POINT{3, 2})) << "back to the column it started from";
    EXPECT_EQ(1, DocKeyRight(m_hDoc, 6));
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
    EXPECT_TRUE(D().anchor == (POINT{3, 2})) << "Shift anchors where the caret was";
    EXPECT_EQ(1, DocKeyDown(m_hDoc, 2));
    EXPECT_FALSE(D().HasSelection());
}

TEST_F(Keys, KeyMessagesMoveTheCaretUnlessTheOwnerTakesThem)
{
    Lay(kText, 6);
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(Caret() == (POINT{1, 0}));
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_END, 0);
    EXPECT_TRUE(Caret() == (POINT{4, 0}));
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(Caret() == (POINT{2, 1}));
    m_parent.nConsumeCode = 105;
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(Caret() == (POINT{2, 1})) << "the owner took the key";
}

TEST_F(Keys, KeyUpGoesToTheOwnerWithTheKey)
{
    Lay(kText);
    for (int nStatic : {0, 1})
    {
        D().nStaticMode = nStatic;
        m_parent.received.clear();
        ::SendMessageA(m_hDoc, WM_KEYUP, VK_RIGHT, 0);
        ASSERT_EQ(1u, m_parent.received.size()) << "static mode " << nStatic;
        EXPECT_EQ(107, m_parent.received[0].nCode);
        EXPECT_EQ(m_hDoc, m_parent.received[0].hObject);
        EXPECT_EQ(static_cast<DWORD>(VK_RIGHT), D().head.InputWParam());
        EXPECT_TRUE(Caret() == (POINT{0, 0})) << "a key up moves nothing";
    }
}

}  // namespace
