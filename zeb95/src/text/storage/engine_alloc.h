// Objects of the text engine in locked movable global memory, as every
// table and record of the library.
#pragma once
#include <new>
#include <utility>

#include "objects/global_mem.h"

// A T made in a new zeroed block; null when memory runs out.
template <class T, class... Args>
T* ZebNew(Args&&... args)
{
    void* p = LockedGlobalAlloc(GHND, sizeof(T));
    return p != nullptr ? new (p) T(std::forward<Args>(args)...) : nullptr;
}

// Ends the object and frees its block; null is ignored.
template <class T>
void ZebDelete(T* p)
{
    if (p == nullptr)
        return;
    p->~T();
    LockedGlobalFree(p);
}
