#include "print/child_print.h"

#include "draw/object_paint.h"
#include "draw/scroll_bars.h"
#include "line/line_draw.h"
#include "line/line_record.h"
#include "dib/dib_convert.h"
#include "dib/dib_draw.h"
#include "dib/dib_handle.h"
#include "library/library_state.h"
#include "media/media_capture.h"
#include "picture/pic_paint.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"
#include "print/print_job.h"
#include "text/paint/doc_painters.h"
#include "whiteboard/wb_record.h"

namespace {

// Where a child is printed: its window and client rectangles in whiteboard
// coordinates (moved to the page origin for one object alone).
struct ChildPlace
{
    RECT rcWindow;
    RECT rcClient;
};

ChildPlace PlaceOf(HWND hWb, HWND hChild, bool bWholePage)
{
    ChildPlace place;
    ::GetWindowRect(hChild, &place.rcWindow);
    ::MapWindowPoints(nullptr, hWb, reinterpret_cast<POINT*>(&place.rcWindow), 2);
    ::GetClientRect(hChild, &place.rcClient);
    POINT ptClient = {0, 0};
    ::MapWindowPoints(hChild, hWb, &ptClient, 1);
    if (!bWholePage) {
        ptClient.x -= place.rcWindow.left;
        ptClient.y -= place.rcWindow.top;
        ::OffsetRect(&place.rcWindow, -place.rcWindow.left, -place.rcWindow.top);
    }
    ::OffsetRect(&place.rcClient, ptClient.x, ptClient.y);
    return place;
}

LONG PrintForeign(HWND hWb, HWND hChild, const ZebPrintTarget& target, bool bWholePage)
{
    RECT rc = PlaceOf(hWb, hChild, bWholePage).rcWindow;
    PrintObjBorder(target, &rc, static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_STYLE)),
                   static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_EXSTYLE)));
    return DrawForeignChild(hChild, target.hdc, &rc, &target.offsetTenthMm) ? kPrintDone : kPrintFailed;
}

void PrintDoc(HWND hDoc, const ZebPrintTarget& target, const ChildPlace& place, bool bWholePage)
{
    RECT rcSource;
    GetClientRectWithScrollBars(hDoc, &rcSource);
    const POINT pre = bWholePage ? POINT{place.rcClient.left, place.rcClient.top} : POINT{0, 0};
    DrawDocByAlignmentScaled(hDoc, target.hdc, &rcSource, &pre, &target.scale.offset, target.scale.object,
                             target.scale.device);
}

void PrintPicture(HWND hPic, const ZebPrintTarget& target, const ChildPlace& place, bool bWholePage)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPic);
    if (pRec == nullptr || pRec->Picture() == nullptr)
        return;
    RECT rcDest;
    GetClientRectWithScrollBars(hPic, &rcDest);
    if (bWholePage)
        ::OffsetRect(&rcDest, place.rcClient.left, place.rcClient.top);
    HPALETTE hOld = pRec->Palette() != nullptr ? ::SelectPalette(target.hdc, pRec->Palette(), FALSE) : nullptr;
    ::RealizePalette(target.hdc);
    DrawPictureDib(target.hdc, *pRec, pRec->Picture(), rcDest, PicScrollOrigin(hPic), &target.scale.object,
                   &target.scale.offset);
    if (hOld != nullptr)
        ::SelectPalette(target.hdc, hOld, FALSE);
}

// A sound's face or a movie's frame as a DIB (through its palette, or the
// default one) stretched onto the client rectangle.
void PrintMedia(HWND hChild, const ZebPrintTarget& target, const ChildPlace& place)
{
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (!GetMediaLook(hChild, &hBitmap, &hPalette))
        return;
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    HPALETTE hUse = hPalette != nullptr ? hPalette : static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    HGLOBAL hDib = BitmapToDib(hBitmap, NormaliseBitCount(static_cast<UINT>(ZebDisplayBits())), hUse, FALSE);
    ::DeleteObject(hBitmap);
    if (hDib != nullptr) {
        HPALETTE hOld = ::SelectPalette(target.hdc, hUse, FALSE);
        ::RealizePalette(target.hdc);
        const RECT rcDest = target.scale.Rect(place.rcClient);
        DrawDibStretch(target.hdc, rcDest.left, rcDest.top, rcDest.right - rcDest.left, rcDest.bottom - rcDest.top,
                       hDib, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ::SelectPalette(target.hdc, hOld, FALSE);
        ::GlobalFree(hDib);
    }
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
}

// Kinds 8 to 64 within a clip region of their window rectangle.
LONG PrintClipped(HWND hChild, WORD wKind, const ZebPrintTarget& target, const ChildPlace& place, HRGN hClip,
                  bool bWholePage)
{
    const RECT rcDevice = target.scale.Rect(place.rcWindow);
    HRGN hRegion = ::CreateRectRgnIndirect(&rcDevice);
    if (hRegion == nullptr || (bWholePage && hClip != nullptr && ::CombineRgn(hRegion, hRegion, hClip, RGN_AND) == ERROR)) {
        if (hRegion != nullptr)
            ::DeleteObject(hRegion);
        return kPrintFailed;
    }
    ::SelectClipRgn(target.hdc, hRegion);
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_STYLE));
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_EXSTYLE));
    const bool bBox = wKind == ZebKindDoc || wKind == ZebKindPicture;
    if (bBox && (dwExStyle & WS_EX_TRANSPARENT) == 0)
        FillBackground(target.hdc, rcDevice, GetObjRecord(hChild)->BkColor());
    if (wKind == ZebKindDoc)
        PrintDoc(hChild, target, place, bWholePage);
    else if (wKind == ZebKindPicture)
        PrintPicture(hChild, target, place, bWholePage);
    else
        PrintMedia(hChild, target, place);
    if (bWholePage) {
        RECT rcBorder = place.rcWindow;
        PrintObjBorder(target, &rcBorder, dwStyle, dwExStyle);
    }
    ::SelectClipRgn(target.hdc, bWholePage ? hClip : nullptr);
    ::DeleteObject(hRegion);
    return kPrintDone;
}

