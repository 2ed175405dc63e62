#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/edit/block_edit.h"
#include "text/edit/input_filter.h"
#include "text/edit/plain_insert.h"
#include "text/select/text_search.h"
#include "text/storage/block_list.h"

namespace {

const ZebCharAttr kTyping = MakeCharAttr(3, 1, 0, 9);

// A block list holding the given texts, one block each, with their
// double-byte pairs and breaks flagged.
struct Blocks
{
    explicit Blocks(const std::vector<std::string>& texts)
    {
        for (const std::string& s : texts)
        {
            ZebTextBlock* pBlock = list.BlockInsert(-1);
            std::vector<ZebCharAttr> attrs(s.size(), kTyping);
            MarkCharPairs(s.data(), attrs.data(), static_cast<int>(s.size()));
            BlockInsertRun(pBlock, 0, s.data(), attrs.data(), static_cast<int>(s.size()));
        }
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list.Count(); ++i)
        {
            std::string s(BlockTextLength(list.Block(i)), '\0');
            BlockCopyOut(list.Block(i), 0, static_cast<int>(s.size()), &s[0], nullptr);
            texts.push_back(s);
        }
        return texts;
    }
    std::vector<ZebCharAttr> Attrs(int nBlock) const
    {
        std::vector<ZebCharAttr> attrs(BlockTextLength(list.Block(nBlock)));
        BlockCopyOut(list.Block(nBlock), 0, static_cast<int>(attrs.size()), nullptr, attrs.data());
        return attrs;
    }
    ZebBlockList list;
};

std::vector<int> Lengths(const std::vector<std::string>& texts)
{
    std::vector<int> lengths;
    for (const std::string& s : texts)
        lengths.push_back(static_cast<int>(s.size()));
    return lengths;
}

const int kFull = ZebTextBlock::kBytes;

TEST(StoreBytes, SplitsFullBlocksAndLandsAfterTheBytes)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> before;
        ZebTextSpot at;
        std::string bytes;
        std::vector<std::string> after;
        ZebTextSpot spotAfter;
    };
    const std::string full(kFull, 'x');
    const std::string fullLessOne(kFull - 1, 'x');
    const Case cases[] = {
        {"room in the block", {"abcd"}, {0, 2}, "XY", {"abXYcd"}, {0, 4}},
        {"full block at offset 0: a block before", {full}, {0, 0}, "Y", {"Y", full}, {0, 1}},
        {"full block inside: the rest moves on", {full}, {0, 5}, "Y", {"xxxxxY", full.substr(5)}, {0, 6}},
        {"one byte free, two wanted, at the end", {fullLessOne}, {0, kFull - 1}, "\x82\xA0", {fullLessOne, "\x82\xA0"},
         {1, 2}},
        {"end of a block with a block after stays in it", {"ab", "cd"}, {0, 2}, "Z", {"abZ", "cd"}, {0, 3}},
        {"offset beyond a block goes on into the next", {"ab", "cd"}, {0, 3}, "Z", {"ab", "cZd"}, {1, 2}},
    };
    for (const Case& c : cases)
    {
        Blocks blocks(c.before);
        ZebTextSpot spot = c.at;
        std::vector<ZebCharAttr> attrs(c.bytes.size(), kTyping);
        ASSERT_TRUE(StoreBytes(blocks.list, spot, c.bytes.data(), attrs.data(), static_cast<int>(c.bytes.size())))
            << c.name;
        EXPECT_EQ(c.after, blocks.Texts()) << c.name;
        EXPECT_EQ(c.spotAfter.block, spot.block) << c.name;
        EXPECT_EQ(c.spotAfter.offset, spot.offset) << c.name;
    }
}

