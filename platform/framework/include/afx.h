// The framework class library: include this to use any of it.
#pragma once
#include "afxapi.h"
#include "afxseam.h"
#include "afxstr.h"
#include "afxobj.h"
#include "afxexcept.h"
#include "afxfile.h"
#include "afxarc.h"
#include "afxgeom.h"
#include "afxtime.h"

// Message boxes through AfxShowMessageBox, captioned with the program's name.
AFX_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is the string resource nIDPrompt.
AFX_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The program's module and the module whose resources the framework loads
// (strings, dialogs); both start as the program's module.
AFX_API HINSTANCE AfxGetInstanceHandle();
// The calling thread's switched module (AfxSwitchThreadResourceHandle) if
// it has one, else the process's.
AFX_API HINSTANCE AfxGetResourceHandle();
// Sets the process's module, seen by every thread that has none switched in.
AFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// Sets the calling thread's own module, which no other thread sees (null:
// the process's again); returns the one it replaces (null for none).
AFX_API HINSTANCE AfxSwitchThreadResourceHandle(HINSTANCE hInstResource);

// Diagnostics. Without NDEBUG, ASSERT reports a false condition with its
// place (AfxAssertFailedLine) and TRACE writes printf-style text to the
// debugger; with NDEBUG (the suite's builds) neither evaluates anything.
// VERIFY always evaluates its expression and checks it as ASSERT does.
AFX_API void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFX_API void AfxTrace(LPCSTR lpszFormat, ...) __attribute__((format(ms_printf, 1, 2)));

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#else
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE(...) AfxTrace(__VA_ARGS__)
#endif
