#include <gtest/gtest.h>

#include <string>

#include "text/caret/doc_caret.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_layout.h"
#include "text_caret_fixture.h"
#include "text_clip_helpers.h"

namespace {

using TextClipboard = FixedDocs;

TEST_F(TextClipboard, CopyPutsTheSelectionAsTextWithCrLf)
{
    struct Case
    {
        const char* name;
        const char* text;
        int nBlockBytes;
        POINT anchor;
        POINT caret;
        const char* clip;
    };
    const Case cases[] = {
        {"within a line", "abcd", 100, {1, 0}, {3, 0}, "bc"},
        {"caret before the anchor", "abcd", 100, {3, 0}, {1, 0}, "bc"},
        {"over line feeds, none after the end", "ab\ncd\nef", 100, {1, 0}, {1, 2}, "b\r\ncd\r\ne"},
        {"a form feed as it is", "ab\fcd", 100, {0, 0}, {1, 1}, "ab\fc"},
        {"a double-byte character", "a\x82\xA0z", 100, {0, 0}, {3, 0}, "a\x82\xA0"},
        {"over blocks", "abcdefgh\nij", 3, {1, 0}, {1, 1}, "bcdefgh\r\ni"},
        {"no selection", "abcd", 100, {-1, -1}, {2, 0}, ""},
        {"the anchor at the caret", "abcd", 100, {2, 0}, {2, 0}, ""},
    };
    for (const Case& c : cases)
    {
        Lay(c.text);
        FillBlocks(*D().Blocks(), c.text, 0, c.nBlockBytes);
        DocReflowFrom(m_hDoc, 0);
        DocWaitLayout(m_hDoc, -1);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, c.caret.x, c.caret.y, 3)) << c.name;
        D().anchor = c.anchor;
        SetClipText("before");
        EXPECT_EQ(1, DocCopyToClipboard(m_hDoc)) << c.name;
        EXPECT_EQ(c.clip, ClipText()) << c.name;
        EXPECT_EQ(c.text, Text()) << c.name << ": the text stays";
    }
}

TEST_F(TextClipboard, AFailedCopyLeavesTheClipboardAsItWas)
{
    Lay("abcd");
    D().anchor = {2, 0};
    SetClipText("before");
    {
        HeldClipboard held;
        EXPECT_EQ(0, DocCopyToClipboard(m_hDoc));
    }
    EXPECT_EQ("before", ClipText());
    D().anchor = {9, 0};
    EXPECT_EQ(0, DocCopyToClipboard(m_hDoc)) << "an anchor outside its line";
    EXPECT_EQ("before", ClipText());
}

TEST_F(TextClipboard, PasteInsertsTheTextWithLineFeeds)
{
    Lay("[]");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 0, 3));
    SetClipText("a\r\nb\rc\nd");
    EXPECT_EQ(1, DocPasteFromClipboard(m_hDoc));
    EXPECT_EQ("[a\nb\nc\nd]", Text());
    EXPECT_EQ(3, Caret().y);
    EXPECT_EQ(1, Caret().x);

    SetClipText(nullptr);
    EXPECT_EQ(1, DocPasteFromClipboard(m_hDoc)) << "no text on the clipboard";
    EXPECT_EQ("[a\nb\nc\nd]", Text());
    {
        HeldClipboard held;
        EXPECT_EQ(0, DocPasteFromClipboard(m_hDoc));
    }
}

}  // namespace
