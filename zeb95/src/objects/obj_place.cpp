#include "objects/obj_place.h"

#include <windowsx.h>

#include "objects/events.h"
#include "objects/hit_test.h"
#include "objects/obj_children.h"
#include "objects/obj_record.h"
#include "objects/selection.h"
#include "whiteboard/wb_record.h"

namespace {

bool IsPlaceKeyDown(int nKey) { return (::GetAsyncKeyState(nKey) & 0x8000) != 0; }

// A mouse message's key state with bit 0x20 while Alt is down.
DWORD PlaceMouseKeys(WPARAM wParam) { return static_cast<DWORD>(wParam) | (IsPlaceKeyDown(VK_MENU) ? 0x20 : 0); }

bool NotifyPlace(HWND hwnd, int nNumber, WPARAM wParam, LPARAM lParam)
{
    return NotifyObjEvent(hwnd, nNumber, PlaceMouseKeys(wParam), static_cast<DWORD>(lParam)) != 0;
}

bool OnButtonUp(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool* pCaptured)
{
    const bool bClick = uMsg == WM_LBUTTONUP && *pCaptured;
    if (bClick) {
        *pCaptured = false;
        ::ReleaseCapture();
    }
    if (NotifyPlace(hwnd, ZebEventButtonUp, wParam, lParam))
        return true;
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    if (bClick && ::PtInRect(&rcClient, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return NotifyPlace(hwnd, ZebEventClick, wParam, lParam);
    return false;
}

// True when the command is ignored.
bool OnSysCommand(HWND hwnd, WPARAM wParam)
{
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
    case SC_MAXIMIZE: return true;
    case SC_SIZE:
    case SC_MOVE: {
        ZebObjRecord* pRecord = GetObjRecord(hwnd);
        if (pRecord != nullptr && pRecord->IsSelected()) {
            ::SetFocus(hwnd);
            RefreshObjFrame(hwnd);
        }
        return false;
    }
    default: return false;
    }
}

}  // namespace

LONG SnapToGrid(LONG v, LONG g)
{
    if (g < 2)
        return v;
    const long long nMagnitude = v < 0 ? -static_cast<long long>(v) : v;
    long long q = nMagnitude / g;
    if (2 * (nMagnitude % g) >= g)
        ++q;
    const long long nSnapped = q * g;
    // A magnitude beyond the type's range goes to the last multiple within it.
    const long long nLimit = v < 0 ? 0x80000000LL : 0x7FFFFFFFLL;
    const long long nKept = nSnapped <= nLimit ? nSnapped : nSnapped - g;
    return static_cast<LONG>(v < 0 ? -nKept : nKept);
}

SIZE EffectiveGrid(HWND hwnd, SIZE ownGrid)
{
    SIZE grid = {0, 0};
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    ZebWbRecord* pWb = pRecord != nullptr ? ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard())) : nullptr;
    if (pWb != nullptr)
        grid = pWb->Grid();
    if (ownGrid.cx > 0)
        grid.cx = ownGrid.cx;
    if (ownGrid.cy > 0)
        grid.cy = ownGrid.cy;
    return grid;
}

void SnapWindowPos(HWND hwnd, SIZE ownGrid, WINDOWPOS* pPos)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || pRecord->ViewMode() != 0)
        return;
    const SIZE grid = EffectiveGrid(hwnd, ownGrid);
    if (grid.cx <= 1 && grid.cy <= 1)
        return;
    if ((pPos->flags & SWP_NOMOVE) == 0) {
        pPos->x = SnapToGrid(pPos->x, grid.cx);
        pPos->y = SnapToGrid(pPos->y, grid.cy);
    }
    if ((pPos->flags & SWP_NOSIZE) == 0) {
        pPos->cx = SnapToGrid(pPos->cx, grid.cx);
        pPos->cy = SnapToGrid(pPos->cy, grid.cy);
    }
}

