#include "whiteboard/wb_window.h"

#include "objects/events.h"
#include "objects/global_mem.h"
#include "objects/obj_place.h"
#include "objects/obj_window.h"
#include "whiteboard/wb_bmp_items.h"
#include "text/doc/doc_fonts.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_paint.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_scroll.h"
#include "whiteboard/wb_text_items.h"

const char kDefaultLineStart[] = "、。，．？！）］｝＞゜゛」〕〉》』】､｡,.?!)]}>ﾟﾞ｣";

namespace {

// The whiteboard's own defaults, after the head that every object gets.
bool InitRecord(HWND hwnd)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb == nullptr)
        return false;
    ZebObjRecord& head = pWb->Head();
    head.SetBkColor(head.DefaultBkColor());
    head.SetBorderColor(head.DefaultBorderColor());
    head.SetForeColor(head.DefaultForeColor());
    head.SetLineStartString(LockedGlobalStrDup(kDefaultLineStart));
    pWb->SetTextFontIndex(-1);
    WbClearMark(pWb->FormFeedMark());
    WbClearMark(pWb->LineFeedMark());
    HDC hdc = ::GetDC(nullptr);
    pWb->SetDpi(::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY));
    ::ReleaseDC(nullptr, hdc);
    return head.LineStartString() != nullptr;
}

void FreeTables(HWND hwnd)
{
    WbFreeTextItems(hwnd);
    WbFreeBmpItems(hwnd);
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb != nullptr) {
        WbFreeChildArrays(pWb);
        WbFreeSharedFonts(*pWb);
    }
}

ZebWbRecord* WbRecord(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

bool IsDown(int nKey) { return (::GetAsyncKeyState(nKey) & 0x8000) != 0; }

// The flags 4 (Shift), 8 (Ctrl) and 32 (Alt) of the keys that are down.
DWORD KeyFlags()
{
    return (IsDown(VK_SHIFT) ? 4 : 0) | (IsDown(VK_CONTROL) ? 8 : 0) | (IsDown(VK_MENU) ? 32 : 0);
}

bool Notify(HWND hwnd, int nNumber, DWORD dwInputWParam, LPARAM lParam)
{
    return NotifyObjEvent(hwnd, nNumber, dwInputWParam, static_cast<DWORD>(lParam)) != 0;
}

void OnSetFocus(HWND hwnd)
{
    NotifyObjEvent(hwnd, ZebEventSetFocus, 0, 0);
    ZebWbRecord* pWb = WbRecord(hwnd);
    if (pWb != nullptr && pWb->SelectedWindow() != nullptr)
        ::SetFocus(pWb->SelectedWindow());
}

// Mouse buttons and moves as every object takes them, the capture flag
// kept in the record's flag word.
bool OnMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ZebWbRecord* pWb = WbRecord(hwnd);
    if (pWb == nullptr)
        return false;
    bool bCaptured = pWb->IsCaptured();
    const bool bConsumed = OnObjMouse(hwnd, uMsg, wParam, lParam, &bCaptured);
    pWb->SetCaptured(bCaptured);
    return bConsumed;
}

LRESULT OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const LRESULT nHit = ::DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
    return nHit >= HTSIZEFIRST && nHit <= HTSIZELAST ? HTBORDER : nHit;
}

LRESULT OnQueryNewPalette(HWND hwnd)
{
    for (HWND hChild = ::GetWindow(hwnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::SendMessageA(hChild, WM_QUERYNEWPALETTE, 0, 0) != 0)
            return 1;
    }
    return 0;
}

// Every picture, then every bitmap item window, last to first.
void OnPaletteChanged(HWND hwnd, WPARAM wParam)
{
    ZebWbRecord* pWb = WbRecord(hwnd);
    if (pWb == nullptr)
        return;
    const int nSlot = ZebWbRecord::ChildSlot(ZebKindPicture);
    for (LONG i = pWb->ChildCount(nSlot) - 1; i >= 0; --i)
        ::SendMessageA(pWb->Children(nSlot)[i], WM_PALETTECHANGED, wParam, 0);
    for (LONG i = pWb->ChildCount(kWbBmpItemSlot) - 1; i >= 0; --i)
        ::SendMessageA(pWb->BmpItems()[i].hwnd, WM_PALETTECHANGED, wParam, 0);
}

// Key, character and mouse-move messages: the event sent to the
// whiteboard itself; true when it was consumed.
bool OnInput(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_KEYDOWN: return Notify(hwnd, ZebEventKeyDown, static_cast<DWORD>(wParam), KeyFlags());
    case WM_KEYUP: return Notify(hwnd, ZebEventKeyUp, static_cast<DWORD>(wParam), KeyFlags());
    case WM_CHAR: return Notify(hwnd, ZebEventChar, static_cast<DWORD>(wParam), lParam);
    case WM_LBUTTONDBLCLK: return Notify(hwnd, ZebEventDblClick, static_cast<DWORD>(wParam), lParam);
    default: return OnMouse(hwnd, uMsg, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK WbWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        if (!ObjDefWindowProc(ZebKindWhiteBoard, hwnd, uMsg, wParam, lParam))
            return FALSE;
        return InitRecord(hwnd) ? TRUE : FALSE;
    case WM_NCDESTROY:
        FreeTables(hwnd);
        break;
    case WM_SIZE:
        WbSetScrollBars(hwnd);
        break;
    case WM_SETFOCUS:
        OnSetFocus(hwnd);
        return 0;
    case WM_KILLFOCUS:
        NotifyObjEvent(hwnd, ZebEventKillFocus, 0, 0);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (OnInput(hwnd, uMsg, wParam, lParam))
            return 0;
        break;
    case WM_HSCROLL:
        WbOnScrollMessage(hwnd, SB_HORZ, wParam);
        break;
    case WM_VSCROLL:
        WbOnScrollMessage(hwnd, SB_VERT, wParam);
        break;
    case WM_ERASEBKGND:
        return WbEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        WbPaint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCHITTEST:
        return OnNcHitTest(hwnd, wParam, lParam);
    case WM_COMMAND:
    case WM_NOTIFY:
        return ::SendMessageA(::GetParent(hwnd), uMsg, wParam, lParam);
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(hwnd);
    case WM_PALETTECHANGED:
        OnPaletteChanged(hwnd, wParam);
        return 1;
    default:
        break;
    }
    return ObjDefWindowProc(ZebKindWhiteBoard, hwnd, uMsg, wParam, lParam);
}
