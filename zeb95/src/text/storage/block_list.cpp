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