TEST(StoreBytes, AttributesTravelWithTheMovedRest)
{
    Blocks blocks({std::string(kFull - 2, 'x') + "\x82\xA0"});
    ZebTextSpot spot = {0, 100};
    const ZebCharAttr attr = MakeCharAttr(5, 0, 0, 0);
    ASSERT_TRUE(StoreBytes(blocks.list, spot, "Q", &attr, 1));
    const std::vector<ZebCharAttr> tail = blocks.Attrs(1);
    ASSERT_EQ(static_cast<size_t>(kFull - 100), tail.size());
    EXPECT_EQ(kTyping | ZebAttrLead, tail[tail.size() - 2]);
    EXPECT_EQ(kTyping | ZebAttrTrail, tail.back());
    EXPECT_EQ(attr, blocks.Attrs(0)[100]);
}

TEST(StorePlainText, BreaksBecomeOneByteEachAndPiecesKeepCharacters)
{
    struct Case
    {
        const char* text;
        bool bShiftJis;
        std::string stored;
    };
    const Case cases[] = {
        {"a\r\nb\rc\nd", true, "a\nb\nc\nd"},
        {"a\fb\r\r\n", true, "a\fb\n\n"},
        {"\x82\xA0z", true, "\x82\xA0z"},
        {"ab\x82", false, "ab\x82"},      // without a Shift-JIS font every byte is one
        {"", true, ""},
    };
    for (const Case& c : cases)
    {
        Blocks blocks({""});
        ZebTextSpot spot = {0, 0};
        ASSERT_TRUE(StorePlainText(blocks.list, spot, c.text, kTyping, c.bShiftJis)) << c.text;
        EXPECT_EQ(std::vector<std::string>{c.stored}, blocks.Texts()) << c.text;
        EXPECT_EQ(static_cast<int>(c.stored.size()), spot.offset) << c.text;
    }
}

TEST(StorePlainText, ALeadByteWithoutTrailByteIsLeftOut)
{
    struct Case
    {
        const char* text;
        std::string stored;
    };
    const Case cases[] = {
        {"ab\x82", "ab"},        // at the end of the text
        {"a\x82\nb", "a\nb"},    // before a break, which stays a break
        {"a\x82 b", "a b"},      // before a byte that cannot trail
    };
    for (const Case& c : cases)
    {
        Blocks blocks({""});
        ZebTextSpot spot = {0, 0};
        ASSERT_TRUE(StorePlainText(blocks.list, spot, c.text, kTyping, true)) << c.text;
        EXPECT_EQ(std::vector<std::string>{c.stored}, blocks.Texts()) << c.text;
        for (ZebCharAttr attr : blocks.Attrs(0))
            EXPECT_EQ(0u, attr & (ZebAttrLead | ZebAttrTrail)) << c.text;
    }
}

TEST(StorePlainText, AttributesAreTheTypingOnesWithTheirFlags)
{
    Blocks blocks({""});
    ZebTextSpot spot = {0, 0};
    const ZebCharAttr dirty = kTyping | ZebAttrBitmap | ZebAttrLead;
    ASSERT_TRUE(StorePlainText(blocks.list, spot, "a\x82\xA0\r\n\f", dirty, true));
    const std::vector<ZebCharAttr> expected = {kTyping, kTyping | ZebAttrLead, kTyping | ZebAttrTrail,
                                               kTyping | ZebAttrBreak, kTyping | ZebAttrBreak};
    EXPECT_EQ(expected, blocks.Attrs(0));
}

TEST(StorePlainText, LongTextGoesInPiecesOfFourThousandBytes)
{
    // 8,000 bytes in the block leave room for two pieces but not three: the
    // third opens a new block.
    Blocks blocks({std::string(8000, 'a')});
    ZebTextSpot spot = {0, 8000};
    const std::string text(9000, 'b');
    ASSERT_TRUE(StorePlainText(blocks.list, spot, text.c_str(), kTyping, true));
    EXPECT_EQ((std::vector<int>{12000, 5000}), Lengths(blocks.Texts()));
    EXPECT_EQ(1, spot.block);
    EXPECT_EQ(5000, spot.offset);
}

