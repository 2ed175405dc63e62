#include "media/mci_device.h"

#include <algorithm>

#include <digitalv.h>

#include "media/mci_command.h"
#include "media/mci_play.h"
#include "media/media_record.h"
#include "objects/global_mem.h"
#include "objects/obj_classes.h"

namespace {

bool IsMciWindow(HWND hwnd)
{
    char szClass[32] = "";
    return hwnd != nullptr && ::GetClassNameA(hwnd, szClass, sizeof(szClass)) > 0 &&
           ::lstrcmpiA(szClass, kMciClass) == 0;
}

WORD OpenDevice(int nMediaKind, const char* pszPath, DWORD dwVideoStyle, HWND hParent)
{
    MCI_ANIM_OPEN_PARMSA parms = {};
    parms.lpstrElementName = pszPath;
    DWORD dwFlags = MCI_WAIT | MCI_OPEN_ELEMENT;
    if (nMediaKind == ZebMediaVideo) {
        dwFlags |= MCI_ANIM_OPEN_WS | MCI_ANIM_OPEN_PARENT;
        parms.dwStyle = dwVideoStyle;
        parms.hWndParent = hParent;
    }
    if (::mciSendCommandA(0, MCI_OPEN, dwFlags, reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return 0;
    return static_cast<WORD>(parms.wDeviceID);
}

// The video window moved into the playing window's client area, fitted to
// the video's aspect ratio unless stretched.
void MoveVideo(const ZebMciRecord& rec, bool bRepaint)
{
    RECT rc;
    ::GetClientRect(rec.hPlaying, &rc);
    if (rec.wStretch == 0)
        FitVideoRect(&rc, rec.rcNatural.left, rec.rcNatural.top, rec.rcNatural.right, rec.rcNatural.bottom,
                     rec.hPlaying == rec.hDevice);
    ::MoveWindow(rec.hVideo, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint ? TRUE : FALSE);
}

LRESULT CALLBACK MciHostSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MciPopupSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

void PlaceVideo(ZebMciRecord& rec, const char* pszCaption, bool bFitPopup)
{
    ::GetWindowRect(rec.hVideo, &rec.rcNatural);
    if (bFitPopup)
        ::SetWindowPos(rec.hDevice, nullptr, 0, 0, rec.rcNatural.right - rec.rcNatural.left,
                       rec.rcNatural.bottom - rec.rcNatural.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    MoveVideo(rec, false);
    const bool bPopup = rec.hPlaying == rec.hDevice;
    const WNDPROC pfnSubclass = bPopup ? MciPopupSubclassProc : MciHostSubclassProc;
    rec.pfnSaved = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(rec.hPlaying, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSubclass)));
    ::GetWindowRect(rec.hPlaying, &rec.rcPlaying);
    if (pszCaption != nullptr)
        ::SetWindowTextA(rec.hDevice, pszCaption);
    if (bPopup)
        ::ShowWindow(rec.hDevice, SW_SHOW);
    ::ShowWindow(rec.hVideo, SW_SHOW);
}

void RestorePlayingProc(ZebMciRecord& rec)
{
    if (rec.pfnSaved == nullptr)
        return;
    ::SetWindowLongPtrA(rec.hPlaying, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(rec.pfnSaved));
    rec.pfnSaved = nullptr;
}

// What both subclass procedures do on the playing window.
LRESULT OnPlayingMessage(ZebMciRecord* pRec, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (pRec == nullptr || pRec->pfnSaved == nullptr) {
        const WNDPROC pfnClass = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hwnd, GCLP_WNDPROC));
        return ::CallWindowProcA(pfnClass, hwnd, uMsg, wParam, lParam);
    }
    const WNDPROC pfnSaved = pRec->pfnSaved;
    switch (uMsg) {
    case WM_DESTROY:
        if (pRec->wDeviceId != 0) {
            MciCloseMedia(pRec->hDevice);
            return 0;
        }
        break;
    case WM_MOVE:
    case WM_SIZE:
        if (pRec->hVideo != nullptr)
            MoveVideo(*pRec, true);
        break;
    default:
        break;
    }
    return ::CallWindowProcA(pfnSaved, hwnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MciHostSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebObjRecord* pObject = GetObjRecord(hwnd);
    ZebMciRecord* pRec = pObject != nullptr ? MciRecordOf(MediaDevice(*pObject)) : nullptr;
    return OnPlayingMessage(pRec, hwnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK MciPopupSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return OnPlayingMessage(MciRecordOf(hwnd), hwnd, uMsg, wParam, lParam);
}

BOOL OnNcCreate(HWND hwnd, const CREATESTRUCTA& cs)
{
    ZebMciRecord* pRec = static_cast<ZebMciRecord*>(LockedGlobalAlloc(GHND, sizeof(ZebMciRecord)));
    if (pRec == nullptr)
        return FALSE;
    pRec->nTo = -1;
    pRec->wStretch = 1;
    ::SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(pRec));
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs.lpCreateParams));
    return TRUE;
}

