#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/storage/block_list.h"
#include "text/storage/char_attr.h"
#include "text/storage/stable_table.h"
#include "text/storage/text_block.h"

namespace {

// Attributes numbering the bytes, so that a byte and its attribute can be
// seen to travel together.
std::vector<ZebCharAttr> Numbered(int n, int nFirst = 0)
{
    std::vector<ZebCharAttr> attrs;
    for (int i = 0; i < n; ++i)
        attrs.push_back(MakeCharAttr(0, 0, 0, nFirst + i));
    return attrs;
}

struct BlockPtr
{
    ZebTextBlock* p = BlockAllocate();
    ~BlockPtr() { BlockRelease(p); }
};

std::string TextOf(const ZebTextBlock* pBlock)
{
    std::string s(BlockTextLength(pBlock), '\0');
    EXPECT_EQ(1, BlockCopyOut(pBlock, 0, static_cast<int>(s.size()), &s[0], nullptr));
    return s;
}

std::vector<ZebCharAttr> AttrsOf(const ZebTextBlock* pBlock)
{
    std::vector<ZebCharAttr> attrs(BlockTextLength(pBlock));
    EXPECT_EQ(1, BlockCopyOut(pBlock, 0, static_cast<int>(attrs.size()), nullptr, attrs.data()));
    return attrs;
}

void Put(ZebTextBlock* pBlock, int nAt, const std::string& s, int nFirst)
{
    const std::vector<ZebCharAttr> attrs = Numbered(static_cast<int>(s.size()), nFirst);
    ASSERT_EQ(static_cast<int>(s.size()), BlockInsertRun(pBlock, nAt, s.data(), attrs.data(), static_cast<int>(s.size())));
}

TEST(TextBlock, NewBlockIsOneGap)
{
    BlockPtr b;
    ASSERT_NE(nullptr, b.p);
    EXPECT_EQ(0, b.p->gapStart);
    EXPECT_EQ(ZebTextBlock::kBytes, b.p->gapLength);
    EXPECT_EQ(0, b.p->tailLength);
    EXPECT_EQ(0, BlockTextLength(b.p));
}

TEST(TextBlock, InsertAtStartMiddleEnd)
{
    struct Case
    {
        int nAt;
        const char* pszWant;
        std::vector<int> attrWant;  // user bytes of the attributes
    };
    const Case cases[] = {
        {0, "XYabcdef", {100, 101, 0, 1, 2, 3, 4, 5}},
        {3, "abcXYdef", {0, 1, 2, 100, 101, 3, 4, 5}},
        {6, "abcdefXY", {0, 1, 2, 3, 4, 5, 100, 101}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nAt);
        BlockPtr b;
        Put(b.p, 0, "abcdef", 0);
        Put(b.p, c.nAt, "XY", 100);
        EXPECT_EQ(c.pszWant, TextOf(b.p));
        std::vector<int> users;
        for (ZebCharAttr a : AttrsOf(b.p))
            users.push_back(static_cast<int>(a >> 24));
        EXPECT_EQ(c.attrWant, users);
        EXPECT_EQ(c.nAt + 2, b.p->gapStart);
        EXPECT_EQ(ZebTextBlock::kBytes, b.p->gapStart + b.p->gapLength + b.p->tailLength);
    }
    BlockPtr b;
    Put(b.p, 0, "abc", 0);
    EXPECT_EQ(0, BlockInsertRun(b.p, 4, "X", Numbered(1).data(), 1));
    EXPECT_EQ("abc", TextOf(b.p));
}

TEST(TextBlock, GapMovesBothWaysKeepingTextAndAttributes)
{
    struct Case
    {
        int nFrom, nTo, nResult, nGapAfter, nTailAfter;
    };
    const Case cases[] = {
        {10, 3, 1, 3, 7},    // down
        {3, 8, 1, 8, 2},     // up
        {0, 10, 1, 10, 0},   // to the end
        {10, 0, 1, 0, 10},   // to the start
        {5, 5, 1, 5, 5},     // where it is
        {5, 11, 0, 5, 5},    // one past the end: refused
        {5, -1, 0, 5, 5},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nFrom << " -> " << c.nTo);
        BlockPtr b;
        Put(b.p, 0, "0123456789", 0);
        ASSERT_EQ(1, BlockMoveGap(b.p, c.nFrom));
        EXPECT_EQ(c.nResult, BlockMoveGap(b.p, c.nTo));
        EXPECT_EQ(c.nGapAfter, b.p->gapStart);
        EXPECT_EQ(c.nTailAfter, b.p->tailLength);
        EXPECT_EQ(ZebTextBlock::kBytes - 10, b.p->gapLength);
        EXPECT_EQ("0123456789", TextOf(b.p));
        EXPECT_EQ(Numbered(10), AttrsOf(b.p));
        EXPECT_EQ('7', BlockByteAt(b.p, 7));
        EXPECT_EQ(Numbered(10)[7], BlockAttrAt(b.p, 7));
        EXPECT_EQ(c.nGapAfter, b.p->gapStart) << "reading moved the gap";
    }
}

