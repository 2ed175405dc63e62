#include "picture/pic_capture.h"

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "draw/object_paint.h"
#include "draw/screen_bitmap.h"
#include "draw/scroll_bars.h"
#include "objects/child_painter.h"
#include "picture/pic_paint.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"

namespace {

// The DIB drawn with hPalette selected and realised.
void DrawWithPalette(HDC hdc, const ZebPicRecord& rec, HGLOBAL hDib, HPALETTE hPalette, const RECT& rc, POINT ptSrc)
{
    HPALETTE hOld = nullptr;
    if (hPalette != nullptr) {
        hOld = ::SelectPalette(hdc, hPalette, TRUE);
        ::RealizePalette(hdc);
    }
    DrawPictureDib(hdc, rec, hDib, rc, ptSrc, nullptr, nullptr);
    if (hOld != nullptr)
        ::SelectPalette(hdc, hOld, TRUE);
}

}  // namespace

int DrawPicChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwndChild);
    RECT rcWindow, rcClient;
    if (pRec == nullptr || !GetChildRectsIn(hwndWb, hwndChild, rcClip, &rcWindow, &rcClient))
        return 0;
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_STYLE));
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_EXSTYLE));
    if ((dwExStyle & WS_EX_TRANSPARENT) == 0)
        FillBackground(hdc, rcClient, pRec->Head().BkColor());
    const HGLOBAL hDib = pRec->Picture();
    const POINT ptSrc = PicScrollOrigin(hwndChild);
    if (hDib != nullptr && hpal != nullptr) {
        HGLOBAL hCopy = DitherDibToFixedPalette(hDib, FALSE);
        DrawWithPalette(hdc, *pRec, hCopy != nullptr ? hCopy : hDib, hpal, rcClient, ptSrc);
        if (hCopy != nullptr && hCopy != hDib)
            DestroyDib(hCopy);
    } else if (hDib != nullptr) {
        DrawWithPalette(hdc, *pRec, hDib, pRec->Palette(), rcClient, ptSrc);
    }
    DrawObjBorder(hdc, &rcWindow, dwStyle, dwExStyle);
    return 1;
}

LONG GetPictureOfObject(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hObject);
    if (pRec == nullptr)
        return 0;
    RECT rcArea;
    GetClientRectWithScrollBars(hObject, &rcArea);
    ScreenBitmap bitmap(rcArea.right, rcArea.bottom);
    if (bitmap.Dc() == nullptr)
        return 0;
    FillBackground(bitmap.Dc(), rcArea, pRec->Head().BkColor());
    if (pRec->Picture() != nullptr)
        PaintPicObject(bitmap.Dc(), *pRec, rcArea, PicScrollOrigin(hObject), nullptr, pRec->Head().BkColor(), false);
    HBITMAP hBitmap = bitmap.Release();
    if (phBitmap != nullptr)
        *phBitmap = hBitmap;
    else
        ::DeleteObject(hBitmap);
    if (phPalette != nullptr)
        *phPalette = nullptr;
    return 1;
}
