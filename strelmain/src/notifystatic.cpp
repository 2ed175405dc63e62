#include "notifystatic.h"

BEGIN_MESSAGE_MAP(CNotifyStatic, CStatic)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CNotifyStatic::OnLButtonDblClk(UINT, CPoint)
{
    GetParent()->SendMessage(WM_PREVIEW_DBLCLK);
}
