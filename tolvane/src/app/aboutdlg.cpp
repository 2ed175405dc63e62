#include "app/aboutdlg.h"

#include "mirtenv.h"
#include "resource.h"
#include "versiontext.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

CString CAboutDlg::VersionText(int nVersion)
{
    return CString("テッサロvora フォーム画面 Version ") + VersionNumberText(nVersion);
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
