#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "files/block_io.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_text_insert.h"
#include "text/full/sel_getters.h"
#include "text/full/text_getters.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "text_full_fixture.h"

namespace {

using Bytes = std::vector<BYTE>;

void Set32(Bytes& b, size_t nAt, DWORD dw)
{
    for (size_t i = 0; i < 4; ++i)
        b[nAt + i] = static_cast<BYTE>(dw >> (8 * i));
}

DWORD Get32(const Bytes& b, size_t nAt)
{
    return b[nAt] | (b[nAt + 1] << 8) | (b[nAt + 2] << 16) | (static_cast<DWORD>(b[nAt + 3]) << 24);
}

class FullText : public FullTextDocs
{
protected:
    Bytes SelFull(HWND hDoc)
    {
        Bytes b(static_cast<size_t>(DocGetSelFullLength(hDoc)));
        EXPECT_EQ(static_cast<int>(b.size()), DocGetSelFullText(hDoc, b.data(), static_cast<int>(b.size())));
        return b;
    }
    Bytes SelFullEx(HWND hDoc)
    {
        Bytes b(static_cast<size_t>(DocGetSelFullLengthEx(hDoc)));
        const int n = DocGetSelFullTextEx(hDoc, b.data(), static_cast<int>(b.size()));
        EXPECT_GE(n, 32);
        b.resize(static_cast<size_t>(n < 0 ? 0 : n));
        return b;
    }
    int FontCount(HWND hDoc) { return DocFontTable(Doc(hDoc), false)->Count(); }
    int BitmapCount(HWND hDoc) { return Doc(hDoc).Bitmaps()->Count(); }
    // Font 1 of the first document: a second font for its selection.
    void AddSecondFont(const POINT& anchor, const POINT& caret)
    {
        D().anchor = anchor;
        ASSERT_EQ(1, DocSetCaret(m_hDoc, caret.x, caret.y, kCaretExtend));
        const LOGFONTA lf = TestFont(20, "Arial");
        ASSERT_NE(0, DocSetFont(m_hDoc, &lf));
    }
};

TEST_F(FullText, PlainFullTextOfTheSelectionIsByteExact)
{
    LayAttrs(m_hDoc, "a\x82\xA0\nb", MakeCharAttr(3, 0, 0, 0));
    SelectAll(m_hDoc);
    const Bytes expected = {5,    0, 0, 0, 'a', 0x82, 0xA0, '\n', 'b', 3, 0, 0, 0, 0x13, 0, 0, 0,
                            0x23, 0, 0, 0, 0x43, 0,    0,    0,    3,   0, 0, 0};
    EXPECT_EQ(29, DocGetSelFullLength(m_hDoc));
    EXPECT_EQ(expected, SelFull(m_hDoc));
    Bytes small(12, 0xEE);
    EXPECT_EQ(9, DocGetSelFullText(m_hDoc, small.data(), 12)) << "one whole byte fits";
    EXPECT_EQ((Bytes{1, 0, 0, 0, 'a', 3, 0, 0, 0, 0xEE, 0xEE, 0xEE}), small);
    EXPECT_EQ(-1, DocGetSelFullText(m_hDoc, small.data(), 3));
    D().anchor = {-1, -1};
    EXPECT_EQ(4, DocGetSelFullLength(m_hDoc)) << "no selection";
    EXPECT_EQ((Bytes{0, 0, 0, 0}), SelFull(m_hDoc));
}

TEST_F(FullText, ExtendedFullTextIsByteExact)
{
    LayAttrs(m_hDoc, "ab", 0);
    SetClipMode(m_hDoc, 0x07);
    SelectAll(m_hDoc);
    Bytes expected = {0xDF, 0xB2, 0xB0, 0xBC, 130, 0, 0, 0, 14, 0, 0, 0, 8, 0, 0, 0,
                      8,    0,    0,    0,    68,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0,
                      2,    0,    0,    0,    'a', 'b', 0, 0, 0, 0, 0, 0, 0, 0,
                      7,    0,    0,    0,    2,   0, 0, 0, 18, 0, 0, 0, 2, 0, 0, 0,
                      1,    0,    0,    0,    0,   0, 0, 0};
    PutLogFont(expected, DocFontEntry(D(), 0)->logfont);
    EXPECT_EQ(expected, SelFullEx(m_hDoc));
    EXPECT_EQ(130, DocGetSelFullLengthEx(m_hDoc)) << "every section in use";

    SetClipMode(m_hDoc, 0x30);
    const Bytes bare = SelFullEx(m_hDoc);
    ASSERT_EQ(46u, bare.size());
    for (size_t nAt : {12u, 16u, 20u, 24u})
        EXPECT_EQ(0u, Get32(bare, nAt)) << "no section at " << nAt;

    SetClipMode(m_hDoc, 0x0C);
    D().anchor = {-1, -1};
    EXPECT_EQ(44, DocGetSelFullLengthEx(m_hDoc)) << "the query counts both empty sections' counts";
    EXPECT_EQ(36u, SelFullEx(m_hDoc).size()) << "sections without anything in use are left out";
    Bytes tiny(20, 0xEE);
    EXPECT_EQ(-1, DocGetSelFullTextEx(m_hDoc, tiny.data(), 20));
    EXPECT_EQ(Bytes(20, 0), tiny) << "a buffer below the header is zeroed";
}

TEST_F(FullText, TheBitmapSectionCarriesTheWholeDibBlock)
{
    LayAttrs(m_hDoc, "x", 0);
    InsertBitmapAt(m_hDoc, 1, 0);
    SetClipMode(m_hDoc, 0x08);
    SelectAll(m_hDoc);
    const Bytes full = SelFullEx(m_hDoc);
    const Bytes dib = BlockBytes(D().Bitmaps()->Entry(0)->dib);
    const size_t nSection = 32 + 14;
    ASSERT_EQ(nSection + 4 + 12 + dib.size(), full.size());
    EXPECT_EQ(4 + 12 + dib.size(), Get32(full, 24));
    EXPECT_EQ(1u, Get32(full, nSection));
    EXPECT_EQ(0u, Get32(full, nSection + 4)) << "source index";
    EXPECT_EQ(dib.size(), Get32(full, nSection + 8));
    EXPECT_EQ(nSection + 16, Get32(full, nSection + 12)) << "offset from the buffer's start";
    EXPECT_EQ(dib, Bytes(full.begin() + static_cast<long>(nSection + 16), full.end()));
    EXPECT_EQ(static_cast<int>(full.size()), DocGetSelFullLengthEx(m_hDoc));
}

TEST_F(FullText, PastedFullTextBringsItsFontsAndBitmaps)
{
    LayAttrs(m_hDoc, "abcd\nef", MakeCharAttr(5, 0, 0, 0));
    AddSecondFont({1, 0}, {3, 0});
    InsertBitmapAt(m_hDoc, 1, 1);
    SetClipMode(m_hDoc, 0x0F);
    SetClipMode(m_hDoc2, 0x0F);
    SelectAll(m_hDoc);
    const Bytes full = SelFullEx(m_hDoc);
    const std::vector<ZebCharAttr> source = AttrsOf(m_hDoc);
    LayAttrs(m_hDoc2, "[]", 0);
    ASSERT_EQ(1, DocSetCaret(m_hDoc2, 1, 0, 3));
    const int nFonts = FontCount(m_hDoc2);
    for (int nTime = 0; nTime < 2; ++nTime)
    {
        ASSERT_EQ(1, DocInsertFullText(m_hDoc2, full.data(), full.size(), ZebFullSource::Foreign)) << nTime;
        EXPECT_EQ(nFonts + 2, FontCount(m_hDoc2)) << "both fonts (font 0 is the fixture's own) appended once, found the second time";
        EXPECT_EQ(nTime + 1, BitmapCount(m_hDoc2));
    }
    EXPECT_EQ("[abcd\ne f" "abcd\ne f]", TextOf(m_hDoc2));
    const std::vector<ZebCharAttr> pasted = AttrsOf(m_hDoc2);
    const ZebFontTable& fonts = *DocFontTable(Doc(m_hDoc2), false);
    const int nFirst = fonts.Find(DocFontEntry(D(), 0)->logfont);
    const int nSecond = fonts.Find(DocFontEntry(D(), 1)->logfont);
    EXPECT_EQ(nFonts, nFirst) << "appended after the receiver's own";
    EXPECT_EQ(nFonts + 1, nSecond);
    EXPECT_EQ(AttrWithFont(source[1], nSecond), pasted[2]) << "font 1 mapped to the receiver's index";
    EXPECT_EQ(AttrWithFont(source[0], nFirst), pasted[1]) << "font 0 mapped too";
    EXPECT_EQ(AttrWithFont(source[6], 0), pasted[7]) << "the first paste's bitmap";
    EXPECT_EQ(AttrWithFont(source[6], 1), pasted[15]) << "the second paste's own bitmap";
}

// IPAGothic asked for at 24 shows a cell of 23, and asked for at 23 shows
// 22: a pasted font is the source's own, found where the receiver has it
// and appended as the source holds it where not.
TEST_F(FullText, PastedFontsAreTheSourcesOwn)
{
    LayAttrs(m_hDoc, "abcd", 0);
    const LOGFONTA gothic = Gothic(24);
    D().anchor = {1, 0};
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 3, 0, kCaretExtend));
    ASSERT_NE(0, DocSetFont(m_hDoc, &gothic));
    const int nSource = AttrFont(AttrsOf(m_hDoc)[1]);
    const ZebFontEntry& source = *DocFontEntry(D(), nSource);
    SetClipMode(m_hDoc, 0x04);
    SetClipMode(m_hDoc2, 0x04);
    SelectAll(m_hDoc);
    const Bytes full = SelFullEx(m_hDoc);
    ASSERT_NE(0, DocSetFont(m_hDoc2, &gothic));
    const int nOwn = Doc(m_hDoc2).nTypingFont;
    ASSERT_EQ(1, DocInsertFullText(m_hDoc2, full.data(), full.size(), ZebFullSource::Foreign));
    EXPECT_EQ(nOwn, AttrFont(AttrsOf(m_hDoc2)[1])) << "the receiver's IPAGothic at 24";

    ASSERT_EQ(1, DocRemoveFont(m_hDoc2, nOwn));
    const int nFonts = FontCount(m_hDoc2);
    ASSERT_EQ(1, DocInsertFullText(m_hDoc2, full.data(), full.size(), ZebFullSource::Foreign));
    EXPECT_EQ(nFonts + 1, FontCount(m_hDoc2)) << "appended";
    ASSERT_EQ("abcdabcd", TextOf(m_hDoc2));
    const int nPasted = AttrFont(AttrsOf(m_hDoc2)[5]);
    const ZebFontEntry& pasted = *DocFontEntry(Doc(m_hDoc2), nPasted);
    EXPECT_EQ(0, std::memcmp(&source.logfont, &pasted.logfont, sizeof(LOGFONTA)));
    EXPECT_EQ(0, std::memcmp(source.widths, pasted.widths, sizeof(source.widths)));
}

