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

} // namespace

// Sounds and movies give their look with their objects; until then they
// answer as lines and other kinds do.
BOOL WINAPI zebGetPicture(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    const ZebObjRecord* pRecord = GetObjRecord(hObject);
    if (pRecord == nullptr)
        return FALSE;
    if (pRecord->Kind() == ZebKindWhiteBoard)
        return GetPictureOfWhiteBoard(hObject, phBitmap, phPalette);
    return GetPictureOfObject(hObject, phBitmap, phPalette) == 1;
}
