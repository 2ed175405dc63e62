#include "text/paint/doc_painters.h"

#include "objects/obj_dpi.h"
#include "text/doc/doc_record.h"
#include "text/paint/doc_painter.h"
#include "text/paint/line_plan.h"

namespace {

const int kFull = 100;
const POINT kNoOffset = {0, 0};

bool IsDocZoomed(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr && pDoc->nScale != kFull && pDoc->nScale >= 1;
}

bool IsVertical(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr && pDoc->head.Vertical() != 0;
}

ZebPaintFamily FamilyOf(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return ZebPaintFamily::Plain;
    const int nMode = pDoc->nAlignment;
    if (nMode == 3)
        return ZebPaintFamily::Justified;
    if (nMode >= 16 && nMode <= 18)
        return ZebPaintFamily::JustifiedPara;
    return DocLineShape(*pDoc).pCells != nullptr ? ZebPaintFamily::Cells : ZebPaintFamily::Plain;
}

int Window(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset, ZebPaintFamily family, bool bVertical,
           ZebPaintTarget target)
{
    if (prc == nullptr)
        return 0;
    ZebPaintRequest req = {hwnd, hdc, *prc, pOffset != nullptr ? *pOffset : kNoOffset, kNoOffset, {1, 1}, {1, 1},
                           target, family, bVertical};
    return PaintDocument(req);
}

// At 100 percent, or through the zoomed twin.
int WindowAnyScale(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset, ZebPaintFamily family, bool bVertical)
{
    const ZebPaintTarget target = IsDocZoomed(hwnd) ? ZebPaintTarget::Zoomed : ZebPaintTarget::Window;
    return Window(hwnd, hdc, prc, pOffset, family, bVertical, target);
}

int Device(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost, SIZE objectRes,
           SIZE targetRes, ZebPaintFamily family, bool bVertical)
{
    if (prc == nullptr)
        return 0;
    ZebPaintRequest req = {hwnd,      hdc,
                           *prc,      pPre != nullptr ? *pPre : kNoOffset,
                           pPost != nullptr ? *pPost : kNoOffset,
                           objectRes, targetRes,
                           ZebPaintTarget::Device, family, bVertical};
    return PaintDocument(req);
}

int DeviceAtDpi(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost, ZebPaintFamily family,
                bool bVertical)
{
    const SIZE objectRes = {GetObjDpiX(hwnd), GetObjDpiY(hwnd)};
    const SIZE targetRes = {::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY)};
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, family, bVertical);
}

}  // namespace

int PaintDocHorz(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, ZebPaintFamily::Plain, false);
}

int PaintDocHorzZoomed(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return Window(hwnd, hdc, prc, pOffset, ZebPaintFamily::Plain, false, ZebPaintTarget::Zoomed);
}

int PaintDocVert(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, ZebPaintFamily::Plain, true);
}

int PaintDocVertZoomed(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return Window(hwnd, hdc, prc, pOffset, ZebPaintFamily::Plain, true, ZebPaintTarget::Zoomed);
}

int PaintDocJustified(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, ZebPaintFamily::Justified, IsVertical(hwnd));
}

int PaintDocJustifiedZoomed(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return Window(hwnd, hdc, prc, pOffset, ZebPaintFamily::Justified, IsVertical(hwnd), ZebPaintTarget::Zoomed);
}

int PaintDocJustifiedPara(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, ZebPaintFamily::JustifiedPara, IsVertical(hwnd));
}

int PaintDocJustifiedParaZoomed(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return Window(hwnd, hdc, prc, pOffset, ZebPaintFamily::JustifiedPara, IsVertical(hwnd), ZebPaintTarget::Zoomed);
}

int PaintDocCells(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, ZebPaintFamily::Cells, IsVertical(hwnd));
}

int PaintDocCellsZoomed(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return Window(hwnd, hdc, prc, pOffset, ZebPaintFamily::Cells, IsVertical(hwnd), ZebPaintTarget::Zoomed);
}

int DrawDocHorz(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, ZebPaintFamily::Plain, false);
}

int DrawDocHorzScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost, SIZE objectRes,
                      SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, ZebPaintFamily::Plain, false);
}

int DrawDocVert(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, ZebPaintFamily::Plain, true);
}

int DrawDocVertScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost, SIZE objectRes,
                      SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, ZebPaintFamily::Plain, true);
}

int DrawDocJustified(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, ZebPaintFamily::Justified, IsVertical(hwnd));
}

int DrawDocJustifiedScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost,
                           SIZE objectRes, SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, ZebPaintFamily::Justified, IsVertical(hwnd));
}

int DrawDocJustifiedPara(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, ZebPaintFamily::JustifiedPara, IsVertical(hwnd));
}

int DrawDocJustifiedParaScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost,
                               SIZE objectRes, SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, ZebPaintFamily::JustifiedPara,
                  IsVertical(hwnd));
}

int DrawDocCells(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, ZebPaintFamily::Cells, IsVertical(hwnd));
}

int DrawDocCellsScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost, SIZE objectRes,
                       SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, ZebPaintFamily::Cells, IsVertical(hwnd));
}

int PaintDocByAlignment(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pOffset)
{
    return WindowAnyScale(hwnd, hdc, prc, pOffset, FamilyOf(hwnd), IsVertical(hwnd));
}

int DrawDocByAlignment(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost)
{
    return DeviceAtDpi(hwnd, hdc, prc, pPre, pPost, FamilyOf(hwnd), IsVertical(hwnd));
}

int DrawDocByAlignmentScaled(HWND hwnd, HDC hdc, const RECT* prc, const POINT* pPre, const POINT* pPost,
                             SIZE objectRes, SIZE targetRes)
{
    return Device(hwnd, hdc, prc, pPre, pPost, objectRes, targetRes, FamilyOf(hwnd), IsVertical(hwnd));
}
