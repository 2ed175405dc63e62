#include "media/media_capture.h"
#include "objects/obj_record.h"
#include "picture/pic_capture.h"
#include "whiteboard/wb_capture.h"
#include "zeb95.h"

namespace {

// A whiteboard's whole client area with its palette; a bitmap or palette
// not asked for is deleted.
BOOL GetPictureOfWhiteBoard(HWND hWb, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (!CaptureWhiteBoard(hWb, nullptr, nullptr, &hBitmap, phPalette != nullptr ? &hPalette : nullptr, nullptr))
        return FALSE;
    if (phBitmap != nullptr)
        *phBitmap = hBitmap;
    else
        ::DeleteObject(hBitmap);
    if (phPalette != nullptr)
        *phPalette = hPalette;
    return TRUE;
}

// A sound's face or a movie's frame with its palette; what is not asked
// for is deleted.
BOOL GetMediaPicture(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (!GetMediaLook(hObject, &hBitmap, &hPalette))
        return FALSE;
    if (phBitmap != nullptr)
        *phBitmap = hBitmap;
    else
        ::DeleteObject(hBitmap);
    if (phPalette != nullptr)
        *phPalette = hPalette;
    else if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    return TRUE;
}

} // namespace

BOOL WINAPI zebGetPicture(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    const ZebObjRecord* pRecord = GetObjRecord(hObject);
    if (pRecord == nullptr)
        return FALSE;
    if (pRecord->Kind() == ZebKindWhiteBoard)
        return GetPictureOfWhiteBoard(hObject, phBitmap, phPalette);
    if (pRecord->Kind() == ZebKindSound || pRecord->Kind() == ZebKindMovie)
        return GetMediaPicture(hObject, phBitmap, phPalette);
    return GetPictureOfObject(hObject, phBitmap, phPalette) == 1;
}
