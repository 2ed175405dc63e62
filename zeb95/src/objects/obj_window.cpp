#include "objects/obj_window.h"

#include <windowsx.h>

#include "library/library_state.h"
#include "objects/events.h"
#include "objects/global_mem.h"
#include "objects/hit_test.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_record.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {


BOOL CreateRecord(WORD wKind, HWND hwnd, const CREATESTRUCTA& cs)
{
    ZebObjRecord* pRecord = ZebObjRecord::Allocate(wKind);
    if (pRecord == nullptr)
        return FALSE;
    pRecord->SetTransparent((cs.dwExStyle & WS_EX_TRANSPARENT) != 0);
    pRecord->SetClientEdge((cs.dwExStyle & WS_EX_CLIENTEDGE) != 0);
    pRecord->SetStyle(static_cast<DWORD>(cs.style) & kZebKeptStyles);
    pRecord->SetDefaultColors(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW),
                              ::GetSysColor(COLOR_WINDOWTEXT));
    if (wKind != ZebKindWhiteBoard) {
        if (IsWhiteBoard(cs.hwndParent))
            pRecord->SetOwnerWhiteBoard(cs.hwndParent);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, kZebLibraryMark);
    }
    ::SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(pRecord));
    if (pRecord->OwnerWhiteBoard() != nullptr && WbAddChild(hwnd) < 0) {
        ::SetWindowLongPtrA(hwnd, 0, 0);
        ZebObjRecord::Free(pRecord);
        return FALSE;
    }
    return TRUE;
}

void DestroyRecord(HWND hwnd)
{
    ZebObjRecord* pRecord = reinterpret_cast<ZebObjRecord*>(::GetWindowLongPtrA(hwnd, 0));
    if (pRecord == nullptr)
        return;
    WbRemoveChild(hwnd);
    if (pRecord->Cursor() != nullptr)
        ::DestroyCursor(pRecord->Cursor());
    LockedGlobalFree(pRecord->LineStartString());
    LockedGlobalFree(pRecord->Text());
    ZebObjRecord::Free(pRecord);
    ::SetWindowLongPtrA(hwnd, 0, 0);
}

// The selected flag survives only outside view mode, while the object has
// the focus on a whiteboard that is not in view mode.
void OnViewModeChanged(HWND hwnd, WPARAM wParam)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return;
    ZebObjRecord* pWb = GetObjRecord(pRecord->OwnerWhiteBoard());
    const bool bWbViewMode = pWb != nullptr && pWb->ViewMode() != 0;
    pRecord->SetSelected(wParam == 0 && !bWbViewMode && ::GetFocus() == hwnd);
    InvalidateObj(hwnd);
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

LRESULT OnSetCursor(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    HCURSOR hCursor = pRecord != nullptr ? PointerCursor(pRecord->PointerNumber(), pRecord->Cursor()) : nullptr;
    if (hCursor == nullptr)
        return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
    if (LOWORD(lParam) == HTCLIENT)
        ::SetCursor(hCursor);
    return 1;
}

}  // namespace

HCURSOR PointerCursor(DWORD dwNumber, HCURSOR hOwn)
{
    static const LPCSTR kSystemCursors[] = {IDC_ARROW,    IDC_ARROW,   IDC_CROSS,  IDC_IBEAM, IDC_ICON,
                                            IDC_SIZEALL,  IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE,
                                            IDC_UPARROW,  IDC_WAIT,    IDC_NO};
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    if (dwNumber == 0)
        return hOwn != nullptr ? hOwn : hArrow;
    if (dwNumber == 13)
        return Library().hCursor != nullptr ? Library().hCursor : hArrow;
    if (dwNumber > 13)
        return nullptr;
    return ::LoadCursorA(nullptr, kSystemCursors[dwNumber]);
}

LRESULT ObjDefWindowProc(WORD wKind, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const bool bChild = wKind != ZebKindWhiteBoard;
    switch (uMsg) {
    case WM_NCCREATE:
        if (!CreateRecord(wKind, hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam)))
            return FALSE;
        break;
    case WM_NCDESTROY:
        DestroyRecord(hwnd);
        break;
    case MsgZebCmd:
        return bChild ? PassZebCmdUp(hwnd, wParam, lParam) : WbPassZebCmd(hwnd, wParam, lParam);
    case MsgViewModeChanged:
        OnViewModeChanged(hwnd, wParam);
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(hwnd, uMsg, wParam, lParam);
    case WM_NCHITTEST:
        if (bChild) {
            const LRESULT nHit = ObjHitTest(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (nHit != HTERROR)
                return nHit;
        }
        break;
    case WM_GETMINMAXINFO:
        if (bChild && GetObjMinMaxInfo(hwnd, reinterpret_cast<MINMAXINFO*>(lParam)))
            return 0;
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}
