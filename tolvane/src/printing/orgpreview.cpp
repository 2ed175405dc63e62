#include "printing/orgpreview.h"

#include <algorithm>

#include <afxdlgs.h>

#include "resource.h"
#include "view/tolvaneview.h"

IMPLEMENT_DYNCREATE(COrgPreview, CPreviewView)

BEGIN_MESSAGE_MAP(COrgPreview, CPreviewView)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
    ON_UPDATE_COMMAND_UI(IDC_PREVIEW_ZOOM, OnUpdateZoomText)
    ON_COMMAND(ID_PRINT_OPTIONS, OnPrintOptions)
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

const int kPageMargin = 8;

}  // namespace

COrgPreview::COrgPreview() : m_bDrawn(FALSE), m_hStepCursor(nullptr)
{
    m_nZoomState = ZOOM_ONE_TO_ONE;
}

COrgPreview::~COrgPreview()
{
    if (CTolvaneView* pView = FormView(); pView != nullptr) {
        pView->UpdatePageIndicator();
        pView->RestoreFocus();
    }
}

CTolvaneView* COrgPreview::FormView() const
{
    return m_pPrintView != nullptr && m_pPrintView->IsKindOf(RUNTIME_CLASS(CTolvaneView))
        ? static_cast<CTolvaneView*>(m_pPrintView)
        : nullptr;
}

CSize COrgPreview::RatioOf(UINT nState)
{
    static const CSize kRatios[] = {{1, 4}, {1, 2}, {3, 4}, {1, 1}, {5, 4}, {3, 2}};
    return kRatios[std::min(std::max(nState, static_cast<UINT>(ZOOM_SMALLEST)), static_cast<UINT>(ZOOM_LARGEST)) -
        ZOOM_SMALLEST];
}

int COrgPreview::PercentOf(UINT nState)
{
    const CSize ratio = RatioOf(nState);
    return ratio.cx * 100 / ratio.cy;
}

void COrgPreview::OnInitialUpdate()
{
    CPreviewView::OnInitialUpdate();
    SetScrollSizes(MM_LOENGLISH, CSize(100, 100));
}

void COrgPreview::PositionPage(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    page.sizeUnscaled = CalcPageDisplaySize();
    page.sizeScaleRatio = RatioOf(m_nZoomState);
    page.rectScreen = CRect(kPageMargin, kPageMargin,
        page.sizeUnscaled.cx * page.sizeScaleRatio.cx / page.sizeScaleRatio.cy + 11,
        page.sizeUnscaled.cy * page.sizeScaleRatio.cx / page.sizeScaleRatio.cy + 11);
    SetScrollSizes(MM_TEXT, CSize(page.rectScreen.Width() + 2 * kPageMargin, page.rectScreen.Height() + 2 * kPageMargin));
}

void COrgPreview::SetZoomState(UINT nNewState, UINT nPage, CPoint point)
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
    Invalidate();
}

void COrgPreview::DrawPaperFrame(CDC* pDC, const CRect& rect)
{
    CPen framePen(PS_SOLID, 2, ::GetSysColor(COLOR_WINDOWFRAME));
    CPen shadowPen(PS_SOLID, 3, ::GetSysColor(COLOR_BTNSHADOW));
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
}

void COrgPreview::OnDraw(CDC* pDC)
{
    CWaitCursor wait;
    if (!m_bDrawn) {
        m_bDrawn = TRUE;
        if (const CTolvaneView* pView = FormView(); pView != nullptr)
            m_nZoomState = pView->m_nPreviewFitClass;
    }
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
        DrawPaperFrame(pDC, rect);
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

void COrgPreview::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString strFormat;
    AfxExtractSubString(strFormat, m_pPreviewInfo->m_strPageDesc, nPagesDisplayed == 1 ? 0 : 1, '\n');
    UINT nSecond = nPage + nPagesDisplayed - 1;
    if (nPagesDisplayed == 1) {
        strFormat += "/ %u";
        const CTolvaneView* pView = FormView();
        nSecond = pView != nullptr ? static_cast<UINT>(std::max(pView->GetPageCount(), 0)) : nSecond;
    }
    CString strText;
    strText.Format(strFormat, nPage, nSecond);
    if (CWnd* pMain = AfxGetMainWnd(); pMain != nullptr)
        pMain->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
}

void COrgPreview::OnZoomIn()
{
    if (m_nZoomState < ZOOM_LARGEST)
        SetZoomState(m_nZoomState + 1, 0, CPoint(0, 0));
}

void COrgPreview::OnZoomOut()
{
    if (m_nZoomState > ZOOM_SMALLEST)
        SetZoomState(m_nZoomState - 1, 0, CPoint(0, 0));
}

void COrgPreview::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState < ZOOM_LARGEST);
}

void COrgPreview::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState > ZOOM_SMALLEST);
}

void COrgPreview::OnUpdateZoomText(CCmdUI* pCmdUI)
{
    CString strText;
    strText.Format("%d%%", PercentOf(m_nZoomState));
    pCmdUI->SetText(strText);
}

void COrgPreview::OnPrintOptions()
{
    CTolvaneView* pView = FormView();
    if (pView != nullptr && pView->EditPrintOptions())
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void COrgPreview::OnLButtonDown(UINT, CPoint point)
{
    UINT nPage = 0;
    if (FindPageRect(point, nPage))
        SetZoomState(m_nZoomState == ZOOM_LARGEST ? static_cast<UINT>(ZOOM_ONE_TO_ONE) : m_nZoomState + 1, nPage, point);
}

BOOL COrgPreview::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CPreviewView::OnSetCursor(pWnd, nHitTest, message);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    UINT nPage = 0;
    HCURSOR hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    if (FindPageRect(point, nPage)) {
        if (m_nZoomState == ZOOM_LARGEST) {
            hCursor = AfxGetApp()->LoadCursor(IDC_PREVIEW_ZOOM_MAX);
        } else {
            if (m_hStepCursor == nullptr)
                m_hStepCursor = AfxGetApp()->LoadCursor(IDC_PREVIEW_ZOOM_STEP);
            hCursor = m_hStepCursor;
        }
    }
    ::SetCursor(hCursor);
    return TRUE;
}