TEST(StorePlainText, APieceNeverPartsADoubleByteCharacter)
{
    // Byte 3,999 of the text opens a character: the first piece takes both.
    Blocks blocks({std::string(kFull - 4001, 'a')});
    ZebTextSpot spot = {0, kFull - 4001};
    std::string text(3999, 'b');
    text += "\x82\xA0";
    text += std::string(10, 'c');
    ASSERT_TRUE(StorePlainText(blocks.list, spot, text.c_str(), kTyping, true));
    const std::vector<std::string> texts = blocks.Texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(static_cast<size_t>(kFull), texts[0].size());
    EXPECT_EQ("\x82\xA0", texts[0].substr(kFull - 2));
    EXPECT_EQ(std::string(10, 'c'), texts[1]);
}

TEST(EraseChar, RemovesWholeCharactersFromEachByte)
{
    struct Case
    {
        ZebTextSpot at;
        int nErased;
        std::string after;
        int nSpot;
    };
    const std::string text = "a\x82\xA0" "b";
    const Case cases[] = {
        {{0, 0}, 1, "\x82\xA0" "b", 0},
        {{0, 1}, 2, "ab", 1},
        {{0, 2}, 2, "ab", 1},  // on the trail byte: the character before goes too
        {{0, 3}, 1, "a\x82\xA0", 3},
        {{0, 4}, 0, text, 4},  // no byte follows
    };
    for (const Case& c : cases)
    {
        Blocks blocks({text});
        ZebTextSpot spot = c.at;
        EXPECT_EQ(c.nErased, EraseChar(blocks.list, spot)) << c.at.offset;
        EXPECT_EQ(std::vector<std::string>{c.after}, blocks.Texts()) << c.at.offset;
        EXPECT_EQ(c.nSpot, spot.offset) << c.at.offset;
    }
}

TEST(EraseChar, GoesOnOverBlockEdgesAndFreesEmptiedBlocks)
{
    Blocks blocks({"ab", "\x82\xA0", "cd"});
    ZebTextSpot spot = {0, 2};  // the end of block 0: the character after is in block 1
    EXPECT_EQ(2, EraseChar(blocks.list, spot));
    EXPECT_EQ((std::vector<std::string>{"ab", "cd"}), blocks.Texts());
    EXPECT_EQ(1, spot.block);
    EXPECT_EQ(0, spot.offset);

    Blocks last({"ab", "c"});
    ZebTextSpot end = {1, 0};
    EXPECT_EQ(1, EraseChar(last.list, end));
    EXPECT_EQ(std::vector<std::string>{"ab"}, last.Texts());
    EXPECT_EQ(0, end.block);
    EXPECT_EQ(2, end.offset);

    Blocks first({"a", "b"});
    ZebTextSpot start = {0, 0};
    EXPECT_EQ(1, EraseChar(first.list, start));
    EXPECT_EQ((std::vector<std::string>{"", "b"}), first.Texts());  // block 0 stays
}

TEST(EraseChar, ATrailByteAtTheStartOfABlockIsNeverErasedAlone)
{
    Blocks blocks({"a\x82", "\xA0" "b"});
    BlockSetAttr(blocks.list.Block(0), 1, kTyping | ZebAttrLead);  // one character across the block edge
    BlockSetAttr(blocks.list.Block(1), 0, kTyping | ZebAttrTrail);
    ZebTextSpot spot = {1, 0};
    EXPECT_EQ(0, EraseChar(blocks.list, spot));
    EXPECT_EQ((std::vector<std::string>{"a\x82", "\xA0" "b"}), blocks.Texts());
}