TEST(TextBlock, EraseClosesOverTheGap)
{
    BlockPtr b;
    Put(b.p, 0, "0123456789", 0);
    ASSERT_EQ(1, BlockMoveGap(b.p, 2));
    EXPECT_EQ(1, BlockErase(b.p, 6, 3));
    EXPECT_EQ("0123459", TextOf(b.p));
    EXPECT_EQ(0, BlockErase(b.p, 5, 3));
    EXPECT_EQ("0123459", TextOf(b.p));
    EXPECT_EQ(ZebTextBlock::kBytes - 7, b.p->gapLength);
}

TEST(TextBlock, FillsUpWithoutPartingADoubleByteCharacter)
{
    // A run one byte longer than the block: single bytes fill it exactly;
    // with a pair across the last free byte, the pair stays out.
    const int n = ZebTextBlock::kBytes + 1;
    std::string text(n, 'a');
    text[ZebTextBlock::kBytes - 1] = '\x88';
    text[ZebTextBlock::kBytes] = '\x9F';
    std::vector<ZebCharAttr> plain(n, 0);
    std::vector<ZebCharAttr> paired(n, 0);
    MarkCharPairs(text.data(), paired.data(), n);
    ASSERT_EQ(ZebAttrLead, paired[ZebTextBlock::kBytes - 1]);

    BlockPtr b1;
    EXPECT_EQ(ZebTextBlock::kBytes, BlockInsertRun(b1.p, 0, text.data(), plain.data(), n));
    EXPECT_EQ(0, b1.p->gapLength);
    EXPECT_EQ(0, BlockInsertRun(b1.p, 0, "x", plain.data(), 1));

    BlockPtr b2;
    EXPECT_EQ(ZebTextBlock::kBytes - 1, BlockInsertRun(b2.p, 0, text.data(), paired.data(), n));
    EXPECT_EQ(1, b2.p->gapLength);
    EXPECT_EQ(0, BlockInsertRun(b2.p, 0, text.data() + ZebTextBlock::kBytes - 1, paired.data() + ZebTextBlock::kBytes - 1, 2));
}

TEST(CharPairs, LeadBytePairsOnlyWithAValidTrailByte)
{
    struct Case
    {
        const char* pszBytes;
        std::vector<ZebCharAttr> want;
    };
    const Case cases[] = {
        {"\x82\xA0", {ZebAttrLead, ZebAttrTrail}},
        {"\x82\n", {0, ZebAttrBreak}},                  // a line feed is never a trail byte
        {"\x82\f", {0, ZebAttrBreak}},
        {"\x81\x7F", {0, 0}},                            // 0x7F is no trail byte
        {"\x82\x82\xA0", {ZebAttrLead, ZebAttrTrail, 0}},  // a trail byte with a lead value
        {"a\xE0\x40", {0, ZebAttrLead, ZebAttrTrail}},
        {"\xFC\xFC", {ZebAttrLead, ZebAttrTrail}},
        {"\xFD\x40", {0, 0}},                            // 0xFD opens nothing
        {"\x9F", {0}},                                   // a lead byte at the end stays single
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszBytes);
        const int n = static_cast<int>(std::string(c.pszBytes).size());
        // Stale flags are replaced; colour and font stay.
        std::vector<ZebCharAttr> attrs(n, 0x0305u | ZebAttrTrail);
        MarkCharPairs(c.pszBytes, attrs.data(), n);
        for (ZebCharAttr& a : attrs)
        {
            EXPECT_EQ(0x0305u, a & ~(ZebAttrLead | ZebAttrTrail | ZebAttrBreak));
            a &= ZebAttrLead | ZebAttrTrail | ZebAttrBreak;
        }
        EXPECT_EQ(c.want, attrs);
    }
}

