// Output of the zoomed painters: document coordinates (less the scroll
// origin, plus the offset point) put on the device at the zoom percent, so
// that neighbouring cells meet without gaps.
#pragma once
#include <windows.h>

struct ZebZoomContext
{
    int nPercent;
    int nOriginX;
    int nOriginY;
    int nScaledOriginX;  // ZoomScaled of the origin
    int nScaledOriginY;
};

// trunc((v * percent + 50) / 100), held within the int range.
int ZoomScaled(long long v, int nPercent);
ZebZoomContext MakeZoomContext(int nPercent, POINT origin);
// e goes to ZoomScaled(e + origin) - scaled origin on its axis.
int ZoomMapX(long long x, const ZebZoomContext& zoom);
int ZoomMapY(long long y, const ZebZoomContext& zoom);

// DrawDibStretch of the DIB's width x height pixels from (xSrc, ySrc) onto
// the mapped rectangle, SRCCOPY.
int DrawDibScaled(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, const ZebZoomContext& zoom);
// PatBlt DSTINVERT of the mapped rectangle.
BOOL InvertRectScaled(HDC hdc, int x, int y, int cx, int cy, const ZebZoomContext& zoom);
// ExtTextOut at the mapped origin with the mapped rectangle (or none).
BOOL TextOutScaled(HDC hdc, int x, int y, UINT uOptions, const RECT* prc, const char* pBytes, UINT nBytes,
                   const ZebZoomContext& zoom);
