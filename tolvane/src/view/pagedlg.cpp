#include "view/pagedlg.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CPageDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PAGE_PLACE, IDC_PAGE_PLACE_AFTER, OnPlaceClicked)
END_MESSAGE_MAP()

CPageDlg::CPageDlg(CWnd* pParent) : CDialog(IDD_PAGE, pParent), m_nPlace(-1), m_nPageNumber(0)
{
}

void CPageDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_PAGE_PLACE, m_nPlace);
    DDX_Text(pDX, IDC_PAGE_NUMBER, m_nPageNumber);
}

void CPageDlg::OnPlaceClicked(UINT)
{
    GetDlgItem(IDC_PAGE_NUMBER)->EnableWindow(IsDlgButtonChecked(IDC_PAGE_PLACE_AFTER) == BST_CHECKED);
}

void CPageDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nPlace == PLACE_AFTER_PAGE && m_nPageNumber == 0) {
        AfxMessageBox("指定できるページは1ページ目からです。");
        return;
    }
    EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CGotoPageDlg, CDialog)
    ON_EN_SETFOCUS(IDC_PAGE_NUMBER, OnNumberFocus)
END_MESSAGE_MAP()

CGotoPageDlg::CGotoPageDlg(CWnd* pParent) : CDialog(IDD_GOTO_PAGE, pParent), m_nPageNumber(0)
{
}

void CGotoPageDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAGE_NUMBER, m_nPageNumber);
}

BOOL CGotoPageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_PAGE_NUMBER)->SetFocus();
    return TRUE;
}

void CGotoPageDlg::OnNumberFocus()
{
    CWnd* pNumber = GetDlgItem(IDC_PAGE_NUMBER);
    pNumber->SendMessage(EM_SETSEL, 0, -1);
    pNumber->SendMessage(EM_SCROLLCARET);
}
