// CTolvaneView: printing.
#include "view/tolvaneview.h"

#include <memory>

#include <afxcomdlg.h>

#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "nmirtdoc.h"
#include "printing/orgprintdialog.h"
#include "printing/papermatch.h"
#include "printing/printrange.h"
#include "quorix.h"
#include "resource.h"
#include "app/tolvaneapp.h"
#include "document/maindatalist.h"
#include "document/tolvanedoc.h"

namespace {

const char kNoPrinter[] = "プリンタドライバが見つかりません。処理を中止します\n";
const char kPrintFailed[] = "印刷に失敗しました。";
const char kJobFailed[] = "印刷ﾌﾟﾚﾋﾞｭｰ作成／印刷に失敗しました。";
const char kTooManyPages[] = "印刷するページ数が多すぎます。ページ範囲または部数を減らしてください。";

// The copies are the program's when its own dialog asked for them.
PrintRange RangeOf(const CPrintInfo* pInfo, bool bCollate)
{
    const CPrintDialog* pPD = pInfo->m_pPD;
    const int nCopies = pPD->IsKindOf(RUNTIME_CLASS(COrgPrintDialog)) ? static_cast<const COrgPrintDialog*>(pPD)->m_nCopies
                                                                      : pPD->GetCopies();
    return PrintRange{pPD->GetFromPage(), pPD->GetToPage(), nCopies, bCollate};
}

}  // namespace

BOOL CTolvaneView::MatchPrinterPaper()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    if (!AfxGetApp()->GetPrinterDeviceDefaults(&pd) || pd.hDevMode == nullptr) {
        AfxMessageBox(kNoPrinter);
        return FALSE;
    }
    auto* pNames = static_cast<DEVNAMES*>(GlobalLock(pd.hDevNames));
    auto* pMode = static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode));
    if (pNames != nullptr && pMode != nullptr)
        MatchPaper(m_rectForm.Width(), m_rectForm.Height(), ReadPaperLists(pNames, pMode), *pMode);
    GlobalUnlock(pd.hDevMode);
    GlobalUnlock(pd.hDevNames);
    return TRUE;
}

void CTolvaneView::OnPaperInfo()
{
    const CMainDataList index;
    const UINT nLayoutID = SourceLayoutOf(index, static_cast<UINT>(TolvaneApp()->m_nLayoutID));
    m_strSheetName.Empty();
    m_dwSheetValue = 0;
    const CString strTitle = index.FindForm(nLayoutID, m_strSheetName, m_dwSheetValue);
    m_bSheetPresent = !m_strSheetName.IsEmpty();
    CQuorix::CallQuorix(strTitle, nLayoutID);
}

void CTolvaneView::OnPrintForm()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr || !CommitAndSwitchPage(PAGE_COMMIT, 0, TRUE) ||
        GetPageCount() <= 0) {
        AfxMessageBox(kPrintFailed);
        return;
    }
    pDoc->m_pPrtFrm->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    pDoc->m_pPrtFrm->SetMetaFile(static_cast<UINT>(m_nRuledLineColor));
    PostMessage(WM_COMMAND, ID_FILE_PRINT);
}

BOOL CTolvaneView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (m_nAutoPaper && !MatchPrinterPaper())
        return FALSE;
    delete pInfo->m_pPD;
    // The program counts copies and collates: the dialog reports them.
    auto* pDialog = new COrgPrintDialog(FALSE, PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE);
    pDialog->m_pd.Flags &= ~static_cast<DWORD>(PD_USEDEVMODECOPIESANDCOLLATE);
    pInfo->m_pPD = pDialog;
    const int nPages = GetPageCount() < 1 ? 1 : GetPageCount();
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(static_cast<UINT>(nPages));
    pInfo->m_nCurPage = static_cast<UINT>(m_nCurrentPage < 0 ? 1 : m_nCurrentPage >= nPages ? nPages : m_nCurrentPage + 1);
    pInfo->m_nNumPreviewPages = 1;
    const BOOL bResult = DoPreparePrinting(pInfo);
    m_bCollate = pDialog->m_bCollate;
    return bResult;
}

void CTolvaneView::OnBeginPrinting(CDC*, CPrintInfo* pInfo)
{
    const PrintRange range = RangeOf(pInfo, m_bCollate != FALSE);
    const int nEnd = range.ExpandedEnd();
    if (nEnd == 0) {
        AfxMessageBox(kTooManyPages);
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    pInfo->m_pPD->m_pd.nToPage = static_cast<WORD>(nEnd);
    pInfo->SetMaxPage(static_cast<UINT>(nEnd));
    // A job without its layout would print empty sheets.
    if (!MakeJobFrame()) {
        AfxMessageBox(kJobFailed);
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }
    m_pJobFrame->SetParentWnd(this);
    m_pJobFrame->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    m_pJobFrame->SetPercent(static_cast<UINT>(m_nPaperKind == 1 ? m_nScale : 100));
    m_pJobFrame->SetMetaFile(static_cast<UINT>(m_nPaperKind == 1 ? m_nRuledLineColor : 1));
    m_pJobFrame->CreateWindowDmy(1);
    m_pJobFrame->ClearNumberCount();
}

BOOL CTolvaneView::MakeJobFrame()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr)
        return FALSE;
    if (m_pJobFrame == nullptr)
        m_pJobFrame = new CMirtBasePrtFrm;
    const int nLayoutID = static_cast<CTolvaneApp*>(AfxGetApp())->m_nLayoutID;
    if (nLayoutID > 0 && m_pJobFrame->SetFormat(static_cast<UINT>(nLayoutID)) != 0)
        return TRUE;
    return CopyDocumentPage(m_pJobFrame);
}