TEST_F(FullText, BitmapsNotCarriedBecomePlainCharacters)
{
    LayAttrs(m_hDoc, "a", 0);
    InsertBitmapAt(m_hDoc, 1, 0);
    SelectAll(m_hDoc);
    ASSERT_EQ(0, DocAddBmp(m_hDoc2, -1, MakeSolidDib(5, 5, RGB(1, 2, 3)), nullptr));
    struct Case
    {
        const char* name;
        int nSourceMode;
        int nTargetMode;
    };
    const Case cases[] = {
        {"plain full text", 0, 0x0F},
        {"extended without the bitmap section", 0x04, 0x0F},
        {"extended with it, not taken", 0x0F, 0x04},
    };
    for (const Case& c : cases)
    {
        SetClipMode(m_hDoc, c.nSourceMode);
        SetClipMode(m_hDoc2, c.nTargetMode);
        const Bytes full = c.nSourceMode == 0 ? SelFull(m_hDoc) : SelFullEx(m_hDoc);
        LayAttrs(m_hDoc2, "", 0);
        ASSERT_EQ(1, DocInsertFullText(m_hDoc2, full.data(), full.size(), ZebFullSource::Foreign)) << c.name;
        EXPECT_EQ(1, BitmapCount(m_hDoc2)) << c.name;
        EXPECT_EQ(0u, AttrsOf(m_hDoc2)[1] & (ZebAttrBitmap | 0xFF00)) << c.name << ": a space in font 0";
    }
}

