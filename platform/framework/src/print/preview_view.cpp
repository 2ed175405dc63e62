// The preview view: pages placed by zoom, drawn by the printing view
// through the preview context, and the preview bar's commands.
#include <algorithm>
#include "afxdlgs.h"

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
END_MESSAGE_MAP()

namespace {

const int g_nPageGap = 8;   // around the pages, in pixels
const int g_nShadow = 3;    // the pages' drop shadow

void DrawPaper(HDC hDC, const CRect& rect)
{
    ::FillRect(hDC, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::FrameRect(hDC, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    const RECT shadowRight = {rect.right, rect.top + g_nShadow, rect.right + g_nShadow, rect.bottom + g_nShadow};
    const RECT shadowBottom = {rect.left + g_nShadow, rect.bottom, rect.right + g_nShadow, rect.bottom + g_nShadow};
    ::FillRect(hDC, &shadowRight, ::GetSysColorBrush(COLOR_BTNSHADOW));
    ::FillRect(hDC, &shadowBottom, ::GetSysColorBrush(COLOR_BTNSHADOW));
}

}  // namespace

CPreviewView::CPreviewView()
    : m_pPrintView(nullptr), m_pPreviewDC(nullptr), m_pPreviewInfo(nullptr), m_pPreviewState(nullptr),
      m_pToolBar(nullptr), m_nCurrentPage(1), m_nPages(1), m_nZoomState(ZOOM_OUT), m_sizePrinterPPI(0, 0),
      m_pPageInfo(m_pageInfoArray), m_pageInfoArray()
{
}

CPreviewView::~CPreviewView()
{
    delete m_pPreviewDC;
    delete m_pPreviewInfo;
    delete m_pPreviewState;
    delete m_pToolBar;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo) || m_pPreviewInfo->m_pPD->m_pd.hDC == nullptr)
        return FALSE;
    const UINT nMin = m_pPreviewInfo->GetMinPage();
    const UINT nMax = std::max(nMin, m_pPreviewInfo->GetMaxPage());
    m_nCurrentPage = std::min(std::max(m_pPreviewInfo->m_nCurPage, nMin), nMax);
    m_nPages = m_pPreviewInfo->m_nNumPreviewPages == 2 && nMax > nMin ? 2 : 1;
    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->SetAttribDC(m_pPreviewInfo->m_pPD->m_pd.hDC);
    m_sizePrinterPPI = CSize(m_pPreviewDC->GetDeviceCaps(LOGPIXELSX), m_pPreviewDC->GetDeviceCaps(LOGPIXELSY));
    pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
    return TRUE;
}

HENHMETAFILE CPreviewView::GetPageMetafile(int nSlot) const
{
    return m_pPreviewDC != nullptr && nSlot < m_pPreviewDC->GetPageCount() ? m_pPreviewDC->GetPageMetafile(nSlot)
                                                                          : nullptr;
}

CSize CPreviewView::CalcPageDisplaySize()
{
    const HDC hScreen = ::GetDC(nullptr);
    const CSize screenPPI(::GetDeviceCaps(hScreen, LOGPIXELSX), ::GetDeviceCaps(hScreen, LOGPIXELSY));
    ::ReleaseDC(nullptr, hScreen);
    return CSize(::MulDiv(m_pPreviewDC->GetDeviceCaps(PHYSICALWIDTH), screenPPI.cx, std::max(1L, m_sizePrinterPPI.cx)),
        ::MulDiv(m_pPreviewDC->GetDeviceCaps(PHYSICALHEIGHT), screenPPI.cy, std::max(1L, m_sizePrinterPPI.cy)));
}