BOOL CTolvaneView::CopyDocumentPage(CMirtBasePrtFrm* pTarget)
{
    CMirtBasePrtFrm* pSource = GetDocument()->m_pPrtFrm;
    std::unique_ptr<CNMirtDoc> pPage(pSource->GetData(0, 0));
    if (pPage == nullptr || pTarget->SetFormat(pPage->GetFormat()) == 0) {
        // The document frame gives its page back.
        if (pPage != nullptr)
            delete pSource->SetData(pPage.release());
        return FALSE;
    }
    std::unique_ptr<CNMirtDoc> pCopy(CopyPage(pPage.get()));
    delete pSource->SetData(pPage.release());
    if (pCopy != nullptr)
        delete pTarget->SetData(pCopy.release());
    return TRUE;
}

void CTolvaneView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pJobFrame != nullptr) {
        const int nPage = RangeOf(pInfo, m_bCollate != FALSE).DocumentPage(static_cast<int>(pInfo->m_nCurPage));
        std::unique_ptr<CNMirtDoc> pCopy(CopyPage(PageAt(nPage - 1)));
        if (pCopy != nullptr)
            delete m_pJobFrame->SetData(pCopy.release());
        m_pJobFrame->ClearNumberCount();
        m_pJobFrame->SetCurrentCopyCount(static_cast<UINT>(nPage));
    }
    CView::OnPrint(pDC, pInfo);
}

void CTolvaneView::OnEndPrinting(CDC*, CPrintInfo*)
{
    delete m_pJobFrame;
    m_pJobFrame = nullptr;
    if (CMirtBasePrtFrm* pPrtFrm = GetDocument() != nullptr ? GetDocument()->m_pPrtFrm : nullptr) {
        pPrtFrm->SetMargin(CSize(0, 0));
        pPrtFrm->SetCurrentCopyCount(0);
        pPrtFrm->ClearNumberCount();
    }
}

void CTolvaneView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC->IsPrinting()) {
        CTolvaneDoc* pDoc = GetDocument();
        CMirtBasePrtFrm* pFrame = m_pJobFrame;
        if (pFrame == nullptr && pDoc != nullptr) {
            pFrame = pDoc->m_pPrtFrm;
            if (pFrame != nullptr && pDoc->m_pMen != nullptr)
                pFrame->GetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen), 1);
        }
        if (pFrame != nullptr)
            pFrame->SetMargin(CSize(m_nLeftOffset * 10, m_nTopOffset * 10));
    }
    CScrollView::OnPrepareDC(pDC, pInfo);
}

void CTolvaneView::DrawOnPaper(CDC* pDC)
{
    CMirtBasePrtFrm* pFrame = m_pJobFrame;
    if (pFrame == nullptr && GetDocument() != nullptr)
        pFrame = GetDocument()->m_pPrtFrm;
    if (pFrame == nullptr)
        return;
    const bool bBlank = m_nPaperKind == 1;
    if (bBlank) {
        CRect rectForm(m_rectForm.left, -m_rectForm.top, m_rectForm.right, -m_rectForm.bottom);
        const int nOldMode = pDC->SetMapMode(MM_LOMETRIC);
        pDC->LPtoDP(&rectForm);
        pDC->SetMapMode(nOldMode);
        const int nWidth = MulDiv(rectForm.right, m_nScale, 100) - rectForm.left;
        const int nHeight = MulDiv(rectForm.bottom, m_nScale, 100) - rectForm.top;
        pDC->SetViewportOrg(pDC->GetDeviceCaps(HORZRES) / 2 + pDC->GetDeviceCaps(PHYSICALOFFSETX) - nWidth / 2,
            pDC->GetDeviceCaps(VERTRES) / 2 + pDC->GetDeviceCaps(PHYSICALOFFSETY) - nHeight / 2);
    }
    pFrame->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    pFrame->SetPercent(static_cast<UINT>(bBlank ? m_nScale : 100));
    pFrame->SetMetaFile(static_cast<UINT>(bBlank ? m_nRuledLineColor : 1));
    pFrame->DrawFormat(pDC);
    if (bBlank && (m_nCutLineKind == 1 || m_nCutLineKind == 2))
        PlayCutLines(pDC);
}

void CTolvaneView::PlayCutLines(CDC* pDC)
{
    const CString& strName = m_nCutLineKind == 1 ? m_strTmbCropMarks : m_strTmbFrame;
    HENHMETAFILE hPicture = ::GetEnhMetaFileA(CMirtEnv().m_strInstallRoot + "\\DATA\\META\\" + strName);
    if (hPicture == nullptr)
        return;
    CRect rectForm(m_rectForm.left, -m_rectForm.top, m_rectForm.right, -m_rectForm.bottom);
    CPoint ptOffset(m_nLeftOffset * 10, m_nTopOffset * -10);
    const int nOldMode = pDC->SetMapMode(MM_LOMETRIC);
    pDC->LPtoDP(&rectForm);
    pDC->LPtoDP(&ptOffset);
    pDC->SetMapMode(nOldMode);
    ptOffset -= CSize(pDC->GetDeviceCaps(PHYSICALOFFSETX), pDC->GetDeviceCaps(PHYSICALOFFSETY));
    pDC->OffsetViewportOrg(ptOffset.x, ptOffset.y);
    const RECT rectPlay = {rectForm.left, rectForm.top, MulDiv(rectForm.right, m_nScale, 100),
        MulDiv(rectForm.bottom, m_nScale, 100)};
    ::PlayEnhMetaFile(pDC->m_hDC, hPicture, &rectPlay);
    ::DeleteEnhMetaFile(hPicture);
}
