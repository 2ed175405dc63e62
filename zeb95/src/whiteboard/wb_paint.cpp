#include "whiteboard/wb_paint.h"

#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_paint.h"

namespace {

void FillColor(HDC hdc, const RECT& rc, COLORREF cr)
{
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
}

struct RedrawContext
{
    HWND hWb;
    RECT rcPaint;  // in the whiteboard's client coordinates
};

const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME;

BOOL CALLBACK RedrawChildProc(HWND hChild, LPARAM lParam)
{
    const auto& ctx = *reinterpret_cast<const RedrawContext*>(lParam);
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hChild, GWL_STYLE);
    if ((nStyle & WS_CHILD) == 0)
        return TRUE;
    const bool bTransparent = (::GetWindowLongPtrA(hChild, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    if (bTransparent || (nStyle & WS_VISIBLE) == 0) {
        ::RedrawWindow(hChild, nullptr, nullptr, kRedrawFlags);
        return TRUE;
    }
    RECT rcChild;
    ::GetWindowRect(hChild, &rcChild);
    ::MapWindowPoints(nullptr, ctx.hWb, reinterpret_cast<POINT*>(&rcChild), 2);
    RECT rcMeet;
    if (::IntersectRect(&rcMeet, &rcChild, &ctx.rcPaint)) {
        ::MapWindowPoints(ctx.hWb, hChild, reinterpret_cast<POINT*>(&rcMeet), 2);
        ::RedrawWindow(hChild, &rcMeet, nullptr, kRedrawFlags);
    }
    return TRUE;
}

}  // namespace

BOOL WbGetPageRect(HWND hwnd, RECT* pRect)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb == nullptr)
        return FALSE;
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    const SIZE page = pWb->Head().PageSize();
    const POINT origin = pWb->Head().Origin();
    *pRect = rcClient;
    if (page.cx <= 0 && page.cy <= 0)
        return TRUE;
    const RECT rcPage = {-origin.x, -origin.y, -origin.x + (page.cx >= 1 ? page.cx : rcClient.right),
                         -origin.y + (page.cy >= 1 ? page.cy : rcClient.bottom)};
    ::IntersectRect(pRect, &rcClient, &rcPage);
    return TRUE;
}

LRESULT WbEraseBackground(HWND hwnd, HDC hdc)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb == nullptr)
        return 1;
    POINT ptBrush = pWb->Head().Origin();
    ::ClientToScreen(hwnd, &ptBrush);
    ::SetBrushOrgEx(hdc, ptBrush.x % 8, ptBrush.y % 8, nullptr);
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    const SIZE page = pWb->Head().PageSize();
    if (page.cx <= 0 && page.cy <= 0) {
        FillColor(hdc, rcClient, pWb->Head().BkColor());
        return 1;
    }
    FillColor(hdc, rcClient, pWb->Head().BorderColor());
    RECT rcPage;
    WbGetPageRect(hwnd, &rcPage);
    FillColor(hdc, rcPage, pWb->Head().BkColor());
    return 1;
}

void WbPaint(HWND hwnd, HDC hdcGiven)
{
    RedrawContext ctx = {hwnd, {}};
    if (hdcGiven != nullptr) {
        ::SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdcGiven), 0);
        WbPaintTextItems(hwnd, hdcGiven);
        ::GetClientRect(hwnd, &ctx.rcPaint);
    } else {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hwnd, &ps);
        ::SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        WbPaintTextItems(hwnd, hdc);
        ctx.rcPaint = ps.rcPaint;
        ::EndPaint(hwnd, &ps);
    }
    ::EnumChildWindows(hwnd, RedrawChildProc, reinterpret_cast<LPARAM>(&ctx));
}
