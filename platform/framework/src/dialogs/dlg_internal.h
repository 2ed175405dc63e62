// What the dialog and control classes share (private to the framework).
#pragma once
#include "afxdlgs.h"

// The common controls (up-down, property sheets, tabs) are loaded from
// comctl32.dll when first needed and their window classes registered;
// FALSE if they are missing.
BOOL AfxInitCommonControls();
// PropertySheetA; -1 if the common controls are missing.
INT_PTR AfxPropertySheet(LPCPROPSHEETHEADERA pHeader);

// The window's whole text.
CString AfxGetWindowTextString(HWND hWnd);
// The text of item nIndex of a combo or list box through its length and
// text messages (CB_GETLBTEXTLEN, CB_GETLBTEXT...); empty for no item.
CString AfxGetListItemText(HWND hWnd, int nIndex, UINT nGetLenMessage, UINT nGetTextMessage);

// Shows a validation message and abandons the exchange (Fail).
[[noreturn]] void AfxFailExchange(CDataExchange* pDX, LPCSTR lpszMessage);

// The owner of a modal dialog or sheet (CWnd::GetSafeOwner): the top-level
// window of pParentWnd, else the main window's last active popup, so that a
// dialog opened from another dialog is owned by it. It is disabled while
// the object lives.
class AfxModalOwner
{
public:
    explicit AfxModalOwner(CWnd* pParentWnd);
    ~AfxModalOwner() { Enable(); }
    AfxModalOwner(const AfxModalOwner&) = delete;
    AfxModalOwner& operator=(const AfxModalOwner&) = delete;

    // After the modal loop: enables the owner again and gives it the
    // activation back if the modal window (hWndModal) has it. A modal window
    // destroyed under its loop (hWndModal null) took the activation with it
    // while its owner was disabled: the owner takes it back unless another
    // window of the thread has it.
    void Release(HWND hWndModal);

    HWND m_hWnd;

private:
    void Enable();

    bool m_bEnable;
};

// Calls the control's DrawItem, MeasureItem, CompareItem or DeleteItem for
// the parent's message; FALSE for other messages.
template <class TControl>
BOOL AfxReflectOwnerDraw(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM:
        pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    case WM_MEASUREITEM:
        pControl->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    case WM_COMPAREITEM:
        *pResult = pControl->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return TRUE;
    case WM_DELETEITEM:
        pControl->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}
