// The application's printer: the DEVMODE and DEVNAMES it keeps.
#include "afxdlgs.h"
#include "win/winstate.h"
#include "comdlg/comdlg_lazy.h"

void CWinApp::FreePrinterDefaults()
{
    for (HGLOBAL* phGlobal : {&m_hDevMode, &m_hDevNames}) {
        if (*phGlobal != nullptr)
            ::GlobalFree(*phGlobal);
        *phGlobal = nullptr;
    }
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg)
{
    if (m_hDevNames == nullptr) {
        PRINTDLGA pd = {};
        pd.lStructSize = sizeof pd;
        pd.Flags = PD_RETURNDEFAULT;
        if (!AfxCallPrintDlg(&pd))
            return FALSE;
        FreePrinterDefaults();
        m_hDevMode = pd.hDevMode;
        m_hDevNames = pd.hDevNames;
    }
    pPrintDlg->hDevMode = m_hDevMode;
    pPrintDlg->hDevNames = m_hDevNames;
    return m_hDevNames != nullptr;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    GetPrinterDeviceDefaults(&pPD->m_pd);
    const INT_PTR nResult = pPD->DoModal();
    // The dialog may have replaced the blocks it was given (and freed the
    // old ones).
    m_hDevMode = pPD->m_pd.hDevMode;
    m_hDevNames = pPD->m_pd.hDevNames;
    return nResult;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dialog(TRUE);
    DoPrintDialog(&dialog);
}
