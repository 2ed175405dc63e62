#include "picture/pic_paint.h"

#include <algorithm>

#include "dib/dib_convert.h"
#include "dib/dib_draw.h"
#include "dib/dib_handle.h"
#include "draw/screen_bitmap.h"
#include "picture/pic_record.h"

namespace {

LONG Width(const RECT& rc) { return rc.right - rc.left; }
LONG Height(const RECT& rc) { return rc.bottom - rc.top; }

SIZE DibSize(HGLOBAL hDib)
{
    RECT rc;
    GetDibRect(hDib, &rc);
    return {rc.right, rc.bottom};
}

// The four bands of rcDest around rcPicture.
void FillAround(HDC hdc, const RECT& rcDest, const RECT& rcPicture, COLORREF crBack)
{
    FillBackground(hdc, {rcDest.left, rcDest.top, rcDest.right, rcPicture.top}, crBack);
    FillBackground(hdc, {rcDest.left, rcPicture.top, rcPicture.left, rcPicture.bottom}, crBack);
    FillBackground(hdc, {rcPicture.right, rcPicture.top, rcDest.right, rcPicture.bottom}, crBack);
    FillBackground(hdc, {rcDest.left, rcPicture.bottom, rcDest.right, rcDest.bottom}, crBack);
}

// 1:1 from a source origin counted from the top row; the bits of a
// bottom-up DIB are addressed from its bottom row.
int DrawActual(HDC hdc, HGLOBAL hDib, SIZE picture, const RECT& rcDest, POINT ptSrc)
{
    const LONG cx = std::min<LONG>(Width(rcDest), picture.cx - ptSrc.x);
    const LONG cy = std::min<LONG>(Height(rcDest), picture.cy - ptSrc.y);
    if (cx <= 0 || cy <= 0)
        return 0;
    return DrawDib(hdc, rcDest.left, rcDest.top, cx, cy, hDib, ptSrc.x, picture.cy - ptSrc.y - cy, SRCCOPY);
}

int DrawPlaced(HDC hdc, HGLOBAL hDib, SIZE picture, const PicPlacement& place)
{
    const RECT& rc = place.rcDest;
    return DrawDibStretch(hdc, rc.left, rc.top, Width(rc), Height(rc), hDib, place.ptSrc.x,
                          picture.cy - place.ptSrc.y - place.sizeSrc.cy, place.sizeSrc.cx, place.sizeSrc.cy, SRCCOPY);
}

// HALFTONE (with its brush origin) where the device takes it, else
// COLORONCOLOR; the previous mode.
int SetSmoothStretch(HDC hdc)
{
    const int nOld = ::SetStretchBltMode(hdc, HALFTONE);
    if (nOld != 0 && ::GetStretchBltMode(hdc) == HALFTONE)
        ::SetBrushOrgEx(hdc, 0, 0, nullptr);
    else
        ::SetStretchBltMode(hdc, COLORONCOLOR);
    return nOld;
}

void ScaleRect(HDC hdc, RECT* pRect, const SIZE& dpi)
{
    const int nDevX = ::GetDeviceCaps(hdc, LOGPIXELSX);
    const int nDevY = ::GetDeviceCaps(hdc, LOGPIXELSY);
    const LONG cx = ::MulDiv(Width(*pRect), nDevX, dpi.cx);
    const LONG cy = ::MulDiv(Height(*pRect), nDevY, dpi.cy);
    pRect->left = ::MulDiv(pRect->left, nDevX, dpi.cx);
    pRect->top = ::MulDiv(pRect->top, nDevY, dpi.cy);
    pRect->right = pRect->left + cx;
    pRect->bottom = pRect->top + cy;
}

void FreeCache(ZebPicRecord& rec)
{
    if (rec.Cache() != nullptr)
        DestroyDib(rec.Cache());
    rec.SetCache(nullptr);
}

// The picture shrunk to size through a screen-compatible bitmap, read back
// through hPalette.
HGLOBAL MakeCache(HGLOBAL hDib, SIZE picture, SIZE size, HPALETTE hPalette)
{
    ScreenBitmap bitmap(size.cx, size.cy);
    HDC hdc = bitmap.Dc();
    if (hdc == nullptr)
        return nullptr;
    HPALETTE hOldPalette = hPalette != nullptr ? ::SelectPalette(hdc, hPalette, TRUE) : nullptr;
    SetSmoothStretch(hdc);
    DrawDibStretch(hdc, 0, 0, size.cx, size.cy, hDib, 0, 0, picture.cx, picture.cy, SRCCOPY);
    if (hOldPalette != nullptr)
        ::SelectPalette(hdc, hOldPalette, TRUE);
    HBITMAP hBitmap = bitmap.Release();
    HGLOBAL hCache = BitmapToDib(hBitmap, 0, hPalette, TRUE);
    ::DeleteObject(hBitmap);
    return hCache;
}

// The cache the drawing may use: of exactly the placed size, made when
// missing; 0 (and the cache freed) when the conditions do not hold.
HGLOBAL CacheFor(ZebPicRecord& rec, SIZE picture, const PicPlacement& place, bool bAllowed, HPALETTE hPalette)
{
    const SIZE size = {Width(place.rcDest), Height(place.rcDest)};
    const bool bWanted = bAllowed && rec.HasFlag(ZebPicRecord::kFlagCache) && place.ptSrc.x == 0 &&
                         place.ptSrc.y == 0 && size.cx > 0 && size.cy > 0 &&
                         (size.cx < picture.cx || size.cy < picture.cy);
    if (rec.Cache() != nullptr) {
        const SIZE cached = DibSize(rec.Cache());
        if (!bWanted || cached.cx != size.cx || cached.cy != size.cy)
            FreeCache(rec);
    }
    if (bWanted && rec.Cache() == nullptr)
        rec.SetCache(MakeCache(rec.Picture(), picture, size, hPalette));
    return bWanted ? rec.Cache() : nullptr;
}

}  // namespace

