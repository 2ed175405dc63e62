#include "text/edit/input_filter.h"

#include <cstring>

#include "cp932.h"

namespace {

const int kDrop = 127;
const unsigned char kWildcard = 0x7F;
const unsigned char kAnySingle = 'A';
const unsigned char kAnyDouble = 'K';

bool CellMatches(const unsigned char* pCell, int nCode)
{
    if (pCell[0] == kWildcard && (pCell[1] == kAnySingle || pCell[1] == kAnyDouble))
        return (pCell[1] == kAnyDouble) == (nCode > 0xFF);
    const int nCell = nCode > 0xFF ? (pCell[0] << 8) | pCell[1] : pCell[0];
    return nCell == nCode && (nCode > 0xFF || pCell[1] == ' ');
}

int Replacement(const unsigned char* pCell)
{
    if (!cp932::IsLeadByte(pCell[0]))
        return pCell[0];
    return cp932::IsTrailByte(pCell[1]) ? (pCell[0] << 8) | pCell[1] : kDrop;
}

}  // namespace

int DocFilterChar(const char* pszMatch, const char* pszReplacement, int nCode)
{
    const int nCells = pszMatch != nullptr ? static_cast<int>(std::strlen(pszMatch) / 2) : 0;
    const int nReplacements = pszReplacement != nullptr ? static_cast<int>(std::strlen(pszReplacement) / 2) : 0;
    const auto* pMatch = reinterpret_cast<const unsigned char*>(pszMatch);
    for (int i = 0; i < nCells; ++i)
    {
        if (CellMatches(pMatch + 2 * i, nCode))
            return i < nReplacements ? Replacement(reinterpret_cast<const unsigned char*>(pszReplacement) + 2 * i)
                                     : kDrop;
    }
    return nCode;
}
