#include "objects/selection.h"

#include "objects/obj_children.h"
#include "objects/obj_record.h"
#include "whiteboard/wb_record.h"

namespace {

// Clears the object's selected flag and the whiteboard's selection (window,
// kind and index).
void ClearSelection(HWND hwnd, ZebObjRecord* pRecord)
{
    if (!pRecord->IsSelected())
        return;
    pRecord->SetSelected(false);
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard()));
    if (pWb != nullptr && pWb->SelectedWindow() == hwnd)
        pWb->ClearSelection();
    InvalidateObj(hwnd);
}

void SelectOnWhiteBoard(HWND hwnd, ZebObjRecord* pRecord, ZebWbRecord* pWb)
{
    HWND hPrevious = pWb != nullptr ? pWb->SelectedWindow() : nullptr;
    ZebObjRecord* pPrevious = hPrevious != hwnd ? GetObjRecord(hPrevious) : nullptr;
    if (pPrevious != nullptr) {
        pPrevious->SetSelected(false);
        InvalidateObj(hPrevious);
    }
    pRecord->SetSelected(true);
    if (pWb != nullptr)
        pWb->SetSelected(hwnd, pRecord->Kind(), GetObjIndex(hwnd));
    InvalidateObj(hwnd);
}

}  // namespace

BOOL SelectObj(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return FALSE;
    HWND hWb = pRecord->OwnerWhiteBoard();
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if ((pWb != nullptr && pWb->Head().ViewMode() != 0) || pRecord->ViewMode() != 0) {
        ClearSelection(hwnd, pRecord);
        return FALSE;
    }
    if (!pRecord->IsSelected())
        SelectOnWhiteBoard(hwnd, pRecord, pWb);
    PumpMessages(0);
    if (hWb != nullptr)
        ::SetWindowPos(hWb, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL DeselectObj(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return FALSE;
    ClearSelection(hwnd, pRecord);
    ZebObjRecord* pWb = GetObjRecord(pRecord->OwnerWhiteBoard());
    if (pWb != nullptr && pWb->ViewMode() != 0)
        return FALSE;
    return pRecord->ViewMode() == 0;
}
