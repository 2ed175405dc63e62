// A DLL of the window tests: loads a string from its own string table, as a
// DLL loads its own dialogs and menus.
#include "afxwin.h"
#include "testdll.h"

extern "C" __declspec(dllexport) BOOL WndTestLoadOwnString(UINT nID, CString* pText, HINSTANCE* phDuring)
{
    CResourceHandleSwitch toThisModule;
    *phDuring = AfxGetResourceHandle();
    return pText->LoadString(nID);
}
