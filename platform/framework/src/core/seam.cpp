#include "afxseam.h"

namespace {
AFX_MESSAGEBOX_HOOK g_messageBoxHook = nullptr;
bool g_clockFixed = false;
SYSTEMTIME g_fixedTime;
}

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook)
{
    AFX_MESSAGEBOX_HOOK old = g_messageBoxHook;
    g_messageBoxHook = hook;
    return old;
}

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (g_messageBoxHook != nullptr)
        return g_messageBoxHook(owner, text, caption, type);
    return ::MessageBoxA(owner, text, caption, type);
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
