#include <algorithm>
#include <climits>

#include "draw/scroll_bars.h"
#include "draw/units.h"
#include "exports/doc_form.h"
#include "objects/obj_dpi.h"
#include "text/paint/doc_painters.h"

namespace {

// A document drawn into a device context: the resolutions, the source part
// in object client coordinates and the clipped area in device pixels.
struct DocImage
{
    SIZE object;
    SIZE target;
    RECT rcSource;
    RECT rcArea;
};

LONG ClampedLong(LONGLONG n) { return static_cast<LONG>(std::clamp<LONGLONG>(n, LONG_MIN, LONG_MAX)); }

// The place's width and height in device pixels.
SIZE PlaceSize(const RECT& rcPlace, SIZE target)
{
    return {TenthMmToPixels(ClampedLong(LONGLONG{rcPlace.right} - rcPlace.left), target.cx),
            TenthMmToPixels(ClampedLong(LONGLONG{rcPlace.bottom} - rcPlace.top), target.cy)};
}

DocImage DocImageOf(HWND hDocument, HDC hdc, const RECT* prcSource, const RECT& rcPlace)
{
    DocImage image;
    image.object = {GetObjDpiX(hDocument), GetObjDpiY(hDocument)};
    image.target = {::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY)};
    RECT rcClient;
    GetClientRectWithScrollBars(hDocument, &rcClient);
    image.rcSource = prcSource != nullptr ? *prcSource : rcClient;
    const LONG nLeft = TenthMmToPixels(rcPlace.left, image.target.cx);
    const LONG nTop = TenthMmToPixels(rcPlace.top, image.target.cy);
    const SIZE place = PlaceSize(rcPlace, image.target);
    const LONGLONG nWidth = std::min<LONGLONG>(LONGLONG{rcClient.right} * (image.target.cx / image.object.cx), place.cx);
    const LONGLONG nHeight =
        std::min<LONGLONG>(LONGLONG{rcClient.bottom} * (image.target.cy / image.object.cy), place.cy);
    image.rcArea = {nLeft, nTop, ClampedLong(nLeft + nWidth), ClampedLong(nTop + nHeight)};
    return image;
}

// Clips the device context to the area and fills it with the document's
// back colour unless the document is transparent; the painter then draws,
// and the clip region is taken away. 0 when the region cannot be made.
template <typename Paint>
LONG DrawClipped(HWND hDocument, HDC hdc, const DocImage& image, Paint paint)
{
    HRGN hRegion = ::CreateRectRgnIndirect(&image.rcArea);
    if (hRegion == nullptr)
        return 0;
    ::SelectClipRgn(hdc, hRegion);
    if ((::GetWindowLongPtrA(hDocument, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
        HBRUSH hBrush = ::CreateSolidBrush(ZebDocRecord::From(hDocument)->head.BkColor());
        ::FillRect(hdc, &image.rcArea, hBrush);
        ::DeleteObject(hBrush);
    }
    const POINT ptPost = {image.rcArea.left, image.rcArea.top};
    paint(ptPost);
    ::SelectClipRgn(hdc, nullptr);
    ::DeleteObject(hRegion);
    return 1;
}

}  // namespace

LONG WINAPI zebDrawImage(HWND hDocument, HDC hdc, const RECT* prcSource, const RECT* prcPlace)
{
    if (!IsTextDoc(hDocument) || hdc == nullptr || prcPlace == nullptr)
        return 0;
    const DocImage image = DocImageOf(hDocument, hdc, prcSource, *prcPlace);
    return DrawClipped(hDocument, hdc, image, [&](const POINT& ptPost) {
        DrawDocByAlignment(hDocument, hdc, &image.rcSource, nullptr, &ptPost);
    });
}

// Both axes take the smaller of the two ratios of the place to the source,
// so the document keeps its proportions and touches the place on one axis.
LONG WINAPI zebDrawStretchImage(HWND hDocument, HDC hdc, const RECT* prcSource, const RECT* prcPlace)
{
    if (!IsTextDoc(hDocument) || hdc == nullptr || prcPlace == nullptr)
        return 0;
    const DocImage image = DocImageOf(hDocument, hdc, prcSource, *prcPlace);
    const LONG sw = ClampedLong(LONGLONG{image.rcSource.right} - image.rcSource.left);
    const LONG sh = ClampedLong(LONGLONG{image.rcSource.bottom} - image.rcSource.top);
    const SIZE place = PlaceSize(*prcPlace, image.target);
    const bool bByWidth = LONGLONG{sw} * place.cy >= LONGLONG{sh} * place.cx;
    const LONG nObject = std::max(bByWidth ? sw : sh, 1L);
    const LONG nTarget = bByWidth ? place.cx : place.cy;
    return DrawClipped(hDocument, hdc, image, [&](const POINT& ptPost) {
        DrawDocByAlignmentScaled(hDocument, hdc, &image.rcSource, nullptr, &ptPost, SIZE{nObject, nObject},
                                 SIZE{nTarget, nTarget});
    });
}

LONG WINAPI zebDrawDocImage(HWND hWhiteBoard, LONG nDoc, HDC hdc, const RECT* prcSource, const RECT* prcPlace)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebDrawImage, hdc, prcSource, prcPlace);
}

LONG WINAPI zebDrawDocStretchImage(HWND hWhiteBoard, LONG nDoc, HDC hdc, const RECT* prcSource,
                                   const RECT* prcPlace)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebDrawStretchImage, hdc, prcSource, prcPlace);
}