TEST(EraseRange, WithinABlockAndAcrossBlocks)
{
    struct Case
    {
        std::vector<std::string> before;
        ZebTextSpot start, end;
        std::vector<std::string> after;
        ZebTextSpot goesOn;
    };
    const Case cases[] = {
        {{"abcdef"}, {0, 1}, {0, 4}, {"aef"}, {0, 1}},
        {{"abcdef"}, {0, 2}, {0, 2}, {"abcdef"}, {0, 2}},
        {{"abc", "def", "ghi", "jkl"}, {0, 1}, {3, 1}, {"a", "kl"}, {0, 1}},
        {{"abc", "def", "ghi"}, {1, 0}, {2, 3}, {"abc"}, {0, 3}},  // emptied blocks go
        {{"abc", "def", "ghi"}, {1, 0}, {1, 3}, {"abc", "ghi"}, {1, 0}},
        {{"abc", "def"}, {0, 0}, {1, 3}, {""}, {0, 0}},            // block 0 stays
        {{"abc", "def"}, {0, 1}, {1, 0}, {"a", "def"}, {0, 1}},
    };
    for (const Case& c : cases)
    {
        Blocks blocks(c.before);
        ZebTextSpot start = c.start;
        EXPECT_TRUE(EraseRange(blocks.list, start, c.end));
        EXPECT_EQ(c.after, blocks.Texts());
        EXPECT_EQ(c.goesOn.block, start.block);
        EXPECT_EQ(c.goesOn.offset, start.offset);
    }
    Blocks blocks({"abc"});
    ZebTextSpot start = {0, 2};
    EXPECT_FALSE(EraseRange(blocks.list, start, {0, 1}));
}

TEST(SetRangeFont, ChangesTheFontOfCharactersAndBreaksButNotBitmaps)
{
    Blocks blocks({"a\x82\xA0", "\n b"});
    BlockSetAttr(blocks.list.Block(1), 1, MakeCharAttr(3, 7, 0, 0) | ZebAttrBitmap);
    SetRangeFont(blocks.list, {0, 1}, {1, 2}, 4);
    EXPECT_EQ((std::vector<ZebCharAttr>{kTyping, AttrWithFont(kTyping, 4) | ZebAttrLead,
                                        AttrWithFont(kTyping, 4) | ZebAttrTrail}),
              blocks.Attrs(0));
    EXPECT_EQ((std::vector<ZebCharAttr>{AttrWithFont(kTyping, 4) | ZebAttrBreak, MakeCharAttr(3, 7, 0, 0) | ZebAttrBitmap,
                                        kTyping}),
              blocks.Attrs(1));
}

TEST(DocFilterChar, CellsWildcardsAndDropping)
{
    struct Case
    {
        const char* match;
        const char* replacement;
        int nCode;
        int nResult;
    };
    const Case cases[] = {
        {nullptr, nullptr, 'a', 'a'},
        {"a", nullptr, 'a', 'a'},                          // shorter than a cell: no filter
        {"a b ", "x y ", 'b', 'y'},
        {"a b ", "x y ", 'c', 'c'},
        {"ab", "xy", 'a', 'a'},                            // (a, b) is no single-byte cell
        {"\x82\xA0", "\x82\xA2", 0x82A0, 0x82A2},
        {"\x7F" "K", "  ", 0x82A0, ' '},                   // any double-byte character
        {"\x7F" "K", "  ", 'a', 'a'},
        {"\x7F" "A", "\x82\xA0", 'q', 0x82A0},             // any single-byte character
        {"\x7F" "A", "\x82\xA0", 0x82A0, 0x82A0},
        {"\x7F" "K", "\x7F ", 0x82A0, 127},                // replaced by 127: dropped
        {"a \x7F" "A", "1 2 ", 'a', '1'},                  // the first matching cell counts
        {"a \x7F" "A", "1 2 ", 'z', '2'},
        {"\x82\xA0", "\x82 ", 0x82A0, 127},                // a lead byte without trail is no character
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nResult, DocFilterChar(c.match, c.replacement, c.nCode)) << c.match << " " << c.nCode;
}

