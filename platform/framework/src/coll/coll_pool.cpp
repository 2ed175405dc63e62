// Slot pool of the list and map templates.
#include "afxtempl.h"
#include <cstddef>

// A block's header; its slots follow at kSlotsOffset.
struct CNodePool::CBlock
{
    CBlock* pNext;
};

namespace {

constexpr size_t kSlotsOffset =
    (sizeof(void*) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);

}  // namespace

CNodePool::CNodePool(size_t nSlotSize, int nBlockSize)
    : m_nSlotSize(std::max(nSlotSize, sizeof(void*))),
      m_nBlockSize(std::max(nBlockSize, 1)),
      m_nNextBlockSize(1),
      m_pBlocks(NULL),
      m_pFree(NULL)
{
}

CNodePool::~CNodePool()
{
    FreeAll();
}

// A free slot holds the address of the next free slot in its first bytes.
void* CNodePool::Alloc()
{
    if (m_pFree == NULL) {
        const int nSlots = m_nNextBlockSize;
        BYTE* pRaw = static_cast<BYTE*>(::operator new(kSlotsOffset + m_nSlotSize * nSlots));
        CBlock* pBlock = reinterpret_cast<CBlock*>(pRaw);
        pBlock->pNext = m_pBlocks;
        m_pBlocks = pBlock;
        for (int i = nSlots - 1; i >= 0; i--)
            Free(pRaw + kSlotsOffset + m_nSlotSize * i);
        m_nNextBlockSize = std::min(2 * nSlots, m_nBlockSize);
    }
    void* pSlot = m_pFree;
    std::memcpy(&m_pFree, pSlot, sizeof(void*));
    return pSlot;
}

void CNodePool::Free(void* pSlot)
{
    std::memcpy(pSlot, &m_pFree, sizeof(void*));
    m_pFree = pSlot;
}

void CNodePool::FreeAll()
{
    while (m_pBlocks != NULL) {
        CBlock* pNext = m_pBlocks->pNext;
        ::operator delete(m_pBlocks);
        m_pBlocks = pNext;
    }
    m_pFree = NULL;
    m_nNextBlockSize = 1;
}
