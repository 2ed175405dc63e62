// Locked movable global blocks: the library's records, tables and strings.
#pragma once
#include <windows.h>

#include <cstring>

// GlobalAlloc and GlobalLock; a block that cannot be locked is freed.
void* LockedGlobalAlloc(UINT uFlags, SIZE_T cbSize);
// Reallocates the locked block that *ppBlock points into and stores the new
// pointer there. On failure the old block stays (locked, pointer stored
// back) and the result is null; when the grown block cannot be locked it is
// freed, the stored pointer becomes null and the result is null.
void* LockedGlobalReAlloc(void** ppBlock, SIZE_T cbSize, UINT uFlags);
// Grows a locked table of nCapacity entries by nGrowth zeroed ones (a
// first table when pTable is null): the table, null when memory runs out.
template <typename T>
T* GrowLockedTable(T* pTable, LONG nCapacity, LONG nGrowth)
{
    const SIZE_T cb = static_cast<SIZE_T>(nCapacity + nGrowth) * sizeof(T);
    if (pTable == nullptr)
        return static_cast<T*>(LockedGlobalAlloc(GHND, cb));
    void* p = pTable;
    return static_cast<T*>(LockedGlobalReAlloc(&p, cb, GMEM_MOVEABLE | GMEM_ZEROINIT));
}
// Room for n more entries in a locked table (*ppTable, null for none yet)
// of nCount entries and *pnCapacity: grown by whole steps of nGrowth
// entries, the capacity not passing nMax, both stored back. False when it
// cannot grow (it then stays as it was).
template <typename T>
bool ReserveTableRoom(T** ppTable, LONG nCount, LONG* pnCapacity, LONG n, LONG nGrowth, LONG nMax)
{
    const LONG nCapacity = *pnCapacity;
    if (n <= nCapacity - nCount)
        return true;
    const LONG nSteps = (n - (nCapacity - nCount) + nGrowth - 1) / nGrowth;
    if (nSteps > (nMax - nCapacity) / nGrowth)
        return false;
    T* pGrown = GrowLockedTable(*ppTable, nCapacity, nSteps * nGrowth);
    if (pGrown == nullptr)
        return false;
    *ppTable = pGrown;
    *pnCapacity = nCapacity + nSteps * nGrowth;
    return true;
}
// Puts entry at nIndex of a table of nCount entries (room for one more),
// moving the later ones up.
template <typename T>
void InsertTableEntry(T* pTable, LONG nCount, LONG nIndex, const T& entry)
{
    std::memmove(pTable + nIndex + 1, pTable + nIndex, static_cast<size_t>(nCount - nIndex) * sizeof(T));
    pTable[nIndex] = entry;
}
// Takes the entry at nIndex out of a table of nCount entries, moving the
// later ones down and zeroing the freed last one.
template <typename T>
void RemoveTableEntry(T* pTable, LONG nCount, LONG nIndex)
{
    std::memmove(pTable + nIndex, pTable + nIndex + 1, static_cast<size_t>(nCount - 1 - nIndex) * sizeof(T));
    std::memset(static_cast<void*>(pTable + nCount - 1), 0, sizeof(T));
}
// Unlocks and frees a block that LockedGlobalAlloc made; null is ignored.
void LockedGlobalFree(void* pBlock);
// A copy of the string in a locked block; null without memory.
char* LockedGlobalStrDup(const char* psz);
// Exchanges cb bytes between two buffers.
void SwapBytes(void* pA, void* pB, SIZE_T cb);
