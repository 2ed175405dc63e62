// Seams through which tests replace the user, the help viewer and the clock.
#pragma once
#include <windows.h>
#include "afxapi.h"

// Every message box of the suite goes through AfxShowMessageBox. A hook,
// when set, is called instead of MessageBoxA and its result returned.
typedef int (*AFX_MESSAGEBOX_HOOK)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
AFX_API AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook);
AFX_API int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Every request to the help viewer goes through AfxShowHelp. A hook, when
// set, is called instead of WinHelpA and its result returned.
typedef BOOL (*AFX_HELP_HOOK)(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data);
AFX_API AFX_HELP_HOOK AfxSetHelpHook(AFX_HELP_HOOK hook);
AFX_API BOOL AfxShowHelp(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data);

// The current local time of the suite. A fixed time, when set, is returned
// instead of the system clock; pass nullptr to return to the system clock.
AFX_API void AfxSetFixedLocalTime(const SYSTEMTIME* fixed);
AFX_API void AfxGetCurrentLocalTime(SYSTEMTIME* now);
