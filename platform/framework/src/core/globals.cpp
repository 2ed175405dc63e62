#include "afx.h"
#include <atomic>
#include "afxres.h"

namespace {

// The module the framework loads resources from; the program's module
// until set. A function's static, so that it is ready for any caller
// during the initialisation of other modules.
std::atomic<HINSTANCE>& ResourceHandle()
{
    static std::atomic<HINSTANCE> s_hResource{::GetModuleHandleA(nullptr)};
    return s_hResource;
}

// The calling thread's own resource module while it has one switched in.
thread_local HINSTANCE t_hSwitchedResource = nullptr;

// The program's name: its file name without folder and extension.
CString ProgramName()
{
    char szPath[MAX_PATH];
    const DWORD nPath = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (nPath == 0 || nPath >= MAX_PATH)
        return CString();
    CString name(szPath, static_cast<int>(nPath));
    name = name.Mid(name.ReverseFind('\\') + 1);
    const int nDot = name.ReverseFind('.');
    return nDot > 0 ? name.Left(nDot) : name;
}

// The framework's own text of a prompt id; empty for any other id.
CString FrameworkPrompt(UINT nIDPrompt)
{
    switch (nIDPrompt) {
    case AFX_IDP_FAILED_TO_LAUNCH_HELP:
        return "ヘルプを起動できませんでした。";
    case AFX_IDP_COMMAND_FAILURE:
        return "コマンドを実行できませんでした。";
    default:
        return CString();
    }
}

}  // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    const CString caption = ProgramName();
    return AfxShowMessageBox(::GetActiveWindow(), lpszText, caption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text = FrameworkPrompt(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return t_hSwitchedResource != nullptr ? t_hSwitchedResource : ResourceHandle().load();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ResourceHandle() = hInstResource;
}

HINSTANCE AfxSwitchThreadResourceHandle(HINSTANCE hInstResource)
{
    const HINSTANCE hPrevious = t_hSwitchedResource;
    t_hSwitchedResource = hInstResource;
    return hPrevious;
}
