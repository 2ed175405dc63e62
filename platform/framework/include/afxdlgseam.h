// Seams through which tests answer dialogs and menus instead of a user.
//
// Modal dialogs (CDialog::DoModal) and property sheets
// (CPropertySheet::DoModal) run CWnd::RunModalLoop, so a test answers them
// through the modal loop hook of afxwin.h (AfxSetModalLoopHook): it is
// called with the dialog once the dialog is up, and can set its controls
// and end it (EndDialog, or a button pressed with BM_CLICK).
#pragma once
#include <windows.h>
#include "afxapi.h"

class CMenu;
class CWnd;

// Called by CMenu::TrackPopupMenu instead of showing the menu, after the
// owner has had WM_INITMENUPOPUP for it (unless TPM_NONOTIFY), with the
// call's arguments; returns the command chosen, 0 for none.
typedef UINT (*AFX_POPUPMENU_HOOK)(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd);
// Returns the hook it replaces; null shows menus again.
AFX_API AFX_POPUPMENU_HOOK AfxSetPopupMenuHook(AFX_POPUPMENU_HOOK hook);
