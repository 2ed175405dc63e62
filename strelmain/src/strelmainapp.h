// CStrelMainApp: the launcher's application object. Only one launcher runs:
// a second start brings the first one's window to the front and quits. The
// main dialog runs modally for the whole run.
#pragma once
#include <afxwin.h>
#include "suitewindows.h"

class CStrelMainApp : public CWinApp
{
public:
    CStrelMainApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Creates the named mutex; FALSE (and no mutex kept) when another
    // launcher holds it, whose window then comes to the front.
    BOOL ClaimSingleInstance();

protected:
    DECLARE_MESSAGE_MAP()

private:
    int m_bMutexCreated;
    HANDLE m_hMutex;
};
