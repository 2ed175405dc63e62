// CLauncherAboutBox: the launcher's About box with the suite's version.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

class CLauncherAboutBox : public CDialog
{
public:
    CLauncherAboutBox();

    // "いんさつ テッサロ vora Version " and the version as major.minor
    // (106 is "1.06").
    static CString VersionText(int nVersion);

protected:
    BOOL OnInitDialog() override;
};
