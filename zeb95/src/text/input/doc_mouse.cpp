#include "text/input/doc_mouse.h"

#include <windowsx.h>

#include "objects/events.h"
#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"
#include "text/input/typing.h"
#include "text/view/doc_mapping.h"

namespace {

const DWORD kMouseCaptured = 0x4000;
const int kClickMode = kCaretScroll | kCaretTakeAttrs;
const int kDragMode = kCaretScroll | kCaretExtend;

// The mouse key state, with 0x20 while Alt is down.
DWORD MouseKeys(WPARAM wParam)
{
    return static_cast<DWORD>(wParam) | ((::GetAsyncKeyState(VK_MENU) & 0x8000) != 0 ? kKeyAlt : 0);
}

bool Notify(HWND hwnd, int nNumber, DWORD dwKeys, LPARAM lParam)
{
    return NotifyObjEvent(hwnd, nNumber, dwKeys, static_cast<DWORD>(lParam)) != 0;
}

// The text position under the client point; false when it cannot be had.
bool PositionUnder(HWND hwnd, const ZebDocRecord& doc, LPARAM lParam, POINT* pPosition)
{
    const POINT origin = doc.head.Origin();
    const int x = ClientToDocPixels(GET_X_LPARAM(lParam), doc.nScale) + origin.x;
    const int y = ClientToDocPixels(GET_Y_LPARAM(lParam), doc.nScale) + origin.y;
    return DocPointToPosition(hwnd, x, y, pPosition) != 0;
}

// The caret under the press, the composition bit held off for the move.
void PlaceCaret(HWND hwnd, ZebDocRecord& doc, LPARAM lParam)
{
    POINT pos = {};
    if (!PositionUnder(hwnd, doc, lParam, &pos))
        return;
    const bool bComposing = (doc.wCaretState & kCaretComposing) != 0;
    doc.wCaretState &= static_cast<WORD>(~kCaretComposing);
    DocSetCaret(hwnd, pos.x, pos.y, kClickMode);
    if (!bComposing)
        return;
    doc.wCaretState |= kCaretComposing;
    DocUpdateCaret(hwnd, kCaretShow | kCaretRebuildNow);
}

bool OnButtonDown(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (Notify(hwnd, ZebEventButtonDown, MouseKeys(wParam), lParam) || uMsg != WM_LBUTTONDOWN)
        return true;
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return true;
    pDoc->dwFlags |= kMouseCaptured;
    ::SetCapture(hwnd);
    PlaceCaret(hwnd, *pDoc, lParam);
    return true;
}

void OnMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (Notify(hwnd, ZebEventMouseMove, MouseKeys(wParam), lParam))
        return;
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->nStaticMode == kDocStatic || (wParam & MK_LBUTTON) == 0 ||
        (pDoc->dwFlags & kMouseCaptured) == 0)
        return;
    POINT pos = {};
    const POINT caret = pDoc->head.CaretPos();
    if (PositionUnder(hwnd, *pDoc, lParam, &pos) && (pos.x != caret.x || pos.y != caret.y))
        DocSetCaret(hwnd, pos.x, pos.y, kDragMode);
}

// true when the release is answered.
bool OnButtonUp(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const bool bCaptured = pDoc != nullptr && uMsg == WM_LBUTTONUP && (pDoc->dwFlags & kMouseCaptured) != 0;
    if (bCaptured)
    {
        pDoc->dwFlags &= ~kMouseCaptured;
        ::ReleaseCapture();
    }
    if (Notify(hwnd, ZebEventButtonUp, MouseKeys(wParam), lParam))
        return true;
    if (!bCaptured)
        return false;
    pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr && pDoc->HasSelection())
        InvalidateObj(hwnd);
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    return ::PtInRect(&rcClient, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) &&
           Notify(hwnd, ZebEventClick, MouseKeys(wParam), lParam);
}

}  // namespace

bool DocOnMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    switch (uMsg)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButtonDown(hwnd, uMsg, wParam, lParam);
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, wParam, lParam);
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(hwnd, uMsg, wParam, lParam);
    case WM_LBUTTONDBLCLK: return Notify(hwnd, ZebEventDblClick, static_cast<DWORD>(wParam), lParam);
    default: return false;
    }
}
