#include "text/storage/text_block.h"

#include <cstring>

#include "objects/global_mem.h"
#include "text/storage/gap_array.h"

ZebTextBlock* BlockAllocate()
{
    auto* pBlock = static_cast<ZebTextBlock*>(LockedGlobalAlloc(GMEM_MOVEABLE, sizeof(ZebTextBlock)));
    if (pBlock == nullptr)
        return nullptr;
    pBlock->gapStart = 0;
    pBlock->gapLength = ZebTextBlock::kBytes;
    pBlock->tailLength = 0;
    return pBlock;
}

void BlockRelease(ZebTextBlock* pBlock) { LockedGlobalFree(pBlock); }

int BlockTextLength(const ZebTextBlock* pBlock) { return pBlock->gapStart + pBlock->tailLength; }

int BlockMoveGap(ZebTextBlock* pBlock, int nOffset)
{
    if (pBlock == nullptr || nOffset < 0 || nOffset > BlockTextLength(pBlock))
        return 0;
    const int nStart = pBlock->gapStart;
    GapArray<char>::MoveGap(pBlock->text, nStart, pBlock->gapLength, nOffset);
    GapArray<ZebCharAttr>::MoveGap(pBlock->attrs, nStart, pBlock->gapLength, nOffset);
    pBlock->tailLength = static_cast<WORD>(pBlock->tailLength + nStart - nOffset);
    pBlock->gapStart = static_cast<WORD>(nOffset);
    return 1;
}

int BlockInsertRun(ZebTextBlock* pBlock, int nOffset, const char* pText, const ZebCharAttr* pAttrs, int n)
{
    if (n <= 0 || !BlockMoveGap(pBlock, nOffset))
        return 0;
    int nTake = n < pBlock->gapLength ? n : pBlock->gapLength;
    if (nTake < n && nTake > 0 && (pAttrs[nTake - 1] & ZebAttrLead) != 0)
        --nTake;
    std::memcpy(pBlock->text + nOffset, pText, nTake);
    std::memcpy(pBlock->attrs + nOffset, pAttrs, nTake * sizeof(ZebCharAttr));
    pBlock->gapStart = static_cast<WORD>(nOffset + nTake);
    pBlock->gapLength = static_cast<WORD>(pBlock->gapLength - nTake);
    return nTake;
}

int BlockErase(ZebTextBlock* pBlock, int nOffset, int n)
{
    if (n < 0 || nOffset < 0 || nOffset + n > BlockTextLength(pBlock) || !BlockMoveGap(pBlock, nOffset))
        return 0;
    pBlock->gapLength = static_cast<WORD>(pBlock->gapLength + n);
    pBlock->tailLength = static_cast<WORD>(pBlock->tailLength - n);
    return 1;
}

int BlockMoveTail(ZebTextBlock* pFrom, int nOffset, ZebTextBlock* pTo)
{
    if (BlockTextLength(pTo) != 0 || !BlockMoveGap(pFrom, nOffset))
        return 0;
    const int nTail = pFrom->tailLength;
    const int nAt = nOffset + pFrom->gapLength;
    BlockInsertRun(pTo, 0, pFrom->text + nAt, pFrom->attrs + nAt, nTail);
    pFrom->gapLength = static_cast<WORD>(pFrom->gapLength + nTail);
    pFrom->tailLength = 0;
    return 1;
}

void BlockSetAttr(ZebTextBlock* pBlock, int nOffset, ZebCharAttr attr)
{
    pBlock->attrs[nOffset < pBlock->gapStart ? nOffset : nOffset + pBlock->gapLength] = attr;
}

char BlockByteAt(const ZebTextBlock* pBlock, int nOffset)
{
    return GapArray<char>::At(pBlock->text, pBlock->gapStart, pBlock->gapLength, nOffset);
}

ZebCharAttr BlockAttrAt(const ZebTextBlock* pBlock, int nOffset)
{
    return GapArray<ZebCharAttr>::At(pBlock->attrs, pBlock->gapStart, pBlock->gapLength, nOffset);
}

int BlockCopyOut(const ZebTextBlock* pBlock, int nOffset, int n, char* pText, ZebCharAttr* pAttrs)
{
    if (n < 0 || nOffset < 0 || nOffset + n > BlockTextLength(pBlock))
        return 0;
    if (pText != nullptr)
        GapArray<char>::CopyOut(pBlock->text, pBlock->gapStart, pBlock->gapLength, nOffset, n, pText);
    if (pAttrs != nullptr)
        GapArray<ZebCharAttr>::CopyOut(pBlock->attrs, pBlock->gapStart, pBlock->gapLength, nOffset, n, pAttrs);
    return 1;
}
