// CTolvaneView: the whole-image window, its page copy and the bars of the
// main frame the view shows its state in.
#include <memory>

#include "document/tolvanedoc.h"
#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "resource.h"
#include "view/tolvaneview.h"

namespace {

// The window's distance from the screen's right and bottom edges.
const int kWholeImageRightGap = 23;
const int kWholeImageBottomGap = 77;

}  // namespace

CFormatBar* CTolvaneView::FormatBar() const
{
    CMainFrame* pFrame = MainFrame();
    return pFrame != nullptr && pFrame->m_wndFormatBar.GetSafeHwnd() != nullptr ? &pFrame->m_wndFormatBar : nullptr;
}

CEditBar* CTolvaneView::EditBar() const
{
    CMainFrame* pFrame = MainFrame();
    return pFrame != nullptr && pFrame->m_wndEditBar.GetSafeHwnd() != nullptr ? &pFrame->m_wndEditBar : nullptr;
}

void CTolvaneView::ShowZoomText()
{
    if (CEditBar* pBar = EditBar(); pBar != nullptr)
        pBar->ShowZoom(m_nZoom);
}

void CTolvaneView::ShowWholeImage()
{
    CMirtBasePrtFrm* pPrtFrm = GetDocument()->m_pPrtFrm;
    if (m_wndWholeImage.GetSafeHwnd() == nullptr) {
        if (!m_wndWholeImage.Create(IDD_WHOLEIMAGE, this))
            return;
        CRect rect;
        m_wndWholeImage.GetWindowRect(&rect);
        ::SetWindowPos(m_wndWholeImage.m_hWnd, nullptr,
            ::GetSystemMetrics(SM_CXSCREEN) - rect.Width() - kWholeImageRightGap,
            ::GetSystemMetrics(SM_CYSCREEN) - rect.Height() - kWholeImageBottomGap, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CWholeImageWnd& picture = m_wndWholeImage.m_wndPicture;
    CArray<CPoint, CPoint>* pOrigins = nullptr;
    CRect rectForm, rectPaper;
    int bMulti = 0;
    if (pPrtFrm != nullptr && pPrtFrm->GetMenInfo(pOrigins, rectForm, rectPaper, bMulti) != 0 && pOrigins != nullptr)
        picture.SetSheet(rectPaper, *pOrigins);
    picture.m_nCurrentMen = m_nCurrentMen;
    picture.m_bFrame = m_bMultiMen;
    RefreshWholeImage();
    RefreshFaceButtons();
    m_wndWholeImage.ShowWindow(m_bMultiMen ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CTolvaneView::RefreshWholeImage()
{
    if (RenewWholeImageCopy())
        m_wndWholeImage.m_wndPicture.Invalidate();
}

BOOL CTolvaneView::RenewWholeImageCopy()
{
    DropWholeImageCopy();
    if (m_wndWholeImage.GetSafeHwnd() == nullptr || !m_bMultiMen || GetDocument()->m_pPrtFrm == nullptr)
        return FALSE;
    std::unique_ptr<CMirtBasePrtFrm> pCopy(new CMirtBasePrtFrm);
    if (!CopyDocumentPage(pCopy.get()))
        return FALSE;
    m_pWholeImageFrame = pCopy.release();
    CWholeImageWnd& picture = m_wndWholeImage.m_wndPicture;
    picture.m_pPageFrame = m_pWholeImageFrame;
    picture.m_nCurrentMen = m_nCurrentMen;
    return TRUE;
}

void CTolvaneView::DropWholeImageCopy()
{
    m_wndWholeImage.m_wndPicture.m_pPageFrame = nullptr;
    delete m_pWholeImageFrame;
    m_pWholeImageFrame = nullptr;
}
