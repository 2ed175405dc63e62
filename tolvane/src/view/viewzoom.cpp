// CTolvaneView: the zoom steps and the face switch. Both rebuild the face
// window after writing it back into the print frame.
#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "resource.h"
#include "app/tolvaneapp.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

namespace {

const int kMinZoom = 25;
const int kMaxZoom = 200;

}  // namespace

void CTolvaneView::OnZoomIn()
{
    StepZoom(TRUE);
}

void CTolvaneView::OnZoomOut()
{
    StepZoom(FALSE);
}

void CTolvaneView::StepZoom(BOOL bIn)
{
    if (m_bZoomBusy)
        return;
    m_bZoomBusy = 1;
    const int nZoom = NextZoomStep(m_nZoom, bIn);
    if (nZoom != m_nZoom) {
        m_nZoom = nZoom;
        SetZoom(m_nZoom);
        ShowZoomText();
    }
    EndZoomCommand();
}

void CTolvaneView::OnZoom100()
{
    if (m_bZoomBusy)
        return;
    m_bZoomBusy = 1;
    m_nZoom = 100;
    SetZoom(m_nZoom);
    RedrawNow();
    ShowZoomText();
    EndZoomCommand();
}

void CTolvaneView::EndZoomCommand()
{
    static_cast<CTolvaneApp*>(AfxGetApp())->PumpPending();
    PostMessage(MsgZoomDone);
}

LRESULT CTolvaneView::OnForcedZoom(WPARAM wParam, LPARAM)
{
    m_nZoom = static_cast<int>(wParam);
    CString strText;
    strText.Format("処理に失敗しました。強制的に%d％に戻します", m_nZoom);
    AfxMessageBox(strText);
    SetZoom(m_nZoom);
    ShowZoomText();
    return 0;
}

void CTolvaneView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom != kMaxZoom);
}

void CTolvaneView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom != kMinZoom);
}

void CTolvaneView::OnUpdateZoom100(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom != 100);
}

void CTolvaneView::SetZoom(int nPercent)
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr || pDoc->m_pMen == nullptr || MainFrame() == nullptr ||
        pDoc->m_pMen->GetPercent() == static_cast<UINT>(nPercent))
        return;
    SetScrollSizesForZoom();
    RenewFaceWindow(FALSE, PAGE_COMMIT);
    RedrawNow();
    RestoreFocus();
}

int CTolvaneView::ShowMen(int nMen)
{
    CTolvaneDoc* pDoc = GetDocument();
    const int nPrevious = m_nCurrentMen;
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr || nMen < 1 || nMen > m_nMenCount)
        return nPrevious;
    CWaitCursor wait;
    CommitFaceWindow();
    m_nCurrentMen = nMen;
    RebuildFaceWindow();
    RefreshWholeImage();
    RedrawNow();
    return nPrevious;
}