TEST(BlockList, InsertsAppendsAndGrowsBySixteen)
{
    ZebBlockList list;
    EXPECT_EQ(0, list.Capacity());
    ZebTextBlock* pFirst = list.BlockInsert(0);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(16, list.Capacity());
    ZebTextBlock* pAppended = list.BlockInsert(-1);
    ZebTextBlock* pBeyond = list.BlockInsert(7);
    ZebTextBlock* pMiddle = list.BlockInsert(1);
    ZebTextBlock* pStart = list.BlockInsert(0);
    const std::vector<ZebTextBlock*> want = {pStart, pFirst, pMiddle, pAppended, pBeyond};
    ASSERT_EQ(5, list.Count());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(want[i], list.Block(i)) << i;
    EXPECT_EQ(nullptr, list.Block(5));
    EXPECT_EQ(nullptr, list.Block(-1));

    for (int i = 5; i < 17; ++i)
        ASSERT_NE(nullptr, list.BlockInsert(-1));
    EXPECT_EQ(32, list.Capacity());

    EXPECT_EQ(1, list.BlockFree(2));
    EXPECT_EQ(pAppended, list.Block(2));
    EXPECT_EQ(16, list.Count());
    EXPECT_EQ(0, list.BlockFree(16));
    EXPECT_EQ(0, list.BlockFree(-2));
    EXPECT_EQ(1, list.BlockFree(-1));
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(0, list.Capacity());
    EXPECT_NE(nullptr, list.BlockInsert(0)) << "a freed list starts again";
}

TEST(BlockList, FillsToThirtyThousandBlocksAndRefusesMore)
{
    ZebBlockList list;
    for (int i = 0; i < kZebMostBlocks; ++i)
        ASSERT_NE(nullptr, list.BlockInsert(-1)) << i;
    EXPECT_EQ(kZebMostBlocks, list.Count());
    ZebTextBlock* pLast = list.Block(kZebMostBlocks - 1);
    EXPECT_EQ(nullptr, list.BlockInsert(-1));
    EXPECT_EQ(nullptr, list.BlockInsert(kZebMostBlocks));
    EXPECT_EQ(nullptr, list.BlockInsert(0));
    EXPECT_EQ(kZebMostBlocks, list.Count());
    EXPECT_EQ(pLast, list.Block(kZebMostBlocks - 1));
    EXPECT_EQ(1, list.BlockFree(0));
    EXPECT_NE(nullptr, list.BlockInsert(5000));
}

// Blocks of 3, 0 and 2 bytes: a place carried forward and back over their
// ends, the empty block included.
TEST(BlockList, CarriesAPlaceOverBlockEnds)
{
    ZebBlockList list;
    Put(list.BlockInsert(-1), 0, "abc", 0);
    ASSERT_NE(nullptr, list.BlockInsert(-1));
    Put(list.BlockInsert(-1), 0, "de", 3);
    struct Case
    {
        int nBlock, nOffset;
        bool bAtByte;
        bool bIn;
        int nWantBlock, nWantOffset;
    };
    const Case cases[] = {
        {0, 1, true, true, 0, 1},      {0, 3, false, true, 0, 3},    {0, 3, true, true, 2, 0},
        {0, 4, false, true, 2, 1},     {0, 5, true, false, 2, 2},    {0, 5, false, true, 2, 2},
        {0, 6, false, false, 2, 3},    {2, -1, true, true, 0, 2},    {1, 0, true, true, 2, 0},
        {2, -3, false, true, 0, 0},    {2, -4, true, false, 0, -1},  {3, 0, false, false, 3, 0},
        {-1, 0, false, false, -1, 0},
    };
    for (const Case& c : cases)
    {
        int nBlock = c.nBlock;
        int nOffset = c.nOffset;
        EXPECT_EQ(c.bIn, list.Carry(nBlock, nOffset, c.bAtByte)) << c.nBlock << "," << c.nOffset;
        EXPECT_EQ(c.nWantBlock, nBlock) << c.nBlock << "," << c.nOffset;
        EXPECT_EQ(c.nWantOffset, nOffset) << c.nBlock << "," << c.nOffset;
    }
}

TEST(StableTable, EntriesKeepTheirAddressWhileTheTableGrows)
{
    ZebStableTable<int> table(1000);
    ASSERT_TRUE(table.Insert(0, 7));
    const int* pFirst = &table.At(0);
    for (int i = 1; i < 1000; ++i)
        ASSERT_TRUE(table.Insert(i, i));
    EXPECT_FALSE(table.Insert(1000, 0));
    EXPECT_EQ(pFirst, &table.At(0));
    EXPECT_EQ(7, *pFirst);
    EXPECT_EQ(999, table.At(999));
}

}  // namespace
