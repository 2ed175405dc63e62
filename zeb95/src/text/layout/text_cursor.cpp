#include "text/layout/text_cursor.h"

ZebTextCursor::ZebTextCursor(const ZebBlockList& blocks, int nBlock, int nOffset)
    : m_pBlocks(&blocks), m_pBlock(blocks.Block(nBlock)), m_nBlock(nBlock), m_nOffset(nOffset)
{
    Normalise();
}

void ZebTextCursor::Normalise()
{
    if (m_pBlock == nullptr || m_nOffset < BlockTextLength(m_pBlock))
        return;
    m_pBlocks->Carry(m_nBlock, m_nOffset, true);
    m_pBlock = m_pBlocks->Block(m_nBlock);
}

BYTE ZebTextCursor::NextByte() const
{
    ZebTextCursor next = *this;
    next.Skip(1);
    return next.AtEnd() ? 0 : next.Byte();
}

void ZebTextCursor::Skip(int n)
{
    m_nOffset += n;
    Normalise();
}

void ZebTextCursor::RepairAttr(ZebCharAttr attr) const
{
    const int nAt = m_nOffset < m_pBlock->gapStart ? m_nOffset : m_nOffset + m_pBlock->gapLength;
    ::InterlockedExchange(reinterpret_cast<LONG volatile*>(&m_pBlock->attrs[nAt]), static_cast<LONG>(attr));
}
