// Print preview: the frame's view and bars make way for a CPreviewView.
#include <algorithm>
#include "afxdlgs.h"
#include "win/winstate.h"

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
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

// The id the printing view keeps while the preview has the pane's.
const UINT AFX_IDW_PANE_SAVE = AFX_IDW_PANE_FIRST + 0xFF;
const int g_nPageGap = 8;      // around the pages, in pixels
const int g_nShadow = 3;       // the pages' drop shadow

// Gives the frame its view and bars back.
void RestoreFrame(CFrameWnd* pFrame, CPrintPreviewState* pState, CView* pPrintView)
{
    ::SetWindowLongPtrA(pPrintView->m_hWnd, GWLP_ID, AFX_IDW_PANE_FIRST);
    pPrintView->ShowWindow(SW_SHOW);
    for (POSITION pos = pState->barsShown.GetHeadPosition(); pos != nullptr;)
        static_cast<CControlBar*>(pState->barsShown.GetNext(pos))->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->SetActiveView(pState->pViewActiveOld != nullptr ? pState->pViewActiveOld : pPrintView);
    pFrame->RecalcLayout();
}

}  // namespace

CPrintPreviewState::CPrintPreviewState() : pViewActiveOld(nullptr)
{
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState)) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        delete pState;
    }
}

// A refused preview leaves pState to the caller; the preview view owns it
// from its creation on.
BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
    CPrintPreviewState* pState)
{
    CFrameWnd* pFrame = GetParentFrame();
    CObject* pObject = pPreviewViewClass != nullptr ? pPreviewViewClass->CreateObject() : nullptr;
    if (pFrame == nullptr || pState == nullptr || pObject == nullptr ||
        !pObject->IsKindOf(RUNTIME_CLASS(CPreviewView))) {
        delete pObject;
        return FALSE;
    }
    CPreviewView* pView = static_cast<CPreviewView*>(pObject);
    pState->pViewActiveOld = pFrame->GetActiveView();
    if (!pView->SetPrintView(pPrintView)) {
        delete pView;
        return FALSE;
    }

    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (pBar->IsVisible()) {
            pState->barsShown.AddTail(pBar);
            pBar->ShowWindow(SW_HIDE);
        }
    }
    pPrintView->ShowWindow(SW_HIDE);
    ::SetWindowLongPtrA(pPrintView->m_hWnd, GWLP_ID, AFX_IDW_PANE_SAVE);

    pView->m_pToolBar = new CDialogBar;
    CCreateContext context;
    context.m_pCurrentFrame = pFrame;
    if (!pView->m_pToolBar->Create(pFrame, nIDResource, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
        RestoreFrame(pFrame, pState, pPrintView);
        delete pView;
        return FALSE;
    }
    // A view that fails deletes itself, with its bar.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST,
            &context)) {
        RestoreFrame(pFrame, pState, pPrintView);
        return FALSE;
    }
    pView->m_pPreviewState = pState;
    pFrame->SetActiveView(pView, FALSE);
    pFrame->RecalcLayout();
    pView->PositionPages();
    pView->Invalidate();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    OnEndPrinting(pDC, pInfo);
    CFrameWnd* pFrame = pView->GetParentFrame();
    CPrintPreviewState* pState = pView->m_pPreviewState;
    pView->m_pPreviewState = nullptr;
    pFrame->SetActiveView(nullptr, FALSE);
    pView->DestroyWindow();   // deletes the view and its bar
    RestoreFrame(pFrame, pState, this);
    delete pState;
}

CPreviewView::CPreviewView()
    : m_pPrintView(nullptr), m_pPreviewInfo(nullptr), m_pPreviewState(nullptr), m_pToolBar(nullptr),
      m_nCurrentPage(1), m_nPages(1), m_nZoomState(ZOOM_OUT), m_pageInfo()
{
}

CPreviewView::~CPreviewView()
{
    DeletePageMetafiles();
    m_dcPrint.Detach();
    delete m_pPreviewInfo;
    delete m_pPreviewState;
    delete m_pToolBar;
}

void CPreviewView::DeletePageMetafiles()
{
    for (PageInfo& page : m_pageInfo) {
        if (page.hMetafile != nullptr)
            ::DeleteEnhMetaFile(page.hMetafile);
        page.hMetafile = nullptr;
    }
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
    m_dcPrint.Attach(m_pPreviewInfo->m_pPD->m_pd.hDC);
    m_dcPrint.m_bPrinting = TRUE;
    pPrintView->OnBeginPrinting(&m_dcPrint, m_pPreviewInfo);
    return TRUE;
}