// The system menu without restore, move, size, minimise, maximise and close.
void TrimSystemMenu(HWND hwnd)
{
    HMENU hMenu = ::GetSystemMenu(hwnd, FALSE);
    if (hMenu == nullptr)
        return;
    for (UINT uPos = 5; uPos <= 8; ++uPos)
        ::DeleteMenu(hMenu, uPos, MF_BYPOSITION);
    ::DeleteMenu(hMenu, SC_CLOSE, MF_BYCOMMAND);
    ::DeleteMenu(hMenu, SC_TASKLIST, MF_BYCOMMAND);
}

// The object forgets its device window, also when the window goes with its
// owner before the object.
void OnNcDestroy(HWND hwnd)
{
    MciCloseMedia(hwnd);
    const ZebMciRecord* pRec = MciRecordOf(hwnd);
    ZebObjRecord* pObject = pRec != nullptr ? GetObjRecord(pRec->hObject) : nullptr;
    if (pObject != nullptr && MediaPartOf(pObject) != nullptr && MediaDevice(*pObject) == hwnd) {
        SetMediaDevice(*pObject, nullptr);
        MediaPartOf(pObject)->nState = 0;
    }
    LONG* pnInUse = reinterpret_cast<LONG*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (pnInUse != nullptr)
        *pnInUse = 0;
    LockedGlobalFree(MciRecordOf(hwnd));
    ::SetWindowLongPtrA(hwnd, 0, 0);
}

}  // namespace

ZebMciRecord* MciRecordOf(HWND hDevice)
{
    return IsMciWindow(hDevice) ? reinterpret_cast<ZebMciRecord*>(::GetWindowLongPtrA(hDevice, 0)) : nullptr;
}

HWND CreateMciWindow(HWND hObject, const POINT* pPos, const SIZE* pSize, LONG* pnInUse)
{
    if (*pnInUse != 0)
        return nullptr;
    const SIZE size = pSize != nullptr ? *pSize
                                       : SIZE{2 * ::GetSystemMetrics(SM_CXBORDER) + 320,
                                              ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYBORDER) + 240};
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    POINT pos = pPos != nullptr ? *pPos : POINT{(cxScreen - size.cx) / 2, (cyScreen - size.cy) / 2};
    pos.x = std::max<LONG>(0, std::min<LONG>(pos.x, cxScreen - size.cx));
    pos.y = std::max<LONG>(0, std::min<LONG>(pos.y, cyScreen - size.cy));
    HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hObject, GWLP_HINSTANCE));
    HWND hwnd = ::CreateWindowExA(0, kMciClass, "", WS_OVERLAPPEDWINDOW, pos.x, pos.y, size.cx, size.cy, hObject,
                                  nullptr, hInstance, pnInUse);
    ZebMciRecord* pRec = MciRecordOf(hwnd);
    if (pRec == nullptr) {
        if (hwnd != nullptr)
            ::DestroyWindow(hwnd);
        return nullptr;
    }
    *pnInUse = 1;
    pRec->hDevice = hwnd;
    pRec->hPlaying = hObject;
    pRec->hObject = hObject;
    return hwnd;
}

