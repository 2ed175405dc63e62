#include "dialogs/dlg_internal.h"
#include "comdlg/comdlg_lazy.h"

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cf(), m_lf()
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial != nullptr) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != nullptr) {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    // The system's dialog may write the font as the user changes it: m_lf
    // takes the choice on OK only.
    LOGFONTA lfShown = m_lf;
    m_cf.hwndOwner = OwnerHwnd();
    m_cf.lpLogFont = &lfShown;
    m_cf.Flags |= CF_ENABLEHOOK;
    m_cf.lpfnHook = &HookOf<CHOOSEFONTA>;
    m_cf.lCustData = reinterpret_cast<LPARAM>(static_cast<CCommonDialog*>(this));
    const BOOL bChosen = AfxCallChooseFont(&m_cf);
    m_cf.lpLogFont = &m_lf;
    if (!bChosen)
        return IDCANCEL;
    m_lf = lfShown;
    return IDOK;
}
