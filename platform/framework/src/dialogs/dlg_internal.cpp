#include "dialogs/dlg_internal.h"

CString AfxGetWindowTextString(HWND hWnd)
{
    CString text;
    const int nLength = ::GetWindowTextLengthA(hWnd);
    if (nLength > 0) {
        const int nCopied = ::GetWindowTextA(hWnd, text.GetBuffer(nLength), nLength + 1);
        text.ReleaseBuffer(nCopied);
    }
    return text;
}

CString AfxGetListItemText(HWND hWnd, int nIndex, UINT nGetLenMessage, UINT nGetTextMessage)
{
    CString text;
    const int nLength = static_cast<int>(::SendMessageA(hWnd, nGetLenMessage, static_cast<WPARAM>(nIndex), 0));
    if (nLength > 0) {
        // The length may be overstated for double-byte text, never understated.
        const LPSTR pszText = text.GetBuffer(nLength);
        ::SendMessageA(hWnd, nGetTextMessage, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pszText));
        text.ReleaseBuffer();
    }
    return text;
}

AfxModalOwner::AfxModalOwner(CWnd* pParentWnd) : m_hWnd(CWnd::GetSafeOwner(pParentWnd)->GetSafeHwnd()), m_bEnable(false)
{
    if (m_hWnd != nullptr && ::IsWindowEnabled(m_hWnd)) {
        ::EnableWindow(m_hWnd, FALSE);
        m_bEnable = true;
    }
}

void AfxModalOwner::Enable()
{
    if (m_bEnable) {
        ::EnableWindow(m_hWnd, TRUE);
        m_bEnable = false;
    }
}

void AfxModalOwner::Release(HWND hWndModal)
{
    Enable();
    if (m_hWnd != nullptr && ::GetActiveWindow() == hWndModal)
        ::SetActiveWindow(m_hWnd);
}
