#include "objects/obj_record.h"
#include "text/edit/doc_edit.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"
#include "zeb95.h"

namespace {

const LONG kVerticalEscapement = 2700;

void Repaint(HWND hWb)
{
    ::InvalidateRect(hWb, nullptr, TRUE);
    ::UpdateWindow(hWb);
}

}  // namespace

LONG WINAPI zebGetTextCount(HWND hWhiteBoard)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWhiteBoard));
    return pWb != nullptr ? pWb->ChildCount(0) : -1;
}

LONG WINAPI zebAddTextEx(HWND hWhiteBoard, LPCSTR pszText, const LOGFONTA* pFont, const POINT* pPosition,
                         BOOL bVertical, LONG nIndex)
{
    if (pFont == nullptr || pPosition == nullptr)
        return -1;
    LOGFONTA lf = *pFont;
    lf.lfEscapement = bVertical ? kVerticalEscapement : 0;
    lf.lfOrientation = lf.lfEscapement;
    const LONG nAdded = WbAddTextItem(hWhiteBoard, nIndex, pszText, lf, *pPosition);
    if (nAdded >= 0)
        Repaint(hWhiteBoard);
    return nAdded;
}

LONG WINAPI zebAddText(HWND hWhiteBoard, LPCSTR pszText, const LOGFONTA* pFont, const POINT* pPosition,
                       BOOL bVertical)
{
    return zebAddTextEx(hWhiteBoard, pszText, pFont, pPosition, bVertical, -1);
}

LONG WINAPI zebRemoveText(HWND hObject, LONG nIndex)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    if (pRecord == nullptr)
        return -1;
    if (pRecord->Kind() == ZebKindDoc)
        return nIndex >= 0 ? DocDeleteSelection(hObject) : DocClearText(hObject);
    if (pRecord->Kind() != ZebKindWhiteBoard || !WbRemoveTextItem(hObject, nIndex))
        return 0;
    Repaint(hObject);
    return 1;
}