TEST(DocFilterChar, AMatchWithoutReplacementDropsOnlyTheMatchedCharacters)
{
    EXPECT_EQ(127, DocFilterChar("a \x7F" "K", nullptr, 'a'));
    EXPECT_EQ(127, DocFilterChar("a \x7F" "K", nullptr, 0x82A0));
    EXPECT_EQ('b', DocFilterChar("a \x7F" "K", nullptr, 'b'));
    EXPECT_EQ(127, DocFilterChar("a \x7F" "K", "x", 0x82A0)) << "a replacement shorter than the match";
}

struct FindCase
{
    const char* name;
    std::vector<std::string> blocks;
    ZebTextSpot from;
    const char* pattern;
    int nFlags;
    bool bFound;
    ZebTextSpot start, end;
};

TEST(FindInBlocks, ForwardBackwardFoldingAndCharacterStarts)
{
    const FindCase cases[] = {
        {"forward from the start", {"xabcxabc"}, {0, 0}, "abc", 0, true, {0, 1}, {0, 4}},
        {"forward from a match finds it", {"xabcxabc"}, {0, 1}, "abc", 0, true, {0, 1}, {0, 4}},
        {"forward past a match finds the next", {"xabcxabc"}, {0, 2}, "abc", 0, true, {0, 5}, {0, 8}},
        {"backward from the end", {"xabcxabc"}, {0, 8}, "abc", kFindBackward, true, {0, 5}, {0, 8}},
        {"backward from a match start skips it", {"xabcxabc"}, {0, 5}, "abc", kFindBackward, true, {0, 1}, {0, 4}},
        {"backward from the first match", {"xabcxabc"}, {0, 1}, "abc", kFindBackward, false, {}, {}},
        {"case counts without folding", {"xABc"}, {0, 0}, "abc", 0, false, {}, {}},
        {"folding mixes cases", {"xAbC"}, {0, 0}, "aBc", kFindFoldCase, true, {0, 1}, {0, 4}},
        {"a match across blocks", {"xxa", "b", "cy"}, {0, 0}, "abc", 0, true, {0, 2}, {2, 1}},
        {"backward across blocks", {"ab", "c", "xx"}, {2, 2}, "abc", kFindBackward, true, {0, 0}, {1, 1}},
        {"a pattern running off the text", {"xab"}, {0, 0}, "abc", 0, false, {}, {}},
        {"never inside a double-byte character", {"\x82\x61" "a"}, {0, 0}, "a", 0, true, {0, 2}, {0, 3}},
        {"nor backward", {"a\x82\x61"}, {0, 3}, "a", kFindBackward, true, {0, 0}, {0, 1}},
        {"a trail byte value as first byte", {"\x82\x82\xA0" "x"}, {0, 0}, "\x82\xA0", 0, false, {}, {}},
        {"a double-byte character only matches itself folded", {"\x82\x61"}, {0, 0}, "\x82\x41", kFindFoldCase,
         false, {}, {}},
        {"half-width katakana only matches itself", {"\xB1"}, {0, 0}, "\xB1", kFindFoldCase, true, {0, 0}, {0, 1}},
        {"forward from a trail byte starts at its character", {"\x82\xA0"}, {0, 1}, "\x82\xA0", 0, true, {0, 0},
         {0, 2}},
        {"forward from the end of the text", {"abc"}, {0, 3}, "c", 0, false, {}, {}},
        {"empty pattern", {"abc"}, {0, 0}, "", 0, false, {}, {}},
    };
    for (const FindCase& c : cases)
    {
        Blocks blocks(c.blocks);
        ZebTextSpot start = {-1, -1};
        ZebTextSpot end = {-1, -1};
        ASSERT_EQ(c.bFound, FindInBlocks(blocks.list, c.from, c.pattern, c.nFlags, &start, &end)) << c.name;
        if (!c.bFound)
            continue;
        EXPECT_EQ(c.start.block, start.block) << c.name;
        EXPECT_EQ(c.start.offset, start.offset) << c.name;
        EXPECT_EQ(c.end.block, end.block) << c.name;
        EXPECT_EQ(c.end.offset, end.offset) << c.name;
    }
}

}  // namespace
