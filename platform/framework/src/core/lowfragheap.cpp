// The heaps of the program allocate from size buckets (the low-fragmentation
// heap), as Windows does by default: objects made after large documents
// were freed are not sought for among the freed blocks. Wine leaves it off.
#include <initializer_list>
#include <malloc.h>
#include <windows.h>

#include "core/lowfragheap.h"

void AfxUseLowFragmentationHeaps()
{
    ULONG ulLowFragmentation = 2;
    for (HANDLE hHeap : {reinterpret_cast<HANDLE>(_get_heap_handle()), ::GetProcessHeap()}) {
        if (hHeap != nullptr)
            ::HeapSetInformation(hHeap, HeapCompatibilityInformation, &ulLowFragmentation,
                sizeof ulLowFragmentation);
    }
}
