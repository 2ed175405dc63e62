// CNPropWndIme: an edit control that opens the input method in hiragana
// while it has the focus and closes it when it loses the focus.
#pragma once
#include <afxwin.h>
#include <afxctrl.h>

class CNPropWndIme : public CEdit
{
protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};