// One ring: top and left in one colour, bottom and right in the other.
void PrintRing(const ZebPrintTarget& target, RECT* pRect, int nTopLeft, int nBottomRight)
{
    const RECT outer = target.scale.Rect(*pRect);
    ::InflateRect(pRect, -::GetSystemMetrics(SM_CXBORDER), -::GetSystemMetrics(SM_CYBORDER));
    const RECT inner = target.scale.Rect(*pRect);
    const RECT bands[] = {
        {outer.left, outer.top, inner.right, inner.top},
        {outer.left, inner.top, inner.left, inner.bottom},
        {outer.left, inner.bottom, outer.right, outer.bottom},
        {inner.right, outer.top, outer.right, inner.bottom},
    };
    for (int i = 0; i < 4; ++i)
        FillBackground(target.hdc, bands[i], ::GetSysColor(i < 2 ? nTopLeft : nBottomRight));
}

// The inner ring of a client edge: the three-dimensional dark shadow on
// the Windows 95 family from version 4, the window frame elsewhere.
int ClientEdgeDarkColour()
{
    const DWORD dwVersion = ::GetVersion();
    const bool b95Family = (dwVersion & 0x80000000) != 0 && LOBYTE(LOWORD(dwVersion)) >= 4;
    return b95Family ? COLOR_3DDKSHADOW : COLOR_WINDOWFRAME;
}

}  // namespace

void PrintObjBorder(const ZebPrintTarget& target, RECT* pRect, DWORD dwStyle, DWORD dwExStyle)
{
    if ((dwExStyle & WS_EX_STATICEDGE) != 0)
        PrintRing(target, pRect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    if ((dwStyle & WS_BORDER) != 0) {
        const int nColour = (dwExStyle & WS_EX_CLIENTEDGE) != 0 ? COLOR_BTNFACE : COLOR_WINDOWFRAME;
        PrintRing(target, pRect, nColour, nColour);
    }
    if ((dwExStyle & WS_EX_CLIENTEDGE) != 0) {
        PrintRing(target, pRect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        PrintRing(target, pRect, ClientEdgeDarkColour(), COLOR_BTNFACE);
    }
}

LONG PrintLineObj(HWND hLine, const ZebPrintTarget& target, POINT pt)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hLine);
    if (pRec == nullptr)
        return kPrintFailed;
    const LONG nWidth = pRec->PenWidth() < 1 ? 1 : pRec->PenWidth();
    RECT rcClient;
    ::GetClientRect(hLine, &rcClient);
    RECT rcLine = LineRect(rcClient, nWidth);
    ::OffsetRect(&rcLine, pt.x, pt.y);
    rcLine = target.scale.Rect(rcLine);
    HPEN hPen = ::CreatePen(nWidth < 2 ? pRec->PenStyle() : PS_SOLID, target.scale.Cx(nWidth),
                            pRec->Head().ForeColor());
    if (hPen == nullptr)
        return kPrintFailed;
    HGDIOBJ hOldPen = ::SelectObject(target.hdc, hPen);
    const int nOldMix = ::SetROP2(target.hdc, pRec->DrawMode());
    LONG nResult = kPrintDone;
    for (const LineSegment& s : LineSegments(rcLine, pRec->DrawForm())) {
        if (IsPrintCancelled()) {
            nResult = kPrintCancelled;
            break;
        }
        ::MoveToEx(target.hdc, s.ptFrom.x, s.ptFrom.y, nullptr);
        ::LineTo(target.hdc, s.ptTo.x, s.ptTo.y);
    }
    if (nOldMix != 0)
        ::SetROP2(target.hdc, nOldMix);
    ::SelectObject(target.hdc, hOldPen);
    ::DeleteObject(hPen);
    return nResult;
}

LONG PrintWbChild(HWND hWb, HWND hChild, const ZebPrintTarget& target, const RECT& rcPrint, HRGN hClip,
                  bool bWholePage)
{
    if (ZebWbRecord::From(GetObjRecord(hWb)) == nullptr)
        return kPrintFailed;
    if (IsPrintCancelled())
        return kPrintCancelled;
    if (::GetWindowLongPtrA(hChild, GWLP_USERDATA) != kZebLibraryMark)
        return PrintForeign(hWb, hChild, target, bWholePage);
    ZebObjRecord* pRecord = GetObjRecord(hChild);
    if (pRecord == nullptr)
        return kPrintFailed;
    RECT rcWindow, rcMeet;
    ::GetWindowRect(hChild, &rcWindow);
    ::MapWindowPoints(nullptr, hWb, reinterpret_cast<POINT*>(&rcWindow), 2);
    if (!::IntersectRect(&rcMeet, &rcWindow, &rcPrint))
        return kPrintDone;
    const ChildPlace place = PlaceOf(hWb, hChild, bWholePage);
    switch (pRecord->Kind()) {
    case ZebKindDoc:
    case ZebKindPicture:
    case ZebKindSound:
    case ZebKindMovie:
        return PrintClipped(hChild, pRecord->Kind(), target, place, hClip, bWholePage);
    case ZebKindLine:
        return PrintLineObj(hChild, target, {place.rcClient.left, place.rcClient.top});
    default:
        return kPrintFailed;
    }
}