TEST_F(FullText, HostileFullTextIsRefusedWithNothingChanged)
{
    LayAttrs(m_hDoc, "ab\x82\xA0", 0);
    AddSecondFont({0, 0}, {1, 0});
    InsertBitmapAt(m_hDoc, 2, 0);
    SetClipMode(m_hDoc, 0x0F);
    SetClipMode(m_hDoc2, 0x0F);
    SelectAll(m_hDoc);
    const Bytes good = SelFullEx(m_hDoc);
    const size_t nPlain = 32;
    const DWORD n = Get32(good, nPlain);
    const size_t nFonts = nPlain + Get32(good, 8) + 16;
    const size_t nBitmaps = nFonts + Get32(good, 20);
    ASSERT_EQ(2u, Get32(good, nFonts)) << "fonts 0 and 1";
    struct Case
    {
        const char* name;
        void (*mend)(Bytes&, size_t, size_t, size_t, DWORD);
    };
    const Case cases[] = {
        {"total beyond the buffer", [](Bytes& b, size_t, size_t, size_t, DWORD) { Set32(b, 4, Get32(b, 4) + 1); }},
        {"sections beyond the total", [](Bytes& b, size_t, size_t, size_t, DWORD) { Set32(b, 16, 16); }},
        {"plain part not N x 5 + 4",
         [](Bytes& b, size_t p, size_t, size_t, DWORD n) { Set32(b, p, n - 1); }},
        {"a mark section of 4 bytes",
         [](Bytes& b, size_t, size_t, size_t, DWORD) {
             Set32(b, 12, 4);
             Set32(b, 20, Get32(b, 20) + 4);
         }},
        {"font count beyond its section", [](Bytes& b, size_t, size_t f, size_t, DWORD) { Set32(b, f, 3); }},
        {"font index 256", [](Bytes& b, size_t, size_t f, size_t, DWORD) { Set32(b, f + 4, 256); }},
        {"bitmap index 300", [](Bytes& b, size_t, size_t, size_t m, DWORD) { Set32(b, m + 4, 300); }},
        {"bitmap offset moved", [](Bytes& b, size_t, size_t, size_t m, DWORD) { Set32(b, m + 12, Get32(b, m + 12) + 1); }},
        {"bitmap size beyond the section",
         [](Bytes& b, size_t, size_t, size_t m, DWORD) { Set32(b, m + 8, Get32(b, m + 8) + 1); }},
        {"bitmap data that is no DIB", [](Bytes& b, size_t, size_t, size_t m, DWORD) { Set32(b, m + 16, 7); }},
        {"a lead byte without its trail",
         [](Bytes& b, size_t p, size_t, size_t, DWORD n) { Set32(b, p + 4 + n + 4 * 4, 0); }},
        {"a break flag on a letter",
         [](Bytes& b, size_t p, size_t, size_t, DWORD n) { Set32(b, p + 4 + n, 0x40); }},
        {"header cut short", [](Bytes& b, size_t, size_t, size_t, DWORD) { b.resize(31); }},
    };
    LayAttrs(m_hDoc2, "keep", 0);
    const std::vector<ZebCharAttr> attrs = AttrsOf(m_hDoc2);
    const int nFontCount = FontCount(m_hDoc2);
    for (const Case& c : cases)
    {
        Bytes bad = good;
        c.mend(bad, nPlain, nFonts, nBitmaps, n);
        EXPECT_EQ(0, DocInsertFullText(m_hDoc2, bad.data(), bad.size(), ZebFullSource::Foreign)) << c.name;
        EXPECT_EQ("keep", TextOf(m_hDoc2)) << c.name;
        EXPECT_EQ(attrs, AttrsOf(m_hDoc2)) << c.name;
        EXPECT_EQ(nFontCount, FontCount(m_hDoc2)) << c.name;
        EXPECT_EQ(0, BitmapCount(m_hDoc2)) << c.name;
    }
    const Bytes wraps = {0x33, 0x33, 0x33, 0x33, 'a', 'b', 'c', 'd'};
    EXPECT_EQ(0, DocInsertFullText(m_hDoc2, wraps.data(), wraps.size(), ZebFullSource::Caller))
        << "N x 5 + 4 wraps to 3 in 32 bits";
    const Bytes huge = {0, 0, 0, 0x80, 0, 0, 0, 0};
    EXPECT_EQ(0, DocInsertFullText(m_hDoc2, huge.data(), huge.size(), ZebFullSource::Caller)) << "N above 2^31 - 1";
    EXPECT_EQ("keep", TextOf(m_hDoc2));
    EXPECT_EQ(1, DocInsertFullText(m_hDoc2, good.data(), good.size(), ZebFullSource::Foreign)) << "the good one";
}

