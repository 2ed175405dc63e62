// CTolvaneApp: the form screen's application object.
#pragma once
#include <afxwin.h>

class CTolvaneApp : public CWinApp
{
public:
    BOOL InitInstance() override;

private:
    CWnd m_wndMain;
};
