#include "line/line_record.h"
#include "media/media_capture.h"
#include "media/media_record.h"
#include "objects/obj_children.h"
#include "picture/pic_props.h"
#include "picture/pic_record.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_scroll.h"
#include "zeb95.h"

// Text documents take the properties that need their layout (3-D edge,
// fore colour, vertical mode, page rectangle) with the text interface;
// until then those setters answer their failure value for documents.

namespace {

// Sets of kinds (the kinds are single bits).
const WORD kAnyKind = 0xFFFF;
const WORD kBoxKinds = ZebKindWhiteBoard | ZebKindDoc | ZebKindPicture | ZebKindSound | ZebKindMovie;
const WORD kViewModeKinds = kBoxKinds | ZebKindLine;

ZebObjRecord* RecordOf(HWND hwnd, WORD wKinds)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    return pRecord != nullptr && (pRecord->Kind() & wKinds) != 0 ? pRecord : nullptr;
}

bool IsWb(const ZebObjRecord* pRecord) { return pRecord->Kind() == ZebKindWhiteBoard; }

LONG_PTR ExStyle(HWND hwnd) { return ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

// The whole window invalidated and erased.
void Erase(HWND hwnd) { ::InvalidateRect(hwnd, nullptr, TRUE); }

// A whiteboard is erased, any other object invalidated in its whiteboard.
void RedrawObj(HWND hwnd, const ZebObjRecord* pRecord)
{
    if (IsWb(pRecord))
        Erase(hwnd);
    else
        InvalidateObj(hwnd);
}

LONG BorderStyleOf(HWND hwnd, const ZebObjRecord* pRecord)
{
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    if (IsWb(pRecord) && (nStyle & WS_THICKFRAME) != 0)
        return 2;
    return (nStyle & WS_BORDER) != 0 ? 1 : 0;
}

bool GetGrid(ZebObjRecord* pRecord, SIZE* pGrid)
{
    if (ZebWbRecord* pWb = ZebWbRecord::From(pRecord))
        *pGrid = pWb->Grid();
    else if (ZebPicRecord* pPic = ZebPicRecord::From(pRecord))
        *pGrid = pPic->Grid();
    else if (ZebLineRecord* pLine = ZebLineRecord::From(pRecord))
        *pGrid = pLine->Grid();
    else if (ZebMediaPart* pMedia = MediaPartOf(pRecord))
        *pGrid = {pMedia->nGridCx, pMedia->nGridCy};
    else
        return false;
    return true;
}

bool SetGrid(ZebObjRecord* pRecord, SIZE grid)
{
    if (ZebWbRecord* pWb = ZebWbRecord::From(pRecord))
        pWb->SetGrid(grid);
    else if (ZebPicRecord* pPic = ZebPicRecord::From(pRecord))
        pPic->SetGrid(grid);
    else if (ZebLineRecord* pLine = ZebLineRecord::From(pRecord))
        pLine->SetGrid(grid);
    else if (ZebMediaPart* pMedia = MediaPartOf(pRecord)) {
        pMedia->nGridCx = grid.cx;
        pMedia->nGridCy = grid.cy;
    } else
        return false;
    return true;
}

// The whiteboard's origin along one axis moved to nOrigin: scrolled through
// its bar when it has one, else its client area scrolled by the difference.
void MoveWbOrigin(HWND hwnd, ZebObjRecord* pRecord, int nBar, LONG nOrigin)
{
    const POINT origin = pRecord->Origin();
    const bool bHorz = nBar == SB_HORZ;
    const LONG nNow = bHorz ? origin.x : origin.y;
    if (nNow == nOrigin)
        return;
    if ((::GetWindowLongPtrA(hwnd, GWL_STYLE) & (bHorz ? WS_HSCROLL : WS_VSCROLL)) != 0) {
        WbScroll(hwnd, nBar, SB_THUMBPOSITION, nOrigin);
        return;
    }
    ::ScrollWindow(hwnd, bHorz ? nNow - nOrigin : 0, bHorz ? 0 : nNow - nOrigin, nullptr, nullptr);
    pRecord->SetOrigin(bHorz ? POINT{nOrigin, origin.y} : POINT{origin.x, nOrigin});
}

LPARAM SenderParam(HWND hwnd)
{
    return static_cast<LPARAM>((reinterpret_cast<UINT_PTR>(hwnd) & 0xFFFF) << 16);
}

// Every child of the kinds that take a view mode leaves its selection.
void TellChildrenViewMode(HWND hwnd, ZebWbRecord* pWb)
{
    const WORD kKinds[] = {ZebKindDoc, ZebKindPicture, ZebKindSound, ZebKindMovie, ZebKindLine};
    for (WORD wKind : kKinds) {
        const int nSlot = ZebWbRecord::ChildSlot(wKind);
        for (LONG i = 0; i < pWb->ChildCount(nSlot) && pWb->Children(nSlot) != nullptr; ++i) {
            HWND hChild = pWb->Children(nSlot)[i];
            if (::IsWindow(hChild))
                ::SendMessageA(hChild, MsgViewModeChanged, 1, SenderParam(hwnd));
        }
    }
}

// A head word of the record read and written as a value.
struct HeadProp
{
    DWORD (ZebObjRecord::*get)() const;
    void (ZebObjRecord::*set)(DWORD);
};
const HeadProp kBkColor = {&ZebObjRecord::BkColor, &ZebObjRecord::SetBkColor};
const HeadProp kBorderColor = {&ZebObjRecord::BorderColor, &ZebObjRecord::SetBorderColor};
const HeadProp kForeColor = {&ZebObjRecord::ForeColor, &ZebObjRecord::SetForeColor};
const HeadProp kPointer = {&ZebObjRecord::PointerNumber, &ZebObjRecord::SetPointerNumber};
const HeadProp kVertical = {&ZebObjRecord::Vertical, &ZebObjRecord::SetVertical};
const HeadProp kViewMode = {&ZebObjRecord::ViewMode, &ZebObjRecord::SetViewMode};
const HeadProp kWrapMode = {&ZebObjRecord::WrapMode, &ZebObjRecord::SetWrapMode};

LONG GetHead(HWND hwnd, WORD wKinds, const HeadProp& prop, LONG nFailure)
{
    ZebObjRecord* pRecord = RecordOf(hwnd, wKinds);
    return pRecord != nullptr ? static_cast<LONG>((pRecord->*prop.get)()) : nFailure;
}

// Stores the value and runs refresh(record) on the object: the previous
// value.
template <class F>
LONG SetHead(HWND hwnd, WORD wKinds, const HeadProp& prop, DWORD dwValue, LONG nFailure, F refresh)
{
    ZebObjRecord* pRecord = RecordOf(hwnd, wKinds);
    if (pRecord == nullptr)
        return nFailure;
    const LONG nPrevious = static_cast<LONG>((pRecord->*prop.get)());
    (pRecord->*prop.set)(dwValue);
    refresh(pRecord);
    return nPrevious;
}

void NoRefresh(ZebObjRecord*) {}

}  // namespace

