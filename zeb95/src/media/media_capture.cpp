#include "media/media_capture.h"

#include "dib/dib_draw.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "draw/object_paint.h"
#include "draw/screen_bitmap.h"
#include "media/mci_device.h"
#include "media/mci_play.h"
#include "media/media_device.h"
#include "media/media_record.h"
#include "objects/child_painter.h"
#include "picture/pic_paint.h"

namespace {

// The window whose client area the movie shows in: its device window in a
// popup mode, else the movie itself.
HWND FrameTarget(HWND hMovie, ZebMovieRecord& rec)
{
    HWND hDevice = MediaDevice(rec.Head());
    return rec.PopupMode() != 0 && MciRecordOf(hDevice) != nullptr ? hDevice : hMovie;
}

void SetFrameStretchMode(HDC hdc)
{
    if (::SetStretchBltMode(hdc, HALFTONE) == 0)
        ::SetStretchBltMode(hdc, COLORONCOLOR);
}

// The current frame as a DIB handle with its own palette, or null.
HGLOBAL CurrentFrameDib(HWND hDevice, HPALETTE* phPalette)
{
    HGLOBAL hFrame = MciGetCurrentFrame(hDevice);
    if (hFrame == nullptr)
        return nullptr;
    HPALETTE hPalette = nullptr;
    {
        CGlobalLock lock(hFrame);
        if (lock)
            hPalette = CreatePackedDibPalette(lock.Bytes());
    }
    HGLOBAL hDib = AttachDibPalette(hFrame, hPalette);
    if (hDib == nullptr && hPalette != nullptr)
        ::DeleteObject(hPalette);
    *phPalette = hDib != nullptr ? hPalette : nullptr;
    return hDib;
}

void DrawFrame(HDC hdc, HGLOBAL hDib, HPALETTE hPalette, SIZE area, bool bStretch)
{
    RECT rcFrame;
    GetDibRect(hDib, &rcFrame);
    const SIZE frame = {rcFrame.right, rcFrame.bottom};
    const SIZE size = bStretch ? area : FitFrameSize(frame.cx, frame.cy, area.cx, area.cy);
    SetFrameStretchMode(hdc);
    HPALETTE hOld = hPalette != nullptr ? ::SelectPalette(hdc, hPalette, FALSE) : nullptr;
    ::RealizePalette(hdc);
    DrawDibStretch(hdc, (area.cx - size.cx) / 2, (area.cy - size.cy) / 2, size.cx, size.cy, hDib, 0, 0, frame.cx,
                   frame.cy, SRCCOPY);
    if (hOld != nullptr)
        ::SelectPalette(hdc, hOld, FALSE);
}

}  // namespace

SIZE FitFrameSize(LONG fw, LONG fh, LONG W, LONG H)
{
    if (fw <= 0 || fh <= 0)
        return {W, H};
    const auto byWidth = [&]() -> SIZE {
        SIZE s = {W, fh * W / fw};
        return s.cy > H ? SIZE{fw * H / fh, H} : s;
    };
    if (fw > W)
        return byWidth();
    if (fh > H)
        return {fw * H / fh, H};
    if (fw < W && fh < H)
        return byWidth();
    return {fw, fh};
}

BOOL MovieGetFrameBitmap(HWND hMovie, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    if (pRec == nullptr)
        return FALSE;
    HWND hTarget = FrameTarget(hMovie, *pRec);
    RECT rc;
    ::GetClientRect(hTarget, &rc);
    const SIZE area = {rc.right, rc.bottom};
    ScreenBitmap bitmap(area.cx, area.cy);
    const bool bPopupInUse = pRec->PopupMode() != 0 && pRec->Media().nState != 0;
    HPALETTE hPalette = nullptr;
    if (bitmap.Dc() != nullptr)
        FillBackground(bitmap.Dc(), rc, bPopupInUse ? RGB(0, 0, 0) : pRec->Head().BkColor());
    const LONG nState = ReadPlaybackState(hMovie);
    if (bitmap.Dc() != nullptr && nState != 0 && nState != -1) {
        HWND hDevice = MediaDevice(pRec->Head());
        HGLOBAL hDib = CurrentFrameDib(hDevice, &hPalette);
        const ZebMciRecord* pMci = MciRecordOf(hDevice);
        if (hDib != nullptr) {
            DrawFrame(bitmap.Dc(), hDib, hPalette, area, pMci != nullptr && pMci->wStretch != 0);
            ::GlobalFree(hDib);
        }
    }
    *phBitmap = bitmap.Release();
    *phPalette = hPalette;
    return TRUE;
}

HBITMAP SoundGetBitmap(HWND hSound)
{
    ZebSoundRecord* pRec = ZebSoundRecord::Of(hSound);
    RECT rc;
    ::GetClientRect(hSound, &rc);
    ScreenBitmap bitmap(rc.right, rc.bottom);
    if (pRec != nullptr && bitmap.Dc() != nullptr)
        FillBackground(bitmap.Dc(), rc, pRec->Head().BkColor());
    return bitmap.Release();
}

BOOL GetMediaLook(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    if (ZebMovieRecord::Of(hObject) != nullptr)
        return MovieGetFrameBitmap(hObject, phBitmap, phPalette);
    if (ZebSoundRecord::Of(hObject) == nullptr)
        return FALSE;
    *phBitmap = SoundGetBitmap(hObject);
    *phPalette = nullptr;
    return *phBitmap != nullptr;
}

BOOL MovieGetOrgRect(HWND hMovie, RECT* pRect)
{
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    const ZebMciRecord* pMci = pRec != nullptr ? MciRecordOf(MediaDevice(pRec->Head())) : nullptr;
    if (pMci == nullptr || pRect == nullptr)
        return FALSE;
    *pRect = {0, 0, pMci->rcNatural.right - pMci->rcNatural.left, pMci->rcNatural.bottom - pMci->rcNatural.top};
    return TRUE;
}

int DrawMediaChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal)
{
    RECT rcWindow, rcClient;
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (!GetChildRectsIn(hwndWb, hwndChild, rcClip, &rcWindow, &rcClient) ||
        !GetMediaLook(hwndChild, &hBitmap, &hPalette))
        return 0;
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    HDC hdcBitmap = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOldBitmap = ::SelectObject(hdcBitmap, hBitmap);
    HPALETTE hUse = hPalette != nullptr ? hPalette : hpal;
    HPALETTE hOld = hUse != nullptr ? ::SelectPalette(hdc, hUse, FALSE) : nullptr;
    ::RealizePalette(hdc);
    ::StretchBlt(hdc, rcClient.left, rcClient.top, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top,
                 hdcBitmap, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    if (hOld != nullptr)
        ::SelectPalette(hdc, hOld, FALSE);
    ::SelectObject(hdcBitmap, hOldBitmap);
    ::DeleteDC(hdcBitmap);
    ::DeleteObject(hBitmap);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    DrawObjBorder(hdc, &rcWindow, static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_STYLE)),
                  static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_EXSTYLE)));
    return 1;
}
