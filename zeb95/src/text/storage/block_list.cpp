#include "text/storage/block_list.h"

ZebTextBlock* ZebBlockList::Block(int nIndex) const
{
    return nIndex >= 0 && nIndex < Count() ? m_table.At(nIndex) : nullptr;
}

ZebTextBlock* ZebBlockList::BlockInsert(int nIndex)
{
    if (nIndex < 0 || nIndex > Count())
        nIndex = Count();
    if (nIndex >= kZebMostBlocks)
        return nullptr;
    ZebTextBlock* pBlock = BlockAllocate();
    if (pBlock == nullptr)
        return nullptr;
    if (!m_table.Insert(nIndex, pBlock))
    {
        BlockRelease(pBlock);
        return nullptr;
    }
    return pBlock;
}

int ZebBlockList::BlockFree(int nIndex)
{
    if (nIndex == -1)
    {
        for (int i = 0; i < Count(); ++i)
            BlockRelease(m_table.At(i));
        m_table.Clear();
        return 1;
    }
    ZebTextBlock* pBlock = Block(nIndex);
    if (pBlock == nullptr)
        return 0;
    m_table.Remove(nIndex);
    BlockRelease(pBlock);
    return 1;
}

ZebTextBlock* ZebBlockList::PosToBlock(int nBlock, int nOffset, int nColumn, int* pnBlock, int* pnOffset) const
{
    const ZebTextBlock* pBlock = Block(nBlock);
    if (pBlock == nullptr || nOffset < 0 || nColumn < 0)
        return nullptr;
    int nPos = nOffset + nColumn;
    while (nPos > BlockTextLength(pBlock))
    {
        nPos -= BlockTextLength(pBlock);
        pBlock = Block(++nBlock);
        if (pBlock == nullptr)
            return nullptr;
    }
    if (nPos > 0 && nPos < BlockTextLength(pBlock) && (BlockAttrAt(pBlock, nPos) & ZebAttrTrail) != 0)
        --nPos;
    if (pnBlock != nullptr)
        *pnBlock = nBlock;
    if (pnOffset != nullptr)
        *pnOffset = nPos;
    return m_table.At(nBlock);
}