CSize CPreviewView::CalcFitRatio()
{
    CRect client;
    GetClientRect(&client);
    const CSize page = CalcPageDisplaySize();
    const int nPages = static_cast<int>(m_nPages);
    const int cxRoom = std::max(1, client.Width() - (nPages + 1) * g_nPageGap - nPages * g_nShadow);
    const int cyRoom = std::max(1, client.Height() - 2 * g_nPageGap - g_nShadow);
    const bool bWidthBinds =
        static_cast<LONGLONG>(cxRoom) * page.cy < static_cast<LONGLONG>(cyRoom) * page.cx * nPages;
    return bWidthBinds ? CSize(cxRoom, std::max(1L, page.cx * nPages)) : CSize(cyRoom, std::max(1L, page.cy));
}

void CPreviewView::PositionPage(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    page.sizeUnscaled = CalcPageDisplaySize();
    page.sizeScaleRatio = m_nZoomState == ZOOM_IN ? CSize(2, 1) : m_nZoomState == ZOOM_MIDDLE ? CSize(1, 1)
                                                                                            : CalcFitRatio();
    const CSize size(::MulDiv(page.sizeUnscaled.cx, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy),
        ::MulDiv(page.sizeUnscaled.cy, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy));
    const int left = g_nPageGap + static_cast<int>(nPage) * (size.cx + g_nPageGap + g_nShadow);
    page.rectScreen = CRect(left, g_nPageGap, left + size.cx, g_nPageGap + size.cy);
    SetScrollSizes(MM_TEXT, CSize(static_cast<int>(m_nPages) * (size.cx + g_nPageGap + g_nShadow) + g_nPageGap,
                                size.cy + 2 * g_nPageGap + g_nShadow));
}

void CPreviewView::PositionPages()
{
    if (m_hWnd == nullptr || m_pPreviewDC == nullptr)
        return;
    for (UINT i = 0; i < 2; ++i) {
        if (i < m_nPages)
            PositionPage(i);
        else
            m_pPageInfo[i] = PAGE_INFO();
    }
}

void CPreviewView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    if (m_pPreviewDC == nullptr) {
        OnDraw(&dc);
        return;
    }
    // The page is closed on this paint's context, whatever way the drawing
    // ends; the window procedure reports an exception.
    m_pPreviewDC->SetOutputDC(dc.m_hDC);
    try {
        OnDraw(&dc);
    } catch (...) {
        m_pPreviewDC->ReleaseOutputDC();
        throw;
    }
    m_pPreviewDC->ReleaseOutputDC();
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CPrintInfo* pInfo = m_pPreviewInfo;
    for (UINT i = 0; i < m_nPages; ++i) {
        pInfo->m_nCurPage = m_nCurrentPage + i;
        if (pInfo->m_nCurPage > pInfo->GetMaxPage())
            break;
        pInfo->m_bContinuePrinting = TRUE;
        m_pPrintView->OnPrepareDC(m_pPreviewDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        pInfo->m_rectDraw = CRect(0, 0, m_pPreviewDC->GetDeviceCaps(HORZRES), m_pPreviewDC->GetDeviceCaps(VERTRES));
        m_pPreviewDC->DPtoLP(&pInfo->m_rectDraw);
        if (m_pPageInfo[i].rectScreen.IsRectEmpty())
            PositionPage(i);
        const CRect rect = m_pPageInfo[i].rectScreen;
        DrawPaper(pDC->m_hDC, rect);
        m_pPreviewDC->SetScaleRatio(m_pPageInfo[i].sizeScaleRatio.cx, m_pPageInfo[i].sizeScaleRatio.cy);
        CPoint offset(m_pPreviewDC->GetDeviceCaps(PHYSICALOFFSETX), m_pPreviewDC->GetDeviceCaps(PHYSICALOFFSETY));
        m_pPreviewDC->PrinterDPtoScreenDP(&offset);
        m_pPreviewDC->SetTopLeftOffset(CSize(rect.left + offset.x, rect.top + offset.y));
        m_pPreviewDC->ClipToPage();
        m_pPrintView->OnPrint(m_pPreviewDC, pInfo);
    }
    OnDisplayPageNumber(m_nCurrentPage, m_nPages);
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString format;
    AfxExtractSubString(format, m_pPreviewInfo->m_strPageDesc, nPagesDisplayed == 1 ? 0 : 1);
    CString text;
    text.Format(format, nPage, nPage + nPagesDisplayed - 1);
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr)
        pFrame->SetMessageText(text);
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL bClearRatios)
{
    const UINT nMin = m_pPreviewInfo->GetMinPage();
    const UINT nMax = m_pPreviewInfo->GetMaxPage();
    const UINT nLast = nMax >= nMin + m_nPages - 1 ? nMax - (m_nPages - 1) : nMin;
    m_nCurrentPage = std::min(std::max(nPage, nMin), nLast);
    if (bClearRatios) {
        for (PAGE_INFO& page : m_pageInfoArray)
            page = PAGE_INFO();
    }
    Invalidate();
}

