#include "media/media_window.h"

#include "media/media_device.h"
#include "media/media_record.h"
#include "objects/obj_place.h"
#include "objects/obj_window.h"
#include "objects/selection.h"
#include "picture/pic_paint.h"

namespace {

// The defaults after the head that every object gets.
bool InitMediaRecord(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    ZebMediaPart* pMedia = MediaPartOf(pRecord);
    if (pMedia == nullptr)
        return false;
    pRecord->SetBkColor(::GetSysColor(COLOR_WINDOW));
    pRecord->SetBorderColor(::GetSysColor(COLOR_APPWORKSPACE));
    pRecord->SetDefaultColors(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_APPWORKSPACE),
                              ::GetSysColor(COLOR_WINDOWTEXT));
    pRecord->SetForeColor(::GetSysColor(COLOR_WINDOWTEXT));
    pRecord->SetViewMode(1);
    pMedia->wFlags = kMediaFlagFresh;
    if (ZebMovieRecord* pMovie = ZebMovieRecord::From(pRecord))
        pMovie->SetStretch(1);
    return true;
}

void SetFlag(ZebMediaPart& media, WORD wFlag, bool bOn)
{
    media.wFlags = static_cast<WORD>(bOn ? (media.wFlags | wFlag) : (media.wFlags & ~wFlag));
}

bool OnMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebMediaPart* pMedia = MediaPartOf(hwnd);
    if (pMedia == nullptr)
        return false;
    bool bCaptured = (pMedia->wFlags & kMediaFlagCaptured) != 0;
    const bool bConsumed = OnObjMouse(hwnd, uMsg, wParam, lParam, &bCaptured);
    // The record may be gone when a handler destroyed the object.
    pMedia = MediaPartOf(hwnd);
    if (pMedia != nullptr)
        SetFlag(*pMedia, kMediaFlagCaptured, bCaptured);
    return bConsumed;
}

void OnPaint(HWND hwnd, HDC hdcGiven)
{
    ZebMediaPart* pMedia = MediaPartOf(hwnd);
    if (pMedia == nullptr)
        return;
    SetFlag(*pMedia, kMediaFlagFresh, false);
    PaintObj(hwnd, hdcGiven, [](HDC) {});
}

// A movie goes by its record's transparent flag, a sound by its window's
// current style.
LRESULT OnEraseBkgnd(HWND hwnd, HDC hdc)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return 1;
    const bool bTransparent = pRecord->Kind() == ZebKindMovie
                                  ? pRecord->IsTransparent()
                                  : (::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    if (!bTransparent) {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        FillBackground(hdc, rc, pRecord->BkColor());
    }
    return 1;
}

SIZE OwnGrid(const ZebMediaPart* pMedia)
{
    return pMedia != nullptr ? SIZE{pMedia->nGridCx, pMedia->nGridCy} : SIZE{0, 0};
}

bool IsQuiet(const ZebMediaPart* pMedia) { return pMedia == nullptr || (pMedia->wFlags & kMediaFlagFresh) != 0; }

LRESULT MediaObjWndProc(WORD wKind, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        if (!ObjDefWindowProc(wKind, hwnd, uMsg, wParam, lParam))
            return FALSE;
        return InitMediaRecord(hwnd) ? TRUE : FALSE;
    case WM_CREATE:
        StoreObjPlace(hwnd);
        return 0;
    case WM_NCDESTROY:
        CloseMediaDevice(hwnd);
        DeleteMediaTemp(hwnd);
        break;
    case WM_SETFOCUS:
        if (SelectObj(hwnd))
            return 0;
        break;
    case WM_PAINT:
        OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(hwnd, reinterpret_cast<HDC>(wParam));
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
    default: {
        const ZebMediaPart* pMedia = MediaPartOf(hwnd);
        LRESULT lResult = 0;
        if (OnObjChildMessage(hwnd, uMsg, wParam, lParam, OwnGrid(pMedia), IsQuiet(pMedia), &lResult))
            return lResult;
        break;
    }
    }
    return ObjDefWindowProc(wKind, hwnd, uMsg, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MovieObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return MediaObjWndProc(ZebKindMovie, hwnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK SoundObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return MediaObjWndProc(ZebKindSound, hwnd, uMsg, wParam, lParam);
}
