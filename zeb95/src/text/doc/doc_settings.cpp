#include "text/doc/doc_settings.h"

#include <cstring>

#include "objects/global_mem.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"

namespace {

bool CellsAreValid(const ZebUserCellList& list)
{
    for (LONG i = 0; i < list.nCount; ++i)
    {
        const ZebUserCell& cell = list.pCells[i];
        if (cell.wCapacity == 0 || cell.wLeft >= cell.wRight || (i > 0 && cell.wLeft < list.pCells[i - 1].wRight))
            return false;
    }
    return true;
}

// An own copy of a non-empty string with room for two zeros; null for an
// empty one (or when memory runs out: *pbFailed).
char* FilterCopy(const char* psz, bool* pbFailed)
{
    const size_t n = psz != nullptr ? std::strlen(psz) : 0;
    if (n == 0)
        return nullptr;
    auto* pCopy = static_cast<char*>(LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n + 2));
    if (pCopy == nullptr)
        *pbFailed = true;
    else
        std::memcpy(pCopy, psz, n);
    return pCopy;
}

}  // namespace

int DocSetUserCells(HWND hwnd, const ZebUserCellList* pList)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const bool bCells = pList != nullptr && pList->nCount >= 1;
    if (pDoc == nullptr || (bCells && (pList->pCells == nullptr || !CellsAreValid(*pList))))
        return 0;
    const SIZE_T cb = bCells ? sizeof(ZebUserCell) * static_cast<SIZE_T>(pList->nCount) : 0;
    void* pCopy = bCells ? LockedGlobalAlloc(GHND, cb) : nullptr;
    if (bCells && pCopy == nullptr)
        return 0;
    if (bCells)
        std::memcpy(pCopy, pList->pCells, cb);
    ZebLayoutPause pause(hwnd);
    LockedGlobalFree(pDoc->UserCells());
    pDoc->SetUserCells(pCopy);
    pDoc->nUserCellCount = bCells ? pList->nCount : 0;
    if (IsCellMode(pDoc->nAlignment))
        DocRelayout(hwnd);
    return 1;
}

int DocSetFilter(HWND hwnd, const char* pszMatch, const char* pszReplacement)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const size_t nMatch = pszMatch != nullptr ? std::strlen(pszMatch) : 0;
    const size_t nReplacement = pszReplacement != nullptr ? std::strlen(pszReplacement) : 0;
    if (pDoc == nullptr || (nReplacement > 0 && nReplacement != nMatch))
        return 0;
    bool bFailed = false;
    char* pMatch = FilterCopy(pszMatch, &bFailed);
    char* pReplacement = FilterCopy(pszReplacement, &bFailed);
    if (bFailed)
    {
        LockedGlobalFree(pMatch);
        LockedGlobalFree(pReplacement);
        return 0;
    }
    LockedGlobalFree(pDoc->FilterMatch());
    LockedGlobalFree(pDoc->FilterReplacement());
    pDoc->SetFilterMatch(pMatch);
    pDoc->SetFilterReplacement(pReplacement);
    return 1;
}
