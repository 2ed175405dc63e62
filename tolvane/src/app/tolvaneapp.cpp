#include "app/tolvaneapp.h"

#include <cstdlib>

#include <afxdisp.h>

#include "app/aboutdlg.h"
#include "frame/mainfrm.h"
#include "mirtenv.h"
#include "resource.h"
#include "suitewindows.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"
#include "waitdlg.h"

IMPLEMENT_DYNAMIC(CTolvaneApp, CWinApp)

BEGIN_MESSAGE_MAP(CTolvaneApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_HELP_FINDER, CWinApp::OnHelpFinder)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

namespace {

const char kBadLayoutID[] = "レイアウトIDが不正です";
const char kStartFromLauncher[] = "voraメイン画面から起動してください";

// The command line without one pair of enclosing double quotes.
CString Unquoted(CString strPath)
{
    strPath.TrimLeft();
    strPath.TrimRight();
    if (strPath.GetLength() > 0 && strPath[0] == '"')
        strPath = strPath.Mid(1);
    if (strPath.GetLength() > 0 && strPath[strPath.GetLength() - 1] == '"')
        strPath = strPath.Left(strPath.GetLength() - 1);
    return strPath;
}

}  // namespace

CTolvaneApp* TolvaneApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->IsKindOf(RUNTIME_CLASS(CTolvaneApp)) ? static_cast<CTolvaneApp*>(pApp) : nullptr;
}

CTolvaneApp::CTolvaneApp()
    : m_bExternalImport(0), m_bSampleExists(0), m_nLayoutID(0), m_hMutex(nullptr), m_bMutexCreated(0)
{
}

BOOL CTolvaneApp::InitInstance()
{
    CWaitDlg wait(nullptr);
    m_hMutex = ::CreateMutexA(nullptr, FALSE, TOLVANE_MUTEX);
    m_bMutexCreated = m_hMutex != nullptr;
    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(2);

    const int nStart = ParseStartArgs(m_lpCmdLine != nullptr ? m_lpCmdLine : "");
    if (nStart == START_STOP || !StartDocuments(nStart)) {
        wait.DestroyWindow();
        return FALSE;
    }
    SetHelpPath();
    wait.DestroyWindow();
    return TRUE;
}

BOOL CTolvaneApp::StartDocuments(int nStart)
{
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTolvaneDoc), RUNTIME_CLASS(CMainFrame),
        RUNTIME_CLASS(CTolvaneView)));
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (m_nLayoutID > 0) {
        // The conversion text may hold blanks; no word of it is a file.
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    } else if (nStart == START_PATH_BLANKS) {
        cmdInfo.m_strFileName = Unquoted(m_lpCmdLine);
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
    }
    if (!ProcessShellCommand(cmdInfo) || m_pMainWnd == nullptr)
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->DragAcceptFiles();
    return TRUE;
}

void CTolvaneApp::SetHelpPath()
{
    CMirtEnv env;
    std::free(const_cast<LPSTR>(m_pszHelpFilePath));
    m_pszHelpFilePath =
        _strdup(IsKnownInstallMode(env.m_nInstallMode) ? env.m_strInstallRoot + "\\exe\\Devediz.hlp" : CString());
}

int CTolvaneApp::ParseStartArgs(CString strArgs)
{
    m_nLayoutID = 0;
    if (const int nAt = strArgs.Find("/L:"); nAt >= 0) {
        if (!TakeLayoutID(static_cast<LPCSTR>(strArgs) + nAt + 3))
            return START_STOP;
        m_bSampleExists = ::GetFileAttributesA(SamplePath(m_nLayoutID)) != INVALID_FILE_ATTRIBUTES;
        return START_FRAMEWORK;
    }
    if (const int nAt = strArgs.Find("/E:"); nAt >= 0) {
        if (!TakeLayoutID(static_cast<LPCSTR>(strArgs) + nAt + 3))
            return START_STOP;
        m_bExternalImport = 1;
        TakeConversionText(strArgs);
        return START_FRAMEWORK;
    }
    if (strArgs.IsEmpty()) {
        AfxMessageBox(kStartFromLauncher);
        return START_STOP;
    }
    return strArgs.Find(' ') >= 0 ? START_PATH_BLANKS : START_FRAMEWORK;
}

BOOL CTolvaneApp::TakeLayoutID(LPCSTR pszAfterMarker)
{
    // strtol saturates where atol would overflow; a long is 32 bits here.
    const long nID = std::strtol(pszAfterMarker, nullptr, 10);
    if (nID <= 0) {
        AfxMessageBox(kBadLayoutID);
        return FALSE;
    }
    m_nLayoutID = static_cast<int>(nID);
    return TRUE;
}

void CTolvaneApp::TakeConversionText(const CString& strArgs)
{
    const int nStart = strArgs.Find("/:S");
    if (nStart < 0)
        return;
    const CString strAfter = strArgs.Mid(nStart + 3);
    const int nEnd = strAfter.Find("@:E");
    if (nEnd >= 0)
        m_strConvText = strAfter.Left(nEnd);
}

CString CTolvaneApp::SamplePath(int nLayoutID)
{
    CMirtEnv env;
    CString strPath;
    strPath.Format("%s\\DATA\\SAMPLES\\S%d%s", static_cast<LPCSTR>(env.m_strInstallRoot), nLayoutID,
        IsKnownInstallMode(env.m_nInstallMode) ? ".qmt" : "");
    return strPath;
}

int CTolvaneApp::ExitInstance()
{
    ::ReleaseMutex(m_hMutex);
    if (m_bMutexCreated)
        ::CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    m_bMutexCreated = 0;
    RestoreLauncher();
    return CWinApp::ExitInstance();
}

void CTolvaneApp::RestoreLauncher()
{
    if (HANDLE hOther = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, TOLVANE_MUTEX); hOther != nullptr) {
        ::CloseHandle(hOther);
        return;
    }
    HANDLE hLauncher = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, STRELMAIN_MUTEX);
    if (hLauncher == nullptr)
        return;
    ::CloseHandle(hLauncher);
    const HWND hWnd = ::FindWindowA(nullptr, STRELMAIN_TITLE);
    if (hWnd != nullptr && ::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_RESTORE);
}

BOOL CTolvaneApp::PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!PumpMessage()) {
            ::PostQuitMessage(0);
            return FALSE;
        }
    }
    for (LONG lCount = 0; OnIdle(lCount); ++lCount) {
    }
    return TRUE;
}

void CTolvaneApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}
