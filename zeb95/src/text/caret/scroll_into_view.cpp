#include "text/caret/scroll_into_view.h"

#include "objects/obj_children.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"

RECT DocVisibleRect(HWND hwnd, const ZebDocRecord& doc)
{
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    const int s = doc.nScale;
    const POINT origin = doc.head.Origin();
    return {ClientToDocPixels(rc.left, s) + origin.x, ClientToDocPixels(rc.top, s) + origin.y,
            ClientToDocPixels(rc.right, s) + origin.x, ClientToDocPixels(rc.bottom, s) + origin.y};
}

void DocScrollTo(HWND hwnd, ZebDocRecord& doc, bool bVertical, int nOrigin)
{
    const DWORD dwBar = bVertical ? WS_VSCROLL : WS_HSCROLL;
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & dwBar) != 0)
    {
        if (bVertical)
            DocVScroll(hwnd, SB_THUMBPOSITION, nOrigin);
        else
            DocHScroll(hwnd, SB_THUMBPOSITION, nOrigin);
        return;
    }
    POINT origin = doc.head.Origin();
    LONG& value = bVertical ? origin.y : origin.x;
    if (value == nOrigin)
        return;
    const int nStep = DocToClientPixels(value, doc.nScale) - DocToClientPixels(nOrigin, doc.nScale);
    ::ScrollWindow(hwnd, bVertical ? 0 : nStep, bVertical ? nStep : 0, nullptr, nullptr);
    value = nOrigin;
    doc.head.SetOrigin(origin);
    InvalidateObj(hwnd);
}

void ScrollCaretIntoView(HWND hwnd, ZebDocRecord& doc)
{
    const RECT& caret = doc.caret;  // x, y, width, height
    RECT view = DocVisibleRect(hwnd, doc);
    const long long nBottom = static_cast<long long>(caret.top) + caret.bottom;
    if (nBottom > view.bottom && nBottom <= doc.nDocHeight)
    {
        DocScrollTo(hwnd, doc, true, static_cast<int>(doc.head.Origin().y - view.bottom + nBottom));
        view = DocVisibleRect(hwnd, doc);
    }
    if (caret.top < view.top && caret.top >= 0)
        DocScrollTo(hwnd, doc, true, doc.head.Origin().y - view.top + caret.top);
    const long long nRight = static_cast<long long>(caret.left) + caret.right;
    if (nRight > view.right && nRight <= doc.nDocWidth)
    {
        DocScrollTo(hwnd, doc, false, static_cast<int>(doc.head.Origin().x - view.right + nRight));
        view = DocVisibleRect(hwnd, doc);
    }
    if (caret.left < view.left && caret.left >= 0)
        DocScrollTo(hwnd, doc, false, doc.head.Origin().x - view.left + caret.left);
}
