#include "picture/pic_props.h"

#include "dib/dib_handle.h"
#include "objects/obj_children.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"

void PicSetStretch(HWND hwnd, DWORD dwStretch)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return;
    pRec->SetStretch(dwStretch);
    UpdatePicScrollBars(hwnd);
    InvalidateObj(hwnd);
}

LONG PicSetCacheMode(ZebPicRecord& rec, bool bOn)
{
    const bool bWas = rec.HasFlag(ZebPicRecord::kFlagCache);
    if (bWas == bOn)
        return bWas ? 1 : 0;
    rec.SetFlag(ZebPicRecord::kFlagCache, bOn);
    if (!bOn && rec.Cache() != nullptr) {
        DestroyDib(rec.Cache());
        rec.SetCache(nullptr);
    }
    return bWas ? 1 : 0;
}

BOOL PicGetOrgRect(HWND hwnd, RECT* pRect)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRect == nullptr || pRec == nullptr || pRec->Picture() == nullptr)
        return FALSE;
    return GetDibRect(pRec->Picture(), pRect);
}
