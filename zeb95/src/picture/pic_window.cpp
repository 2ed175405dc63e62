#include "picture/pic_window.h"

#include "objects/obj_place.h"
#include "objects/obj_window.h"
#include "objects/selection.h"
#include "picture/pic_data.h"
#include "picture/pic_paint.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"

namespace {

// The picture's defaults after the head that every object gets.
bool InitPicRecord(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return false;
    pRec->Head().SetBkColor(::GetSysColor(COLOR_APPWORKSPACE));
    pRec->Head().SetViewMode(1);
    pRec->SetFlag(ZebPicRecord::kFlagCreating | ZebPicRecord::kFlagCache, true);
    return true;
}

void PaintOn(HWND hwnd, ZebPicRecord& rec, HDC hdc)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const bool bTransparent = (::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    const COLORREF crBack = bTransparent ? CLR_INVALID : rec.Head().BkColor();
    if (rec.Picture() != nullptr)
        PaintPicObject(hdc, rec, rc, PicScrollOrigin(hwnd), nullptr, crBack, true);
    else
        FillBackground(hdc, rc, crBack);
}

void OnPicPaint(HWND hwnd, HDC hdcGiven)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return;
    pRec->SetFlag(ZebPicRecord::kFlagCreating, false);
    PaintObj(hwnd, hdcGiven, [&](HDC hdc) { PaintOn(hwnd, *pRec, hdc); });
}

// Realises the picture's palette (as a background palette when bBackground):
// the number of entries realised.
UINT RealizePicPalette(HWND hwnd, bool bBackground)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr || pRec->Palette() == nullptr)
        return 0;
    HDC hdc = ::GetDC(hwnd);
    HPALETTE hOld = ::SelectPalette(hdc, pRec->Palette(), bBackground ? TRUE : FALSE);
    const UINT nRealized = ::RealizePalette(hdc);
    ::SelectPalette(hdc, hOld, TRUE);
    ::ReleaseDC(hwnd, hdc);
    ::InvalidateRect(hwnd, nullptr, TRUE);
    return nRealized;
}

bool OnMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return false;
    bool bCaptured = pRec->HasFlag(ZebPicRecord::kFlagCaptured);
    const bool bConsumed = OnObjMouse(hwnd, uMsg, wParam, lParam, &bCaptured);
    // The record may be gone when a handler destroyed the object.
    pRec = ZebPicRecord::Of(hwnd);
    if (pRec != nullptr)
        pRec->SetFlag(ZebPicRecord::kFlagCaptured, bCaptured);
    return bConsumed;
}

void OnDestroy(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec != nullptr)
        FreePicData(*pRec);
}

bool IsPicQuiet(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    return pRec == nullptr || pRec->HasFlag(ZebPicRecord::kFlagCreating);
}

SIZE OwnPicGrid(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    return pRec != nullptr ? pRec->Grid() : SIZE{0, 0};
}

}  // namespace

LRESULT CALLBACK PicObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        if (!ObjDefWindowProc(ZebKindPicture, hwnd, uMsg, wParam, lParam))
            return FALSE;
        return InitPicRecord(hwnd) ? TRUE : FALSE;
    case WM_CREATE:
        StoreObjPlace(hwnd);
        return 0;
    case WM_NCDESTROY:
        OnDestroy(hwnd);
        break;
    case WM_SIZE:
        UpdatePicScrollBars(hwnd);
        return 0;
    case WM_SETFOCUS:
        if (SelectObj(hwnd))
            return 0;
        RealizePicPalette(hwnd, false);
        break;
    case WM_PAINT:
        OnPicPaint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (OnMouse(hwnd, uMsg, wParam, lParam))
            return 0;
        break;
    case WM_HSCROLL:
        OnPicScroll(hwnd, SB_HORZ, wParam);
        return 0;
    case WM_VSCROLL:
        OnPicScroll(hwnd, SB_VERT, wParam);
        return 0;
    case WM_QUERYNEWPALETTE:
        return RealizePicPalette(hwnd, false);
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            RealizePicPalette(hwnd, true);
        return 0;
    default: {
        LRESULT lResult = 0;
        if (OnObjChildMessage(hwnd, uMsg, wParam, lParam, OwnPicGrid(hwnd), IsPicQuiet(hwnd), &lResult))
            return lResult;
        break;
    }
    }
    return ObjDefWindowProc(ZebKindPicture, hwnd, uMsg, wParam, lParam);
}
