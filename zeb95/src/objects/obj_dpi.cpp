#include "objects/obj_dpi.h"

#include "whiteboard/wb_record.h"

namespace {

const LONG kDefaultDpi = 96;

LONG DisplayDpi(HWND hwnd, int nIndex)
{
    HDC hdc = ::GetDC(hwnd);
    if (hdc == nullptr)
        return 0;
    const LONG nDpi = ::GetDeviceCaps(hdc, nIndex);
    ::ReleaseDC(hwnd, hdc);
    return nDpi;
}

// The resolution that the object's lengths follow, 0 when there is none.
LONG RawDpi(HWND hwnd, bool bVertical)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return 0;
    ZebWbRecord* pWb = ZebWbRecord::From(pRecord);
    if (pWb == nullptr) {
        if (pRecord->Kind() < ZebKindDoc || pRecord->Kind() > ZebKindLine)
            return 0;
        if (pRecord->OwnerWhiteBoard() == nullptr)
            return bVertical ? DisplayDpi(::GetParent(hwnd), LOGPIXELSY) : DisplayDpi(hwnd, LOGPIXELSX);
        pWb = ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard()));
    }
    return pWb == nullptr ? 0 : bVertical ? pWb->DpiY() : pWb->DpiX();
}

LONG ObjDpi(HWND hwnd, bool bVertical)
{
    const LONG nDpi = RawDpi(hwnd, bVertical);
    return nDpi >= 1 ? nDpi : kDefaultDpi;
}

}  // namespace

LONG GetObjDpiX(HWND hwnd) { return ObjDpi(hwnd, false); }

LONG GetObjDpiY(HWND hwnd) { return ObjDpi(hwnd, true); }
