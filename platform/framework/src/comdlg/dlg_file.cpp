#include <algorithm>
#include <string.h>
#include "dialogs/dlg_internal.h"
#include "comdlg/comdlg_lazy.h"

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
    LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : ""), m_szFileName(), m_szFileTitle()
{
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strDefExt);
    if (lpszFilter != nullptr) {
        // "name|pattern|..." becomes "name\0pattern\0...\0".
        m_strFilter = lpszFilter;
        LPSTR pszFilter = m_strFilter.GetBuffer(m_strFilter.GetLength());
        // The next character is found before the bar becomes the end of a
        // string: CharNextA does not step over a NUL.
        for (LPSTR p = pszFilter; *p != '\0';) {
            LPSTR pNext = ::CharNextA(p);
            if (*p == '|')
                *p = '\0';
            p = pNext;
        }
        m_strFilter.ReleaseBuffer(m_strFilter.GetLength());
        m_ofn.lpstrFilter = m_strFilter;
    }
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return 0;
    // The hook's window is a child of the explorer dialog.
    CFileDialog* pDialog = reinterpret_cast<CFileDialog*>(reinterpret_cast<OPENFILENAMEA*>(lParam)->lCustData);
    pDialog->AttachSystemDialog(::GetParent(hWnd));
    return TRUE;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = OwnerHwnd();
    const BOOL bResult = m_bOpenFileDialog ? AfxCallGetOpenFileName(&m_ofn) : AfxCallGetSaveFileName(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    const CString path(m_szFileName);
    return path.Mid(std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int nDot = name.ReverseFind('.');
    return nDot < 0 ? CString() : name.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int nDot = name.ReverseFind('.');
    return nDot < 0 ? name : name.Left(nDot);
}
