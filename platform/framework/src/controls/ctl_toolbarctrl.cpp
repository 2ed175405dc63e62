#include "afxcmn.h"
#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP bitmap = {AfxGetResourceHandle(), nBitmapID};
    return AfxSendInt(this, TB_ADDBITMAP, nNumButtons, reinterpret_cast<LPARAM>(&bitmap));
}

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
{
    return AfxSendInt(this, TB_ADDBUTTONSA, nNumButtons, reinterpret_cast<LPARAM>(lpButtons));
}
