#include "whiteboard/wb_bmp_items.h"

#include <initializer_list>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "library/library_state.h"
#include "objects/global_mem.h"
#include "objects/obj_classes.h"
#include "whiteboard/wb_bmp_window.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"

namespace {

ZebWbRecord* Wb(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

// Applies fn to every mark that names a bitmap item.
template <typename Fn>
void ForEachBmpMark(ZebWbRecord* pWb, Fn fn)
{
    for (ZebWbMark* pMark : {&pWb->FormFeedMark(), &pWb->LineFeedMark()}) {
        if (IsWbBmpMark(*pMark))
            fn(*pMark);
    }
}

HWND CreateItemWindow(HWND hWb, POINT origin, const ZebWbBmpItem& item, const char* pszName)
{
    HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hWb, GWLP_HINSTANCE));
    return ::CreateWindowExA(0, kWbBmpClass, pszName != nullptr ? pszName : "", WS_CHILD | WS_CLIPSIBLINGS,
                             item.pt.x - origin.x, item.pt.y - origin.y, item.size.cx, item.size.cy, hWb, nullptr,
                             hInstance, nullptr);
}

void ReleaseItem(const ZebWbBmpItem& item)
{
    if (item.hwnd != nullptr && ::IsWindow(item.hwnd))
        ::DestroyWindow(item.hwnd);
    LockedGlobalFree(item.pszName);
    DestroyDib(item.hDib);
    if (item.hPalette != nullptr && item.hPalette != Library().hFixedPalette)
        ::DeleteObject(item.hPalette);
}

void Insert(ZebWbRecord* pWb, LONG nIndex, const ZebWbBmpItem& item)
{
    const LONG nCount = pWb->ChildCount(kWbBmpItemSlot);
    InsertTableEntry(pWb->BmpItems(), nCount, nIndex, item);
    pWb->SetChildCount(kWbBmpItemSlot, nCount + 1);
    ForEachBmpMark(pWb, [nIndex](ZebWbMark& mark) { mark.wCode += mark.wCode >= nIndex ? 1 : 0; });
}

void FreeAll(ZebWbRecord* pWb)
{
    for (LONG i = 0; i < pWb->ChildCount(kWbBmpItemSlot); ++i)
        ReleaseItem(pWb->BmpItems()[i]);
    LockedGlobalFree(pWb->BmpItems());
    pWb->SetBmpItems(nullptr);
    pWb->SetChildCount(kWbBmpItemSlot, 0);
    pWb->SetChildCapacity(kWbBmpItemSlot, 0);
}

}  // namespace

LONG WbAddBmpItem(HWND hWb, LONG nIndex, HGLOBAL hDib, const char* pszName, POINT pt)
{
    ZebWbBmpItem item;
    if (!WbMakeBmpItem(hWb, hDib, pszName, pt, &item))
        return -1;
    if (!WbReserveBmpItems(hWb, 1)) {
        WbDropBmpItem(item, hDib);
        return -1;
    }
    return WbPlaceBmpItem(hWb, nIndex, item, hDib);
}

bool WbMakeBmpItem(HWND hWb, HGLOBAL hDib, const char* pszName, POINT pt, ZebWbBmpItem* pItem)
{
    ZebWbRecord* pWb = Wb(hWb);
    RECT rcDib;
    if (pWb == nullptr || !GetDibRect(hDib, &rcDib))
        return false;
    ZebWbBmpItem item = {};
    item.crBack = pWb->Head().BkColor();
    item.pt = pt;
    item.size = {rcDib.right, rcDib.bottom < 0 ? -rcDib.bottom : rcDib.bottom};
    item.hDib = pWb->Head().Dither() && ZebPaletteDisplay() ? DitherDibToFixedPalette(hDib, FALSE) : hDib;
    item.pszName = pszName != nullptr ? LockedGlobalStrDup(pszName) : nullptr;
    item.hwnd = CreateItemWindow(hWb, pWb->Head().Origin(), item, pszName);
    if (item.hDib == nullptr || (pszName != nullptr && item.pszName == nullptr) || item.hwnd == nullptr) {
        WbDropBmpItem(item, hDib);
        return false;
    }
    item.hPalette = item.hDib == hDib ? CreateDibPalette(hDib) : Library().hFixedPalette;
    *pItem = item;
    return true;
}

void WbDropBmpItem(const ZebWbBmpItem& item, HGLOBAL hDib)
{
    ZebWbBmpItem made = item;
    if (made.hDib == hDib)
        made.hDib = nullptr;  // stays the caller's
    ReleaseItem(made);
}

bool WbReserveBmpItems(HWND hWb, LONG nItems)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nItems < 0)
        return false;
    ZebWbBmpItem* pTable = pWb->BmpItems();
    LONG nCapacity = pWb->ChildCapacity(kWbBmpItemSlot);
    if (!ReserveTableRoom(&pTable, pWb->ChildCount(kWbBmpItemSlot), &nCapacity, nItems, kWbItemGrowth, kWbMaxItems))
        return false;
    pWb->SetBmpItems(pTable);
    pWb->SetChildCapacity(kWbBmpItemSlot, nCapacity);
    return true;
}

LONG WbPlaceBmpItem(HWND hWb, LONG nIndex, const ZebWbBmpItem& item, HGLOBAL hDib)
{
    ZebWbRecord* pWb = Wb(hWb);
    const LONG nCount = pWb->ChildCount(kWbBmpItemSlot);
    if (nIndex < 0 || nIndex > nCount)
        nIndex = nCount;
    Insert(pWb, nIndex, item);
    *WbBmpItemOfWindow(item.hwnd) = item;
    ::SetWindowPos(item.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (item.hDib != hDib)
        DestroyDib(hDib);
    return nIndex;
}

BOOL WbRemoveBmpItem(HWND hWb, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nIndex >= pWb->ChildCount(kWbBmpItemSlot))
        return FALSE;
    if (nIndex < 0) {
        FreeAll(pWb);
        ForEachBmpMark(pWb, [](ZebWbMark& mark) { WbClearMark(mark); });
        return TRUE;
    }
    ZebWbBmpItem* pTable = pWb->BmpItems();
    ReleaseItem(pTable[nIndex]);
    RemoveTableEntry(pTable, pWb->ChildCount(kWbBmpItemSlot), nIndex);
    pWb->SetChildCount(kWbBmpItemSlot, pWb->ChildCount(kWbBmpItemSlot) - 1);
    ForEachBmpMark(pWb, [nIndex](ZebWbMark& mark) {
        if (mark.wCode == nIndex)
            WbClearMark(mark);
        else if (mark.wCode > nIndex)
            --mark.wCode;
    });
    return TRUE;
}

void WbFreeBmpItems(HWND hWb)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb != nullptr)
        FreeAll(pWb);
}
