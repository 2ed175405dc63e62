#include <gtest/gtest.h>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/edit/doc_edit.h"
#include "text/storage/block_list.h"
#include "text/tables/bmp_table.h"
#include "text_caret_fixture.h"
#include "zeb_fixtures.h"

namespace {

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

using Editing = FixedDocs;

ZebCharAttr AttrAt(ZebDocRecord& doc, int nOffset) { return BlockAttrAt(doc.Blocks()->Block(0), nOffset); }

TEST_F(Editing, TypedCharactersGoInAtTheCaret)
{
    struct Case
    {
        const char* name;
        const char* text;
        POINT caret;
        int nCode;
        std::string after;
        POINT caretAfter;
    };
    const Case cases[] = {
        {"a byte", "ab", {1, 0}, 'X', "aXb", {2, 0}},
        {"a double-byte character", "ab", {2, 0}, 0x82A0, "ab\x82\xA0", {4, 0}},
        {"a line feed splits the line", "ab", {1, 0}, '\n', "a\nb", {0, 1}},
        {"at column 0 of a later line", "ab\ncd", {0, 1}, 'X', "ab\nXcd", {1, 1}},
    };
    for (const Case& c : cases)
    {
        Lay(c.text);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, c.caret.x, c.caret.y, 3)) << c.name;
        EXPECT_EQ(1, DocInsertChar(m_hDoc, c.nCode)) << c.name;
        EXPECT_EQ(c.after, Text()) << c.name;
        EXPECT_TRUE(Caret() == c.caretAfter) << c.name << ": " << Caret().x << "," << Caret().y;
    }
}

TEST_F(Editing, DoubleByteCodesFollowTheTypingFont)
{
    Lay("ab");
    const ZebCharAttr typing = MakeCharAttr(D().nTypingColor, D().nTypingFont, 0, 0);
    ASSERT_EQ(1, DocInsertChar(m_hDoc, 0x82A0));
    EXPECT_EQ(typing | ZebAttrLead, AttrAt(D(), 0));
    EXPECT_EQ(typing | ZebAttrTrail, AttrAt(D(), 1));
    EXPECT_EQ(0, DocInsertChar(m_hDoc, 0x820A)) << "a line feed is no trail byte";
    EXPECT_EQ("\x82\xA0" "ab", Text());

    LOGFONTA lf = {};
    lf.lfHeight = 16;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpyA(lf.lfFaceName, "Arial");
    ASSERT_EQ(1, DocSetFont(m_hDoc, &lf));
    ASSERT_EQ(1, DocInsertChar(m_hDoc, 0x82A0));
    EXPECT_EQ("\x82\xA0\x82\xA0" "ab", Text());
    EXPECT_EQ(0u, AttrAt(D(), 2) & (ZebAttrLead | ZebAttrTrail)) << "two single bytes";
    EXPECT_EQ(0u, AttrAt(D(), 3) & (ZebAttrLead | ZebAttrTrail));
}

TEST_F(Editing, InsertTextPutsTheCaretAfterIt)
{
    Lay("xy");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    EXPECT_EQ(1, DocInsertText(m_hDoc, "a\r\nb\rc"));
    EXPECT_EQ("xa\nb\ncy", Text());
    EXPECT_TRUE(Caret() == (POINT{1, 2}));
}

TEST_F(Editing, DeleteAndBackspaceTakeWholeCharacters)
{
    struct Case
    {
        const char* name;
        int (*edit)(HWND);
        POINT caret;
        int nResult;
        std::string after;
        POINT caretAfter;
    };
    const char* kText = "a\x82\xA0" "b\ncd";
    const Case cases[] = {
        {"Delete on a double-byte character", DocDeleteChar, {1, 0}, 1, "ab\ncd", {1, 0}},
        {"Delete on a line feed joins the lines", DocDeleteChar, {4, 0}, 1, "a\x82\xA0" "bcd", {4, 0}},
        {"Delete at the end of the text", DocDeleteChar, {2, 1}, 0, kText, {2, 1}},
        {"Backspace after a double-byte character", DocBackspace, {3, 0}, 1, "ab\ncd", {1, 0}},
        {"Backspace at column 0 removes the line feed", DocBackspace, {0, 1}, 1, "a\x82\xA0" "bcd", {4, 0}},
        {"Backspace at the start of the text", DocBackspace, {0, 0}, 0, kText, {0, 0}},
    };
    for (const Case& c : cases)
    {
        Lay(kText);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, c.caret.x, c.caret.y, 3)) << c.name;
        EXPECT_EQ(c.nResult, c.edit(m_hDoc)) << c.name;
        EXPECT_EQ(c.after, Text()) << c.name;
        EXPECT_TRUE(Caret() == c.caretAfter) << c.name << ": " << Caret().x << "," << Caret().y;
    }
}

