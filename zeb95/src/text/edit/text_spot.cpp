#include "text/edit/text_spot.h"

#include "text/storage/block_list.h"

bool SpotNormalise(const ZebBlockList& blocks, ZebTextSpot& spot, bool bAtByte)
{
    const ZebTextBlock* pBlock = blocks.Block(spot.block);
    if (pBlock == nullptr || spot.offset < 0)
        return false;
    while (bAtByte ? spot.offset >= BlockTextLength(pBlock) : spot.offset > BlockTextLength(pBlock))
    {
        const ZebTextBlock* pNext = blocks.Block(spot.block + 1);
        if (pNext == nullptr)
            return false;
        spot.offset -= BlockTextLength(pBlock);
        ++spot.block;
        pBlock = pNext;
    }
    return true;
}

bool SpotNextByte(const ZebBlockList& blocks, ZebTextSpot& spot)
{
    ++spot.offset;
    return SpotNormalise(blocks, spot, true);
}

bool SpotPrevByte(const ZebBlockList& blocks, ZebTextSpot& spot)
{
    int nBlock = spot.block;
    int nOffset = spot.offset;
    while (nOffset <= 0)
    {
        const ZebTextBlock* pPrev = blocks.Block(--nBlock);
        if (pPrev == nullptr)
            return false;
        nOffset = BlockTextLength(pPrev);
    }
    spot = {nBlock, nOffset - 1};
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
