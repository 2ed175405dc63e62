#include "objects/obj_children.h"

#include "objects/obj_record.h"
#include "whiteboard/wb_record.h"

int ZebWbRecord::ChildSlot(WORD wKind)
{
    switch (wKind) {
    case ZebKindWbText: return 0;
    case ZebKindWbBmp: return 1;
    case ZebKindDoc: return 2;
    case ZebKindPicture: return 3;
    case ZebKindSound: return 4;
    case ZebKindMovie: return 5;
    case ZebKindLine: return 6;
    case ZebKindAppChild: return 8;
    default: return -1;
    }
}

LONG GetObjIndex(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return -1;
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard()));
    const int nSlot = ZebWbRecord::ChildSlot(pRecord->Kind());
    if (pWb == nullptr || nSlot < 0 || pWb->Children(nSlot) == nullptr)
        return -1;
    for (LONG i = 0; i < pWb->ChildCount(nSlot); ++i) {
        if (pWb->Children(nSlot)[i] == hwnd)
            return i;
    }
    return -1;
}

BOOL InvalidateObj(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return FALSE;
    HWND hContainer = pRecord->OwnerWhiteBoard() != nullptr ? pRecord->OwnerWhiteBoard() : ::GetParent(hwnd);
    if (hContainer != nullptr) {
        RECT rc;
        ::GetWindowRect(hwnd, &rc);
        ::MapWindowPoints(nullptr, hContainer, reinterpret_cast<POINT*>(&rc), 2);
        ::InvalidateRect(hContainer, &rc, TRUE);
    }
    ::InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL InvalidateObjArea(HWND hwnd, const RECT* pRect)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || pRect == nullptr)
        return pRecord != nullptr && InvalidateObj(hwnd);
    HWND hContainer = pRecord->OwnerWhiteBoard() != nullptr ? pRecord->OwnerWhiteBoard() : ::GetParent(hwnd);
    if (hContainer == nullptr)
        return FALSE;
    RECT rc = *pRect;
    ::MapWindowPoints(hwnd, hContainer, reinterpret_cast<POINT*>(&rc), 2);
    ::InvalidateRect(hContainer, &rc, TRUE);
    ::UpdateWindow(hContainer);
    for (HWND hSibling = ::GetWindow(hwnd, GW_HWNDLAST); hSibling != nullptr;
         hSibling = ::GetWindow(hSibling, GW_HWNDPREV)) {
        if ((::GetWindowLongPtrA(hSibling, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0) {
            ::InvalidateRect(hSibling, nullptr, TRUE);
        } else {
            RECT rcSibling = rc;
            ::MapWindowPoints(hContainer, hSibling, reinterpret_cast<POINT*>(&rcSibling), 2);
            ::InvalidateRect(hSibling, &rcSibling, TRUE);
        }
        ::UpdateWindow(hSibling);
    }
    return TRUE;
}

BOOL GetObjRect(HWND hwnd, RECT* pRect)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || pRect == nullptr || pRecord->Kind() < ZebKindDoc || pRecord->Kind() > ZebKindLine)
        return FALSE;
    POINT pos;
    SIZE size;
    GetObjPosSize(hwnd, &pos, &size);
    ZebObjRecord* pWb = GetObjRecord(pRecord->OwnerWhiteBoard());
    if (pWb != nullptr) {
        pos.x += pWb->Origin().x;
        pos.y += pWb->Origin().y;
    }
    *pRect = {pos.x, pos.y, pos.x + size.cx, pos.y + size.cy};
    return TRUE;
}

void RefreshObjFrame(HWND hwnd)
{
    UINT uFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED;
    if (::GetActiveWindow() != hwnd)
        uFlags |= SWP_NOACTIVATE;
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, uFlags);
}

BOOL GetObjPosSize(HWND hwnd, POINT* pPos, SIZE* pSize)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    if (pPos != nullptr) {
        POINT pt = {rc.left, rc.top};
        ::ScreenToClient(::GetParent(hwnd), &pt);
        *pPos = pt;
    }
    if (pSize != nullptr)
        *pSize = {rc.right - rc.left, rc.bottom - rc.top};
    return TRUE;
}

BOOL GetObjMinMaxInfo(HWND hwnd, MINMAXINFO* pInfo)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return FALSE;
    ZebObjRecord* pWb = GetObjRecord(pRecord->OwnerWhiteBoard());
    if (pWb != nullptr) {
        RECT rcClient;
        ::GetClientRect(pRecord->OwnerWhiteBoard(), &rcClient);
        const SIZE page = pWb->PageSize();
        pInfo->ptMaxSize = {page.cx >= 1 ? page.cx : rcClient.right, page.cy >= 1 ? page.cy : rcClient.bottom};
        pInfo->ptMaxPosition = pWb->Origin();
    } else {
        RECT rcParent = {};
        ::GetClientRect(::GetParent(hwnd), &rcParent);
        pInfo->ptMaxSize = {rcParent.right, rcParent.bottom};
        pInfo->ptMaxPosition = {rcParent.left, rcParent.top};
    }
    pInfo->ptMinTrackSize = {3 * ::GetSystemMetrics(SM_CXFRAME) + 2, 3 * ::GetSystemMetrics(SM_CYFRAME) + 2};
    pInfo->ptMaxTrackSize = {32767, 32767};
    return TRUE;
}

int PumpMessages(UINT uExtraFlags)
{
    ::Sleep(0);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | uExtraFlags)) {
        if (msg.message == WM_QUIT) {
            // Left for the caller's message loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
