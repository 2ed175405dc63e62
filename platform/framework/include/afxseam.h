// Seams through which tests replace the user and the clock.
#pragma once
#include <windows.h>
#include "afxapi.h"

// Every message box of the suite goes through AfxShowMessageBox. A hook,
// when set, is called instead of MessageBoxA and its result returned.
typedef int (*AFX_MESSAGEBOX_HOOK)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
AFX_API AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook);
AFX_API int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The current local time of the suite. A fixed time, when set, is returned
// instead of the system clock; pass nullptr to return to the system clock.
AFX_API void AfxSetFixedLocalTime(const SYSTEMTIME* fixed);
AFX_API void AfxGetCurrentLocalTime(SYSTEMTIME* now);
