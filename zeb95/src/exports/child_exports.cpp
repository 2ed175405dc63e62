#include "whiteboard/app_children.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"

namespace {

ZebWbRecord* AppChildWhiteBoard(HWND hWhiteBoard, LONG nKind)
{
    return nKind == ZebKindAppChild ? ZebWbRecord::From(GetObjRecord(hWhiteBoard)) : nullptr;
}

}  // namespace

LONG WINAPI zebAddObj(HWND hWhiteBoard, HWND hChild, LONG nKind)
{
    ZebWbRecord* pWb = AppChildWhiteBoard(hWhiteBoard, nKind);
    if (pWb == nullptr || !::IsWindow(hChild))
        return -1;
    return WbAddToSlot(pWb, kWbAppChildSlot, hChild);
}

LONG WINAPI zebDelObj(HWND hWhiteBoard, HWND hChild, LONG nKind)
{
    ZebWbRecord* pWb = AppChildWhiteBoard(hWhiteBoard, nKind);
    return pWb != nullptr ? WbRemoveFromSlot(pWb, kWbAppChildSlot, hChild) : 0;
}

LONG WINAPI zebGetIndex(HWND hObject, LONG nKind)
{
    switch (nKind) {
    case ZebKindWhiteBoard: return IsWhiteBoard(hObject) ? ::GetDlgCtrlID(hObject) : -1;
    case ZebKindWbText:
    case ZebKindWbBmp:
    case ZebKindDoc:
    case ZebKindPicture:
    case ZebKindSound:
    case ZebKindMovie:
    case ZebKindLine:
    case 256: return GetObjIndex(hObject);
    case ZebKindAppChild: return AppChildIndex(hObject);
    default: return ::GetWindowLongPtrA(hObject, GWLP_USERDATA) == kZebLibraryMark ? GetObjIndex(hObject) : -1;
    }
}

HWND WINAPI zebGetObjWindow(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    return WbChildAt(hWhiteBoard, nKind, nIndex);
}

LONG WINAPI zebGetSelObj(HWND hWhiteBoard, WORD* pwKind, LONG* pnIndex)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWhiteBoard));
    if (pWb == nullptr || pWb->SelectedKind() < ZebKindWbText || pWb->SelectedKind() > ZebKindLine ||
        pWb->SelectedIndex() < 0)
        return 0;
    if (pwKind != nullptr)
        *pwKind = pWb->SelectedKind();
    if (pnIndex != nullptr)
        *pnIndex = pWb->SelectedIndex();
    return 1;
}

BOOL WINAPI zebDestroyObject(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    if (hChild == nullptr || nKind == ZebKindAppChild)
        return FALSE;
    return ::DestroyWindow(hChild);
}
