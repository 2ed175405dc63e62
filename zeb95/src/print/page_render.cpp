#include "print/page_render.h"

#include <vector>

#include "dib/dib_draw.h"
#include "draw/scroll_bars.h"
#include "draw/units.h"
#include "objects/obj_classes.h"
#include "objects/obj_dpi.h"
#include "picture/pic_paint.h"
#include "print/child_print.h"
#include "print/print_job.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_paint.h"

namespace {

ZebWbRecord* WbOf(HWND hWb) { return ZebWbRecord::From(GetObjRecord(hWb)); }

bool Cancelled() { return IsPrintCancelled(); }

// The direct children, top of the z-order first, without the bitmap item
// windows (printed as items).
std::vector<HWND> CollectChildren(HWND hWb)
{
    std::vector<HWND> children;
    children.reserve(128);
    for (HWND h = ::GetWindow(hWb, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!IsWbBmpItemWindow(h))
            children.push_back(h);
    }
    return children;
}

LONG PrintChildren(HWND hWb, const ZebPrintTarget& target, const RECT& rcPrint, HRGN hClip)
{
    const std::vector<HWND> children = CollectChildren(hWb);
    LONG nResult = kPrintDone;
    for (auto it = children.rbegin(); it != children.rend() && nResult == kPrintDone; ++it)
        nResult = PrintWbChild(hWb, *it, target, rcPrint, hClip, true);
    return nResult;
}

LONG PrintSteps(HWND hWb, const ZebPrintTarget& target, const RECT& rcPrint, HRGN hClip)
{
    LONG nResult = PrintWbBackground(hWb, target, rcPrint);
    if (nResult == kPrintDone)
        nResult = PrintWbTextItems(hWb, target);
    if (nResult == kPrintDone)
        nResult = PrintWbBmpItems(hWb, target);
    if (nResult == kPrintDone)
        nResult = PrintChildren(hWb, target, rcPrint, hClip);
    return nResult;
}

// StartPage, the drawing, EndPage (also after a failed or cancelled step).
template <typename Draw>
LONG OnePage(HDC hdc, Draw draw)
{
    if (::StartPage(hdc) <= 0)
        return kPrintFailed;
    const LONG nResult = draw();
    ::EndPage(hdc);
    return nResult;
}

}  // namespace

ZebPrintTarget PrintTargetOf(HWND hWb, HDC hdc, const POINT* pOffsetTenthMm)
{
    ZebPrintTarget target = {};
    target.hdc = hdc;
    target.scale.object = {GetObjDpiX(hWb), GetObjDpiY(hWb)};
    target.scale.device = {::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY)};
    if (pOffsetTenthMm != nullptr) {
        target.offsetTenthMm = *pOffsetTenthMm;
        target.scale.offset = {TenthMmToPixels(pOffsetTenthMm->x, target.scale.device.cx),
                               TenthMmToPixels(pOffsetTenthMm->y, target.scale.device.cy)};
    }
    return target;
}

LONG PrintWbPageContent(HWND hWb, const ZebPrintTarget& target)
{
    if (WbOf(hWb) == nullptr)
        return kPrintFailed;
    if (Cancelled())
        return kPrintCancelled;
    RECT rcPrint;
    GetClientRectWithScrollBars(hWb, &rcPrint);
    const RECT rcDevice = target.scale.Rect(rcPrint);
    HRGN hClip = ::CreateRectRgnIndirect(&rcDevice);
    if (hClip == nullptr)
        return kPrintFailed;
    ::SelectClipRgn(target.hdc, hClip);
    const LONG nResult = PrintSteps(hWb, target, rcPrint, hClip);
    ::SelectClipRgn(target.hdc, nullptr);
    ::DeleteObject(hClip);
    return nResult;
}

LONG PrintWbPage(HWND hWb, const ZebPrintTarget& target)
{
    return OnePage(target.hdc, [&] { return PrintWbPageContent(hWb, target); });
}

LONG PrintWbObjectPage(HWND hWb, HWND hChild, const ZebPrintTarget& target)
{
    return OnePage(target.hdc, [&] {
        RECT rcPrint;
        ::GetClientRect(hWb, &rcPrint);
        return PrintWbChild(hWb, hChild, target, rcPrint, nullptr, false);
    });
}

LONG PrintWbBackground(HWND hWb, const ZebPrintTarget& target, const RECT& rc)
{
    ZebWbRecord* pWb = WbOf(hWb);
    if (pWb == nullptr)
        return kPrintFailed;
    if (Cancelled())
        return kPrintCancelled;
    const ZebObjRecord& head = pWb->Head();
    const POINT origin = head.Origin();
    const SIZE page = head.PageSize();
    POINT ptScreen = {0, 0};
    ::ClientToScreen(hWb, &ptScreen);
    ::SetBrushOrgEx(target.hdc, (ptScreen.x - origin.x) % 8, (ptScreen.y - origin.y) % 8, nullptr);
    if (page.cx < 1 && page.cy < 1) {
        FillBackground(target.hdc, target.scale.Rect(rc), head.BkColor());
        return kPrintDone;
    }
    FillBackground(target.hdc, target.scale.Rect(rc), head.BorderColor());
    const RECT rcPage = {-origin.x, -origin.y, -origin.x + (page.cx >= 1 ? page.cx : rc.right - rc.left),
                         -origin.y + (page.cy >= 1 ? page.cy : rc.bottom - rc.top)};
    RECT rcMeet;
    if (::IntersectRect(&rcMeet, &rcPage, &rc))
        FillBackground(target.hdc, target.scale.Rect(rcMeet), head.BkColor());
    return kPrintDone;
}

LONG PrintWbTextItems(HWND hWb, const ZebPrintTarget& target)
{
    return WbPrintTextItems(hWb, target.hdc, target.scale, Cancelled);
}

LONG PrintWbBmpItems(HWND hWb, const ZebPrintTarget& target)
{
    ZebWbRecord* pWb = WbOf(hWb);
    if (pWb == nullptr)
        return kPrintFailed;
    const POINT origin = pWb->Head().Origin();
    const ZebDeviceScale& s = target.scale;
    for (LONG i = pWb->ChildCount(kWbBmpItemSlot) - 1; i >= 0; --i) {
        if (Cancelled())
            return kPrintCancelled;
        const ZebWbBmpItem& item = pWb->BmpItems()[i];
        if (item.hDib == nullptr)
            continue;
        HPALETTE hOld = item.hPalette != nullptr ? ::SelectPalette(target.hdc, item.hPalette, FALSE) : nullptr;
        ::RealizePalette(target.hdc);
        DrawDibStretch(target.hdc, s.X(item.pt.x - origin.x), s.Y(item.pt.y - origin.y), s.Cx(item.size.cx),
                       s.Cy(item.size.cy), item.hDib, 0, 0, item.size.cx, item.size.cy, SRCCOPY);
        if (hOld != nullptr)
            ::SelectPalette(target.hdc, hOld, FALSE);
    }
    return kPrintDone;
}
