// CAboutDlg: the About box with the suite's version.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    // "テッサロvora フォーム画面 Version " and the version as major.minor
    // (313 is "3.13").
    static CString VersionText(int nVersion);

protected:
    BOOL OnInitDialog() override;
};