LONG WINAPI zebGetAppearance(HWND hObject)
{
    if (RecordOf(hObject, kBoxKinds) == nullptr)
        return -1;
    return (ExStyle(hObject) & WS_EX_CLIENTEDGE) != 0 ? 1 : 0;
}

LONG WINAPI zebSetAppearance(HWND hObject, LONG nAppearance)
{
    ZebObjRecord* pRecord = RecordOf(hObject, kBoxKinds & ~ZebKindDoc);
    if (pRecord == nullptr || (nAppearance != 0 && nAppearance != 1))
        return -1;
    const LONG nPrevious = zebGetAppearance(hObject);
    if (nPrevious == nAppearance)
        return nPrevious;
    const LONG_PTR nExStyle = ExStyle(hObject);
    ::SetWindowLongPtrA(hObject, GWL_EXSTYLE,
                        nAppearance != 0 ? (nExStyle | WS_EX_CLIENTEDGE) : (nExStyle & ~WS_EX_CLIENTEDGE));
    pRecord->SetClientEdge(nAppearance != 0);
    RefreshObjFrame(hObject);
    Erase(hObject);
    return nPrevious;
}

LONG WINAPI zebGetBkColor(HWND hObject)
{
    return GetHead(hObject, kAnyKind, kBkColor, -1);
}

