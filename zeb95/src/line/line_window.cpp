#include "line/line_window.h"

#include "line/line_draw.h"
#include "line/line_record.h"
#include "objects/obj_place.h"
#include "objects/obj_window.h"
#include "objects/selection.h"

namespace {

BOOL OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    auto* pCreate = reinterpret_cast<CREATESTRUCTA*>(lParam);
    pCreate->dwExStyle |= WS_EX_TRANSPARENT;
    ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    if (!ObjDefWindowProc(ZebKindLine, hwnd, WM_NCCREATE, wParam, lParam))
        return FALSE;
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    if (pRec == nullptr)
        return FALSE;
    pRec->Head().SetViewMode(1);
    pRec->SetDrawMode(R2_COPYPEN);
    pRec->SetPenStyle(PS_SOLID);
    pRec->SetPenWidth(1);
    pRec->SetDrawForm(ZebLineDiagonal);
    pRec->SetCreating(true);
    return TRUE;
}

void OnLinePaint(HWND hwnd, HDC hdcGiven)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    if (pRec == nullptr)
        return;
    pRec->SetCreating(false);
    PaintObj(hwnd, hdcGiven, [hwnd](HDC hdc) { DrawLineObj(hwnd, hdc, 0, 0); });
}

bool InViewMode(HWND hwnd)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    return pRec != nullptr && pRec->Head().ViewMode() != 0;
}

bool IsLineQuiet(HWND hwnd)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    return pRec == nullptr || pRec->IsCreating();
}

SIZE OwnLineGrid(HWND hwnd)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    return pRec != nullptr ? pRec->Grid() : SIZE{0, 0};
}

}  // namespace

LRESULT CALLBACK LineObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        return OnNcCreate(hwnd, wParam, lParam);
    case WM_CREATE:
        StoreObjPlace(hwnd);
        return 0;
    case WM_PAINT:
        OnLinePaint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        if (InViewMode(hwnd))
            return HTTRANSPARENT;
        break;
    case WM_SETFOCUS:
        if (SelectObj(hwnd))
            return 0;
        break;
    default: {
        LRESULT lResult = 0;
        if (OnObjChildMessage(hwnd, uMsg, wParam, lParam, OwnLineGrid(hwnd), IsLineQuiet(hwnd), &lResult))
            return lResult;
        break;
    }
    }
    return ObjDefWindowProc(ZebKindLine, hwnd, uMsg, wParam, lParam);
}
