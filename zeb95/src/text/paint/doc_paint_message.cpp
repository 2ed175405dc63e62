#include "text/paint/doc_paint_message.h"

#include "objects/obj_place.h"
#include "text/doc/doc_record.h"
#include "text/paint/doc_painters.h"
#include "text/paint/line_arrange.h"
#include "text/paint/zoom_output.h"

namespace {

const int kBrushAlign = 7;

// A document coordinate in client pixels, held in range.
LONG ToClient(int v, int nScroll, int nScale)
{
    const long long n = static_cast<long long>(v) - nScroll;
    return nScale == 100 || nScale < 1 ? ClampToInt(n) : ZoomScaled(n, nScale);
}

void FillOutside(HDC hdc, HBRUSH hBrush, const RECT& rcClient, const RECT& rcDoc)
{
    RECT rcMeet;
    if (!::IntersectRect(&rcMeet, &rcClient, &rcDoc))
    {
        ::FillRect(hdc, &rcClient, hBrush);
        return;
    }
    const RECT parts[4] = {
        {rcClient.left, rcClient.top, rcClient.right, rcMeet.top},
        {rcClient.left, rcMeet.top, rcMeet.left, rcMeet.bottom},
        {rcMeet.right, rcMeet.top, rcClient.right, rcMeet.bottom},
        {rcClient.left, rcMeet.bottom, rcClient.right, rcClient.bottom},
    };
    for (const RECT& rc : parts)
    {
        if (!::IsRectEmpty(&rc))
            ::FillRect(hdc, &rc, hBrush);
    }
}

}  // namespace

LRESULT DocOnPaint(HWND hwnd, HDC hdcGiven)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr)
        pDoc->dwFlags &= ~kDocNotPainted;
    PaintObj(hwnd, hdcGiven, [hwnd, hdcGiven](HDC hdc) {
        RECT rc;
        if (hdcGiven != nullptr || ::GetClipBox(hdc, &rc) == ERROR)
            ::GetClientRect(hwnd, &rc);
        PaintDocByAlignment(hwnd, hdc, &rc, nullptr);
    });
    return 0;
}

LRESULT DocOnEraseBkgnd(HWND hwnd, HDC hdc)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->head.IsTransparent())
        return 1;
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    const POINT scroll = pDoc->head.Origin();
    const int nScale = pDoc->nScale;
    const RECT rcDoc = {ToClient(0, scroll.x, nScale), ToClient(0, scroll.y, nScale),
                        ToClient(pDoc->nDocWidth, scroll.x, nScale), ToClient(pDoc->nDocHeight, scroll.y, nScale)};
    POINT org = scroll;
    ::ClientToScreen(hwnd, &org);
    ::SetBrushOrgEx(hdc, org.x & kBrushAlign, org.y & kBrushAlign, nullptr);
    HBRUSH hBrush = ::CreateSolidBrush(pDoc->head.BorderColor());
    FillOutside(hdc, hBrush, rcClient, rcDoc);
    ::DeleteObject(hBrush);
    return 1;
}