TEST_F(Editing, DeleteSelectionLeavesTheCaretAtItsStart)
{
    Lay("abc\ndef");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 1, 3));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 1, 7));
    EXPECT_EQ(1, DocDeleteSelection(m_hDoc)) << "anchor at the caret";
    EXPECT_EQ("abc\ndef", Text());

    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 7));
    EXPECT_EQ(1, DocDeleteSelection(m_hDoc));
    EXPECT_EQ("af", Text());
    EXPECT_TRUE(Caret() == (POINT{1, 0}));
    EXPECT_FALSE(D().HasSelection());

    EXPECT_EQ(1, DocClearText(m_hDoc));
    EXPECT_EQ("", Text());
    EXPECT_TRUE(Caret() == (POINT{0, 0}));
}

TEST_F(Editing, FontOnASelectionKeepsBitmapsAndTheSelection)
{
    Lay("abcd");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 3, 0, 3));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 7));
    const int nFont = D().nTypingFont;
    LOGFONTA lf = {};
    lf.lfHeight = 24;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(lf.lfFaceName, "MS Mincho");
    EXPECT_EQ(1, DocSetFont(m_hDoc, &lf));
    const int nNew = D().nTypingFont;
    ASSERT_NE(nFont, nNew);
    EXPECT_EQ(nFont, AttrFont(AttrAt(D(), 0)));
    EXPECT_EQ(nNew, AttrFont(AttrAt(D(), 1)));
    EXPECT_EQ(nNew, AttrFont(AttrAt(D(), 2)));
    EXPECT_EQ(nFont, AttrFont(AttrAt(D(), 3)));
    EXPECT_TRUE(D().anchor == (POINT{3, 0}));
    EXPECT_TRUE(Caret() == (POINT{1, 0}));
}

TEST_F(Editing, ABitmapIsOneCharacterAfterWhichTheCaretStands)
{
    Lay("ab");
    ASSERT_EQ(0, DocAddBmp(m_hDoc, -1, MakeScreenDib(4, 4), nullptr));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    EXPECT_EQ(0, DocInsertBmp(m_hDoc, 1)) << "no bitmap 1";
    EXPECT_EQ(1, DocInsertBmp(m_hDoc, 0));
    EXPECT_EQ("a b", Text());
    EXPECT_EQ(ZebAttrBitmap, AttrAt(D(), 1) & 0xF0);
    EXPECT_EQ(0, AttrFont(AttrAt(D(), 1))) << "the bitmap's index";
    EXPECT_TRUE(Caret() == (POINT{2, 0}));
    EXPECT_EQ(1, DocBackspace(m_hDoc));
    EXPECT_EQ("ab", Text());
    EXPECT_EQ(1, D().Bitmaps()->Count()) << "the bitmap stays in the table";
}

TEST_F(Editing, DeleteAtColumn0OfAWrappedLineLaysOutTheLineBefore)
{
    // The double-byte character does not fit the limit of 4 after "abc";
    // once it is gone, "d" does.
    Lay("abc\x82\xA0" "de", 4);
    ASSERT_EQ(2, D().Lines()->Count());
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 1, 3));
    EXPECT_EQ(1, DocDeleteChar(m_hDoc));
    EXPECT_EQ("abcde", Text());
    ASSERT_EQ(2, D().Lines()->Count());
    EXPECT_EQ(4, D().Lines()->At(0).length);
    EXPECT_EQ(1, D().Lines()->At(1).length);
    EXPECT_TRUE(Caret() == (POINT{3, 0}));
}

}  // namespace