BOOL CPreviewView::FindPageRect(CPoint& point, UINT& nPage)
{
    const CPoint ptDoc = point + GetDeviceScrollPosition();
    for (UINT i = 0; i < m_nPages; ++i) {
        const PAGE_INFO& page = m_pPageInfo[i];
        if (page.rectScreen.PtInRect(ptDoc) && page.sizeScaleRatio.cx > 0) {
            nPage = i;
            const CSize offset = ptDoc - page.rectScreen.TopLeft();
            point = CPoint(::MulDiv(offset.cx, page.sizeScaleRatio.cy, page.sizeScaleRatio.cx),
                ::MulDiv(offset.cy, page.sizeScaleRatio.cy, page.sizeScaleRatio.cx));
            return TRUE;
        }
    }
    return FALSE;
}

void CPreviewView::SetZoomState(UINT nNewState, UINT nPage, CPoint point)
{
    if (nNewState == m_nZoomState)
        return;
    m_nZoomState = nNewState;
    PositionPages();
    const PAGE_INFO& page = m_pPageInfo[nPage];
    CRect client;
    GetClientRect(&client);
    const CPoint ptCenter = page.rectScreen.TopLeft() +
        CSize(::MulDiv(point.x, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy),
            ::MulDiv(point.y, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy));
    ScrollToPosition(CPoint(std::max(0L, ptCenter.x - client.Width() / 2), std::max(0L, ptCenter.y - client.Height() / 2)));
    Invalidate();
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (m_nZoomState == ZOOM_OUT)
        PositionPages();
}

void CPreviewView::OnPreviewClose()
{
    m_pPrintView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();   // this view is gone after
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage()
{
    if (m_nCurrentPage + m_nPages - 1 < m_pPreviewInfo->GetMaxPage())
        SetCurrentPage(m_nCurrentPage + 1, TRUE);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::ZoomKeepingTheCenter(UINT nNewState)
{
    CRect client;
    GetClientRect(&client);
    CPoint point = client.CenterPoint();
    UINT nPage = 0;
    if (!FindPageRect(point, nPage))
        point = CPoint(m_pPageInfo[0].sizeUnscaled.cx / 2, m_pPageInfo[0].sizeUnscaled.cy / 2);
    SetZoomState(nNewState, nPage, point);
}

void CPreviewView::OnZoomIn()
{
    ZoomKeepingTheCenter(std::min(m_nZoomState + 1, static_cast<UINT>(ZOOM_IN)));
}

void CPreviewView::OnZoomOut()
{
    ZoomKeepingTheCenter(m_nZoomState > ZOOM_OUT ? m_nZoomState - 1 : static_cast<UINT>(ZOOM_OUT));
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = 3 - m_nPages;
    SetCurrentPage(m_nCurrentPage, TRUE);
    PositionPages();
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage + m_nPages - 1 < m_pPreviewInfo->GetMaxPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState < ZOOM_IN);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState > ZOOM_OUT);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo->GetMaxPage() > m_pPreviewInfo->GetMinPage());
}
