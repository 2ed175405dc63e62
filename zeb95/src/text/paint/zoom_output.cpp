#include "text/paint/zoom_output.h"

#include "dib/dib_draw.h"
#include "text/paint/line_arrange.h"

namespace {

const long long kFull = 100;

RECT MapRect(long long x, long long y, long long cx, long long cy, const ZebZoomContext& zoom)
{
    return {ZoomMapX(x, zoom), ZoomMapY(y, zoom), ZoomMapX(x + cx, zoom), ZoomMapY(y + cy, zoom)};
}

}  // namespace

int ZoomScaled(long long v, int nPercent)
{
    return ClampToInt((v * nPercent + kFull / 2) / kFull);
}

ZebZoomContext MakeZoomContext(int nPercent, POINT origin)
{
    return {nPercent, origin.x, origin.y, ZoomScaled(origin.x, nPercent), ZoomScaled(origin.y, nPercent)};
}

int ZoomMapX(long long x, const ZebZoomContext& zoom)
{
    return ClampToInt(static_cast<long long>(ZoomScaled(x + zoom.nOriginX, zoom.nPercent)) - zoom.nScaledOriginX);
}

int ZoomMapY(long long y, const ZebZoomContext& zoom)
{
    return ClampToInt(static_cast<long long>(ZoomScaled(y + zoom.nOriginY, zoom.nPercent)) - zoom.nScaledOriginY);
}

int DrawDibScaled(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, const ZebZoomContext& zoom)
{
    const RECT rc = MapRect(x, y, cx, cy, zoom);
    return DrawDibStretch(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hDib, xSrc, ySrc, cx, cy,
                          SRCCOPY);
}

BOOL InvertRectScaled(HDC hdc, int x, int y, int cx, int cy, const ZebZoomContext& zoom)
{
    const RECT rc = MapRect(x, y, cx, cy, zoom);
    return ::PatBlt(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, DSTINVERT);
}

BOOL TextOutScaled(HDC hdc, int x, int y, UINT uOptions, const RECT* prc, const char* pBytes, UINT nBytes,
                   const ZebZoomContext& zoom)
{
    RECT rc = {};
    if (prc != nullptr)
        rc = {ZoomMapX(prc->left, zoom), ZoomMapY(prc->top, zoom), ZoomMapX(prc->right, zoom),
              ZoomMapY(prc->bottom, zoom)};
    return ::ExtTextOutA(hdc, ZoomMapX(x, zoom), ZoomMapY(y, zoom), uOptions, prc != nullptr ? &rc : nullptr, pBytes,
                         nBytes, nullptr);
}
