// A preview view of its own on the framework's preview: six fixed zoom
// states 7..12, an initial zoom chosen before the preview opens, its own
// page placement and drawing through the preview context, a page number
// with the page count, and a click that steps the zoom. The printing view's
// pages land where its zoom puts them.
#include <cmath>
#include <string>

#include "canvas.h"
#include "docview_app.h"

namespace {

// Numerator and denominator of zoom states 7..12.
CSize RatioOf(UINT nState)
{
    static const CSize ratios[] = {{1, 4}, {1, 2}, {3, 4}, {1, 1}, {5, 4}, {3, 2}};
    return ratios[std::min(std::max(nState, 7u), 12u) - 7];
}

class CZoomPreview : public CPreviewView
{
    DECLARE_DYNCREATE(CZoomPreview)
public:
    static UINT s_nFitClass;   // the zoom the first drawing takes

    void OnDraw(CDC* pDC) override;
    void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed) override;
    void SetZoomState(UINT nNewState, UINT nPage, CPoint point) override;
    void PositionPage(UINT nPage) override;

    // The preview drawn on a canvas of the screen's kind.
    void DrawInto(HDC hDC)
    {
        CDC dc;
        dc.Attach(hDC);
        OnPrepareDC(&dc);
        m_pPreviewDC->SetOutputDC(hDC);
        OnDraw(&dc);
        m_pPreviewDC->ReleaseOutputDC();
        dc.Detach();
    }
    CSize PageDisplaySize() { return CalcPageDisplaySize(); }

protected:
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bDrawn = FALSE;
};

UINT CZoomPreview::s_nFitClass = 10;

IMPLEMENT_DYNCREATE(CZoomPreview, CPreviewView)

BEGIN_MESSAGE_MAP(CZoomPreview, CPreviewView)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CZoomPreview::PositionPage(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    page.sizeUnscaled = CalcPageDisplaySize();
    page.sizeScaleRatio = RatioOf(m_nZoomState);
    page.rectScreen = CRect(8, 8, page.sizeUnscaled.cx * page.sizeScaleRatio.cx / page.sizeScaleRatio.cy + 11,
        page.sizeUnscaled.cy * page.sizeScaleRatio.cx / page.sizeScaleRatio.cy + 11);
    SetScrollSizes(MM_TEXT, CSize(page.rectScreen.Width() + 16, page.rectScreen.Height() + 16));
}

void CZoomPreview::SetZoomState(UINT nNewState, UINT nPage, CPoint point)
{
    if (nNewState == m_nZoomState)
        return;
    m_nZoomState = nNewState;
    SetCurrentPage(m_nCurrentPage + nPage, FALSE);
    PositionPage(0);
    const CSize ratio = m_pPageInfo[0].sizeScaleRatio;
    CRect client;
    GetClientRect(&client);
    ScrollToPosition(CPoint(std::max(0L, point.x * ratio.cx / ratio.cy - client.Width() / 2),
        std::max(0L, point.y * ratio.cx / ratio.cy - client.Height() / 2)));
}

