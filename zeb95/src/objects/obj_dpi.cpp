#include "objects/obj_dpi.h"

#include "whiteboard/wb_record.h"

namespace {

const LONG kDefaultDpi = 96;

LONG ParentDpiY(HWND hwnd)
{
    HWND hParent = ::GetParent(hwnd);
    HDC hdc = ::GetDC(hParent);
    if (hdc == nullptr)
        return 0;
    const LONG nDpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
    ::ReleaseDC(hParent, hdc);
    return nDpi;
}

LONG RawDpiY(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return 0;
    if (ZebWbRecord* pWb = ZebWbRecord::From(pRecord))
        return pWb->DpiY();
    if (pRecord->Kind() < ZebKindDoc || pRecord->Kind() > ZebKindLine)
        return 0;
    if (pRecord->OwnerWhiteBoard() == nullptr)
        return ParentDpiY(hwnd);
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard()));
    return pWb != nullptr ? pWb->DpiY() : 0;
}

}  // namespace

LONG GetObjDpiY(HWND hwnd)
{
    const LONG nDpi = RawDpiY(hwnd);
    return nDpi >= 1 ? nDpi : kDefaultDpi;
}
