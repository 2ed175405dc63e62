#include "text/paint/doc_child_paint.h"

#include "draw/object_paint.h"
#include "draw/scroll_bars.h"
#include "objects/child_painter.h"
#include "picture/pic_paint.h"
#include "text/doc/doc_record.h"
#include "text/paint/doc_painters.h"

int DrawDocChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwndChild);
    RECT rcWindow, rcClient;
    if (pDoc == nullptr || !GetChildRectsIn(hwndWb, hwndChild, rcClip, &rcWindow, &rcClient))
        return 0;
    RECT rcUpdate;
    GetClientRectWithScrollBars(hwndChild, &rcUpdate);
    const POINT offset = {rcClient.left, rcClient.top};
    const int nSaved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, rcWindow.left, rcWindow.top, rcWindow.right, rcWindow.bottom);
    if (!pDoc->head.IsTransparent())
    {
        RECT rcBack = rcUpdate;
        ::OffsetRect(&rcBack, offset.x, offset.y);
        FillBackground(hdc, rcBack, pDoc->head.BkColor());
    }
    PaintDocByAlignment(hwndChild, hdc, &rcUpdate, &offset);
    ::RestoreDC(hdc, nSaved);
    DrawObjBorder(hdc, &rcWindow, static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_STYLE)),
                  static_cast<DWORD>(::GetWindowLongPtrA(hwndChild, GWL_EXSTYLE)));
    return 1;
}
