#include "whiteboard/child_draw.h"

#include "draw/object_paint.h"
#include "line/line_capture.h"
#include "media/media_capture.h"
#include "objects/obj_record.h"
#include "picture/pic_capture.h"
#include "text/paint/doc_child_paint.h"

namespace {

struct ChildPainterEntry
{
    WORD wKind;
    ZebChildPainter pfnPaint;
};

// One entry per kind that a whiteboard draws.
const ChildPainterEntry kChildPainters[] = {
    {ZebKindDoc, DrawDocChildToDC},
    {ZebKindPicture, DrawPicChildToDC},
    {ZebKindSound, DrawMediaChildToDC},
    {ZebKindMovie, DrawMediaChildToDC},
    {ZebKindLine, DrawLineChildToDC},
};

ZebChildPainter PainterOfKind(WORD wKind)
{
    for (const ChildPainterEntry& entry : kChildPainters) {
        if (entry.wKind == wKind)
            return entry.pfnPaint;
    }
    return nullptr;
}

// The child's window rectangle in the whiteboard's client coordinates.
RECT RectInWhiteBoard(HWND hWb, HWND hChild)
{
    RECT rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hWb, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

BOOL DrawForeign(HWND hWb, HWND hChild, HDC hdc)
{
    RECT rc = RectInWhiteBoard(hWb, hChild);
    DrawObjBorder(hdc, &rc, static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_STYLE)),
                  static_cast<DWORD>(::GetWindowLongPtrA(hChild, GWL_EXSTYLE)));
    return DrawForeignChild(hChild, hdc, &rc, nullptr);
}

}  // namespace

BOOL DrawChildToDC(HWND hWb, HWND hChild, HDC hdc, const RECT* prcClip, HPALETTE hPalette)
{
    if (::GetWindowLongPtrA(hChild, GWLP_USERDATA) != kZebLibraryMark)
        return DrawForeign(hWb, hChild, hdc);
    ZebObjRecord* pRecord = GetObjRecord(hChild);
    const ZebChildPainter pfnPaint = pRecord != nullptr ? PainterOfKind(pRecord->Kind()) : nullptr;
    const RECT rcChild = RectInWhiteBoard(hWb, hChild);
    RECT rcMeet;
    if (pfnPaint == nullptr || prcClip == nullptr || !::IntersectRect(&rcMeet, &rcChild, prcClip))
        return FALSE;
    return pfnPaint(hWb, hChild, hdc, *prcClip, hPalette) != 0 ? TRUE : FALSE;
}
