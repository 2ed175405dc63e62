#include "fields/base/fieldpool.h"

#include <windows.h>

#include <new>

namespace {

// The allocation granularity, so that a slot's slab is its address rounded down.
const SIZE_T kSlabSize = 64 * 1024;
const size_t kGrain = 16;
const size_t kClasses = CFieldPool::LARGEST / kGrain + 1;

struct CSlab
{
    CSlab* pNext;     // among the slabs of its size with room
    CSlab* pPrev;
    void* pFree;      // freed slots, each holding the next
    BYTE* pUnused;    // slots never handed out start here
    size_t nSlot;
    size_t nLive;

    BYTE* End() { return reinterpret_cast<BYTE*>(this) + kSlabSize; }
    BOOL HasRoom() { return pFree != nullptr || pUnused + nSlot <= End(); }
};

const size_t kFirstSlot = (sizeof(CSlab) + kGrain - 1) / kGrain * kGrain;

SRWLOCK g_lock = SRWLOCK_INIT;
CSlab* g_open[kClasses];   // per slot size: the slabs with room

class CPoolLock
{
public:
    CPoolLock() { ::AcquireSRWLockExclusive(&g_lock); }
    ~CPoolLock() { ::ReleaseSRWLockExclusive(&g_lock); }
    CPoolLock(const CPoolLock&) = delete;
    CPoolLock& operator=(const CPoolLock&) = delete;
};

void Link(CSlab* pSlab, size_t nClass)
{
    pSlab->pPrev = nullptr;
    pSlab->pNext = g_open[nClass];
    if (pSlab->pNext != nullptr)
        pSlab->pNext->pPrev = pSlab;
    g_open[nClass] = pSlab;
}

void Unlink(CSlab* pSlab, size_t nClass)
{
    if (pSlab->pPrev != nullptr)
        pSlab->pPrev->pNext = pSlab->pNext;
    else
        g_open[nClass] = pSlab->pNext;
    if (pSlab->pNext != nullptr)
        pSlab->pNext->pPrev = pSlab->pPrev;
}

// A resident slab of nClass-sized slots. Locking the pages brings them in
// at once; where the lock is refused they come in as they are touched.
CSlab* NewSlab(size_t nClass)
{
    void* pBase = ::VirtualAlloc(nullptr, kSlabSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (pBase == nullptr)
        throw std::bad_alloc();
    if (::VirtualLock(pBase, kSlabSize))
        ::VirtualUnlock(pBase, kSlabSize);
    CSlab* pSlab = static_cast<CSlab*>(pBase);
    pSlab->pFree = nullptr;
    pSlab->pUnused = static_cast<BYTE*>(pBase) + kFirstSlot;
    pSlab->nSlot = nClass * kGrain;
    pSlab->nLive = 0;
    Link(pSlab, nClass);
    return pSlab;
}

void* TakeSlot(CSlab* pSlab)
{
    void* p = pSlab->pFree;
    if (p != nullptr) {
        pSlab->pFree = *static_cast<void**>(p);
    } else {
        p = pSlab->pUnused;
        pSlab->pUnused += pSlab->nSlot;
    }
    pSlab->nLive++;
    return p;
}

size_t ClassOf(size_t nSize)
{
    return (nSize + kGrain - 1) / kGrain;
}

}  // namespace

void* CFieldPool::Allocate(size_t nSize)
{
    if (nSize > LARGEST)
        return ::operator new(nSize);
    const size_t nClass = ClassOf(nSize == 0 ? 1 : nSize);
    CPoolLock lock;
    CSlab* pSlab = g_open[nClass] != nullptr ? g_open[nClass] : NewSlab(nClass);
    void* p = TakeSlot(pSlab);
    if (!pSlab->HasRoom())
        Unlink(pSlab, nClass);
    return p;
}

void CFieldPool::Free(void* p, size_t nSize)
{
    if (p == nullptr)
        return;
    if (nSize > LARGEST) {
        ::operator delete(p);
        return;
    }
    const size_t nClass = ClassOf(nSize == 0 ? 1 : nSize);
    CSlab* pSlab = reinterpret_cast<CSlab*>(reinterpret_cast<ULONG_PTR>(p) & ~(kSlabSize - 1));
    CPoolLock lock;
    if (!pSlab->HasRoom())
        Link(pSlab, nClass);
    *static_cast<void**>(p) = pSlab->pFree;
    pSlab->pFree = p;
    if (--pSlab->nLive != 0 || (g_open[nClass] == pSlab && pSlab->pNext == nullptr))
        return;
    Unlink(pSlab, nClass);
    ::VirtualFree(pSlab, 0, MEM_RELEASE);
}
