#include "text/input/doc_window_messages.h"

#include "library/library_state.h"
#include "objects/obj_children.h"
#include "objects/obj_place.h"
#include "objects/obj_window.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"

namespace {

const LPARAM kResultReadClause = 0x400;

SIZE OwnGrid(const ZebDocRecord& doc) { return {doc.nGridCx, doc.nGridCy}; }

// A new size lays the document out again at the extent of the new client
// area, without repainting; the place is stored and the "changed" event
// posted up once the document was painted.
void OnPlaceChanged(HWND hwnd, ZebDocRecord& doc, WPARAM wParam, LPARAM lParam)
{
    const auto* pPos = reinterpret_cast<const WINDOWPOS*>(lParam);
    const SIZE old = doc.head.Size();
    if ((pPos->flags & SWP_NOSIZE) == 0 && (pPos->cx != old.cx || pPos->cy != old.cy))
    {
        DocUpdateExtent(hwnd);
        DocRelayout(hwnd, false);
    }
    if (doc.head.IsTransparent())
        InvalidateObj(hwnd);
    OnObjPlaceChanged(hwnd, wParam, lParam, (doc.dwFlags & kDocNotPainted) != 0);
}

// The pointer of the document's number: 0 its own cursor, else the text
// pointer (the library's cursor in vertical writing); null above 13.
HCURSOR DocCursor(const ZebDocRecord& doc)
{
    const DWORD dwNumber = doc.head.PointerNumber();
    if (dwNumber != 0)
        return PointerCursor(dwNumber, doc.head.Cursor());
    if (doc.head.Cursor() != nullptr)
        return doc.head.Cursor();
    if (doc.head.Vertical() == 0)
        return ::LoadCursorA(nullptr, IDC_IBEAM);
    return Library().hCursor != nullptr ? Library().hCursor : ::LoadCursorA(nullptr, IDC_ARROW);
}

// The pointer over the client area; elsewhere, and above pointer 13,
// default processing.
LRESULT OnSetCursor(HWND hwnd, const ZebDocRecord& doc, WPARAM wParam, LPARAM lParam)
{
    HCURSOR hCursor = DocCursor(doc);
    if (reinterpret_cast<HWND>(wParam) != hwnd || LOWORD(lParam) != HTCLIENT || hCursor == nullptr)
        return ::DefWindowProcA(hwnd, WM_SETCURSOR, wParam, lParam);
    ::SetCursor(hCursor);
    return 1;
}

// true when the command is refused.
bool OnSysCommand(HWND hwnd, const ZebDocRecord& doc, WPARAM wParam)
{
    switch (wParam & 0xFFF0)
    {
    case SC_MINIMIZE:
    case SC_MAXIMIZE: return true;
    case SC_SIZE:
    case SC_MOVE:
        ::SetFocus(hwnd);
        if (doc.head.IsSelected())
        {
            ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
            ::UpdateWindow(hwnd);
        }
        return false;
    default: return false;
    }
}

void OnScroll(HWND hwnd, int nBar, WPARAM wParam)
{
    const int nCode = LOWORD(wParam);
    int nPos = static_cast<short>(HIWORD(wParam));
    if (nCode == SB_THUMBPOSITION || nCode == SB_THUMBTRACK)
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (::GetScrollInfo(hwnd, nBar, &si))
            nPos = si.nTrackPos;
    }
    if (nBar == SB_HORZ)
        DocHScroll(hwnd, nCode, nPos);
    else
        DocVScroll(hwnd, nCode, nPos);
}

// One repaint after the composition, however many asked for it.
void RepaintLater(HWND hwnd)
{
    MSG msg;
    while (::PeekMessageA(&msg, hwnd, MsgDeferredRepaint, MsgDeferredRepaint, PM_REMOVE))
    {
    }
    ::PostMessageA(hwnd, MsgDeferredRepaint, 0, 0);
}

void SetComposing(HWND hwnd, ZebDocRecord& doc, bool bComposing)
{
    if (bComposing)
        doc.wCaretState |= kCaretComposing;
    else
        doc.wCaretState &= static_cast<WORD>(~kCaretComposing);
    DocUpdateCaret(hwnd, kCaretShow | kCaretRebuildNow);
}

// The input method's and the size messages, all followed by default
// processing.
bool OnPassedOn(HWND hwnd, ZebDocRecord& doc, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_SIZE: DocOnSize(hwnd); break;
    case WM_EXITSIZEMOVE: DocApplySize(hwnd); break;
    case WM_WINDOWPOSCHANGED: OnPlaceChanged(hwnd, doc, wParam, lParam); break;
    case WM_MOUSEACTIVATE: ::PostMessageA(hwnd, WM_CHILDACTIVATE, 0, 0); break;
    case WM_HSCROLL: OnScroll(hwnd, SB_HORZ, wParam); break;
    case WM_VSCROLL: OnScroll(hwnd, SB_VERT, wParam); break;
    case WM_IME_STARTCOMPOSITION: SetComposing(hwnd, doc, true); break;
    case WM_IME_ENDCOMPOSITION:
        SetComposing(hwnd, doc, false);
        RepaintLater(hwnd);
        break;
    case WM_IME_COMPOSITION:
        if ((lParam & kResultReadClause) != 0)
            RepaintLater(hwnd);
        break;
    default: break;
    }
    return false;
}

}  // namespace

bool DocOnWindowMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return false;
    *pResult = 0;
    switch (uMsg)
    {
    case WM_WINDOWPOSCHANGING:
        SnapWindowPos(hwnd, OwnGrid(*pDoc), reinterpret_cast<WINDOWPOS*>(lParam));
        return false;
    case WM_SETCURSOR: *pResult = OnSetCursor(hwnd, *pDoc, wParam, lParam); return true;
    case WM_CHILDACTIVATE: ::SetFocus(hwnd); return true;
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, *pDoc, wParam);
    case MsgDeferredRepaint: InvalidateObj(hwnd); return true;
    default: return OnPassedOn(hwnd, *pDoc, uMsg, wParam, lParam);
    }
}
