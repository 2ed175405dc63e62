#include "aboutbox.h"

#include "mirtenv.h"
#include "resource.h"
#include "versiontext.h"

CLauncherAboutBox::CLauncherAboutBox() : CDialog(IDD_ABOUTBOX)
{
}

CString CLauncherAboutBox::VersionText(int nVersion)
{
    return CString("いんさつ テッサロ vora Version ") + VersionNumberText(nVersion);
}

BOOL CLauncherAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    CMirtEnv env;
    SetDlgItemText(IDC_ABOUT_VERSION, VersionText(env.m_nVersion));
    return TRUE;
}