BOOL MoveObj(HWND hwnd, const POINT* pPos, const SIZE* pSize)
{
    const long long kMaxPos = 1LL << 26;
    const long long kMaxSize = 0x7FFF;
    auto clamp = [](long long v, long long lo, long long hi) { return static_cast<int>(v < lo ? lo : v > hi ? hi : v); };
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || (pPos == nullptr && pSize == nullptr))
        return FALSE;
    ZebObjRecord* pWb = GetObjRecord(pRecord->OwnerWhiteBoard());
    const POINT origin = pWb != nullptr ? pWb->Origin() : POINT{0, 0};
    UINT uFlags = SWP_NOZORDER;
    uFlags |= pPos == nullptr ? SWP_NOMOVE : 0;
    uFlags |= pSize == nullptr ? SWP_NOSIZE : 0;
    uFlags |= ::GetActiveWindow() != hwnd ? SWP_NOACTIVATE : 0;
    const int x = pPos != nullptr ? clamp(static_cast<long long>(pPos->x) - origin.x, -kMaxPos, kMaxPos) : 0;
    const int y = pPos != nullptr ? clamp(static_cast<long long>(pPos->y) - origin.y, -kMaxPos, kMaxPos) : 0;
    const int cx = pSize != nullptr ? clamp(pSize->cx, 0, kMaxSize) : 0;
    const int cy = pSize != nullptr ? clamp(pSize->cy, 0, kMaxSize) : 0;
    ::SetWindowPos(hwnd, nullptr, x, y, cx, cy, uFlags);
    return TRUE;
}

void StoreObjPlace(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return;
    RECT rc;
    if (!GetObjRect(hwnd, &rc))
        return;
    pRecord->SetPosition({rc.left, rc.top});
    pRecord->SetSize({rc.right - rc.left, rc.bottom - rc.top});
}

void OnObjPlaceChanged(HWND hwnd, WPARAM wParam, LPARAM lParam, bool bQuiet)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return;
    InvalidateObj(hwnd);
    RECT rc;
    if (!GetObjRect(hwnd, &rc))
        return;
    const POINT pos = {rc.left, rc.top};
    const SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
    const POINT old = pRecord->Position();
    const SIZE oldSize = pRecord->Size();
    if (pos.x == old.x && pos.y == old.y && size.cx == oldSize.cx && size.cy == oldSize.cy)
        return;
    pRecord->SetPosition(pos);
    pRecord->SetSize(size);
    pRecord->SetInput(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    if (!bQuiet)
        NotifyObjEvent(hwnd, ZebEventChanged, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
}

bool OnObjChildMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, SIZE ownGrid, bool bQuiet,
                       LRESULT* pResult)
{
    *pResult = 0;
    switch (uMsg) {
    case WM_MOUSEACTIVATE:
        ::PostMessageA(hwnd, WM_CHILDACTIVATE, 0, 0);
        return false;
    case WM_CHILDACTIVATE:
        ::SetFocus(hwnd);
        return true;
    case WM_KILLFOCUS:
        if (!DeselectObj(hwnd))
            return false;
        RefreshObjFrame(hwnd);
        return true;
    case WM_WINDOWPOSCHANGING:
        SnapWindowPos(hwnd, ownGrid, reinterpret_cast<WINDOWPOS*>(lParam));
        return true;
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE:
        OnObjPlaceChanged(hwnd, wParam, lParam, bQuiet);
        return false;
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, wParam);
    default: return false;
    }
}

void DrawFrameIfSelected(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord != nullptr && pRecord->IsSelected())
        DrawSizingFrame(hwnd);
}

bool OnObjMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool* pCaptured)
{
    switch (uMsg) {
    case WM_MOUSEMOVE: return NotifyPlace(hwnd, ZebEventMouseMove, wParam, lParam);
    case WM_LBUTTONDBLCLK: return NotifyPlace(hwnd, ZebEventDblClick, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (NotifyPlace(hwnd, ZebEventButtonDown, wParam, lParam))
            return true;
        if (uMsg == WM_LBUTTONDOWN) {
            *pCaptured = true;
            ::SetCapture(hwnd);
        }
        return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(hwnd, uMsg, wParam, lParam, pCaptured);
    default: return false;
    }
}
