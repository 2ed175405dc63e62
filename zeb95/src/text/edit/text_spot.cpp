#include "text/edit/text_spot.h"

#include "text/storage/block_list.h"

bool SpotNormalise(const ZebBlockList& blocks, ZebTextSpot& spot, bool bAtByte)
{
    return blocks.Carry(spot.block, spot.offset, bAtByte);
}

bool SpotNextByte(const ZebBlockList& blocks, ZebTextSpot& spot)
{
    ++spot.offset;
    return SpotNormalise(blocks, spot, true);
}

bool SpotPrevByte(const ZebBlockList& blocks, ZebTextSpot& spot)
{
    ZebTextSpot back = {spot.block, spot.offset - 1};
    if (!blocks.Carry(back.block, back.offset, true))
        return false;
    spot = back;
    return true;
}

char SpotByte(const ZebBlockList& blocks, const ZebTextSpot& spot)
{
    return BlockByteAt(blocks.Block(spot.block), spot.offset);
}

ZebCharAttr SpotAttr(const ZebBlockList& blocks, const ZebTextSpot& spot)
{
    return BlockAttrAt(blocks.Block(spot.block), spot.offset);
}
