// A table of entries that never move: it grows by segments of kStep entries
// kept through a directory sized once for the table's most entries, so
// neither the directory nor a segment is ever reallocated while the table
// lives. A reader on another thread may keep the address of an entry and
// read entries below a count it has read while a writer appends: the entry
// is written before the count is published (release/acquire). Inserting or
// removing in the middle shifts entries, which writers do only with the
// readers stopped.
#pragma once
#include <windows.h>

#include <atomic>

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
    T& At(int i) const { return m_ppSegments[i / kStep][i % kStep]; }

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

    // No entries, no memory.
    void Clear()
    {
        m_nCount.store(0, std::memory_order_release);
        for (int i = 0; i < m_nSegments; ++i)
            LockedGlobalFree(m_ppSegments[i]);
        LockedGlobalFree(m_ppSegments);
        m_ppSegments = nullptr;
        m_nSegments = 0;
    }

private:
    bool Grow()
    {
        if (m_ppSegments == nullptr)
        {
            const SIZE_T cbDirectory = sizeof(T*) * ((m_nMost + kStep - 1) / kStep);
            m_ppSegments = static_cast<T**>(LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbDirectory));
            if (m_ppSegments == nullptr)
                return false;
        }
        T* pSegment = static_cast<T*>(LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(T) * kStep));
        if (pSegment == nullptr)
            return false;
        m_ppSegments[m_nSegments++] = pSegment;
        return true;
    }

    const int m_nMost;
    T** m_ppSegments = nullptr;
    int m_nSegments = 0;
    std::atomic<int> m_nCount{0};
};