LRESULT CALLBACK MciWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        if (!OnNcCreate(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam)))
            return FALSE;
        break;
    case WM_CREATE:
        TrimSystemMenu(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        // Closing the popup stops the media and hides the popup; the owner
        // (the application's window) is not asked to close.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            MciStopMedia(hwnd);
            ::ShowWindow(hwnd, SW_HIDE);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        OnNcDestroy(hwnd);
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

BOOL MciOpenMedia(HWND hDevice, DWORD dwVideoStyle, int nMediaKind, const char* pszPath, const char* pszCaption,
                  bool bFitPopup, bool bStretch)
{
    ZebMciRecord* pRec = MciRecordOf(hDevice);
    if (pRec == nullptr || pszPath == nullptr || pszPath[0] == '\0')
        return FALSE;
    const WORD wId = OpenDevice(nMediaKind, pszPath, dwVideoStyle, pRec->hPlaying);
    if (wId == 0)
        return FALSE;
    bool bDone = MciSetTimeFormat(wId, MCI_FORMAT_MILLISECONDS);
    DWORD_PTR dwVideo = 0;
    if (bDone && nMediaKind == ZebMediaVideo)
        bDone = MciStatus(wId, MCI_DGV_STATUS_HWND, &dwVideo);
    if (!bDone) {
        MciStop(wId);
        MciSend(wId, MCI_CLOSE, MCI_WAIT);
        return FALSE;
    }
    pRec->wDeviceId = wId;
    pRec->hVideo = reinterpret_cast<HWND>(dwVideo);
    pRec->dwVideoStyle = dwVideoStyle;
    pRec->wStretch = bStretch ? 1 : 0;
    pRec->dwLength = static_cast<DWORD>(MciStatusOrZero(wId, MCI_STATUS_LENGTH));
    pRec->nFrom = 0;
    pRec->nTo = static_cast<LONG>(pRec->dwLength);
    ::lstrcpynA(pRec->szPath, pszPath, MAX_PATH);
    if (pRec->hVideo != nullptr)
        PlaceVideo(*pRec, pszCaption, bFitPopup);
    return TRUE;
}

BOOL MciCloseMedia(HWND hDevice)
{
    ZebMciRecord* pRec = MciRecordOf(hDevice);
    if (pRec == nullptr || pRec->wDeviceId == 0)
        return FALSE;
    const WORD wId = pRec->wDeviceId;
    if (MciStop(wId)) {
        MciSeekTo(wId, 0);
        if (!MciSend(wId, MCI_PAUSE, MCI_WAIT))
            MciStop(wId);
    }
    MciStop(wId);
    MciSend(wId, MCI_CLOSE, MCI_WAIT);
    pRec->wDeviceId = 0;
    pRec->hVideo = nullptr;
    RestorePlayingProc(*pRec);
    return TRUE;
}

void FitVideoRect(RECT* pRect, LONG nLeft, LONG nTop, LONG nRight, LONG nBottom, bool bFrame)
{
    const LONG nAllowX = bFrame ? 2 * ::GetSystemMetrics(SM_CXFRAME) : 0;
    const LONG nAllowY = bFrame ? ::GetSystemMetrics(SM_CYCAPTION) - ::GetSystemMetrics(SM_CYBORDER) +
                                      2 * ::GetSystemMetrics(SM_CYFRAME)
                                : 0;
    const LONG nWidth = nRight - nLeft - nAllowX;
    const LONG nHeight = nBottom - nTop - nAllowY;
    if (nWidth <= 0 || nHeight <= 0 || pRect->right <= 0 || pRect->bottom <= 0)
        return;
    const double rx = static_cast<double>(pRect->right) / nWidth;
    const double ry = static_cast<double>(pRect->bottom) / nHeight;
    if (rx >= ry) {
        const LONG w = static_cast<LONG>(nWidth * ry) + nAllowX;
        const LONG nPad = (pRect->right - w) / 2;
        pRect->left += nPad;
        pRect->right = w + nPad;
    } else {
        const LONG h = static_cast<LONG>(nHeight * rx) + nAllowY;
        const LONG nPad = (pRect->bottom - h) / 2;
        pRect->top += nPad;
        pRect->bottom = h + nPad;
    }
}
