#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/tables/attr_renumber.h"
#include "text/storage/block_list.h"
#include "text/tables/color_index.h"

namespace {

TEST(ColorToIndex, MapsColoursOntoTheSixteenColourTable)
{
    const COLORREF table[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
                                0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ(table[i], IndexToColor(i)) << i;
        EXPECT_EQ(i, ColorToIndex(table[i])) << i;
    }
    struct Case
    {
        COLORREF color;
        int nWant;
    };
    const Case cases[] = {
        {0x101010, 0}, {0x404040, 0}, {0x414141, 7}, {0xA0A0A0, 7}, {0xA1A1A1, 8}, {0xE0E0E0, 8}, {0xE1E1E1, 15},
        {0x320000, 0},  // blue of value 50: black
        {0x400000, 0}, {0x410000, 4}, {0xC10000, 12},
        {0x000032, 1},  // red of value 50
        {0x000020, 0}, {0x000021, 1}, {0x0000C0, 1}, {0x0000C1, 9},
        {0x00C100, 10}, {0x00C0C0, 3}, {0xC1C100, 14}, {0xC000C0, 5}, {0x808001, 6},
        {0x1400C8, 9},  // red with a little blue: hue above 1407
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nWant, ColorToIndex(c.color)) << std::hex << c.color;
    EXPECT_EQ(0x0000FFFFu, RgbToHsv(0x0000FF));
    EXPECT_EQ((1024u << 16) | 0xFF00u | 0x80u, RgbToHsv(0x800000));
    EXPECT_EQ(0u, RgbToHsv(0));
}

// A text of one block, its gap inside: font attributes 0..3, then bitmap
// attributes 0, 1, 2 and 255.
void MakeText(ZebBlockList& blocks)
{
        ZebTextBlock* pBlock = blocks.BlockInsert(0);
        std::vector<ZebCharAttr> attrs;
        for (int f : {0, 1, 2, 3})
            attrs.push_back(MakeCharAttr(5, f, 1, 2));
        for (int b : {0, 1, 2, 255})
            attrs.push_back(ZebAttrBitmap | (static_cast<ZebCharAttr>(b) << 8));
        const std::string text(attrs.size(), 'x');
        EXPECT_EQ(8, BlockInsertRun(pBlock, 0, text.data(), attrs.data(), 8));
        BlockMoveGap(pBlock, 3);
}

// The index byte of every attribute; the other bytes checked unchanged.
std::vector<int> Indexes(const ZebBlockList& blocks)
{
        std::vector<ZebCharAttr> attrs(8);
        BlockCopyOut(blocks.Block(0), 0, 8, nullptr, attrs.data());
        std::vector<int> out;
        for (ZebCharAttr a : attrs)
        {
            out.push_back(AttrFont(a));
            EXPECT_EQ(a & 0xFFFF00FFu, (a & ZebAttrBitmap) ? ZebAttrBitmap : MakeCharAttr(5, 0, 1, 2));
        }
        return out;
}

TEST(Renumber, FontAndBitmapChangesTouchOnlyTheirOwnAttributes)
{
    struct Case
    {
        const char* pszName;
        ZebRenumber change;
        std::vector<int> want;
    };
    const Case cases[] = {
        {"font inserted at 2", ZebRenumber::Insert(ZebAttrTable::Fonts, 4, 2), {0, 1, 3, 4, 0, 1, 2, 255}},
        {"font appended", ZebRenumber::Insert(ZebAttrTable::Fonts, 4, 4), {0, 1, 2, 3, 0, 1, 2, 255}},
        {"font 1 removed", ZebRenumber::Remove(ZebAttrTable::Fonts, 4, 1, 0), {0, 0, 1, 2, 0, 1, 2, 255}},
        {"all fonts removed", ZebRenumber::Clear(ZebAttrTable::Fonts, 4, 0), {0, 0, 0, 0, 0, 1, 2, 255}},
        {"bitmap inserted at 0", ZebRenumber::Insert(ZebAttrTable::Bitmaps, 3, 0), {0, 1, 2, 3, 1, 2, 3, 255}},
        {"bitmap 1 removed", ZebRenumber::Remove(ZebAttrTable::Bitmaps, 3, 1, 255), {0, 1, 2, 3, 0, 255, 1, 255}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        ZebBlockList blocks;
        MakeText(blocks);
        RenumberAttrs(blocks, c.change);
        EXPECT_EQ(c.want, Indexes(blocks));
        EXPECT_EQ(3, blocks.Block(0)->gapStart);
    }
}

TEST(Renumber, IndexesOutsideTheTableStay)
{
    const ZebRenumber insert = ZebRenumber::Insert(ZebAttrTable::Bitmaps, 3, 0);
    EXPECT_EQ(255, insert.Map(255)) << "a dangling bitmap reference wrapped round";
    EXPECT_EQ(3, insert.Map(2));
    EXPECT_EQ(7, ZebRenumber::Remove(ZebAttrTable::Fonts, 4, 1, 0).Map(7));
    const ZebCharAttr mark = ZebAttrBitmap | (1u << 8);
    EXPECT_EQ(mark, ZebRenumber::Insert(ZebAttrTable::Fonts, 4, 0).Apply(mark));
    EXPECT_EQ(ZebAttrBitmap | (2u << 8), insert.Apply(mark));
}

}  // namespace
