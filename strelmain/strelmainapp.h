// CStrelMainApp: the launcher's application object. Only one launcher runs:
// the named mutex tells a second start to bring the first one's window to
// the front and quit.
#pragma once
#include <afxwin.h>
#include "suitewindows.h"

class CStrelMainApp : public CWinApp
{
public:
    CStrelMainApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    BOOL CreateMainWindow();

    int m_bMutexCreated;
    HANDLE m_hMutex;
    CWnd m_wndMain;
};
