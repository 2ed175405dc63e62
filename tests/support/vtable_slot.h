// The vtable slot of a virtual member function: under the Itanium C++ ABI a
// pointer to a virtual member holds 1 + the slot's byte offset.
#pragma once
#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>

template <typename F>
ptrdiff_t SlotOf(F pmf)
{
    struct Representation
    {
        ptrdiff_t ptr;
        ptrdiff_t adj;
    };
    static_assert(sizeof(F) == sizeof(Representation), "Itanium member pointer");
    Representation rep;
    std::memcpy(&rep, &pmf, sizeof rep);
    EXPECT_EQ(1, rep.ptr & 1) << "not virtual";
    return (rep.ptr - 1) / static_cast<ptrdiff_t>(sizeof(void*));
}
