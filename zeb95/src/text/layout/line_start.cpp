#include "text/layout/line_start.h"

#include <cstring>

#include "cp932.h"

bool IsLineStartChar(const char* pszLineStart, UINT nCode)
{
    if (pszLineStart == nullptr || nCode == 0)
        return false;
    const int nLength = static_cast<int>(std::strlen(pszLineStart));
    for (int i = 0; i < nLength;)
    {
        const int nSize = cp932::CharLength(pszLineStart, i, nLength);
        const auto* p = reinterpret_cast<const BYTE*>(pszLineStart + i);
        const UINT nChar = nSize == 2 ? static_cast<UINT>(p[0]) << 8 | p[1] : p[0];
        if (nChar == nCode)
            return true;
        i += nSize;
    }
    return false;
}
