#include "afxseam.h"
#include <utility>

namespace {
AFX_MESSAGEBOX_HOOK g_messageBoxHook = nullptr;
AFX_HELP_HOOK g_helpHook = nullptr;
bool g_clockFixed = false;
SYSTEMTIME g_fixedTime;

// The test's hook when one is set, else the system's function.
template <typename Hook, typename Function, typename... Args>
auto HookOr(Hook hook, Function function, Args... args)
{
    return hook != nullptr ? hook(args...) : function(args...);
}
}

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook)
{
    return std::exchange(g_messageBoxHook, hook);
}

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    return HookOr(g_messageBoxHook, &::MessageBoxA, owner, text, caption, type);
}

AFX_HELP_HOOK AfxSetHelpHook(AFX_HELP_HOOK hook)
{
    return std::exchange(g_helpHook, hook);
}

BOOL AfxShowHelp(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data)
{
    return HookOr(g_helpHook, &::WinHelpA, owner, helpFile, command, data);
}

void AfxSetFixedLocalTime(const SYSTEMTIME* fixed)
{
    g_clockFixed = fixed != nullptr;
    if (fixed != nullptr)
        g_fixedTime = *fixed;
}

void AfxGetCurrentLocalTime(SYSTEMTIME* now)
{
    if (g_clockFixed)
        *now = g_fixedTime;
    else
        ::GetLocalTime(now);
}
