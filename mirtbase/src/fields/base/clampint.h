// Integer arithmetic on values that come from files (font heights, row
// heights, pitch rates, rectangles, offsets, zoom): every product and sum is
// taken in 64 bits and the result held to the range of int, so no value a
// file can hold makes the arithmetic overflow.
#pragma once
#include <climits>

// n held to [nLow, nHigh].
inline int MirtClampRange(long long n, int nLow, int nHigh)
{
    return n > nHigh ? nHigh : n < nLow ? nLow : static_cast<int>(n);
}

inline int MirtClampInt(long long n)
{
    return MirtClampRange(n, INT_MIN, INT_MAX);
}

// a × b / c, truncated toward zero; c must not be 0.
inline int MirtMulDiv(int a, int b, int c)
{
    return MirtClampInt(static_cast<long long>(a) * b / c);
}

// a + b.
inline int MirtAdd(int a, int b)
{
    return MirtClampInt(static_cast<long long>(a) + b);
}

// a − b.
inline int MirtSub(int a, int b)
{
    return MirtClampInt(static_cast<long long>(a) - b);
}

// |n|; INT_MAX for INT_MIN.
inline int MirtAbs(int n)
{
    return MirtClampInt(n < 0 ? -static_cast<long long>(n) : n);
}