TEST_F(FullText, ABufferSizedByTheQueryIsTaken)
{
    LayAttrs(m_hDoc, "abc", 0);
    SetClipMode(m_hDoc, 0x0C);
    SelectAll(m_hDoc);
    Bytes query(static_cast<size_t>(DocGetSelFullLengthEx(m_hDoc)), 0);
    const int nTotal = DocGetSelFullTextEx(m_hDoc, query.data(), static_cast<int>(query.size()));
    ASSERT_LT(static_cast<size_t>(nTotal), query.size()) << "the query counts the empty bitmap section";
    LayAttrs(m_hDoc2, "", 0);
    EXPECT_EQ(1, DocInsertFullText(m_hDoc2, query.data(), query.size(), ZebFullSource::Caller));
    EXPECT_EQ("abc", TextOf(m_hDoc2));
}

TEST_F(FullText, APlainFullTextWithoutBytesStillPlacesTheCaret)
{
    LayAttrs(m_hDoc2, "xy", 0);
    ASSERT_EQ(1, DocSetCaret(m_hDoc2, 1, 0, 3));
    const Bytes empty = {0, 0, 0, 0};
    EXPECT_EQ(1, DocInsertFullText(m_hDoc2, empty.data(), empty.size(), ZebFullSource::Caller));
    EXPECT_EQ("xy", TextOf(m_hDoc2));
    EXPECT_EQ(1, Doc(m_hDoc2).head.CaretPos().x);
}

