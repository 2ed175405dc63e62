#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_record.h"
#include "text/doc/doc_settings.h"
#include "text/input/typing.h"
#include "text_caret_fixture.h"
#include "text_clip_helpers.h"
#include "zeb95.h"

namespace {

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

class Typing : public FixedDocs
{
protected:
    // The text laid out, the caret at (column, 0) and, with nAnchor 0 or
    // more, the anchor at (nAnchor, 0); the owner's record and the
    // clipboard emptied of what came before.
    void Start(const std::string& text, int nColumn, int nAnchor = -1)
    {
        Lay(text);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, nColumn, 0, 3));
        if (nAnchor >= 0)
            D().anchor = {nAnchor, 0};
        D().wPendingLead = 0;
        SetClipText("before");
        Pump();
        m_parent.received.clear();
    }
    void SetClipMode(int nMode)
    {
        D().dwFlags = (D().dwFlags & ~kDocClipModeMask) | (static_cast<DWORD>(nMode) << kDocClipModeShift);
    }
    void Char(WPARAM c, int nRepeat = 1) { ::SendMessageA(m_hDoc, WM_CHAR, c, nRepeat); }
    // How often the owner heard of a change.
    int Changes()
    {
        Pump();
        const std::vector<int> codes = Codes(m_parent);
        return static_cast<int>(std::count(codes.begin(), codes.end(), 101));
    }
};

TEST_F(Typing, CharacterMessagesEditAtTheCaret)
{
    struct Case
    {
        const char* name;
        const char* text;
        int nCaret;
        int nAnchor;
        std::vector<WPARAM> chars;
        int nRepeat;
        const char* result;
        POINT caret;
        int nChanges;
        const char* clip;
        WORD wPending = 0;
    };
    const Case cases[] = {
        {"a letter", "ab", 1, -1, {'x'}, 1, "axb", {2, 0}, 1, "before"},
        {"a repeat count of three", "ab", 1, -1, {'x'}, 3, "axxxb", {4, 0}, 1, "before"},
        {"a repeat count of 0", "ab", 1, -1, {'x'}, 0, "ab", {1, 0}, 0, "before"},
        {"a double-byte character in two messages", "ab", 1, -1, {0x82, 0xA0}, 1, "a\x82\xA0" "b", {3, 0}, 1,
         "before"},
        {"a lead byte alone waits", "ab", 1, -1, {0x82}, 1, "ab", {1, 0}, 0, "before", 0x8200},
        {"a lead byte and no trail byte drop both", "ab", 1, -1, {0x82, '0', 'y'}, 1, "ayb", {2, 0}, 1, "before"},
        {"Enter inserts a line feed", "ab", 1, -1, {13}, 1, "a\nb", {0, 1}, 1, "before"},
        {"form feed", "ab", 1, -1, {12}, 1, "a\fb", {0, 1}, 1, "before"},
        {"a control character", "ab", 1, -1, {9}, 1, "ab", {1, 0}, 0, "before"},
        {"Backspace", "ab", 1, -1, {8}, 1, "b", {0, 0}, 1, "before"},
        {"Backspace at the start", "ab", 0, -1, {8}, 1, "ab", {0, 0}, 0, "before"},
        {"Backspace over a selection copies it", "abcd", 3, 1, {8}, 1, "ad", {1, 0}, 1, "bc"},
        {"a letter over a selection copies and replaces it", "abcd", 0, 2, {'x'}, 1, "xcd", {1, 0}, 1, "ab"},
        {"an anchor at the caret is no selection", "abcd", 2, 2, {'x'}, 1, "abxcd", {3, 0}, 1, "before"},
    };
    for (const Case& c : cases)
    {
        Start(c.text, c.nCaret, c.nAnchor);
        for (WPARAM ch : c.chars)
            Char(ch, c.nRepeat);
        EXPECT_EQ(c.result, Text()) << c.name;
        EXPECT_TRUE(Caret() == c.caret) << c.name << ": " << Caret().x << "," << Caret().y;
        EXPECT_EQ(c.nChanges, Changes()) << c.name;
        EXPECT_EQ(c.clip, ClipText()) << c.name;
        EXPECT_EQ(c.wPending, D().wPendingLead) << c.name;
    }
}

TEST_F(Typing, TheFilterReplacesOrDropsTypedCharacters)
{
    struct Case
    {
        const char* match;
        const char* replacement;
        std::vector<WPARAM> chars;
        const char* result;
    };
    const Case cases[] = {
        {"a ", "b ", {'a'}, "bz"},
        {"a ", "b ", {'c'}, "cz"},
        {"a ", nullptr, {'a'}, "z"},  // dropped, still a change
        {"\x7F" "K", "  ", {0x82, 0xA0}, " z"},
        {"\x7F" "K", "  ", {13}, "\nz"},
        {"\x7F" "A", "\x7F ", {13}, "z"},  // Enter is filtered as a line feed
    };
    for (const Case& c : cases)
    {
        Start("z", 0);
        ASSERT_EQ(1, DocSetFilter(m_hDoc, c.match, c.replacement));
        for (WPARAM ch : c.chars)
            Char(ch);
        EXPECT_EQ(c.result, Text()) << c.match;
        EXPECT_EQ(1, Changes()) << c.match;
    }
}

TEST_F(Typing, OwnerModesAndStaticModesKeepTheText)
{
    Start("ab", 1);
    m_parent.nConsumeCode = 106;
    Char('x');
    EXPECT_EQ("ab", Text()) << "the owner took the character";
    EXPECT_EQ(0, Changes());
    m_parent.nConsumeCode = -1;

    for (int nStatic : {1, 2})
    {
        D().nStaticMode = nStatic;
        Char('x');
        ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ("ab", Text()) << "static mode " << nStatic;
    }
    D().nStaticMode = 2;
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(Caret() == (POINT{2, 0})) << "a read-only document still moves its caret";
    D().nStaticMode = 0;
    D().head.SetViewMode(0);
    Char('x');
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ("ab", Text()) << "design mode";
    EXPECT_EQ(0, Changes());
}

