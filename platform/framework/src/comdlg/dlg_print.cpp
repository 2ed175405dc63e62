#include <stddef.h>
#include "dialogs/dlg_internal.h"
#include "comdlg/comdlg_lazy.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd()
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
    m_pd.lCustData = reinterpret_cast<LPARAM>(static_cast<CCommonDialog*>(this));
    m_pd.lpfnPrintHook = &HookOf<PRINTDLGA>;
    m_pd.lpfnSetupHook = &HookOf<PRINTDLGA>;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal()
{
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    m_pd.hwndOwner = OwnerHwnd();
    m_pd.Flags |= PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    m_pd.lCustData = reinterpret_cast<LPARAM>(static_cast<CCommonDialog*>(this));
    return AfxCallPrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    PRINTDLGA pd = m_pd;
    pd.Flags = PD_RETURNDEFAULT;
    pd.hDevMode = nullptr;
    pd.hDevNames = nullptr;
    pd.hDC = nullptr;
    if (!AfxCallPrintDlg(&pd))
        return FALSE;
    m_pd.hDevMode = pd.hDevMode;
    m_pd.hDevNames = pd.hDevNames;
    return TRUE;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDevNames == nullptr)
        return nullptr;
    LPDEVMODEA pDevMode = GetDevMode();
    const HDC hDC = ::CreateDCA(GetDriverName(), GetDeviceName(), nullptr, pDevMode);
    if (pDevMode != nullptr)
        ::GlobalUnlock(m_pd.hDevMode);
    if (hDC == nullptr)
        return nullptr;
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = hDC;
    return hDC;
}

LPDEVMODEA CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != nullptr ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA pDevMode = GetDevMode();
        if (pDevMode != nullptr) {
            const int nCopies = pDevMode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return nCopies;
        }
    }
    return m_pd.nCopies;
}

BOOL CPrintDialog::PrintCollate() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA pDevMode = GetDevMode();
        if (pDevMode != nullptr) {
            const BOOL bCollate = pDevMode->dmCollate == DMCOLLATE_TRUE;
            ::GlobalUnlock(m_pd.hDevMode);
            return bCollate;
        }
    }
    return (m_pd.Flags & PD_COLLATE) != 0;
}

CString CPrintDialog::DevNamesPart(size_t nOffset) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (pNames == nullptr)
        return CString();
    const WORD wOffset = *reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(pNames) + nOffset);
    const SIZE_T cbNames = ::GlobalSize(m_pd.hDevNames);
    CString part;
    if (wOffset < cbNames) {
        const char* psz = reinterpret_cast<const char*>(pNames) + wOffset;
        part = CString(psz, static_cast<int>(strnlen(psz, cbNames - wOffset)));
    }
    ::GlobalUnlock(m_pd.hDevNames);
    return part;
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wDriverOffset));
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wDeviceOffset));
}

CString CPrintDialog::GetPortName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wOutputOffset));
}
