#include "whiteboard/wb_marks.h"

#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"

namespace {

bool SetCharMark(HWND hWb, ZebWbRecord* pWb, ZebWbMark& mark, WORD wCode, const LOGFONTA& lf)
{
    const LONG nFont = WbAddTextFont(hWb, lf);
    if (nFont < 0)
        return false;
    mark.wCode = wCode;
    mark.nFont = nFont;
    mark.crColor = pWb->Head().ForeColor();
    char bytes[2];
    const SIZE size = WbTextExtent(hWb, bytes, WbMarkBytes(mark, bytes), lf);
    mark.cx = size.cx;
    mark.cy = size.cy;
    return true;
}

bool SetBmpMark(ZebWbRecord* pWb, ZebWbMark& mark, WORD wCode)
{
    if (wCode >= pWb->ChildCount(kWbBmpItemSlot))
        return false;
    const ZebWbBmpItem& item = pWb->BmpItems()[wCode];
    mark.wCode = wCode;
    mark.nFont = -1;
    mark.crColor = CLR_INVALID;
    mark.cx = item.size.cx;
    mark.cy = item.size.cy;
    return true;
}

BOOL SetMark(HWND hWb, ZebWbMark& (ZebWbRecord::*pfnMark)(), WORD wCode, const LOGFONTA* plf, BOOL bRedraw)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if (pWb == nullptr)
        return FALSE;
    ZebWbMark& mark = (pWb->*pfnMark)();
    ZebWbMark set = {};
    WbClearMark(set);
    if (wCode != kWbNoMark && !(plf != nullptr ? SetCharMark(hWb, pWb, set, wCode, *plf) : SetBmpMark(pWb, set, wCode)))
        return FALSE;
    mark = set;
    if (bRedraw)
        ::InvalidateRect(hWb, nullptr, TRUE);
    return TRUE;
}

}  // namespace

void WbClearMark(ZebWbMark& mark)
{
    mark = {};
    mark.wCode = kWbNoMark;
    mark.nFont = -1;
    mark.crColor = CLR_INVALID;
}

BOOL WbSetNewLineMark(HWND hWb, WORD wCode, const LOGFONTA* plf, BOOL bRedraw)
{
    return SetMark(hWb, &ZebWbRecord::LineFeedMark, wCode, plf, bRedraw);
}

BOOL WbSetFormFeedMark(HWND hWb, WORD wCode, const LOGFONTA* plf, BOOL bRedraw)
{
    return SetMark(hWb, &ZebWbRecord::FormFeedMark, wCode, plf, bRedraw);
}

int WbMarkBytes(const ZebWbMark& mark, char* pBytes)
{
    if (mark.wCode < 256) {
        pBytes[0] = static_cast<char>(mark.wCode);
        return 1;
    }
    pBytes[0] = static_cast<char>(mark.wCode >> 8);
    pBytes[1] = static_cast<char>(mark.wCode & 0xFF);
    return 2;
}

bool IsWbBmpMark(const ZebWbMark& mark) { return mark.wCode != kWbNoMark && mark.nFont < 0; }
