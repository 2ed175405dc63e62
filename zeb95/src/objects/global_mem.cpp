#include "objects/global_mem.h"

#include <cstring>
#include <utility>

void* LockedGlobalAlloc(UINT uFlags, SIZE_T cbSize)
{
    HGLOBAL hMem = ::GlobalAlloc(uFlags, cbSize);
    if (hMem == nullptr)
        return nullptr;
    void* p = ::GlobalLock(hMem);
    if (p == nullptr)
        ::GlobalFree(hMem);
    return p;
}

void* LockedGlobalReAlloc(void** ppBlock, SIZE_T cbSize, UINT uFlags)
{
    HGLOBAL hOld = ::GlobalHandle(*ppBlock);
    if (hOld == nullptr)
        return nullptr;
    ::GlobalUnlock(hOld);
    HGLOBAL hNew = ::GlobalReAlloc(hOld, cbSize, uFlags);
    if (hNew == nullptr) {
        *ppBlock = ::GlobalLock(hOld);
        return nullptr;
    }
    void* p = ::GlobalLock(hNew);
    if (p == nullptr)
        ::GlobalFree(hNew);
    *ppBlock = p;
    return p;
}

void LockedGlobalFree(void* pBlock)
{
    if (pBlock == nullptr)
        return;
    HGLOBAL hMem = ::GlobalHandle(pBlock);
    ::GlobalUnlock(hMem);
    ::GlobalFree(hMem);
}

char* LockedGlobalStrDup(const char* psz)
{
    const size_t cb = std::strlen(psz) + 1;
    auto* pCopy = static_cast<char*>(LockedGlobalAlloc(GMEM_MOVEABLE, cb));
    if (pCopy != nullptr)
        std::memcpy(pCopy, psz, cb);
    return pCopy;
}

void SwapBytes(void* pA, void* pB, SIZE_T cb)
{
    BYTE* a = static_cast<BYTE*>(pA);
    BYTE* b = static_cast<BYTE*>(pB);
    for (SIZE_T i = 0; i < cb; ++i)
        std::swap(a[i], b[i]);
}
