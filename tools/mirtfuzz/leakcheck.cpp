#include "leakcheck.h"

#include <algorithm>
#include <vector>

namespace {

const int kProbeObjects = 32;

SIZE_T BusyBytes(HANDLE hHeap)
{
    SIZE_T nBytes = 0;
    if (!::HeapLock(hHeap))
        return 0;
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(hHeap, &entry)) {
        if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
            nBytes += entry.cbData;
    }
    ::HeapUnlock(hHeap);
    return nBytes;
}

SIZE_T HeapBytes()
{
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    SIZE_T nBytes = 0;
    for (HANDLE hHeap : heaps)
        nBytes += BusyBytes(hHeap);
    return nBytes;
}

DWORD GdiHighSlot()
{
    HBRUSH brushes[kProbeObjects];
    DWORD nHigh = 0;
    for (HBRUSH& hBrush : brushes) {
        hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
        nHigh = std::max(nHigh, static_cast<DWORD>(LOWORD(reinterpret_cast<ULONG_PTR>(hBrush))));
    }
    for (HBRUSH hBrush : brushes)
        ::DeleteObject(hBrush);
    return nHigh;
}

}  // namespace

ProcessHold MeasureProcessHold()
{
    return ProcessHold{HeapBytes(), ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), GdiHighSlot()};
}
