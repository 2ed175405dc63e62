// Little-endian values of stored formats, read from bytes at any address
// and appended to bytes being written.
#pragma once
#include <windows.h>

#include <string>

inline DWORD LeDword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

inline LONG LeLong(const BYTE* p)
{
    return static_cast<LONG>(LeDword(p));
}

inline WORD LeWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | p[1] << 8);
}

inline void AppendLeDword(std::string& bytes, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}