void CZoomPreview::OnDraw(CDC* pDC)
{
    if (!m_bDrawn) {
        m_bDrawn = TRUE;
        m_nZoomState = s_nFitClass;
    }
    CPen framePen(PS_SOLID, 2, ::GetSysColor(COLOR_WINDOWFRAME));
    CPen shadowPen(PS_SOLID, 3, ::GetSysColor(COLOR_BTNSHADOW));
    CPrintInfo* pInfo = m_pPreviewInfo;
    pInfo->m_bContinuePrinting = TRUE;
    for (UINT i = 0; i < m_nPages; ++i) {
        pInfo->m_nCurPage = m_nCurrentPage + i;
        const BOOL bInRange = pInfo->m_nCurPage <= pInfo->GetMaxPage();
        if (bInRange)
            m_pPrintView->OnPrepareDC(m_pPreviewDC, pInfo);
        pInfo->m_rectDraw.SetRect(0, 0, m_pPreviewDC->GetDeviceCaps(HORZRES), m_pPreviewDC->GetDeviceCaps(VERTRES));
        m_pPreviewDC->DPtoLP(&pInfo->m_rectDraw);
        if (m_pPageInfo[i].rectScreen.IsRectEmpty())
            PositionPage(i);
        const CRect rect = m_pPageInfo[i].rectScreen;
        pDC->SetMapMode(MM_TEXT);
        CPen* pOldPen = pDC->SelectObject(&framePen);
        pDC->Rectangle(rect);
        pDC->SelectObject(&shadowPen);
        pDC->MoveTo(rect.right + 1, rect.top + 3);
        pDC->LineTo(rect.right + 1, rect.bottom + 1);
        pDC->MoveTo(rect.left + 3, rect.bottom + 1);
        pDC->LineTo(rect.right + 1, rect.bottom + 1);
        pDC->SelectObject(pOldPen);
        const CRect paper(rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2);
        pDC->FillSolidRect(&paper, RGB(255, 255, 255));
        if (!pInfo->m_bContinuePrinting || !bInRange) {
            if (i == 0 && m_nCurrentPage > 1)
                SetCurrentPage(m_nCurrentPage - 1, TRUE);
            break;
        }
        OnDisplayPageNumber(m_nCurrentPage, m_nPages);
        m_pPreviewDC->SetScaleRatio(m_pPageInfo[i].sizeScaleRatio.cx, m_pPageInfo[i].sizeScaleRatio.cy);
        CPoint offset(m_pPreviewDC->GetDeviceCaps(PHYSICALOFFSETX), m_pPreviewDC->GetDeviceCaps(PHYSICALOFFSETY));
        m_pPreviewDC->PrinterDPtoScreenDP(&offset);
        m_pPreviewDC->SetTopLeftOffset(CSize(rect.left + 1 + offset.x, rect.top + 1 + offset.y));
        m_pPreviewDC->ClipToPage();
        m_pPrintView->OnPrint(m_pPreviewDC, pInfo);
    }
}

void CZoomPreview::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString format;
    AfxExtractSubString(format, m_pPreviewInfo->m_strPageDesc, nPagesDisplayed == 1 ? 0 : 1, '\n');
    UINT nSecond = nPage + nPagesDisplayed - 1;
    if (nPagesDisplayed == 1) {
        format += "/ %u";
        nSecond = m_pPreviewInfo->GetMaxPage();
    }
    CString text;
    text.Format(format, nPage, nSecond);
    AfxGetMainWnd()->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
}

void CZoomPreview::OnZoomIn()
{
    SetZoomState(m_nZoomState + 1, 0, CPoint(0, 0));
}

void CZoomPreview::OnZoomOut()
{
    SetZoomState(m_nZoomState - 1, 0, CPoint(0, 0));
}

void CZoomPreview::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState < 12);
}

void CZoomPreview::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState > 7);
}

void CZoomPreview::OnLButtonDown(UINT, CPoint point)
{
    UINT nPage = 0;
    if (FindPageRect(point, nPage))
        SetZoomState(m_nZoomState == 12 ? 10 : m_nZoomState + 1, nPage, point);
}

