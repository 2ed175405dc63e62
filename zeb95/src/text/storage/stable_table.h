// A table of entries that never move: it grows by segments of kStep entries
// kept through a directory of segment pointers. A full directory is
// replaced by one of twice the size; the old one stays until the table is
// cleared, so that neither a segment nor any directory a reader has seen is
// ever freed or reallocated while the table lives. A reader on another
// thread may keep the address of an entry and read entries below a count
// it has read while a writer appends: the entry (and a new directory) is
// written before the count is published (release/acquire). Inserting or
// removing in the middle shifts entries, which writers do only with the
// readers stopped.
#pragma once
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <type_traits>

#include "objects/global_mem.h"

template <class T, int kStep = 16>
class ZebStableTable
{
public:
    explicit ZebStableTable(int nMost) : m_nMost(nMost) {}
    ~ZebStableTable() { Clear(); }
    ZebStableTable(const ZebStableTable&) = delete;
    ZebStableTable& operator=(const ZebStableTable&) = delete;

    int Count() const { return m_nCount.load(std::memory_order_acquire); }
    int Capacity() const { return m_nSegments * kStep; }
    int Most() const { return m_nMost; }
    T& At(int i) const { return m_ppDirectory.load(std::memory_order_acquire)[i / kStep][i % kStep]; }

    // Inserts the value at index 0..count; false at the most entries or when
    // memory runs out (the table is then unchanged).
    bool Insert(int nAt, const T& value)
    {
        const int nCount = m_nCount.load(std::memory_order_relaxed);
        if (nAt < 0 || nAt > nCount || nCount >= m_nMost || (nCount == Capacity() && !Grow()))
            return false;
        for (int i = nCount; i > nAt; --i)
            At(i) = At(i - 1);
        At(nAt) = value;
        m_nCount.store(nCount + 1, std::memory_order_release);
        return true;
    }

    // Removes the entry at the index, closing the hole; false outside the table.
    bool Remove(int nAt)
    {
        const int nCount = m_nCount.load(std::memory_order_relaxed);
        if (nAt < 0 || nAt >= nCount)
            return false;
        m_nCount.store(nCount - 1, std::memory_order_release);
        for (int i = nAt; i + 1 < nCount; ++i)
            At(i) = At(i + 1);
        return true;
    }

    // Replaces the nRemove entries from nAt on by the nNew values at pNew,
    // moving the entries after them as a whole; false outside the table, at
    // the most entries or when memory runs out (the entries are then
    // unchanged).
    bool Replace(int nAt, int nRemove, const T* pNew, int nNew)
    {
        const int nCount = m_nCount.load(std::memory_order_relaxed);
        if (nAt < 0 || nRemove < 0 || nNew < 0 || nRemove > nCount - nAt || nNew - nRemove > m_nMost - nCount)
            return false;
        const int nNewCount = nCount - nRemove + nNew;
        while (Capacity() < nNewCount)
        {
            if (!Grow())
                return false;
        }
        if (nNewCount < nCount)
            m_nCount.store(nNewCount, std::memory_order_release);
        Move(nAt + nRemove, nCount, nAt + nNew);
        for (int i = 0; i < nNew; ++i)
            At(nAt + i) = pNew[i];
        m_nCount.store(nNewCount, std::memory_order_release);
        return true;
    }

    // Keeps the first n entries (and the memory of the others).
    void Truncate(int n)
    {
        if (n >= 0 && n < m_nCount.load(std::memory_order_relaxed))
            m_nCount.store(n, std::memory_order_release);
    }

    // No entries, no memory.
    void Clear()
    {
        m_nCount.store(0, std::memory_order_release);
        T** ppDirectory = m_ppDirectory.load(std::memory_order_relaxed);
        for (int i = 0; i < m_nSegments; ++i)
            LockedGlobalFree(ppDirectory[i]);
        LockedGlobalFree(ppDirectory);
        for (int i = 0; i < m_nRetired; ++i)
            LockedGlobalFree(m_pRetired[i]);
        m_ppDirectory.store(nullptr, std::memory_order_release);
        m_nSegments = 0;
        m_nDirectorySlots = 0;
        m_nRetired = 0;
    }

private:
    static const int kFirstSlots = 4;
    // Doubling from kFirstSlots reaches any int count within this many steps.
    static const int kMostRetired = 32;

    // A directory with room for one more segment; false without memory.
    bool GrowDirectory()
    {
        const int nMostSlots = (m_nMost + kStep - 1) / kStep;
        const int nSlots = m_nDirectorySlots == 0 ? kFirstSlots
                           : m_nDirectorySlots > nMostSlots / 2 ? nMostSlots
                                                                : 2 * m_nDirectorySlots;
        auto* ppNew = static_cast<T**>(LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(T*) * nSlots));
        if (ppNew == nullptr)
            return false;
        T** ppOld = m_ppDirectory.load(std::memory_order_relaxed);
        if (ppOld != nullptr)
        {
            std::memcpy(ppNew, ppOld, sizeof(T*) * m_nSegments);
            m_pRetired[m_nRetired++] = ppOld;
        }
        m_ppDirectory.store(ppNew, std::memory_order_release);
        m_nDirectorySlots = nSlots;
        return true;
    }

    // Moves the entries nFrom .. nEnd - 1 to start at nTo, a piece within
    // one segment at a time; the segments must exist.
    void Move(int nFrom, int nEnd, int nTo)
    {
        static_assert(std::is_trivially_copyable<T>::value, "entries are moved bytewise");
        if (nTo > nFrom)
        {
            for (int n = nEnd - nFrom; n > 0;)
            {
                const int nPiece = std::min({n, (nFrom + n - 1) % kStep + 1, (nTo + n - 1) % kStep + 1});
                n -= nPiece;
                std::memmove(&At(nTo + n), &At(nFrom + n), sizeof(T) * nPiece);
            }
            return;
        }
        for (int i = 0, n = nEnd - nFrom; i < n;)
        {
            const int nPiece = std::min({n - i, kStep - (nFrom + i) % kStep, kStep - (nTo + i) % kStep});
            std::memmove(&At(nTo + i), &At(nFrom + i), sizeof(T) * nPiece);
            i += nPiece;
        }
    }

    bool Grow()
    {
        if (m_nSegments == m_nDirectorySlots && !GrowDirectory())
            return false;
        T* pSegment = static_cast<T*>(LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(T) * kStep));
        if (pSegment == nullptr)
            return false;
        m_ppDirectory.load(std::memory_order_relaxed)[m_nSegments++] = pSegment;
        return true;
    }

    const int m_nMost;
    std::atomic<T**> m_ppDirectory{nullptr};
    int m_nDirectorySlots = 0;
    int m_nSegments = 0;
    T** m_pRetired[kMostRetired] = {};
    int m_nRetired = 0;
    std::atomic<int> m_nCount{0};
};