CSize CPreviewView::PrinterPageSize() const
{
    return CSize(m_dcPrint.GetDeviceCaps(PHYSICALWIDTH), m_dcPrint.GetDeviceCaps(PHYSICALHEIGHT));
}

void CPreviewView::PositionPages()
{
    if (m_hWnd == nullptr || m_dcPrint.m_hDC == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const CSize printer = PrinterPageSize();
    const HDC hScreen = ::GetDC(nullptr);
    const int nScreenX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    const int nScreenY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    // The paper in screen pixels at one to one.
    const int cxPage = ::MulDiv(printer.cx, nScreenX, std::max(1, m_dcPrint.GetDeviceCaps(LOGPIXELSX)));
    const int cyPage = ::MulDiv(printer.cy, nScreenY, std::max(1, m_dcPrint.GetDeviceCaps(LOGPIXELSY)));
    int nNum = m_nZoomState == ZOOM_IN ? 2 : 1;
    int nDen = 1;
    if (m_nZoomState == ZOOM_OUT) {
        const int nPages = static_cast<int>(m_nPages);
        const int cxRoom = std::max(1, client.Width() - (nPages + 1) * g_nPageGap - nPages * g_nShadow);
        const int cyRoom = std::max(1, client.Height() - 2 * g_nPageGap - g_nShadow);
        const bool bWidthBinds = static_cast<LONGLONG>(cxRoom) * cyPage < static_cast<LONGLONG>(cyRoom) * cxPage * nPages;
        nNum = bWidthBinds ? cxRoom : cyRoom;
        nDen = std::max(1, bWidthBinds ? cxPage * nPages : cyPage);
    }
    const int cx = ::MulDiv(cxPage, nNum, nDen);
    const int cy = ::MulDiv(cyPage, nNum, nDen);
    for (UINT i = 0; i < 2; ++i) {
        const int left = g_nPageGap + static_cast<int>(i) * (cx + g_nPageGap + g_nShadow);
        m_pageInfo[i].rectScreen = i < m_nPages ? CRect(left, g_nPageGap, left + cx, g_nPageGap + cy) : CRect();
    }
    SetScrollSizes(MM_TEXT,
        CSize(static_cast<int>(m_nPages) * (cx + g_nPageGap + g_nShadow) + g_nPageGap, cy + 2 * g_nPageGap + g_nShadow));
}

BOOL CPreviewView::RecordPage(int nSlot)
{
    PageInfo& page = m_pageInfo[nSlot];
    if (page.hMetafile != nullptr)
        ::DeleteEnhMetaFile(page.hMetafile);
    page.hMetafile = nullptr;
    CPrintInfo* pInfo = m_pPreviewInfo;
    pInfo->m_nCurPage = m_nCurrentPage + static_cast<UINT>(nSlot);
    if (pInfo->m_nCurPage < pInfo->GetMinPage() || pInfo->m_nCurPage > pInfo->GetMaxPage())
        return FALSE;
    // The printable area in hundredths of a millimetre frames the metafile.
    const HDC hPrinter = m_dcPrint.m_hDC;
    const int cxPrintable = ::GetDeviceCaps(hPrinter, HORZRES);
    const int cyPrintable = ::GetDeviceCaps(hPrinter, VERTRES);
    const RECT frame = {0, 0, ::MulDiv(cxPrintable, 2540, std::max(1, ::GetDeviceCaps(hPrinter, LOGPIXELSX))),
        ::MulDiv(cyPrintable, 2540, std::max(1, ::GetDeviceCaps(hPrinter, LOGPIXELSY)))};
    const HDC hMeta = ::CreateEnhMetaFileA(hPrinter, nullptr, &frame, nullptr);
    if (hMeta == nullptr)
        return FALSE;
    CDC dc;
    dc.SetOutputDC(hMeta);
    dc.SetAttribDC(hPrinter);
    dc.m_bPrinting = TRUE;
    const int nSaved = ::SaveDC(hPrinter);
    pInfo->m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(&dc, pInfo);
    const BOOL bPrint = pInfo->m_bContinuePrinting;
    if (bPrint) {
        pInfo->m_rectDraw = CRect(0, 0, cxPrintable, cyPrintable);
        dc.DPtoLP(&pInfo->m_rectDraw);
        m_pPrintView->OnPrint(&dc, pInfo);
    }
    ::RestoreDC(hPrinter, nSaved);
    dc.ReleaseOutputDC();
    dc.ReleaseAttribDC();
    const HENHMETAFILE hMetafile = ::CloseEnhMetaFile(hMeta);
    if (!bPrint) {
        ::DeleteEnhMetaFile(hMetafile);
        return FALSE;
    }
    page.hMetafile = hMetafile;
    return TRUE;
}

void CPreviewView::OnDraw(CDC* pDC)
{
    if (m_pageInfo[0].rectScreen.IsRectEmpty())
        PositionPages();
    const HDC hDC = pDC->m_hDC;
    const CSize printer = PrinterPageSize();
    for (UINT i = 0; i < m_nPages; ++i) {
        const CRect rect = m_pageInfo[i].rectScreen;
        if (!RecordPage(static_cast<int>(i)))
            break;
        // The paper, its outline and its shadow.
        ::FillRect(hDC, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::FrameRect(hDC, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        const RECT shadowRight = {rect.right, rect.top + g_nShadow, rect.right + g_nShadow, rect.bottom + g_nShadow};
        const RECT shadowBottom = {rect.left + g_nShadow, rect.bottom, rect.right + g_nShadow, rect.bottom + g_nShadow};
        ::FillRect(hDC, &shadowRight, ::GetSysColorBrush(COLOR_BTNSHADOW));
        ::FillRect(hDC, &shadowBottom, ::GetSysColorBrush(COLOR_BTNSHADOW));
        // The printable area, shifted by the printer's printing offset.
        const int left = rect.left + ::MulDiv(m_dcPrint.GetDeviceCaps(PHYSICALOFFSETX), rect.Width(), std::max(1L, static_cast<long>(printer.cx)));
        const int top = rect.top + ::MulDiv(m_dcPrint.GetDeviceCaps(PHYSICALOFFSETY), rect.Height(), std::max(1L, static_cast<long>(printer.cy)));
        const RECT printable = {left, top,
            left + ::MulDiv(m_dcPrint.GetDeviceCaps(HORZRES), rect.Width(), std::max(1L, static_cast<long>(printer.cx))),
            top + ::MulDiv(m_dcPrint.GetDeviceCaps(VERTRES), rect.Height(), std::max(1L, static_cast<long>(printer.cy)))};
        const int nSaved = ::SaveDC(hDC);
        ::IntersectClipRect(hDC, rect.left, rect.top, rect.right, rect.bottom);
        ::PlayEnhMetaFile(hDC, m_pageInfo[i].hMetafile, &printable);
        ::RestoreDC(hDC, nSaved);
    }
    OnDisplayPageNumber(m_nCurrentPage, m_nPages);
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    const CString& desc = m_pPreviewInfo->m_strPageDesc;
    const int nBreak = desc.Find('\n');
    CString part = nPagesDisplayed == 1 ? desc.Left(nBreak < 0 ? desc.GetLength() : nBreak) : desc.Mid(nBreak + 1);
    if (part.Find('\n') >= 0)
        part = part.Left(part.Find('\n'));
    CString text;
    text.Format(part, nPage, nPage + nPagesDisplayed - 1);
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr)
        pFrame->SetMessageText(text);
}

void CPreviewView::SetZoomState(int nNewState)
{
    if (nNewState == m_nZoomState)
        return;
    m_nZoomState = nNewState;
    PositionPages();
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
    m_pPrintView->OnEndPrintPreview(&m_dcPrint, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();   // this view is gone after
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage()
{
    if (m_nCurrentPage + m_nPages - 1 < m_pPreviewInfo->GetMaxPage()) {
        ++m_nCurrentPage;
        Invalidate();
    }
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage()) {
        --m_nCurrentPage;
        Invalidate();
    }
}

void CPreviewView::OnZoomIn()
{
    SetZoomState(std::min(m_nZoomState + 1, static_cast<int>(ZOOM_IN)));
}

void CPreviewView::OnZoomOut()
{
    SetZoomState(std::max(m_nZoomState - 1, static_cast<int>(ZOOM_OUT)));
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = 3 - m_nPages;
    m_nCurrentPage = std::min(m_nCurrentPage, std::max(m_pPreviewInfo->GetMinPage(), m_pPreviewInfo->GetMaxPage() - 1));
    PositionPages();
    Invalidate();
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
