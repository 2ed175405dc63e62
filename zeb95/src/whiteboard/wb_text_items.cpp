#include "whiteboard/wb_text_items.h"

#include <cstring>
#include <initializer_list>

#include "draw/fonts.h"
#include "objects/global_mem.h"
#include "whiteboard/wb_record.h"

namespace {

const int kItemSlot = 0;

ZebWbRecord* Wb(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

bool SameFont(const LOGFONTA& a, const LOGFONTA& b)
{
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfCharSet == b.lfCharSet && ::lstrcmpiA(a.lfFaceName, b.lfFaceName) == 0;
}

// Applies fn to the font index of every text item and of both marks.
template <typename Fn>
void ForEachFontUse(ZebWbRecord* pWb, Fn fn)
{
    for (LONG i = 0; i < pWb->ChildCount(kItemSlot); ++i)
        fn(pWb->TextItems()[i].nFont);
    for (ZebWbMark* pMark : {&pWb->FormFeedMark(), &pWb->LineFeedMark()}) {
        if (pMark->nFont >= 0)
            fn(pMark->nFont);
    }
}

void AddFallbackFont(HWND hWb, ZebWbRecord* pWb)
{
    if (pWb->TextFontCount() != 0 || pWb->ChildCount(kItemSlot) == 0)
        return;
    LOGFONTA lf = {};
    if (::GetObjectA(::GetStockObject(OEM_FIXED_FONT), sizeof(lf), &lf) == 0) {
        lf.lfHeight = 12;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        ::lstrcpyA(lf.lfFaceName, "Terminal");
    }
    WbInsertTextFont(hWb, lf, -1);
}

// Room for n more fonts.
bool ReserveFonts(ZebWbRecord* pWb, LONG n)
{
    LOGFONTA* pTable = pWb->TextFonts();
    LONG nCapacity = pWb->TextFontCapacity();
    if (!ReserveTableRoom(&pTable, pWb->TextFontCount(), &nCapacity, n, kWbFontGrowth, kWbMaxFonts))
        return false;
    pWb->SetTextFonts(pTable);
    pWb->SetTextFontCapacity(nCapacity);
    return true;
}

// Room for n more items.
bool ReserveItems(ZebWbRecord* pWb, LONG n)
{
    ZebWbTextItem* pTable = pWb->TextItems();
    LONG nCapacity = pWb->ChildCapacity(kItemSlot);
    if (!ReserveTableRoom(&pTable, pWb->ChildCount(kItemSlot), &nCapacity, n, kWbItemGrowth, kWbMaxItems))
        return false;
    pWb->SetTextItems(pTable);
    pWb->SetChildCapacity(kItemSlot, nCapacity);
    return true;
}

void FreeFontTable(ZebWbRecord* pWb)
{
    LockedGlobalFree(pWb->TextFonts());
    pWb->SetTextFonts(nullptr);
    pWb->SetTextFontCount(0);
    pWb->SetTextFontCapacity(0);
}

// The item's extent: swapped for a vertical font that is no installed
// TrueType family.
SIZE MeasureItem(HWND hWb, const char* pszText, const LOGFONTA& lf)
{
    const SIZE size = WbTextExtent(hWb, pszText, static_cast<int>(std::strlen(pszText)), lf);
    if (lf.lfEscapement != 0 && !IsFontInstalled(lf))
        return {size.cy, size.cx};
    return size;
}

void FreeItems(ZebWbRecord* pWb)
{
    for (LONG i = 0; i < pWb->ChildCount(kItemSlot); ++i)
        LockedGlobalFree(pWb->TextItems()[i].pszText);
    LockedGlobalFree(pWb->TextItems());
    pWb->SetTextItems(nullptr);
    pWb->SetChildCount(kItemSlot, 0);
    pWb->SetChildCapacity(kItemSlot, 0);
}

// With no items left: the fonts up to the highest that a mark uses stay.
void KeepMarkFonts(ZebWbRecord* pWb)
{
    LONG nHighest = -1;
    ForEachFontUse(pWb, [&nHighest](LONG& nFont) { nHighest = nFont > nHighest ? nFont : nHighest; });
    if (nHighest < 0) {
        FreeFontTable(pWb);
        return;
    }
    for (LONG i = nHighest + 1; i < pWb->TextFontCount(); ++i)
        pWb->TextFonts()[i] = {};
    if (nHighest + 1 < pWb->TextFontCount())
        pWb->SetTextFontCount(nHighest + 1);
}

}  // namespace

SIZE WbTextExtent(HWND hWb, const char* p, int cb, const LOGFONTA& lf)
{
    SIZE size = {};
    HDC hdc = ::GetDC(hWb);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    ::GetTextExtentPoint32A(hdc, p, cb, &size);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(hWb, hdc);
    return size;
}

LONG WbInsertTextFont(HWND hWb, const LOGFONTA& lf, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || !ReserveFonts(pWb, 1))
        return -1;
    const LONG nCount = pWb->TextFontCount();
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    LOGFONTA* pTable = pWb->TextFonts();
    InsertTableEntry(pTable, nCount, nIndex, lf);
    pWb->SetTextFontCount(nCount + 1);
    if (nIndex < nCount)
        ForEachFontUse(pWb, [nIndex](LONG& nFont) { nFont += nFont >= nIndex ? 1 : 0; });
    pWb->SetTextFontIndex(nIndex);
    return nIndex;
}

