#include "text/tables/bmp_table.h"

#include <cstring>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "library/library_state.h"
#include "objects/global_mem.h"

ZebBmpTable::~ZebBmpTable()
{
    for (int i = 0; i < Count(); ++i)
        Release(i);
}

const ZebDocBmpEntry* ZebBmpTable::Entry(int nIndex) const
{
    return nIndex >= 0 && nIndex < Count() ? &m_table.At(nIndex) : nullptr;
}

void ZebBmpTable::Release(int nAt)
{
    ZebDocBmpEntry& entry = m_table.At(nAt);
    DestroyDib(entry.dib);
    LockedGlobalFree(entry.name);
}

namespace {

char* CopyName(const char* pszName)
{
    const SIZE_T cb = std::strlen(pszName) + 1;
    auto* pszCopy = static_cast<char*>(LockedGlobalAlloc(GMEM_MOVEABLE, cb));
    if (pszCopy != nullptr)
        std::memcpy(pszCopy, pszName, cb);
    return pszCopy;
}

}  // namespace

int ZebBmpTable::Add(int nAt, HGLOBAL hDib, const char* pszName, bool bDither, const ZebIndexHolder& user)
{
    const int nCount = Count();
    RECT rc = {};
    if (nCount >= kZebMostBitmaps || hDib == nullptr || !GetDibRect(hDib, &rc))
        return -1;
    if (nAt < 0 || nAt > nCount)
        nAt = nCount;
    ZebDocBmpEntry entry = {hDib, nullptr, rc.right, rc.bottom < 0 ? -rc.bottom : rc.bottom};
    if (bDither && ZebPaletteDisplay())
        entry.dib = DitherDibToFixedPalette(hDib, TRUE);
    if (pszName != nullptr)
        entry.name = CopyName(pszName);
    if (entry.dib == nullptr || (pszName != nullptr && entry.name == nullptr) || !m_table.Insert(nAt, entry))
    {
        if (entry.dib != hDib)
            DestroyDib(entry.dib);
        LockedGlobalFree(entry.name);
        return -1;
    }
    if (entry.dib != hDib)
        DestroyDib(hDib);
    RenumberHolder(user, ZebRenumber::Insert(ZebAttrTable::Bitmaps, nCount, nAt));
    return nAt;
}

int ZebBmpTable::Remove(int nAt, const ZebIndexHolder& user)
{
    const int nCount = Count();
    if (nAt >= nCount)
        return 0;
    if (nAt < 0)
    {
        for (int i = 0; i < nCount; ++i)
            Release(i);
        m_table.Clear();
        RenumberHolder(user, ZebRenumber::Clear(ZebAttrTable::Bitmaps, nCount, 255));
        return 1;
    }
    Release(nAt);
    m_table.Remove(nAt);
    RenumberHolder(user, ZebRenumber::Remove(ZebAttrTable::Bitmaps, nCount, nAt, 255));
    return 1;
}
