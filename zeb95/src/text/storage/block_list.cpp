#include "text/storage/block_list.h"

ZebTextBlock* ZebBlockList::Block(int nIndex) const
{
    return nIndex >= 0 && nIndex < Count() ? m_table.At(nIndex) : nullptr;
}

bool ZebBlockList::Carry(int& nBlock, int& nOffset, bool bAtByte) const
{
    const ZebTextBlock* pBlock = Block(nBlock);
    if (pBlock == nullptr)
        return false;
    while (nOffset < 0)
    {
        const ZebTextBlock* pPrev = Block(nBlock - 1);
        if (pPrev == nullptr)
            return false;
        --nBlock;
        nOffset += BlockTextLength(pPrev);
        pBlock = pPrev;
    }
    for (int nLength = BlockTextLength(pBlock); bAtByte ? nOffset >= nLength : nOffset > nLength;
         nLength = BlockTextLength(pBlock))
    {
        const ZebTextBlock* pNext = Block(nBlock + 1);
        if (pNext == nullptr)
            return false;
        nOffset -= nLength;
        ++nBlock;
        pBlock = pNext;
    }
    return true;
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
