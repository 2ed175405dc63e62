#include "text/edit/block_edit.h"

#include "text/storage/block_list.h"

namespace {

int Room(const ZebBlockList& blocks, int nBlock) { return blocks.Block(nBlock)->gapLength; }

// Room for n bytes at the spot, by the block split rules.
bool MakeRoom(ZebBlockList& blocks, ZebTextSpot& spot, int n)
{
    if (Room(blocks, spot.block) >= n)
        return true;
    if (spot.offset == 0)
        return blocks.BlockInsert(spot.block) != nullptr;
    ZebTextBlock* pTail = blocks.BlockInsert(spot.block + 1);
    if (pTail == nullptr || !BlockMoveTail(blocks.Block(spot.block), spot.offset, pTail))
        return false;
    if (Room(blocks, spot.block) < n)
        spot = {spot.block + 1, 0};
    return true;
}

// Frees a block left empty, but block 0; the spot follows the text.
void FreeIfEmpty(ZebBlockList& blocks, ZebTextSpot& spot)
{
    if (spot.block == 0 || BlockTextLength(blocks.Block(spot.block)) != 0)
        return;
    blocks.BlockFree(spot.block);
    if (blocks.Block(spot.block) != nullptr)
        spot.offset = 0;
    else
        spot = {spot.block - 1, BlockTextLength(blocks.Block(spot.block - 1))};
}

}  // namespace

bool StoreBytes(ZebBlockList& blocks, ZebTextSpot& spot, const char* pText, const ZebCharAttr* pAttrs, int n)
{
    if (!SpotNormalise(blocks, spot, false) || !MakeRoom(blocks, spot, n))
        return false;
    spot.offset += BlockInsertRun(blocks.Block(spot.block), spot.offset, pText, pAttrs, n);
    return true;
}

int EraseChar(ZebBlockList& blocks, ZebTextSpot& spot)
{
    if (!SpotNormalise(blocks, spot, true))
        return 0;
    ZebTextBlock* pBlock = blocks.Block(spot.block);
    const ZebCharAttr attr = BlockAttrAt(pBlock, spot.offset);
    int n = 1;
    if ((attr & ZebAttrLead) != 0)
        n = 2;
    else if ((attr & ZebAttrTrail) != 0)
    {
        if (spot.offset == 0)
            return 0;
        --spot.offset;
        n = 2;
    }
    if (!BlockErase(pBlock, spot.offset, n))
        return 0;
    FreeIfEmpty(blocks, spot);
    return n;
}

bool EraseRange(ZebBlockList& blocks, ZebTextSpot& start, const ZebTextSpot& end)
{
    if (SpotBefore(end, start))
        return false;
    ZebTextSpot& at = start;
    if (end.block == start.block)
    {
        if (!BlockErase(blocks.Block(at.block), at.offset, end.offset - at.offset))
            return false;
        FreeIfEmpty(blocks, at);
        return true;
    }
    ZebTextSpot last = {end.block, 0};
    if (!BlockErase(blocks.Block(last.block), 0, end.offset))
        return false;
    FreeIfEmpty(blocks, last);
    for (int i = end.block - 1; i > start.block; --i)
        blocks.BlockFree(i);
    ZebTextBlock* pStart = blocks.Block(at.block);
    if (!BlockErase(pStart, at.offset, BlockTextLength(pStart) - at.offset))
        return false;
    FreeIfEmpty(blocks, at);
    return true;
}

void SetRangeFont(ZebBlockList& blocks, ZebTextSpot start, const ZebTextSpot& end, int nFont)
{
    for (ZebTextSpot at = start; SpotBefore(at, end);)
    {
        ZebTextBlock* pBlock = blocks.Block(at.block);
        const ZebCharAttr attr = BlockAttrAt(pBlock, at.offset);
        if ((attr & ZebAttrBitmap) == 0)
            BlockSetAttr(pBlock, at.offset, AttrWithFont(attr, nFont));
        if (!SpotNextByte(blocks, at))
            break;
    }
}
