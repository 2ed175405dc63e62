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

#include <atomic>
#include <cstring>

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
