#include <stdlib.h>
#include <string.h>
#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = nullptr;

void ReplaceString(LPCSTR& rpsz, LPCSTR pszNew)
{
    free(const_cast<LPSTR>(rpsz));
    rpsz = pszNew != nullptr ? _strdup(pszNew) : nullptr;
}

void SetIfNull(LPCSTR& rpsz, LPCSTR pszValue)
{
    if (rpsz == nullptr)
        ReplaceString(rpsz, pszValue);
}

}  // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWinApp::CWinApp(LPCSTR lpszAppName, AFX_PFNWINMAIN)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_pszHelpFilePath(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr)
{
    ReplaceString(m_pszAppName, lpszAppName);
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    g_pApp = this;
    AfxGetWinThreadState().pCurrentThread = this;
}

CWinApp::~CWinApp()
{
    DeleteDocumentState();
    for (LPCSTR* ppsz : {&m_pszAppName, &m_pszExeName, &m_pszHelpFilePath, &m_pszRegistryKey, &m_pszProfileName})
        ReplaceString(*ppsz, nullptr);
    if (g_pApp == this)
        g_pApp = nullptr;
    AfxWinThreadState& state = AfxGetWinThreadState();
    if (state.pCurrentThread == this)
        state.pCurrentThread = nullptr;
}

void CWinApp::SetCurrentHandles()
{
    char szPath[MAX_PATH];
    const DWORD nPath = ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    const CString path(szPath, nPath < MAX_PATH ? static_cast<int>(nPath) : 0);
    const int nDot = path.ReverseFind('.');
    const CString pathNoExt = nDot > path.ReverseFind('\\') ? path.Left(nDot) : path;
    const CString exeName = pathNoExt.Mid(pathNoExt.ReverseFind('\\') + 1);

    SetIfNull(m_pszExeName, exeName);
    if (m_pszAppName == nullptr) {
        CString title;
        SetIfNull(m_pszAppName, title.LoadString(AFX_IDS_APP_TITLE) ? title : exeName);
    }
    SetIfNull(m_pszHelpFilePath, pathNoExt + ".HLP");
    SetIfNull(m_pszProfileName, exeName + ".INI");
}

// The system draws dialog controls in 3D itself.
BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    ReplaceString(m_pszProfileName, m_pszAppName != nullptr ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->SetCurrentHandles();
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

// The entry point of programs made of a CWinApp object: a program that
// defines no WinMain of its own links to this one.
extern "C" AFX_API int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
