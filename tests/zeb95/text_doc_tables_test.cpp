#include <gtest/gtest.h>

#include <vector>

#include "text/tables/bmp_table.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_create.h"
#include "text/doc/doc_font_mode.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_marks.h"
#include "text/tables/font_table.h"
#include "text_doc_fixture.h"

namespace {

void PutText(ZebDocRecord& doc, const std::vector<ZebCharAttr>& attrs)
{
    const std::vector<char> text(attrs.size(), 'x');
    const int n = static_cast<int>(attrs.size());
    ASSERT_EQ(n, BlockInsertRun(doc.Blocks()->Block(0), 0, text.data(), attrs.data(), n));
}

// Font or bitmap index of each character of the document's text.
std::vector<int> TextIndexes(ZebDocRecord& doc)
{
    std::vector<int> indexes;
    const ZebTextBlock* pBlock = doc.Blocks()->Block(0);
    for (int i = 0; i < BlockTextLength(pBlock); ++i)
        indexes.push_back(AttrFont(BlockAttrAt(pBlock, i)));
    return indexes;
}

bool Repainting(HWND hwnd)
{
    RECT rc;
    return ::GetUpdateRect(hwnd, &rc, FALSE) != FALSE;
}

TEST_F(TextDocs, SharedFontsRepointEveryDocumentOfTheWhiteBoard)
{
    HWND hA = DocCreateObj(m_hWb, nullptr, nullptr);
    HWND hB = DocCreateObj(m_hWb, nullptr, nullptr);
    HWND hOwn = DocCreateObj(m_parent.Hwnd(), nullptr, nullptr);
    ASSERT_TRUE(hA != nullptr && hB != nullptr && hOwn != nullptr);
    ASSERT_EQ(1, Wb().SharedFonts()->Count()) << "one default font for both";
    const LOGFONTA lf20 = Gothic(20);
    EXPECT_EQ(1, DocSetFont(hA, &lf20));
    EXPECT_EQ(1, Doc(hA).nTypingFont);
    EXPECT_EQ(0, Doc(hB).nTypingFont);

    ZebDocRecord& b = Doc(hB);
    ASSERT_EQ(0, DocAddBmp(hB, -1, MakeScreenDib(2, 2), nullptr));
    ASSERT_EQ(1, DocAddBmp(hB, -1, MakeScreenDib(2, 2), nullptr));
    PutText(b, {MakeCharAttr(1, 0, 0, 0), MakeCharAttr(1, 1, 0, 0), ZebAttrBitmap | (1u << 8)});
    b.nTypingFont = 1;
    b.lineFeedAttr = AttrWithFont(b.lineFeedAttr, 1);

    EXPECT_EQ(1, DocInsertFont(hA, Gothic(30), 1));
    EXPECT_EQ((std::vector<int>{0, 2, 1}), TextIndexes(b)) << "the bitmap reference stays";
    EXPECT_EQ(2, b.nTypingFont);
    EXPECT_EQ(2, AttrFont(b.lineFeedAttr));
    EXPECT_EQ(2, Doc(hA).nTypingFont);
    EXPECT_EQ(1, Doc(hOwn).OwnFonts()->Count()) << "another table";

    for (HWND h : {hA, hB})
        ::ValidateRect(h, nullptr);
    EXPECT_EQ(0, DocRemoveFont(hA, 3));
    EXPECT_FALSE(Repainting(hA));
    EXPECT_EQ(1, DocRemoveFont(hA, 2));
    EXPECT_EQ((std::vector<int>{0, 0, 1}), TextIndexes(b));
    EXPECT_EQ(0, b.nTypingFont);
    EXPECT_EQ(0, AttrFont(b.lineFeedAttr));
    EXPECT_TRUE(Repainting(hA) && Repainting(hB)) << "every user relaid out";
    EXPECT_EQ(2, Wb().SharedFonts()->Count());

    EXPECT_EQ(1, DocRemoveFont(hB, -1));
    ASSERT_EQ(1, Wb().SharedFonts()->Count());
    EXPECT_STREQ(FallbackLogFont().lfFaceName, DocFontEntry(b, 0)->logfont.lfFaceName);
}

TEST_F(TextDocs, VerticalModeTurnsTheOwnFontsOnce)
{
    HWND hOwn = DocCreateObj(m_parent.Hwnd(), nullptr, nullptr);
    ASSERT_NE(nullptr, hOwn);
    ZebDocRecord& doc = Doc(hOwn);
    const HFONT hFlat = doc.OwnFonts()->Entry(0)->font;
    EXPECT_EQ(0, DocSetVertMode(hOwn, 1));
    EXPECT_EQ(2700, DocFontEntry(doc, 0)->logfont.lfEscapement);
    EXPECT_EQ(2700, DocFontEntry(doc, 0)->logfont.lfOrientation);
    EXPECT_NE(hFlat, DocFontEntry(doc, 0)->font);
    EXPECT_EQ(1, DocSetVertMode(hOwn, 2));
    EXPECT_EQ(2700, DocFontEntry(doc, 0)->logfont.lfEscapement) << "vertical to vertical turns nothing";
    const LOGFONTA lf = Gothic(40);
    ASSERT_EQ(1, DocSetFont(hOwn, &lf));
    EXPECT_EQ(2700, DocFontEntry(doc, 1)->logfont.lfEscapement) << "new fonts follow";
    EXPECT_EQ(2, DocSetVertMode(hOwn, 0));
    EXPECT_EQ(0, DocFontEntry(doc, 0)->logfont.lfEscapement);
    EXPECT_EQ(0, DocFontEntry(doc, 1)->logfont.lfEscapement);

    // On shared tables the vertical document reads the turned twins.
    HWND hShared = DocCreateObj(m_hWb, nullptr, nullptr);
    ZebDocRecord& shared = Doc(hShared);
    EXPECT_EQ(0, DocSetVertMode(hShared, 1));
    EXPECT_EQ(2700, DocFontEntry(shared, 0)->logfont.lfEscapement);
    EXPECT_EQ(0, Wb().SharedFonts()->Entry(0)->logfont.lfEscapement);
}

// IPAGothic asked for at 24 shows a cell of 23, and asked for at 23 shows
// 22: fonts made again from what an entry holds, when the vertical mode
// turns them and when the whiteboard's font mode moves them between
// tables, keep their cell height.
TEST_F(TextDocs, FontsMadeAgainKeepTheirHeight)
{
    HWND hOwn = DocCreateObj(m_parent.Hwnd(), nullptr, nullptr);
    HWND hShared = DocCreateObj(m_hWb, nullptr, nullptr);
    ASSERT_TRUE(hOwn != nullptr && hShared != nullptr);
    const LOGFONTA gothic = Gothic(24);
    for (HWND hDoc : {hOwn, hShared})
        ASSERT_EQ(1, DocSetFont(hDoc, &gothic));
    auto height = [](HWND hDoc) { return DocFontEntry(Doc(hDoc), Doc(hDoc).nTypingFont)->logfont.lfHeight; };
    const LONG nHeight = height(hOwn);
    ASSERT_EQ(nHeight, height(hShared));

    ASSERT_EQ(0, DocSetVertMode(hOwn, 1));
    EXPECT_EQ(nHeight, height(hOwn)) << "turned";
    ASSERT_EQ(1, DocSetVertMode(hOwn, 0));
    EXPECT_EQ(nHeight, height(hOwn)) << "turned back";

    ASSERT_EQ(0, WbSetDocFontMode(m_hWb, 1));
    EXPECT_EQ(nHeight, height(hShared)) << "into an own table";
    ASSERT_EQ(1, WbSetDocFontMode(m_hWb, 0));
    EXPECT_EQ(nHeight, height(hShared)) << "back into the shared one";
    EXPECT_EQ(2, Wb().SharedFonts()->Count());
}

TEST_F(TextDocs, MarksTakeAFontOrABitmap)
{
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_EQ(0, DocAddBmp(hDoc, -1, MakeScreenDib(2, 2), nullptr));
    ASSERT_EQ(1, DocAddBmp(hDoc, -1, MakeScreenDib(3, 3), nullptr));
    doc.nTypingColor = 12;
    doc.nTypingVPos = 3;
    doc.nTypingUser = 7;

    const LOGFONTA lf = Gothic(20);
    ::ValidateRect(hDoc, nullptr);
    EXPECT_EQ(1, DocSetNewLineMark(hDoc, 0x829F, &lf, FALSE));
    EXPECT_FALSE(Repainting(hDoc));
    EXPECT_EQ(0x829F, doc.wLineFeedCode);
    EXPECT_EQ(MakeCharAttr(12, 1, 3, 7) | ZebAttrLead, doc.lineFeedAttr);
    EXPECT_EQ(0, doc.nTypingFont) << "the typing font stays";
    ASSERT_EQ(2, Wb().SharedFonts()->Count());

    EXPECT_EQ(1, DocSetFormFeedMark(hDoc, 1, nullptr, TRUE));
    EXPECT_TRUE(Repainting(hDoc));
    EXPECT_EQ(kZebBitmapMarkCode, doc.wFormFeedCode);
    EXPECT_EQ(ZebAttrBitmap | MakeCharAttr(0, 1, 3, 7), doc.formFeedAttr);

    EXPECT_EQ(0, DocSetFormFeedMark(hDoc, 2, nullptr, FALSE)) << "no bitmap 2";
    EXPECT_EQ(0, DocSetFormFeedMark(hDoc, 256, nullptr, FALSE));
    EXPECT_EQ(ZebAttrBitmap | MakeCharAttr(0, 1, 3, 7), doc.formFeedAttr);

    EXPECT_EQ(1, DocSetNewLineMark(hDoc, kZebNoMark, &lf, FALSE));
    EXPECT_EQ(kZebNoMark, doc.wLineFeedCode);
    EXPECT_EQ(0u, doc.lineFeedAttr);
}

TEST_F(TextDocs, AMarksFontLeavesTheSelectedTextAlone)
{
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    ZebDocRecord& doc = Doc(hDoc);
    PutText(doc, {MakeCharAttr(0, 0, 0, 0), MakeCharAttr(0, 0, 0, 0)});
    DocRelayout(hDoc);
    ASSERT_EQ(1, DocSetCaret(hDoc, 0, 0, 0));
    ASSERT_EQ(1, DocSetCaret(hDoc, 2, 0, kCaretExtend));
    const LOGFONTA lf = Gothic(20);
    EXPECT_EQ(1, DocSetNewLineMark(hDoc, 'x', &lf, FALSE));
    EXPECT_EQ(1, AttrFont(doc.lineFeedAttr));
    EXPECT_EQ((std::vector<int>{0, 0}), TextIndexes(doc)) << "the selected text keeps its font";
    EXPECT_EQ(0, doc.nTypingFont);
    EXPECT_TRUE(doc.HasSelection());
}

TEST_F(TextDocs, BitmapsRenumberTheDocumentsTextAndMarks)
{
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    ZebDocRecord& doc = Doc(hDoc);
    const LOGFONTA lf = Gothic(20);
    ASSERT_EQ(1, DocSetFont(hDoc, &lf));  // font 1 for the third character
    EXPECT_EQ(-1, DocAddBmp(hDoc, -1, nullptr, nullptr));
    ASSERT_EQ(0, DocAddBmp(hDoc, -1, MakeScreenDib(2, 2), nullptr));
    ASSERT_EQ(1, DocAddBmp(hDoc, 7, MakeScreenDib(3, 3), nullptr));
    PutText(doc, {ZebAttrBitmap, ZebAttrBitmap | (1u << 8), MakeCharAttr(0, 1, 0, 0)});
    ASSERT_EQ(1, DocSetFormFeedMark(hDoc, 1, nullptr, FALSE));

    ::ValidateRect(hDoc, nullptr);
    EXPECT_EQ(0, DocAddBmp(hDoc, 0, MakeScreenDib(4, 5), "x.bmp"));
    EXPECT_TRUE(Repainting(hDoc));
    EXPECT_EQ((std::vector<int>{1, 2, 1}), TextIndexes(doc)) << "the font-1 character stays";
    EXPECT_EQ(2, AttrFont(doc.formFeedAttr));
    EXPECT_STREQ("x.bmp", doc.Bitmaps()->Entry(0)->name);
    EXPECT_EQ(5, doc.Bitmaps()->Entry(0)->height);

    EXPECT_EQ(1, DocRemoveBmp(hDoc, 1));
    EXPECT_EQ((std::vector<int>{0, 1, 1}), TextIndexes(doc))
        << "the reference to the removed bitmap laid out as a plain character of font 0";
    EXPECT_EQ(0u, BlockAttrAt(doc.Blocks()->Block(0), 0) & ZebAttrBitmap);
    EXPECT_EQ(1, AttrFont(doc.formFeedAttr));
    EXPECT_EQ(0, DocRemoveBmp(hDoc, 2));
    EXPECT_EQ(1, DocRemoveBmp(hDoc, -1));
    EXPECT_EQ(0, doc.Bitmaps()->Count());
}

}  // namespace
