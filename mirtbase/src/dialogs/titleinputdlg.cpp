#include "dialogs/titleinputdlg.h"

#include "dialogs/titleinputres.h"

namespace {

// Posted to itself from the initialisation: the focus goes into the edit
// once the dialog shows.
const UINT kFocusTitle = WM_USER + 4;

}  // namespace

BEGIN_MESSAGE_MAP(CTitleInputDlg, CDialog)
    ON_MESSAGE(kFocusTitle, OnFocusTitle)
END_MESSAGE_MAP()

CTitleInputDlg::CTitleInputDlg(CWnd* pParent) : CDialog(IDD_TITLE_INPUT, pParent)
{
}

void CTitleInputDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE_EDIT, m_editTitle);
    DDX_Text(pDX, IDC_TITLE_EDIT, m_strTitle);
    DDX_Text(pDX, IDC_TITLE_PROMPT, m_strPrompt);
}

BOOL CTitleInputDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PostMessage(kFocusTitle, 0, 0);
    m_editTitle.SetSel(0, -1);
    m_editTitle.SendMessage(EM_SCROLLCARET, 0, 0);
    return TRUE;
}

LRESULT CTitleInputDlg::OnFocusTitle(WPARAM, LPARAM)
{
    m_editTitle.SetFocus();
    return 0;
}