LONG WINAPI zebSetBkColor(HWND hObject, COLORREF crBack)
{
    return SetHead(hObject, kBoxKinds, kBkColor, crBack, -1, [=](ZebObjRecord* pRecord) {
        pRecord->SetBorderColor(crBack);
        RedrawObj(hObject, pRecord);
    });
}

LONG WINAPI zebGetBorderColor(HWND hObject)
{
    return GetHead(hObject, kAnyKind, kBorderColor, -1);
}

LONG WINAPI zebSetBorderColor(HWND hObject, COLORREF crBorder)
{
    return SetHead(hObject, ZebKindWhiteBoard | ZebKindDoc, kBorderColor, crBorder, -1,
                   [=](ZebObjRecord* pRecord) { RedrawObj(hObject, pRecord); });
}

LONG WINAPI zebGetBorderStyle(HWND hObject)
{
    ZebObjRecord* pRecord = RecordOf(hObject, kBoxKinds);
    return pRecord != nullptr ? BorderStyleOf(hObject, pRecord) : -1;
}

LONG WINAPI zebSetBorderStyle(HWND hObject, LONG nStyle)
{
    ZebObjRecord* pRecord = RecordOf(hObject, kBoxKinds);
    if (pRecord == nullptr || nStyle < 0 || nStyle > (IsWb(pRecord) ? 2 : 1))
        return -1;
    const LONG nPrevious = BorderStyleOf(hObject, pRecord);
    if (nPrevious == nStyle)
        return nPrevious;
    const DWORD dwBorder = nStyle == 2 ? WS_THICKFRAME : nStyle == 1 ? WS_BORDER : 0;
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hObject, GWL_STYLE));
    ::SetWindowLongPtrA(hObject, GWL_STYLE, (dwStyle & ~(WS_BORDER | WS_THICKFRAME)) | dwBorder);
    pRecord->SetStyle((pRecord->Style() & ~(WS_BORDER | WS_THICKFRAME)) | dwBorder);
    RefreshObjFrame(hObject);
    Erase(hObject);
    return nPrevious;
}

LONG WINAPI zebGetCashMode(HWND hPicture)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPicture);
    return pRec != nullptr && pRec->HasFlag(ZebPicRecord::kFlagCache) ? 1 : 0;
}

LONG WINAPI zebSetCashMode(HWND hPicture, LONG nMode)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPicture);
    return pRec != nullptr ? PicSetCacheMode(*pRec, nMode != 0) : 0;
}

LONG WINAPI zebGetDither(HWND hObject)
{
    ZebObjRecord* pRecord = RecordOf(hObject, kAnyKind);
    return pRecord != nullptr && pRecord->Dither() ? 1 : 0;
}

LONG WINAPI zebSetDither(HWND hObject, LONG nDither)
{
    ZebObjRecord* pRecord = RecordOf(hObject, ZebKindWhiteBoard | ZebKindDoc | ZebKindPicture);
    if (pRecord == nullptr)
        return 0;
    const LONG nPrevious = pRecord->Dither() ? 1 : 0;
    pRecord->SetDither(nDither != 0);
    return nPrevious;
}

LONG WINAPI zebGetForeColor(HWND hObject)
{
    return GetHead(hObject, ZebKindWhiteBoard | ZebKindDoc | ZebKindLine, kForeColor, -1);
}

LONG WINAPI zebSetForeColor(HWND hObject, COLORREF crFore)
{
    return SetHead(hObject, ZebKindWhiteBoard | ZebKindLine, kForeColor, crFore, -1, [=](ZebObjRecord* pRecord) {
        if (!IsWb(pRecord))
            InvalidateObj(hObject);
    });
}

LONG WINAPI zebGetGridSize(HWND hObject, SIZE* pSize)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    return pRecord != nullptr && pSize != nullptr && GetGrid(pRecord, pSize) ? 1 : 0;
}

LONG WINAPI zebSetGridSize(HWND hObject, const SIZE* pSize)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    return pRecord != nullptr && SetGrid(pRecord, pSize != nullptr ? *pSize : SIZE{0, 0}) ? 1 : 0;
}

