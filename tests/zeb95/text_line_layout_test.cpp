#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "text/layout/line_layout.h"
#include "text/layout/line_start.h"
#include "text/tables/font_entry.h"
#include "text_doc_fixture.h"

namespace {

const char kLineStart[] = "、。，．？！）］｝＞゜゛」〕〉》』】､｡,.?!)]}>ﾟﾞ｣";

// Fonts of fixed pitch made without a device: single bytes 8 wide, double-
// byte characters 16, every font 16 high.
class FixedFonts : public ZebFontSource
{
public:
    explicit FixedFonts(int nCount) : m_nCount(nCount)
    {
        for (int c = 0; c < 256; ++c)
            m_entry.widths[c] = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 16 : 8;
        m_entry.logfont.lfHeight = 16;
        m_entry.logfont.lfCharSet = SHIFTJIS_CHARSET;
        m_entry.logfont.lfPitchAndFamily = FIXED_PITCH;
    }
    int Count() const override { return m_nCount; }
    const ZebFontEntry* Entry(int nIndex) const override
    {
        return nIndex >= 0 && nIndex < m_nCount ? &m_entry : nullptr;
    }
    ZebFontEntry m_entry = {};

private:
    int m_nCount;
};

struct Line
{
    std::string text;
    int nKind;
    bool operator==(const Line& o) const { return text == o.text && nKind == o.nKind; }
};

std::ostream& operator<<(std::ostream& os, const Line& line)
{
    return os << "{\"" << line.text << "\", " << line.nKind << "}";
}

// A text in storage laid out with the fixed fonts.
class Layout
{
public:
    explicit Layout(int nFonts = 2) : m_fonts(nFonts)
    {
        m_in.pBlocks = &m_blocks;
        m_in.measure = {nullptr, &m_fonts, nullptr, false, 0, {0xFFFF, 0}, {0xFFFF, 0}};
        m_in.pszLineStart = kLineStart;
        m_in.nEmptyHeight = 16;
    }
    void SetText(const std::string& text, int nBlockBytes = ZebTextBlock::kBytes)
    {
        FillBlocks(m_blocks, text, 0, nBlockBytes);
        m_lines.Truncate(0);
    }
    // Lays out from line nFrom to the end of the text.
    void From(int nFrom)
    {
        m_lines.Truncate(nFrom);
        for (int n = nFrom;; ++n)
        {
            const int nKind = LayoutLine(m_in, m_lines, n);
            if (nKind == ZebLineEndText || nKind == ZebLineEndNone)
                return;
        }
    }
    std::vector<Line> All()
    {
        From(0);
        return Lines();
    }
    std::vector<Line> Lines() const
    {
        std::vector<Line> lines;
        for (int i = 0; i < m_lines.Count(); ++i)
        {
            ZebLineTable one(1);
            one.Insert(0, m_lines.At(i));
            lines.push_back({LinesText(m_blocks, one), m_lines.At(i).endKind});
        }
        return lines;
    }

