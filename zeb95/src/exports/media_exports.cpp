#include "media/media_block.h"
#include "media/media_device.h"
#include "media/media_record.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_create.h"
#include "zeb95.h"

namespace {

template <class Info>
bool Has(const Info& info, DWORD dwBit)
{
    return (info.dwMask & dwBit) != 0;
}

template <class Info>
HWND CreateMediaWindow(HWND hParent, const char* pszClass, const Info* pInfo, DWORD dwStyleBit)
{
    DWORD dwStyle, dwExStyle;
    ObjCreateStyles(pInfo != nullptr, pInfo != nullptr && Has(*pInfo, dwStyleBit),
                    pInfo != nullptr ? pInfo->dwStyle : 0, pInfo != nullptr ? pInfo->dwExStyle : 0, kMediaStyles,
                    &dwStyle, &dwExStyle);
    const RECT rcPlace = pInfo != nullptr ? RECT{pInfo->x, pInfo->y, pInfo->x + pInfo->cx, pInfo->y + pInfo->cy}
                                          : RECT{0, 0, 1, 1};
    return CreateObjWindow(hParent, pszClass, dwStyle, dwExStyle, rcPlace);
}

// The cursor, pointer number and grid; back colour and view mode come
// first with the kind's own fields.
template <class Info>
void ApplyLaterFields(ZebObjRecord& head, const Info& info, DWORD dwGridBit)
{
    if (Has(info, ZEBMOVIE_CURSOR))
        SetObjCursorCopy(head, info.hCursor);
    if (Has(info, ZEBMOVIE_POINTER))
        head.SetPointerNumber(static_cast<DWORD>(info.nPointerNumber));
    if (Has(info, dwGridBit)) {
        ZebMediaPart* pMedia = MediaPartOf(&head);
        pMedia->nGridCx = info.nGridCx;
        pMedia->nGridCy = info.nGridCy;
    }
}

template <class Info>
void ApplyFirstFields(ZebObjRecord& head, const Info& info, DWORD dwViewModeBit)
{
    if (Has(info, ZEBMOVIE_BKCOLOR))
        head.SetBkColor(info.crBack);
    if (Has(info, dwViewModeBit))
        head.SetViewMode(static_cast<DWORD>(info.nViewMode));
}

// A file that cannot be opened or read leaves the object empty.
void LoadMediaFile(HWND hwnd, LPCSTR pszFile, BOOL (*pfnRead)(HWND, HANDLE, LPCSTR))
{
    HANDLE hFile = ::CreateFileA(pszFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    const BOOL bRead = pfnRead(hwnd, hFile, pszFile);
    ::CloseHandle(hFile);
    if (bRead)
        OpenMediaAfterRead(hwnd);
}

template <class Info>
void FinishCreate(HWND hwnd, const Info* pInfo, BOOL (*pfnRead)(HWND, HANDLE, LPCSTR), LONG* pnIndex)
{
    if (pInfo != nullptr) {
        InvalidateObj(hwnd);
        if (Has(*pInfo, ZEBMOVIE_FILE) && pInfo->pszFile != nullptr)
            LoadMediaFile(hwnd, pInfo->pszFile, pfnRead);
    }
    if (pnIndex != nullptr)
        *pnIndex = GetObjIndex(hwnd);
}

}  // namespace

static_assert(ZEBMOVIE_CURSOR == ZEBSOUND_CURSOR && ZEBMOVIE_POINTER == ZEBSOUND_POINTER &&
                  ZEBMOVIE_BKCOLOR == ZEBSOUND_BKCOLOR && ZEBMOVIE_FILE == ZEBSOUND_FILE,
              "movies and sounds share these mask bits");

HWND WINAPI zebCreateObjMovie(HWND hParent, const ZebMovieCreateInfo* pInfo, LONG* pnIndex)
{
    HWND hwnd = CreateMediaWindow(hParent, kMovieClass, pInfo, ZEBMOVIE_STYLE);
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hwnd);
    if (pRec == nullptr)
        return nullptr;
    if (pInfo != nullptr) {
        ApplyFirstFields(pRec->Head(), *pInfo, ZEBMOVIE_VIEWMODE);
        if (Has(*pInfo, ZEBMOVIE_STRETCH))
            pRec->SetStretch(pInfo->nStretch);
        if (Has(*pInfo, ZEBMOVIE_POPUP) && pInfo->nPopupMode >= 0 && pInfo->nPopupMode <= 2)
            pRec->SetPopupMode(pInfo->nPopupMode);
        ApplyLaterFields(pRec->Head(), *pInfo, ZEBMOVIE_GRID);
    }
    FinishCreate(hwnd, pInfo, ReadMovieObject, pnIndex);
    return hwnd;
}

HWND WINAPI zebCreateObjSound(HWND hParent, const ZebSoundCreateInfo* pInfo, LONG* pnIndex)
{
    HWND hwnd = CreateMediaWindow(hParent, kSoundClass, pInfo, ZEBSOUND_STYLE);
    ZebSoundRecord* pRec = ZebSoundRecord::Of(hwnd);
    if (pRec == nullptr)
        return nullptr;
    if (pInfo != nullptr) {
        ApplyFirstFields(pRec->Head(), *pInfo, ZEBSOUND_VIEWMODE);
        ApplyLaterFields(pRec->Head(), *pInfo, ZEBSOUND_GRID);
    }
    FinishCreate(hwnd, pInfo, ReadSoundObject, pnIndex);
    return hwnd;
}
