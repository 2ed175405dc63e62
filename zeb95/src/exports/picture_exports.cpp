#include "objects/obj_record.h"
#include "whiteboard/wb_capture.h"
#include "zeb95.h"

// Pictures, sounds and movies give their look with their objects; until
// then they answer as other kinds do.
BOOL WINAPI zebGetPicture(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (pRecord == nullptr || pRecord->Kind() != ZebKindWhiteBoard ||
        !CaptureWhiteBoard(hObject, nullptr, nullptr, &hBitmap, phPalette != nullptr ? &hPalette : nullptr, nullptr))
        return FALSE;
    if (phBitmap != nullptr)
        *phBitmap = hBitmap;
    else
        ::DeleteObject(hBitmap);
    if (phPalette != nullptr)
        *phPalette = hPalette;
    return TRUE;
}