void FillBackground(HDC hdc, const RECT& rc, COLORREF crBack)
{
    if (crBack == CLR_INVALID || ::IsRectEmpty(&rc))
        return;
    HBRUSH hBrush = ::CreateSolidBrush(crBack);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
}

PicPlacement PlacePicture(SIZE picture, const RECT& rcDest, bool bActualSize, bool bStretch, POINT ptSrc)
{
    PicPlacement place = {rcDest, {0, 0}, picture};
    const LONG cxDest = Width(rcDest);
    const LONG cyDest = Height(rcDest);
    if (bStretch || picture.cx <= 0 || picture.cy <= 0)
        return place;
    if (bActualSize) {
        place.ptSrc = ptSrc;
        place.sizeSrc = {std::max<LONG>(0, std::min<LONG>(cxDest, picture.cx - ptSrc.x)),
                         std::max<LONG>(0, std::min<LONG>(cyDest, picture.cy - ptSrc.y))};
        place.rcDest.right = rcDest.left + place.sizeSrc.cx;
        place.rcDest.bottom = rcDest.top + place.sizeSrc.cy;
        return place;
    }
    if (static_cast<long long>(picture.cy) * cxDest <= static_cast<long long>(picture.cx) * cyDest) {
        const LONG cy = static_cast<LONG>(static_cast<long long>(picture.cy) * cxDest / picture.cx);
        place.rcDest.top = rcDest.top + (cyDest - cy) / 2;
        place.rcDest.bottom = place.rcDest.top + cy;
    } else {
        const LONG cx = static_cast<LONG>(static_cast<long long>(picture.cx) * cyDest / picture.cy);
        place.rcDest.left = rcDest.left + (cxDest - cx) / 2;
        place.rcDest.right = place.rcDest.left + cx;
    }
    return place;
}

int PaintPicObject(HDC hdc, ZebPicRecord& rec, const RECT& rcDest, POINT ptSrc, const SIZE* pPrintDpi,
                   COLORREF crBack, bool bCacheAllowed)
{
    const HGLOBAL hDib = rec.Picture();
    const SIZE picture = DibSize(hDib);
    HPALETTE hOldPalette = nullptr;
    if (rec.Palette() != nullptr) {
        hOldPalette = ::SelectPalette(hdc, rec.Palette(), TRUE);
        ::RealizePalette(hdc);
    }
    const bool bStretch = rec.Stretch() != 0;
    int nResult = 0;
    if (rec.ActualSize() && !bStretch && pPrintDpi == nullptr) {
        FillBackground(hdc, {rcDest.left + picture.cx - ptSrc.x, rcDest.top, rcDest.right, rcDest.top + picture.cy - ptSrc.y},
                 crBack);
        FillBackground(hdc, {rcDest.left, rcDest.top + picture.cy - ptSrc.y, rcDest.right, rcDest.bottom}, crBack);
        nResult = DrawActual(hdc, hDib, picture, rcDest, ptSrc);
    } else {
        PicPlacement place = PlacePicture(picture, rcDest, rec.ActualSize(), bStretch, ptSrc);
        if (pPrintDpi != nullptr)
            ScaleRect(hdc, &place.rcDest, *pPrintDpi);
        HGLOBAL hCache = CacheFor(rec, picture, place, bCacheAllowed, hOldPalette);
        FillAround(hdc, rcDest, place.rcDest, crBack);
        if (hCache != nullptr) {
            const int nOldMode = ::SetStretchBltMode(hdc, COLORONCOLOR);
            nResult = DrawDib(hdc, place.rcDest.left, place.rcDest.top, Width(place.rcDest), Height(place.rcDest),
                              hCache, 0, 0, SRCCOPY);
            ::SetStretchBltMode(hdc, nOldMode);
        } else {
            const int nOldMode = SetSmoothStretch(hdc);
            nResult = DrawPlaced(hdc, hDib, picture, place);
            ::SetStretchBltMode(hdc, nOldMode);
        }
    }
    if (hOldPalette != nullptr)
        ::SelectPalette(hdc, hOldPalette, TRUE);
    return nResult;
}

void DrawPictureDib(HDC hdc, const ZebPicRecord& rec, HGLOBAL hDib, const RECT& rcDest, POINT ptSrc,
                    const SIZE* pDpi, const POINT* pOffset)
{
    const SIZE picture = DibSize(hDib);
    const POINT offset = pOffset != nullptr ? *pOffset : POINT{0, 0};
    const bool bStretch = rec.Stretch() != 0;
    RECT rc = rcDest;
    if (rec.ActualSize() && !bStretch && pDpi == nullptr) {
        ::OffsetRect(&rc, offset.x, offset.y);
        DrawActual(hdc, hDib, picture, rc, ptSrc);
        return;
    }
    PicPlacement place = PlacePicture(picture, rcDest, rec.ActualSize(), bStretch, ptSrc);
    if (pDpi != nullptr)
        ScaleRect(hdc, &place.rcDest, *pDpi);
    ::OffsetRect(&place.rcDest, offset.x, offset.y);
    DrawPlaced(hdc, hDib, picture, place);
}
