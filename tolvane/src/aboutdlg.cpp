#include "aboutdlg.h"

#include "mirtenv.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

CString CAboutDlg::VersionText(int nVersion)
{
    // The first of three right-aligned digits is the major version, the
    // last two the minor.
    CString strNumber;
    strNumber.Format("%3d", nVersion);
    return CString("テッサロvora フォーム画面 Version ") + strNumber.Left(1) + "." + strNumber.Right(2);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pVersion = GetDlgItem(IDC_ABOUT_VERSION); pVersion != nullptr) {
        CMirtEnv env;
        pVersion->SetWindowText(VersionText(env.m_nVersion));
    }
    return TRUE;
}