LONG WINAPI zebGetMousePointer(HWND hObject)
{
    return GetHead(hObject, kAnyKind, kPointer, -1);
}

LONG WINAPI zebSetMousePointer(HWND hObject, LONG nPointer)
{
    return SetHead(hObject, kAnyKind, kPointer, static_cast<DWORD>(nPointer), -1, NoRefresh);
}

LONG WINAPI zebGetRect(HWND hObject, RECT* pRect)
{
    ZebObjRecord* pRecord = RecordOf(hObject, ZebKindWhiteBoard | ZebKindDoc);
    if (pRecord == nullptr || pRect == nullptr)
        return 0;
    const POINT origin = pRecord->Origin();
    const SIZE page = pRecord->PageSize();
    *pRect = {-origin.x, -origin.y, -origin.x + page.cx, -origin.y + page.cy};
    return 1;
}

LONG WINAPI zebSetRect(HWND hObject, const RECT* pRect)
{
    ZebObjRecord* pRecord = RecordOf(hObject, ZebKindWhiteBoard);
    if (pRecord == nullptr || pRect == nullptr)
        return 0;
    pRecord->SetPageSize({pRect->right - pRect->left, pRect->bottom - pRect->top});
    WbSetScrollBars(hObject);
    MoveWbOrigin(hObject, pRecord, SB_HORZ, -pRect->left);
    MoveWbOrigin(hObject, pRecord, SB_VERT, -pRect->top);
    return 1;
}

LONG WINAPI zebGetStretch(HWND hObject)
{
    if (ZebMovieRecord* pMovie = ZebMovieRecord::Of(hObject))
        return pMovie->Stretch();
    ZebPicRecord* pRec = ZebPicRecord::Of(hObject);
    return pRec != nullptr ? static_cast<LONG>(pRec->Stretch()) : 0;
}

// A movie's flag counts at its next open.
LONG WINAPI zebSetStretch(HWND hObject, LONG nStretch)
{
    if (ZebMovieRecord* pMovie = ZebMovieRecord::Of(hObject)) {
        pMovie->SetStretch(nStretch);
        return 1;
    }
    if (ZebPicRecord::Of(hObject) == nullptr)
        return 0;
    PicSetStretch(hObject, static_cast<DWORD>(nStretch));
    return 1;
}

LONG WINAPI zebGetVertMode(HWND hObject)
{
    return GetHead(hObject, ZebKindWhiteBoard | ZebKindDoc, kVertical, 0);
}

LONG WINAPI zebSetVertMode(HWND hObject, LONG nMode)
{
    return SetHead(hObject, ZebKindWhiteBoard, kVertical, static_cast<DWORD>(nMode), 0, NoRefresh);
}

LONG WINAPI zebGetViewMode(HWND hObject)
{
    return GetHead(hObject, kAnyKind, kViewMode, 0);
}

LONG WINAPI zebSetViewMode(HWND hObject, LONG nMode)
{
    return SetHead(hObject, kViewModeKinds, kViewMode, static_cast<DWORD>(nMode), 0, [=](ZebObjRecord* pRecord) {
        if (ZebWbRecord* pWb = ZebWbRecord::From(pRecord))
            TellChildrenViewMode(hObject, pWb);
        else
            ::SendMessageA(hObject, MsgViewModeChanged, static_cast<WPARAM>(nMode), SenderParam(hObject));
    });
}

LONG WINAPI zebGetWrapMode(HWND hWhiteBoard)
{
    return GetHead(hWhiteBoard, ZebKindWhiteBoard, kWrapMode, 0);
}

LONG WINAPI zebSetWrapMode(HWND hWhiteBoard, LONG nMode)
{
    return SetHead(hWhiteBoard, ZebKindWhiteBoard, kWrapMode, static_cast<DWORD>(nMode), 0,
                   [=](ZebObjRecord*) { Erase(hWhiteBoard); });
}

LONG WINAPI zebGetOrgRect(HWND hObject, RECT* pRect)
{
    if (ZebMovieRecord::Of(hObject) != nullptr)
        return MovieGetOrgRect(hObject, pRect);
    return PicGetOrgRect(hObject, pRect);
}