LONG WbAddTextFont(HWND hWb, const LOGFONTA& lf)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr)
        return -1;
    for (LONG i = 0; i < pWb->TextFontCount(); ++i) {
        if (SameFont(pWb->TextFonts()[i], lf)) {
            pWb->SetTextFontIndex(i);
            return i;
        }
    }
    return WbInsertTextFont(hWb, lf, -1);
}

BOOL WbRemoveTextFont(HWND hWb, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nIndex >= pWb->TextFontCount())
        return FALSE;
    if (nIndex < 0) {
        ForEachFontUse(pWb, [](LONG& nFont) { nFont = 0; });
        FreeFontTable(pWb);
        pWb->SetTextFontIndex(0);
    } else {
        LOGFONTA* pTable = pWb->TextFonts();
        const LONG nLast = pWb->TextFontCount() - 1;
        RemoveTableEntry(pTable, nLast + 1, nIndex);
        pWb->SetTextFontCount(nLast);
        ForEachFontUse(pWb, [nIndex](LONG& nFont) { nFont = nFont == nIndex ? 0 : nFont - (nFont > nIndex ? 1 : 0); });
        if (pWb->TextFontIndex() == nIndex)
            pWb->SetTextFontIndex(0);
    }
    AddFallbackFont(hWb, pWb);
    return TRUE;
}

LONG WbAddTextItem(HWND hWb, LONG nIndex, const char* pszText, const LOGFONTA& lf, POINT pt)
{
    if (Wb(hWb) == nullptr || pszText == nullptr)
        return -1;
    char* pszCopy = LockedGlobalStrDup(pszText);
    const LONG nAdded = pszCopy != nullptr ? WbPlaceTextItem(hWb, nIndex, pszCopy, lf, pt) : -1;
    if (nAdded < 0)
        LockedGlobalFree(pszCopy);
    return nAdded;
}

bool WbReserveTextItems(HWND hWb, LONG nItems)
{
    ZebWbRecord* pWb = Wb(hWb);
    return pWb != nullptr && nItems >= 0 && ReserveItems(pWb, nItems) && ReserveFonts(pWb, nItems);
}

LONG WbPlaceTextItem(HWND hWb, LONG nIndex, char* pszCopy, const LOGFONTA& lf, POINT pt)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || pszCopy == nullptr || !ReserveItems(pWb, 1))
        return -1;
    const LONG nFont = WbAddTextFont(hWb, lf);
    if (nFont < 0)
        return -1;
    const LONG nCount = pWb->ChildCount(kItemSlot);
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    const size_t cbText = std::strlen(pszCopy) + 1;
    InsertTableEntry(pWb->TextItems(), nCount, nIndex,
                     ZebWbTextItem{pWb->Head().ForeColor(), nFont, static_cast<WORD>(cbText > 0xFFFF ? 0xFFFF : cbText),
                                   0, pszCopy, pt, MeasureItem(hWb, pszCopy, lf)});
    pWb->SetChildCount(kItemSlot, nCount + 1);
    ::InvalidateRect(hWb, nullptr, TRUE);
    return nIndex;
}

BOOL WbRemoveTextItem(HWND hWb, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nIndex >= pWb->ChildCount(kItemSlot))
        return FALSE;
    if (nIndex < 0) {
        FreeItems(pWb);
        KeepMarkFonts(pWb);
        return TRUE;
    }
    ZebWbTextItem* pTable = pWb->TextItems();
    LockedGlobalFree(pTable[nIndex].pszText);
    RemoveTableEntry(pTable, pWb->ChildCount(kItemSlot), nIndex);
    pWb->SetChildCount(kItemSlot, pWb->ChildCount(kItemSlot) - 1);
    return TRUE;
}

void WbFreeTextItems(HWND hWb)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr)
        return;
    FreeItems(pWb);
    FreeFontTable(pWb);
}
