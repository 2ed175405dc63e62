// The print loop of views and the state of a print job.
#include <algorithm>
#include "afxdlgs.h"
#include "win/winstate.h"

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)), m_bDirect(FALSE),
      m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(0),
      m_strPageDesc("%u ページ\n%u - %u ページ\n"), m_lpUserData(nullptr), m_rectDraw(0, 0, 0, 0)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo()
{
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage);
}

void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage);
}

UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}

UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->m_pd.nFromPage;
}

UINT CPrintInfo::GetToPage() const
{
    return m_pPD->m_pd.nToPage;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

namespace {

// The context of the printer a direct print goes to: the one a "/pt"
// command line names, else the application's.
HDC CreateDirectPrinterDC(CWinApp* pApp, const CPrintInfo* pInfo)
{
    CPrintDialog* pPD = pInfo->m_pPD;
    if (pApp == nullptr)
        return nullptr;
    const CCommandLineInfo* pCmdInfo = pApp->m_pCmdInfo;
    if (pInfo->m_bDirect && pCmdInfo != nullptr && pCmdInfo->m_nShellCommand == CCommandLineInfo::FilePrintTo) {
        pPD->m_pd.hDC = ::CreateDCA(pCmdInfo->m_strDriverName, pCmdInfo->m_strPrinterName,
            pCmdInfo->m_strPortName.IsEmpty() ? nullptr : static_cast<LPCSTR>(pCmdInfo->m_strPortName), nullptr);
        return pPD->m_pd.hDC;
    }
    return pApp->GetPrinterDeviceDefaults(&pPD->m_pd) ? pPD->CreatePrinterDC() : nullptr;
}

}  // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    CPrintDialog* pPD = pInfo->m_pPD;
    // "All pages" prints the whole range.
    pPD->m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    pPD->m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (pPD->m_pd.hDC == nullptr && CreateDirectPrinterDC(pApp, pInfo) == nullptr) {
            AfxMessageBox("プリンタが見つかりません。", MB_ICONEXCLAMATION);
            return FALSE;
        }
    } else {
        const WORD nMinPage = pPD->m_pd.nMinPage;
        const WORD nMaxPage = pPD->m_pd.nMaxPage;
        if (pApp == nullptr || pApp->DoPrintDialog(pPD) != IDOK)
            return FALSE;
        // The limits stay; "All pages" is the whole range.
        pPD->m_pd.nMinPage = nMinPage;
        pPD->m_pd.nMaxPage = nMaxPage;
        if (!(pPD->m_pd.Flags & PD_PAGENUMS)) {
            pPD->m_pd.nFromPage = nMinPage;
            pPD->m_pd.nToPage = nMaxPage;
        }
    }
    if (pPD->m_pd.hDC == nullptr)
        return FALSE;
    if (pApp != nullptr && pInfo->m_nNumPreviewPages == 0)
        pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&printInfo))
        return;

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    dcPrint.m_bPrinting = TRUE;
    OnBeginPrinting(&dcPrint, &printInfo);

    const CString title = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString();
    DOCINFOA docInfo = {sizeof docInfo};
    docInfo.lpszDocName = title;
    if (::StartDocA(dcPrint.m_hDC, &docInfo) <= 0) {
        OnEndPrinting(&dcPrint, &printInfo);
        dcPrint.Detach();
        AfxMessageBox("印刷できませんでした。", MB_ICONEXCLAMATION);
        return;
    }

    // The range is read after OnBeginPrinting, which may change it, and
    // held to the page limits; a range given backwards prints backwards.
    const UINT nMin = printInfo.GetMinPage();
    const UINT nMax = printInfo.GetMaxPage();
    const UINT nStart = std::min(std::max(printInfo.GetFromPage(), nMin), nMax);
    const UINT nEnd = std::min(std::max(printInfo.GetToPage(), nMin), nMax);
    const int nStep = nEnd >= nStart ? 1 : -1;
    BOOL bError = FALSE;
    for (printInfo.m_nCurPage = nStart; printInfo.m_bContinuePrinting; printInfo.m_nCurPage += nStep) {
        OnPrepareDC(&dcPrint, &printInfo);
        if (!printInfo.m_bContinuePrinting)
            break;
        printInfo.m_rectDraw = CRect(0, 0, dcPrint.GetDeviceCaps(HORZRES), dcPrint.GetDeviceCaps(VERTRES));
        dcPrint.DPtoLP(&printInfo.m_rectDraw);
        if (::StartPage(dcPrint.m_hDC) <= 0) {
            bError = TRUE;
            break;
        }
        OnPrint(&dcPrint, &printInfo);
        if (::EndPage(dcPrint.m_hDC) <= 0) {
            bError = TRUE;
            break;
        }
        if (printInfo.m_nCurPage == nEnd)
            break;
    }
    if (bError)
        ::AbortDoc(dcPrint.m_hDC);
    else
        ::EndDoc(dcPrint.m_hDC);
    OnEndPrinting(&dcPrint, &printInfo);
    dcPrint.Detach();
    if (bError)
        AfxMessageBox("印刷できませんでした。", MB_ICONEXCLAMATION);
}
