#include "whiteboard/wb_children.h"

#include "objects/global_mem.h"
#include "objects/obj_record.h"
#include "whiteboard/wb_record.h"

namespace {

bool Grow(ZebWbRecord* pWb, int nSlot)
{
    const LONG nCapacity = pWb->ChildCapacity(nSlot);
    if (nCapacity > kWbMaxChildren - kWbChildGrowth)
        return false;
    const SIZE_T cbNew = static_cast<SIZE_T>(nCapacity + kWbChildGrowth) * sizeof(HWND);
    void* pArray = pWb->Children(nSlot);
    if (pArray == nullptr)
        pArray = LockedGlobalAlloc(GHND, cbNew);
    else if (LockedGlobalReAlloc(&pArray, cbNew, GMEM_MOVEABLE | GMEM_ZEROINIT) == nullptr) {
        if (pArray == nullptr) {
            // The grown block was lost with the handles in it.
            pWb->SetChildCount(nSlot, 0);
            pWb->SetChildCapacity(nSlot, 0);
        }
        pWb->SetChildren(nSlot, static_cast<HWND*>(pArray));
        return false;
    }
    if (pArray == nullptr)
        return false;
    pWb->SetChildren(nSlot, static_cast<HWND*>(pArray));
    pWb->SetChildCapacity(nSlot, nCapacity + kWbChildGrowth);
    return true;
}

ZebWbRecord* OwnerWbRecord(HWND hwnd, int* pnSlot)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return nullptr;
    *pnSlot = ZebWbRecord::ChildSlot(pRecord->Kind());
    return *pnSlot >= 0 ? ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard())) : nullptr;
}

bool IsAddressableKind(LONG nKind)
{
    switch (nKind) {
    case ZebKindDoc:
    case ZebKindPicture:
    case ZebKindSound:
    case ZebKindMovie:
    case ZebKindLine:
    case ZebKindAppChild: return true;
    default: return false;
    }
}

}  // namespace

LONG WbFindInSlot(const ZebWbRecord* pWb, int nSlot, HWND hChild)
{
    const HWND* pArray = pWb->Children(nSlot);
    for (LONG i = 0; pArray != nullptr && i < pWb->ChildCount(nSlot); ++i) {
        if (pArray[i] == hChild)
            return i;
    }
    return -1;
}

LONG WbAddToSlot(ZebWbRecord* pWb, int nSlot, HWND hChild)
{
    const LONG nExisting = WbFindInSlot(pWb, nSlot, hChild);
    if (nExisting >= 0)
        return nExisting;
    const LONG nCount = pWb->ChildCount(nSlot);
    if (nCount >= pWb->ChildCapacity(nSlot) && !Grow(pWb, nSlot))
        return -1;
    pWb->Children(nSlot)[nCount] = hChild;
    pWb->SetChildCount(nSlot, nCount + 1);
    return nCount;
}

BOOL WbRemoveFromSlot(ZebWbRecord* pWb, int nSlot, HWND hChild)
{
    const LONG nIndex = WbFindInSlot(pWb, nSlot, hChild);
    if (nIndex < 0)
        return FALSE;
    RemoveTableEntry(pWb->Children(nSlot), pWb->ChildCount(nSlot), nIndex);
    pWb->SetChildCount(nSlot, pWb->ChildCount(nSlot) - 1);
    if (pWb->SelectedWindow() == hChild)
        pWb->ClearSelection();
    return TRUE;
}

void WbFreeChildArrays(ZebWbRecord* pWb)
{
    for (int nSlot = 0; nSlot < kWbChildSlots; ++nSlot) {
        LockedGlobalFree(pWb->Children(nSlot));
        pWb->SetChildren(nSlot, nullptr);
        pWb->SetChildCount(nSlot, 0);
        pWb->SetChildCapacity(nSlot, 0);
    }
}

LONG WbAddChild(HWND hwnd)
{
    int nSlot = -1;
    ZebWbRecord* pWb = OwnerWbRecord(hwnd, &nSlot);
    return pWb != nullptr ? WbAddToSlot(pWb, nSlot, hwnd) : -1;
}

BOOL WbRemoveChild(HWND hwnd)
{
    int nSlot = -1;
    ZebWbRecord* pWb = OwnerWbRecord(hwnd, &nSlot);
    return pWb != nullptr ? WbRemoveFromSlot(pWb, nSlot, hwnd) : FALSE;
}

HWND WbChildAt(HWND hWb, LONG nKind, LONG nIndex)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if (pWb == nullptr || !IsAddressableKind(nKind))
        return nullptr;
    const int nSlot = ZebWbRecord::ChildSlot(static_cast<WORD>(nKind));
    if (pWb->Children(nSlot) == nullptr || nIndex < 0 || nIndex >= pWb->ChildCount(nSlot))
        return nullptr;
    return pWb->Children(nSlot)[nIndex];
}