TEST_F(FullText, ALongInsertionNeverPartsACharacter)
{
    std::string text(3999, 'a');
    text += "\x82\xA0";
    LayAttrs(m_hDoc, text, 0);
    SelectAll(m_hDoc);
    const Bytes full = SelFull(m_hDoc);
    ASSERT_EQ(4001u, Get32(full, 0));
    LayAttrs(m_hDoc2, "", 0);
    ASSERT_EQ(1, DocInsertFullText(m_hDoc2, full.data(), full.size(), ZebFullSource::Caller));
    EXPECT_EQ(text, TextOf(m_hDoc2));
    EXPECT_EQ(AttrsOf(m_hDoc), AttrsOf(m_hDoc2));
}

TEST_F(FullText, LineGettersCountLineFeedsAsCrLf)
{
    Lay("012345678\nabc\fdef");
    EXPECT_EQ(11, DocGetLineLength(m_hDoc, 0)) << "10 bytes ending in a line feed";
    EXPECT_EQ(-1, DocGetLineLength(m_hDoc, 9));
    char sz[32];
    EXPECT_EQ(11, DocGetLine(m_hDoc, 0, sz, 12));
    EXPECT_EQ(std::string("012345678\r\n"), sz);
    EXPECT_EQ(10, DocGetLine(m_hDoc, 0, sz, 11));
    EXPECT_EQ(std::string("012345678\n"), sz) << "a bare LF where CR LF does not fit";
    EXPECT_EQ(7, DocGetLine(m_hDoc, 1, sz, 32)) << "the copy goes on beyond the line";
    EXPECT_EQ(std::string("abc\fdef"), sz);
    EXPECT_EQ(-1, DocGetLine(m_hDoc, 0, sz, 0));
    EXPECT_EQ(-1, DocGetLine(m_hDoc, 3, sz, 32));

    Bytes raw(64, 0);
    EXPECT_EQ(4, DocGetRawLine(m_hDoc, 0, raw.data(), 6)) << "a buffer of 6 bytes";
    EXPECT_EQ(0u, Get32(raw, 0));
    EXPECT_EQ(54, DocGetRawLine(m_hDoc, 0, raw.data(), 64)) << "10 bytes, the line feed included";
    EXPECT_EQ(10u, Get32(raw, 0));
    EXPECT_EQ(54, DocGetRawLineLength(m_hDoc, 0));
    EXPECT_EQ(-1, DocGetRawLine(m_hDoc, 5, raw.data(), 64));
    EXPECT_EQ(-1, DocGetRawLine(m_hDoc, 0, raw.data(), 3));
}

TEST_F(FullText, TheWholeTextComesWithCrLf)
{
    Lay("ab\ncd\n");
    EXPECT_EQ(1 + 6 + 2, DocGetAllTextLength(m_hDoc));
    char sz[16];
    EXPECT_EQ(8, DocGetAllText(m_hDoc, sz, 16));
    EXPECT_EQ(std::string("ab\r\ncd\r\n"), sz);
    EXPECT_EQ(6, DocGetAllText(m_hDoc, sz, 8)) << "the last CR LF does not fit";
    EXPECT_EQ(std::string("ab\r\ncd"), sz);
    EXPECT_EQ(0, DocGetAllText(m_hDoc, sz, 1));
    EXPECT_EQ(-1, DocGetAllText(m_hDoc, nullptr, 16));
    EXPECT_EQ(6 * 5 + 4, DocGetAllFullTextLength(m_hDoc));
    Bytes full(64, 0);
    EXPECT_EQ(14, DocGetAllFullText(m_hDoc, full.data(), 14)) << "two bytes fit";
    EXPECT_EQ(2u, Get32(full, 0));
}

}  // namespace
