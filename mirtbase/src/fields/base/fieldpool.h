// CFieldPool: the memory of the fields. A large form data file makes
// hundreds of thousands of them at once, and a fresh page that is touched
// one fault at a time costs more than filling it; so fields come from
// 64 KB slabs of one slot size each, made resident with one call when they
// are made. A slab whose last field goes returns to the system unless it is
// the only one of its size with room left.
#pragma once
#include <cstddef>

class CFieldPool
{
public:
    // Sizes above this go to the ordinary heap.
    enum : size_t { LARGEST = 1024 };

    // Throws std::bad_alloc when no slab can be had.
    static void* Allocate(size_t nSize);
    // nSize as given to Allocate.
    static void Free(void* p, size_t nSize);
};