class ZoomPreviewTest : public DocViewTest
{
protected:
    void OpenPreview(UINT nFitClass)
    {
        NewDocument();
        Frame()->MoveWindow(0, 0, 800, 600);
        CZoomPreview::s_nFitClass = nFitClass;
        ASSERT_TRUE(View()->DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, View(), RUNTIME_CLASS(CZoomPreview),
            new CPrintPreviewState));
        m_pPreview = static_cast<CZoomPreview*>(Frame()->GetActiveView());
        ASSERT_TRUE(m_pPreview->IsKindOf(RUNTIME_CLASS(CZoomPreview)));
        m_hPrinter = m_pPreview->GetPrintInfo()->m_pPD->m_pd.hDC;
    }
    void Repaint() { ::RedrawWindow(m_pPreview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    void TearDown() override
    {
        if (m_pPreview != nullptr)
            Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
        DocViewTest::TearDown();
    }
    int ScreenPPI() const
    {
        const HDC hScreen = ::GetDC(nullptr);
        const int nPPI = ::GetDeviceCaps(hScreen, LOGPIXELSX);
        ::ReleaseDC(nullptr, hScreen);
        return nPPI;
    }
    // Printer pixels on the screen at ratio.
    int OnScreen(int nPrinter, CSize ratio) const
    {
        return static_cast<int>(std::lround(double(nPrinter) * ScreenPPI() * ratio.cx /
                                            (double(::GetDeviceCaps(m_hPrinter, LOGPIXELSX)) * ratio.cy)));
    }

    CZoomPreview* m_pPreview = nullptr;
    HDC m_hPrinter = nullptr;
};

// For each zoom: the paper's rectangle as the view places it, and page
// 1's bar on a canvas where the printing view's OnPrint puts it, through
// the preview context at the zoom's ratio and the printer's offset.
TEST_F(ZoomPreviewTest, PagesLandWhereTheZoomPutsThem)
{
    OpenPreview(7);
    for (UINT nState = 7; nState <= 12; ++nState) {
        SCOPED_TRACE(nState);
        if (nState > 7)
            Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
        const CSize ratio = RatioOf(nState);
        const CSize unscaled = m_pPreview->PageDisplaySize();
        EXPECT_EQ(::MulDiv(::GetDeviceCaps(m_hPrinter, PHYSICALWIDTH), ScreenPPI(),
                      ::GetDeviceCaps(m_hPrinter, LOGPIXELSX)), unscaled.cx);
        MemoryCanvas canvas(unscaled.cx * 3 / 2 + 40, unscaled.cy * 3 / 2 + 40);
        m_pPreview->DrawInto(canvas.dc());
        EXPECT_EQ(nState, m_pPreview->GetZoomState());
        const CRect page = m_pPreview->GetPageRect(0);
        EXPECT_EQ(CRect(8, 8, unscaled.cx * ratio.cx / ratio.cy + 11, unscaled.cy * ratio.cx / ratio.cy + 11), page);

        const int left = page.left + 1 + OnScreen(::GetDeviceCaps(m_hPrinter, PHYSICALOFFSETX), ratio);
        const int top = page.top + 1 + OnScreen(::GetDeviceCaps(m_hPrinter, PHYSICALOFFSETY), ratio);
        const int cx = OnScreen(::GetDeviceCaps(m_hPrinter, HORZRES), ratio);
        const int cy = OnScreen(::GetDeviceCaps(m_hPrinter, VERTRES), ratio);
        const CRect bar = CMemoView::PageBar(1);
        const CRect expected(left + cx * bar.left / 100, top + cy * bar.top / 100, left + cx * bar.right / 100,
            top + cy * bar.bottom / 100);
        CRect inside = expected;
        inside.DeflateRect(2, 2);
        EXPECT_EQ(inside.Width() * inside.Height(), canvas.countInked(inside));
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(expected.left - 3, expected.CenterPoint().y));
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(expected.right + 3, expected.CenterPoint().y));
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(expected.CenterPoint().x, expected.bottom + 3));
    }
    m_app.OnIdle(0);
    CWnd* pBar = Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_ZOOMIN)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_ZOOMOUT)));
}

TEST_F(ZoomPreviewTest, StatusShowsThePageAndTheCount)
{
    OpenPreview(9);
    Repaint();
    EXPECT_EQ(9u, m_pPreview->GetZoomState());
    EXPECT_EQ("1 ページ/ 2", std::string(Frame()->m_wndStatusBar.GetPaneText(0)));
    Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    Repaint();
    EXPECT_EQ("2 ページ/ 2", std::string(Frame()->m_wndStatusBar.GetPaneText(0)));
}

// A click on the paper steps the zoom, from 150 % back to 100 %; a click
// off the paper does nothing.
TEST_F(ZoomPreviewTest, ClickOnThePageStepsTheZoom)
{
    OpenPreview(11);
    Repaint();
    const CRect page = m_pPreview->GetPageRect(0);
    const LPARAM onPage = MAKELPARAM(page.left + 20, page.top + 20);
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onPage);
    EXPECT_EQ(12u, m_pPreview->GetZoomState());
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onPage);
    EXPECT_EQ(10u, m_pPreview->GetZoomState());
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(10u, m_pPreview->GetZoomState());
}

}  // namespace
