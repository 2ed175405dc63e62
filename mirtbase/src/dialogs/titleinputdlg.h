// CTitleInputDlg: asks for the title of a new page; the edit opens the input
// method while it has the focus.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

#include "dialogs/npropwndime.h"

class CTitleInputDlg : public CDialog
{
public:
    explicit CTitleInputDlg(CWnd* pParent = nullptr);

    CNPropWndIme m_editTitle;
    CString m_strTitle;     // in: the initial text; out after IDOK
    CString m_strPrompt;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnFocusTitle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
