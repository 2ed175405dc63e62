// CTolvaneView: the print preview command and the preview's first zoom.
#include "view/tolvaneview.h"

#include <algorithm>
#include <cstdlib>

#include <afxpreview.h>

#include "document/tolvanedoc.h"
#include "frame/mainfrm.h"
#include "mirtbaseprtfrm.h"
#include "printing/orgpreview.h"
#include "resource.h"

namespace {

const char kPreviewFailed[] = "印刷ﾌﾟﾚﾋﾞｭｰ作成に失敗しました。";

}  // namespace

UINT CTolvaneView::PreviewFitClass(CSize sizeClient, CSize sizeForm)
{
    if (sizeForm.cx <= 0 || sizeForm.cy <= 0)
        return 0;
    const LONGLONG nByWidth = static_cast<LONGLONG>(sizeClient.cx) * 100 / sizeForm.cx;
    const LONGLONG nByHeight = static_cast<LONGLONG>(sizeClient.cy) * 100 / sizeForm.cy;
    const LONGLONG r = std::min(nByWidth, nByHeight);
    if (r < 44)
        return 7;
    if (r < 67)
        return 8;
    if (r < 90)
        return 9;
    if (r <= 114)
        return 10;
    return r < 140 ? 11 : 12;
}

void CTolvaneView::OnPrintPreviewForm()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr || !CommitAndSwitchPage(PAGE_COMMIT_QUIET, 0, FALSE) ||
        GetPageCount() <= 0) {
        AfxMessageBox(kPreviewFailed);
        return;
    }
    CRect rectClient;
    GetClientRect(&rectClient);
    // The form in screen pixels; a form without a size has no preview.
    CSize sizeForm(m_rectForm.Width(), m_rectForm.Height());
    CClientDC dc(this);
    dc.SetMapMode(MM_LOMETRIC);
    dc.LPtoDP(&sizeForm);
    m_nPreviewFitClass = PreviewFitClass(rectClient.Size(), CSize(std::abs(sizeForm.cx), std::abs(sizeForm.cy)));
    if (m_nPreviewFitClass == 0) {
        AfxMessageBox(kPreviewFailed);
        return;
    }
    if (CMainFrame* pFrame = MainFrame(); pFrame != nullptr) {
        pFrame->m_strFieldName.Empty();
        pFrame->m_strPageText.Empty();
    }
    pDoc->m_pPrtFrm->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    pDoc->m_pPrtFrm->SetMetaFile(static_cast<UINT>(m_nRuledLineColor));
    auto* pState = new CPrintPreviewState;
    if (!DoPrintPreview(IDD_PREVIEW_BAR, this, RUNTIME_CLASS(COrgPreview), pState)) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        delete pState;
    }
}
