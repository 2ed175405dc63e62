// The print loop of views and the state of a print job.
#include <algorithm>
#include "afxdlgs.h"
#include "print/printing_dialog.h"
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

namespace {

// The printer's context for the time of a job: the print dialog keeps it
// and deletes it, so the job's CDC only borrows it.
class CJobDC : public CDC
{
public:
    explicit CJobDC(HDC hDC)
    {
        Attach(hDC);
        m_bPrinting = TRUE;
    }
    ~CJobDC() override { Detach(); }
};

// One print job of a view: the printing window, the document, the pages,
// and OnEndPrinting exactly once, whatever way the job ends.
class CPrintJob
{
public:
    CPrintJob(CView& view, CPrintInfo& info) : m_view(view), m_info(info), m_dc(info.m_pPD->m_pd.hDC) {}

    // Throws what the view's printing functions throw, after the document
    // was aborted and OnEndPrinting has run.
    void Run()
    {
        try {
            Print();
        } catch (...) {
            if (m_bStarted)
                ::AbortDoc(m_dc.m_hDC);
            End();
            throw;
        }
    }

private:
    void Print()
    {
        m_view.OnBeginPrinting(&m_dc, &m_info);
        // A view that stops the job here has it end before its document.
        if (!m_info.m_bContinuePrinting) {
            End();
            return;
        }
        CDocument* pDocument = m_view.GetDocument();
        const CString title = pDocument != nullptr ? pDocument->GetTitle() : CString();
        CWnd* pMainWnd = AfxGetMainWnd();
        CPrintingDialog dialog(pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr, title);
        ::SetAbortProc(m_dc.m_hDC, &CPrintingDialog::AbortProc);
        DOCINFOA docInfo = {sizeof docInfo};
        docInfo.lpszDocName = title;
        if (::StartDocA(m_dc.m_hDC, &docInfo) <= 0) {
            End();
            AfxMessageBox("印刷できませんでした。", MB_ICONEXCLAMATION);
            return;
        }
        m_bStarted = TRUE;
        const BOOL bError = !PrintPages(dialog);
        if (bError || dialog.IsCancelled())
            ::AbortDoc(m_dc.m_hDC);
        else
            ::EndDoc(m_dc.m_hDC);
        m_bStarted = FALSE;
        End();
        if (bError)
            AfxMessageBox("印刷できませんでした。", MB_ICONEXCLAMATION);
    }

    // The range is read after OnBeginPrinting, which may change it, and
    // held to the page limits; a range given backwards prints backwards.
    // FALSE when a page failed.
    BOOL PrintPages(CPrintingDialog& dialog)
    {
        const UINT nMin = m_info.GetMinPage();
        const UINT nMax = m_info.GetMaxPage();
        const UINT nStart = std::min(std::max(m_info.GetFromPage(), nMin), nMax);
        const UINT nEnd = std::min(std::max(m_info.GetToPage(), nMin), nMax);
        const int nStep = nEnd >= nStart ? 1 : -1;
        for (m_info.m_nCurPage = nStart; m_info.m_bContinuePrinting; m_info.m_nCurPage += nStep) {
            dialog.ShowPage(m_info.m_nCurPage);
            if (!dialog.Pump())
                return TRUE;
            m_view.OnPrepareDC(&m_dc, &m_info);
            if (!m_info.m_bContinuePrinting)
                break;
            m_info.m_rectDraw = CRect(0, 0, m_dc.GetDeviceCaps(HORZRES), m_dc.GetDeviceCaps(VERTRES));
            m_dc.DPtoLP(&m_info.m_rectDraw);
            if (::StartPage(m_dc.m_hDC) <= 0)
                return dialog.IsCancelled();
            m_view.OnPrint(&m_dc, &m_info);
            if (::EndPage(m_dc.m_hDC) <= 0)
                return dialog.IsCancelled();
            if (m_info.m_nCurPage == nEnd)
                break;
        }
        return TRUE;
    }

    void End()
    {
        if (m_bEnded)
            return;
        m_bEnded = TRUE;
        m_view.OnEndPrinting(&m_dc, &m_info);
    }

    CView& m_view;
    CPrintInfo& m_info;
    CJobDC m_dc;
    BOOL m_bStarted = FALSE;
    BOOL m_bEnded = FALSE;
};

}  // namespace

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&printInfo))
        return;
    CPrintJob(*this, printInfo).Run();
}