    FixedFonts m_fonts;
    ZebBlockList m_blocks;
    ZebLineTable m_lines{kZebMostLines};
    ZebLayoutInput m_in = {};
};

TEST(LineStart, CharactersAreMatchedWholeNeverByHalves)
{
    EXPECT_TRUE(IsLineStartChar(kLineStart, 0x8142));  // 。
    EXPECT_TRUE(IsLineStartChar(kLineStart, '.'));
    EXPECT_TRUE(IsLineStartChar(kLineStart, 0xDF));  // half-width ﾟ
    EXPECT_FALSE(IsLineStartChar(kLineStart, 0x6E)) << "'n' is only the second byte of ］";
    EXPECT_FALSE(IsLineStartChar(kLineStart, 0x81)) << "a lead byte alone";
    EXPECT_FALSE(IsLineStartChar(kLineStart, 0));
    EXPECT_FALSE(IsLineStartChar(nullptr, '.'));
}

TEST(LineLayout, BreaksByTheLimitTheWidthAndTheLineStartRule)
{
    struct Case
    {
        const char* pszWhat;
        std::string text;
        int nLimit;
        int nWidth;
        bool bRule;
        std::vector<Line> want;
    } const cases[] = {
        {"。 would open line 2: お goes with it", "あいうえお。かき", 10, 0, true,
         {{"あいうえ", ZebLineEndLineStart}, {"お。かき", ZebLineEndText}}},
        {"the same without the rule", "あいうえお。かき", 10, 0, false,
         {{"あいうえお", ZebLineEndWrapped}, {"。かき", ZebLineEndText}}},
        {"a single-byte full stop", "abcdefghij.", 10, 0, true,
         {{"abcdefghi", ZebLineEndLineStart}, {"j.", ZebLineEndText}}},
        {"a half-width mark", "abcﾟ", 3, 0, true, {{"ab", ZebLineEndLineStart}, {"cﾟ", ZebLineEndText}}},
        {"lines of 1 or 2 bytes keep the rule off", "ab.", 2, 0, true,
         {{"ab", ZebLineEndWrapped}, {".", ZebLineEndText}}},
        {"'n' is no ］", "abcn", 3, 0, true, {{"abc", ZebLineEndWrapped}, {"n", ZebLineEndText}}},
        {"a double-byte character never splits at the limit", "abcdefghiあ", 10, 0, true,
         {{"abcdefghi", ZebLineEndWrapped}, {"あ", ZebLineEndText}}},
        {"limit 1 is none", "abc", 1, 0, true, {{"abc", ZebLineEndText}}},
        {"width 30 holds three", "abcd", 0, 30, true, {{"abc", ZebLineEndWrapped}, {"d", ZebLineEndText}}},
        {"a character wider than the line stands alone", "あい", 0, 10, true,
         {{"あ", ZebLineEndWrapped}, {"い", ZebLineEndText}}},
        {"line feed first", "\nabc", 0, 0, true, {{"\n", ZebLineEndLineFeed}, {"abc", ZebLineEndText}}},
        {"a line feed is never checked", "ab\n.", 0, 0, true,
         {{"ab\n", ZebLineEndLineFeed}, {".", ZebLineEndText}}},
        {"text ending in a line feed", "ab\n", 0, 0, true, {{"ab\n", ZebLineEndLineFeed}, {"", ZebLineEndText}}},
        {"form feed", "a\fb", 0, 0, true, {{"a\f", ZebLineEndFormFeed}, {"b", ZebLineEndText}}},
        {"empty text", "", 0, 0, true, {{"", ZebLineEndText}}},
    };
    for (const Case& c : cases)
    {
        Layout layout;
        layout.m_in.nLimit = c.nLimit;
        layout.m_in.nWidth = c.nWidth;
        layout.m_in.pszLineStart = c.bRule ? kLineStart : nullptr;
        layout.SetText(c.text);
        EXPECT_EQ(c.want, layout.All()) << c.pszWhat;
    }
}

TEST(LineLayout, WidthsThatPassTheIntRangeStillWrap)
{
    Layout layout;
    layout.m_in.nWidth = 100;
    layout.m_in.measure.nCharExtra = 1 << 30;
    layout.SetText("abc");
    EXPECT_EQ((std::vector<Line>{{"a", ZebLineEndWrapped}, {"b", ZebLineEndWrapped}, {"c", ZebLineEndText}}),
              layout.All());
    layout.m_in.nWidth = 0;
    layout.All();
    EXPECT_EQ(INT_MAX, layout.m_lines.At(0).width) << "a width beyond the range is held at its end";
}

TEST(LineLayout, EntriesHoldWidthHeightLastUnitAndTheirPlaceInTheBlocks)
{
    Layout layout;
    layout.m_in.nLimit = 5;
    layout.m_in.measure.lineFeed = {'|', MakeCharAttr(2, 1, 0, 0)};
    layout.SetText("abあcd\nxy", 5);  // blocks "abあc" and "d\nxy"
    EXPECT_EQ((std::vector<Line>{{"abあc", ZebLineEndWrapped}, {"d\n", ZebLineEndLineFeed}, {"xy", ZebLineEndText}}),
              layout.All());
    struct Want
    {
        int nWidth;
        BYTE bLastUnit;
        int nBlock;
        int nOffset;
    } const want[] = {
        {8 + 8 + 16 + 8, kZebUnitSingle, 0, 0},
        {8 + 8, kZebUnitBreak, 1, 0},  // a line at the end of a block starts in the next one
        {16, kZebUnitSingle, 1, 2},
    };
    for (int i = 0; i < 3; ++i)
    {
        const ZebLineEntry& line = layout.m_lines.At(i);
        EXPECT_EQ(want[i].nWidth, line.width) << i;
        EXPECT_EQ(16, line.height) << i;
        EXPECT_EQ(want[i].bLastUnit, line.lastUnit) << i;
        EXPECT_EQ(want[i].nBlock, line.block) << i;
        EXPECT_EQ(want[i].nOffset, line.offset) << i;
    }
    layout.SetText("aあ");
    layout.From(0);
    EXPECT_EQ(kZebUnitDouble, layout.m_lines.At(0).lastUnit);
}

TEST(LineLayout, FourThousandBytesAtMostAndDoubleByteCharactersNeverCut)
{
    struct Case
    {
        std::string text;
        int nFirst;
        int nKind;
    } const cases[] = {
        {std::string(4000, 'a'), 4000, ZebLineEndText},
        {std::string(4001, 'a'), 4000, ZebLineEndCut},
        {std::string(3999, 'a') + "あ", 3999, ZebLineEndCut},
        {std::string(3998, 'a') + "あ", 4000, ZebLineEndText},
    };
    for (const Case& c : cases)
    {
        Layout layout;
        layout.SetText(c.text);
        const std::vector<Line> lines = layout.All();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(c.nFirst, static_cast<int>(lines[0].text.size())) << c.text.size();
        EXPECT_EQ(c.nKind, lines[0].nKind) << c.text.size();
        std::string joined;
        for (const Line& line : lines)
            joined += line.text;
        EXPECT_EQ(c.text, joined);
    }
}

TEST(LineLayout, AZeroWidthCharacterIsPlacedAndTheLayoutGoesOn)
{
    Layout layout;
    layout.m_fonts.m_entry.widths['z'] = 0;
    layout.SetText("azb\ncd");
    EXPECT_EQ((std::vector<Line>{{"azb\n", ZebLineEndLineFeed}, {"cd", ZebLineEndText}}), layout.All());
    EXPECT_EQ(16, layout.m_lines.At(0).width);
}

TEST(LineLayout, MissingFontsAndBitmapsAreRepairedInTheText)
{
    Layout layout(2);
    layout.m_in.nTypingFont = 1;
    std::string text = "aあ*";
    std::vector<ZebCharAttr> attrs = {MakeCharAttr(3, 7, 0, 0), MakeCharAttr(3, 9, 0, 0), MakeCharAttr(3, 9, 0, 0),
                                      MakeCharAttr(5, 4, 6, 0) | ZebAttrBitmap};
    MarkCharPairs(text.data(), attrs.data(), 4);
    ZebTextBlock* pBlock = layout.m_blocks.BlockInsert(-1);
    ASSERT_EQ(4, BlockInsertRun(pBlock, 0, text.data(), attrs.data(), 4));
    layout.From(0);
    ASSERT_EQ(1, layout.m_lines.Count());
    EXPECT_EQ(8 + 16 + 8, layout.m_lines.At(0).width) << "the bitmap counts as a character";
    EXPECT_EQ(kZebUnitSingle, layout.m_lines.At(0).lastUnit);
    EXPECT_EQ(MakeCharAttr(3, 1, 0, 0), BlockAttrAt(pBlock, 0));
    EXPECT_EQ(MakeCharAttr(3, 1, 0, 0) | ZebAttrLead, BlockAttrAt(pBlock, 1));
    EXPECT_EQ(MakeCharAttr(3, 1, 0, 0) | ZebAttrTrail, BlockAttrAt(pBlock, 2));
    EXPECT_EQ(MakeCharAttr(5, 0, 6, 0), BlockAttrAt(pBlock, 3)) << "font 0, colour kept";
}

TEST(LineLayout, WithoutAnyFontLayoutStopsAndTheEmptyLineEndsTheText)
{
    Layout layout(0);
    layout.SetText("ab");
    EXPECT_EQ(ZebLineEndText, LayoutLine(layout.m_in, layout.m_lines, 0));
    EXPECT_EQ(0, layout.m_lines.At(0).length);
}

TEST(LineLayout, UserCellsWrapAfterTheLastCellAndCountShortCellsFull)
{
    const ZebUserCell cells[] = {{0, 40, 2, 0}, {50, 60, 1, 0}};
    Layout layout;
    layout.m_in.pCells = cells;
    layout.m_in.nCells = 2;
    layout.SetText("abcdef");
    EXPECT_EQ((std::vector<Line>{{"abc", ZebLineEndWrapped}, {"def", ZebLineEndText}}), layout.All());
    EXPECT_EQ(40 + 8, layout.m_lines.At(0).width) << "cell 0 (16 of 40 used) counts 40";
}

// Lines after an edit laid out again from RelayoutStartLine are the lines
// of the whole text laid out afresh.
TEST(LineLayout, RelayoutAfterAnEditAtAnyColumnNearAWrapMatchesAFullLayout)
{
    // "あいうえ" (the rule gave お away), "お。かきく", "けこさしす", "せそ"
    const std::string text = "あいうえお。かきくけこさしすせそ";
    const char* const edits[] = {"x", "。", "\n", nullptr};  // null: delete one character
    Layout layout;
    layout.m_in.nLimit = 10;
    for (int nLine = 1; nLine <= 2; ++nLine)
    {
        for (int nColumn = 0; nColumn <= 4; nColumn += 2)
        {
            for (const char* pszInsert : edits)
            {
                layout.SetText(text);
                layout.From(0);
                ZebTextBlock* pBlock = layout.m_blocks.Block(0);
                const int nAt = layout.m_lines.At(nLine).offset + nColumn;
                if (pszInsert == nullptr)
                {
                    ASSERT_EQ(1, BlockErase(pBlock, nAt, 2));
                }
                else
                {
                    const int n = static_cast<int>(std::strlen(pszInsert));
                    std::vector<ZebCharAttr> attrs(n, 0);
                    MarkCharPairs(pszInsert, attrs.data(), n);
                    ASSERT_EQ(n, BlockInsertRun(pBlock, nAt, pszInsert, attrs.data(), n));
                }
                layout.From(RelayoutStartLine(layout.m_lines, nColumn, nLine));
                const std::vector<Line> relaid = layout.Lines();
                EXPECT_EQ(layout.All(), relaid) << (pszInsert == nullptr ? "delete" : pszInsert) << " at (" << nColumn
                                                << ", " << nLine << ")";
            }
        }
    }
}

TEST(LineLayout, LayoutThroughStopsThreeLinesBeyondTheReach)
{
    Layout layout;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "ab\n";
    layout.SetText(text);
    EXPECT_EQ(ZebLineEndLineFeed, LayoutThrough(layout.m_in, layout.m_lines, 100));
    EXPECT_EQ(8, layout.m_lines.Count()) << "lines 0-6 reach 112 > 100 before line 7";
    EXPECT_EQ(ZebLineEndLineFeed, LayoutThrough(layout.m_in, layout.m_lines, 100));
    EXPECT_EQ(11, layout.m_lines.Count()) << "three more beyond the reach";
    EXPECT_EQ(ZebLineEndText, LayoutThrough(layout.m_in, layout.m_lines, 100000));
    EXPECT_EQ(41, layout.m_lines.Count());
}

TEST(LineLayout, RelayoutStartsOneLineEarlierAtColumnZeroOrAfterAWrap)
{
    Layout layout;
    layout.m_in.nLimit = 4;
    layout.SetText("abcdef\ngh");  // "abcd" wrapped, "ef\n", "gh"
    layout.From(0);
    ASSERT_EQ(3, layout.m_lines.Count());
    EXPECT_EQ(0, RelayoutStartLine(layout.m_lines, 3, 0));
    EXPECT_EQ(0, RelayoutStartLine(layout.m_lines, 1, 1)) << "line 0 wrapped";
    EXPECT_EQ(2, RelayoutStartLine(layout.m_lines, 1, 2)) << "line 1 ends with a line feed";
    EXPECT_EQ(1, RelayoutStartLine(layout.m_lines, 0, 2));
    EXPECT_EQ(3, RelayoutStartLine(layout.m_lines, 1, 9)) << "held at the count";
}

}  // namespace
