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
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
