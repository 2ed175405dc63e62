#include "printing/orgprintdialog.h"

#include <cstdlib>

#include <dlgs.h>

IMPLEMENT_DYNAMIC(COrgPrintDialog, CPrintDialog)

BEGIN_MESSAGE_MAP(COrgPrintDialog, CPrintDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The paper group with its size and source lists and their labels, the
// orientation group with its icon and buttons, and psh2.
const int kPaperControls[] = {psh2, grp2, stc2, cmb2, stc3, cmb3, grp1, ico1, rad1, rad2};

}  // namespace

COrgPrintDialog::COrgPrintDialog(BOOL bSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CPrintDialog(bSetupOnly, dwFlags, pParentWnd), m_nCopies(1), m_bCollate(FALSE), m_bHidePaper(TRUE),
      m_bSetupOnly(bSetupOnly), m_bAdjustPending(TRUE)
{
}

BOOL COrgPrintDialog::OnInitDialog()
{
    const BOOL bResult = CPrintDialog::OnInitDialog();
    m_bAdjustPending = FALSE;
    if (m_bSetupOnly) {
        if (m_bHidePaper)
            HidePaperControls();
        SetWindowText("プリンタの選択");
    }
    return bResult;
}

void COrgPrintDialog::OnPaint()
{
    if (m_bAdjustPending) {
        m_bAdjustPending = FALSE;
        if (m_bSetupOnly && m_bHidePaper)
            HidePaperControls();
    }
    Default();
}

void COrgPrintDialog::HidePaperControls()
{
    for (int nID : kPaperControls) {
        if (CWnd* pControl = GetDlgItem(nID); pControl != nullptr)
            pControl->ShowWindow(SW_HIDE);
    }
    const LONG nUnits = ::GetDialogBaseUnits();
    const int cxUnit = LOWORD(nUnits);
    const int cyUnit = HIWORD(nUnits);
    CRect rectDialog;
    GetWindowRect(&rectDialog);
    MoveWindow(rectDialog.left, rectDialog.top, rectDialog.Width(), cyUnit * 85 / 8);
    for (int nID : {IDOK, IDCANCEL}) {
        CWnd* pButton = GetDlgItem(nID);
        if (pButton == nullptr)
            continue;
        CRect rectButton;
        pButton->GetWindowRect(&rectButton);
        pButton->MoveWindow(rectButton.left - rectDialog.left - cxUnit, cyUnit * 62 / 8, rectButton.Width(),
            rectButton.Height());
    }
}

void COrgPrintDialog::OnOK()
{
    CString strCopies;
    GetDlgItemText(edt3, strCopies);
    SetDlgItemText(edt3, "1");
    m_nCopies = std::atoi(strCopies);
    m_bCollate = IsDlgButtonChecked(chx2) == BST_CHECKED;
    CPrintDialog::OnOK();
}
