#include "exports/doc_form.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_scroll.h"

// The fixed width and height of a text document (0: the client size), or
// the page size of a whiteboard.

namespace {

ZebObjRecord* WbOrDocRecord(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    return pRecord != nullptr && (pRecord->Kind() & (ZebKindWhiteBoard | ZebKindDoc)) != 0 ? pRecord : nullptr;
}

LONG GetExtent(HWND hObject, LONG SIZE::*pPart)
{
    const ZebObjRecord* pRecord = WbOrDocRecord(hObject);
    return pRecord != nullptr ? pRecord->PageSize().*pPart : -1;
}

// Stored unchecked; a whiteboard's scroll bars or a document's extent and
// scroll bars follow.
LONG SetExtent(HWND hObject, LONG SIZE::*pPart, LONG nValue)
{
    ZebObjRecord* pRecord = WbOrDocRecord(hObject);
    if (pRecord == nullptr)
        return -1;
    SIZE page = pRecord->PageSize();
    const LONG nPrevious = page.*pPart;
    page.*pPart = nValue;
    if (!IsTextDoc(hObject))
    {
        pRecord->SetPageSize(page);
        WbSetScrollBars(hObject);
        return nPrevious;
    }
    {
        ZebLayoutPause pause(hObject);
        pRecord->SetPageSize(page);
    }
    DocApplySize(hObject);
    return nPrevious;
}

}  // namespace

LONG WINAPI zebGetWidth(HWND hObject) { return GetExtent(hObject, &SIZE::cx); }

LONG WINAPI zebGetHeight(HWND hObject) { return GetExtent(hObject, &SIZE::cy); }

LONG WINAPI zebSetWidth(HWND hObject, LONG nWidth) { return SetExtent(hObject, &SIZE::cx, nWidth); }

LONG WINAPI zebSetHeight(HWND hObject, LONG nHeight) { return SetExtent(hObject, &SIZE::cy, nHeight); }

LONG WINAPI zebGetDocRect(HWND hWhiteBoard, LONG nDoc, RECT* pRect)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetRect, pRect);
}

LONG WINAPI zebSetDocRect(HWND hWhiteBoard, LONG nDoc, const RECT* pRect)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetRect, pRect);
}
