// Operations on an array of fixed capacity with a gap: gap start g, gap
// length L, the text before the gap at [0, g) and after it at [g + L, cap).
// Logical offsets count without the gap. One template serves the text bytes
// and their attributes, which share one gap.
#pragma once
#include <cstring>

template <class T>
struct GapArray
{
    // Moves the gap of length nGapLen from nGapStart to start at nTo.
    static void MoveGap(T* pData, int nGapStart, int nGapLen, int nTo)
    {
        if (nTo < nGapStart)
            std::memmove(pData + nTo + nGapLen, pData + nTo, (nGapStart - nTo) * sizeof(T));
        else if (nTo > nGapStart)
            std::memmove(pData + nGapStart, pData + nGapStart + nGapLen, (nTo - nGapStart) * sizeof(T));
    }

    // Copies n logical elements from nAt without moving the gap.
    static void CopyOut(const T* pData, int nGapStart, int nGapLen, int nAt, int n, T* pOut)
    {
        const int nBefore = nAt < nGapStart ? (nGapStart - nAt < n ? nGapStart - nAt : n) : 0;
        std::memcpy(pOut, pData + nAt, nBefore * sizeof(T));
        const int nRest = n - nBefore;
        std::memcpy(pOut + nBefore, pData + nAt + nBefore + nGapLen, nRest * sizeof(T));
    }

    static const T& At(const T* pData, int nGapStart, int nGapLen, int nAt)
    {
        return pData[nAt < nGapStart ? nAt : nAt + nGapLen];
    }
};
