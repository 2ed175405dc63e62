#include "dib/dib_convert.h"
#include "library/library_state.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_create.h"
#include "picture/pic_data.h"
#include "picture/pic_props.h"
#include "picture/pic_read.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"
#include "zeb95.h"

namespace {

bool Has(const ZebPicCreateInfo& info, DWORD dwBit) { return (info.dwMask & dwBit) != 0; }

void ApplyFields(HWND hwnd, ZebPicRecord& rec, const ZebPicCreateInfo& info)
{
    if (Has(info, ZEBPIC_BKCOLOR))
        rec.Head().SetBkColor(info.crBack);
    if (Has(info, ZEBPIC_VIEWMODE))
        rec.Head().SetViewMode(static_cast<DWORD>(info.nViewMode));
    if (Has(info, ZEBPIC_STRETCH))
        rec.SetStretch(static_cast<DWORD>(info.nStretch));
    if (Has(info, ZEBPIC_CURSOR))
        SetObjCursorCopy(rec.Head(), info.hCursor);
    if (Has(info, ZEBPIC_POINTER))
        rec.Head().SetPointerNumber(static_cast<DWORD>(info.nPointerNumber));
    if (Has(info, ZEBPIC_GRID))
        rec.SetGrid({info.nGridCx, info.nGridCy});
    if (Has(info, ZEBPIC_CACHEMODE))
        PicSetCacheMode(rec, info.nCacheMode != 0);
    InvalidateObj(hwnd);
}

// A file that cannot be opened or read leaves the picture empty.
void LoadFile(HWND hwnd, LPCSTR pszFile)
{
    HANDLE hFile = ::CreateFileA(pszFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    ReadPicObject(hwnd, hFile, pszFile);
    ::CloseHandle(hFile);
}

}  // namespace

HWND WINAPI zebCreateObjPic(HWND hParent, const ZebPicCreateInfo* pInfo, LONG* pnIndex)
{
    DWORD dwStyle, dwExStyle;
    ObjCreateStyles(pInfo != nullptr, pInfo != nullptr && Has(*pInfo, ZEBPIC_STYLE), pInfo != nullptr ? pInfo->dwStyle : 0,
                    pInfo != nullptr ? pInfo->dwExStyle : 0, kPicStyles, &dwStyle, &dwExStyle);
    const RECT rcPlace = pInfo != nullptr ? RECT{pInfo->x, pInfo->y, pInfo->x + pInfo->cx, pInfo->y + pInfo->cy}
                                          : RECT{0, 0, 1, 1};
    HWND hwnd = CreateObjWindow(hParent, kPicClass, dwStyle, dwExStyle, rcPlace);
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return nullptr;
    pRec->SetActualSize((dwStyle & (WS_HSCROLL | WS_VSCROLL)) != 0);
    if (pInfo != nullptr) {
        ApplyFields(hwnd, *pRec, *pInfo);
        if (Has(*pInfo, ZEBPIC_FILE) && pInfo->pszFile != nullptr)
            LoadFile(hwnd, pInfo->pszFile);
    }
    UpdatePicScrollBars(hwnd);
    if (pnIndex != nullptr)
        *pnIndex = GetObjIndex(hwnd);
    return hwnd;
}

LONG WINAPI zebSetPicture(HWND hPicture, HBITMAP hBitmap, HPALETTE hPalette)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPicture);
    if (pRec == nullptr)
        return 0;
    HGLOBAL hDib = nullptr;
    if (hBitmap != nullptr) {
        hDib = BitmapToDib(hBitmap, static_cast<WORD>(ZebDisplayBits()), hPalette, TRUE);
        if (hDib == nullptr)
            return 0;
    }
    TakePicture(*pRec, hDib);
    pRec->Head().FileName()[0] = '\0';
    UpdatePicScrollBars(hPicture);
    InvalidateObj(hPicture);
    return 1;
}
