#include "objects/obj_dpi.h"

#include "whiteboard/wb_record.h"

namespace {

const LONG kDefaultDpi = 96;

LONG ParentDpi(HWND hwnd, bool bX)
{
    HWND hParent = ::GetParent(hwnd);
    HDC hdc = ::GetDC(hParent);
    if (hdc == nullptr)
        return 0;
    const LONG nDpi = ::GetDeviceCaps(hdc, bX ? LOGPIXELSX : LOGPIXELSY);
    ::ReleaseDC(hParent, hdc);
    return nDpi;
}

LONG RawDpi(HWND hwnd, bool bX)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return 0;
    if (ZebWbRecord* pWb = ZebWbRecord::From(pRecord))
        return bX ? pWb->DpiX() : pWb->DpiY();
    if (pRecord->Kind() < ZebKindDoc || pRecord->Kind() > ZebKindLine)
        return 0;
    if (pRecord->OwnerWhiteBoard() == nullptr)
        return ParentDpi(hwnd, bX);
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(pRecord->OwnerWhiteBoard()));
    if (pWb == nullptr)
        return 0;
    return bX ? pWb->DpiX() : pWb->DpiY();
}

}  // namespace

LONG GetObjDpiX(HWND hwnd)
{
    const LONG nDpi = RawDpi(hwnd, true);
    return nDpi >= 1 ? nDpi : kDefaultDpi;
}

LONG GetObjDpiY(HWND hwnd)
{
    const LONG nDpi = RawDpi(hwnd, false);
    return nDpi >= 1 ? nDpi : kDefaultDpi;
}
