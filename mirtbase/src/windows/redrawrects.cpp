#include "windows/redrawrects.h"

#include "mirtbase.h"
#include "mirtmsgs.h"
#include "npropobj.h"

namespace {

void SendRect(CWnd* pTarget, const RECT& rect, CMirtBase* pSender)
{
    RECT* pRect = new RECT(rect);
    if (pTarget->SendMessage(MsgRedrawRect, reinterpret_cast<WPARAM>(pRect), reinterpret_cast<LPARAM>(pSender)) == 0)
        delete pRect;
}

}  // namespace

void MirtSendRedrawRects(CWnd* pTarget, CNPropObj* pField, CMirtBase* pSender)
{
    RECT rectWhole = {0, 0, 0, 0};
    RECT rectFirst = {0, 0, 0, 0};
    RECT rectSecond = {0, 0, 0, 0};
    {
        CClientDC dc(pTarget);
        pField->CalcShadowRect(&dc, 1);
        pField->CalcShadowRect(&dc, 2);
        pField->GetDrawRects(&dc, &rectWhole, &rectFirst, &rectSecond);
    }
    SendRect(pTarget, rectWhole, pSender);
    for (const RECT& rect : {rectFirst, rectSecond}) {
        if (!::IsRectEmpty(&rect))
            SendRect(pTarget, rect, pSender);
    }
}