TEST_F(Typing, DeleteKeyDeletesTheCharacterOrTheCopiedSelection)
{
    struct Case
    {
        const char* name;
        const char* text;
        int nCaret;
        int nAnchor;
        int nClipMode;
        const char* result;
        const char* clip;
    };
    const Case cases[] = {
        {"the character at the caret", "abc", 1, -1, 4, "ac", "before"},
        {"both bytes of a double-byte character", "a\x82\xA0" "c", 1, -1, 4, "ac", "before"},
        {"at the end of the text", "abc", 3, -1, 4, "abc", "before"},
        {"a selection, copied first", "abcd", 1, 3, 4, "ad", "bc"},
        {"a selection without copying", "abcd", 1, 3, 0x10, "ad", "before"},
    };
    for (const Case& c : cases)
    {
        Start(c.text, c.nCaret, c.nAnchor);
        SetClipMode(c.nClipMode);
        ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(c.result, Text()) << c.name;
        EXPECT_EQ(c.clip, ClipText()) << c.name;
        EXPECT_EQ(c.result != std::string(c.text) ? 1 : 0, Changes()) << c.name;
        EXPECT_FALSE(D().HasSelection()) << c.name;
    }
}

TEST_F(Typing, DeleteOverASelectionDeletesNothingWhenTheCopyFails)
{
    Start("abcd", 1, 3);
    HeldClipboard held;
    ::SendMessageA(m_hDoc, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ("abcd", Text());
    EXPECT_TRUE(D().HasSelection());
    EXPECT_EQ(0, Changes());
}

TEST_F(Typing, ModifierKeysChangeWhatKeysAndCharactersDo)
{
    struct Case
    {
        const char* name;
        std::vector<WORD> held;
        UINT uMsg;
        WPARAM w;
        int nClipMode;
        const char* result;
        const char* clip;
        bool bSelection;
        int nChanges;
    };
    // "abcd" with the caret at 1 and the anchor at 3; "X" on the clipboard.
    const Case cases[] = {
        {"Ctrl+Delete deletes without copying", {VK_CONTROL}, WM_KEYDOWN, VK_DELETE, 4, "ad", "X", false, 1},
        {"Ctrl+Insert copies and drops the selection", {VK_CONTROL}, WM_KEYDOWN, VK_INSERT, 4, "abcd", "bc", false,
         1},
        {"Ctrl+Insert refused by the clip mode", {VK_CONTROL}, WM_KEYDOWN, VK_INSERT, 0x10, "abcd", "X", true, 0},
        {"Shift+Insert pastes at the caret, the selected text stays", {VK_SHIFT}, WM_KEYDOWN, VK_INSERT, 4,
         "aXbcd", "X", false, 1},
        {"Shift+Insert refused by the clip mode", {VK_SHIFT}, WM_KEYDOWN, VK_INSERT, 0x20, "abcd", "X", true, 0},
        {"Insert alone is refused", {}, WM_KEYDOWN, VK_INSERT, 4, "abcd", "X", true, 0},
        {"Shift+Enter is refused", {VK_SHIFT}, WM_CHAR, 13, 4, "abcd", "X", true, 0},
        {"Shift with a form feed is refused", {VK_SHIFT}, WM_CHAR, 12, 4, "abcd", "X", true, 0},
        {"Alt+Backspace pastes", {VK_MENU}, WM_CHAR, 8, 4, "aXbcd", "X", false, 1},
        {"Alt+Backspace is Backspace when pasting is refused", {VK_MENU}, WM_CHAR, 8, 0x20, "ad", "bc", false, 1},
    };
    for (const Case& c : cases)
    {
        Start("abcd", 1, 3);
        SetClipText("X");
        SetClipMode(c.nClipMode);
        {
            HeldKeys held(c.held);
            ::SendMessageA(m_hDoc, c.uMsg, c.w, 1);
        }
        EXPECT_EQ(c.result, Text()) << c.name;
        EXPECT_EQ(c.clip, ClipText()) << c.name;
        EXPECT_EQ(c.bSelection, DocSelectionExists(D())) << c.name;
        EXPECT_EQ(c.nChanges, Changes()) << c.name;
    }
}

TEST_F(Typing, InputMethodCharactersGoUpAsTypedCharacters)
{
    Start("ab", 1);
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_IME_CHAR, 0x82A0, 1));
    EXPECT_EQ("a\x82\xA0" "b", Text());
    EXPECT_TRUE(Caret() == (POINT{3, 0}));
    EXPECT_EQ(1, Changes());
    const std::vector<int> codes = Codes(m_parent);
    EXPECT_EQ(1, std::count(codes.begin(), codes.end(), 106)) << "196 goes up as 106";
    EXPECT_EQ(0, std::count(codes.begin(), codes.end(), 196));

    Start("ab", 1, 0);
    m_parent.nConsumeCode = 106;
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_IME_CHAR, 'x', 1));
    EXPECT_EQ("ab", Text()) << "the owner took it";
    m_parent.nConsumeCode = -1;
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_IME_CHAR, 'x', 1));
    EXPECT_EQ("xb", Text()) << "the selection replaced";
    EXPECT_EQ("a", ClipText());
    D().nStaticMode = 2;
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, WM_IME_CHAR, 'y', 1));
    EXPECT_EQ("xb", Text());
}

}  // namespace
