// The edit context menu (menu 108) of the entry windows: loaded from this
// library, its states set by the window, tracked for the host window.
#pragma once
#include <afxwin.h>

#include "entry/entrymenures.h"

class CNPropObj;

class CEntryMenu
{
public:
    // Positions in the popup's last item, the format submenu.
    enum { FORMAT_ROWS = 0, FORMAT_PITCH = 1, FORMAT_NUMBER = 3 };

    // Loads menu 108 with this library's resources switched in; Popup() is
    // null when it fails.
    CEntryMenu();
    ~CEntryMenu();
    CEntryMenu(const CEntryMenu&) = delete;
    CEntryMenu& operator=(const CEntryMenu&) = delete;

    CMenu* Popup() const;
    CMenu* FormatMenu() const;

    void Enable(UINT nID, BOOL bEnable);
    void Check(UINT nID, BOOL bCheck);
    // Enabled and checked as given.
    void Set(UINT nID, BOOL bEnable, BOOL bCheck);

    // The format items' states from pField (null: no field), the rows all
    // entry windows share: row height, pitch, automatic calculation, copy
    // setting, layout lock and carry-over.
    void SetFormatStates(CNPropObj* pField);

    // Shows the popup at ptScreen (TPM_RIGHTBUTTON); pOwner gets the
    // chosen command. Nothing without a popup or an owner.
    void Track(CPoint ptScreen, CWnd* pOwner);

private:
    CMenu m_menu;
};

// The window that receives a menu's commands: pWnd's parent's parent.
CWnd* EntryMenuHost(CWnd* pWnd);

// Whether the clipboard holds nFormat; FALSE when it does not open.
BOOL ClipboardHolds(UINT nFormat);
