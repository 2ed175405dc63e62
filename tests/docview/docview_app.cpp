#include "docview_app.h"

#include <algorithm>
#include <new>
#include <string.h>

CommandLog& TheCommandLog()
{
    static CommandLog log;
    return log;
}

IMPLEMENT_DYNCREATE(CMemoDoc, CDocument)

BEGIN_MESSAGE_MAP(CMemoDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC_CMD, OnDocCommand)
    ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCommand)
    ON_UPDATE_COMMAND_UI(ID_TEST_DOC_CMD, OnUpdateDocCommand)
END_MESSAGE_MAP()

int CMemoDoc::s_nFailAfterBytes = 0;
BOOL CMemoDoc::s_bLoadRunsOutOfMemory = FALSE;

void CMemoDoc::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        LONG nValue = 0;
        ar >> m_strText;
        if (s_bLoadRunsOutOfMemory)
            throw std::bad_alloc();
        ar >> nValue;
        m_nValue = nValue;
        return;
    }
    ar << m_strText << static_cast<LONG>(m_nValue);
    if (s_nFailAfterBytes > 0) {
        const BYTE filler[256] = {};
        for (int nLeft = s_nFailAfterBytes; nLeft > 0; nLeft -= static_cast<int>(sizeof filler))
            ar.Write(filler, static_cast<UINT>(std::min<int>(nLeft, sizeof filler)));
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, ar.GetFile()->GetFilePath());
    }
}

void CMemoDoc::DeleteContents()
{
    m_strText.Empty();
    m_nValue = 0;
}

void CMemoDoc::OnDocCommand()
{
    TheCommandLog().Record(ID_TEST_DOC_CMD, "document");
}

void CMemoDoc::OnSharedCommand()
{
    TheCommandLog().Record(ID_TEST_SHARED_CMD, "document");
}

void CMemoDoc::OnUpdateDocCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nValue > 0);
}

IMPLEMENT_DYNCREATE(CMemoView, CScrollView)

BEGIN_MESSAGE_MAP(CMemoView, CScrollView)
    ON_COMMAND(ID_TEST_VIEW_CMD, OnViewCommand)
    ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCommand)
    ON_COMMAND_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnRangeCommand)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_SUB_FIRST, OnUpdateSubFirst)
    ON_UPDATE_COMMAND_UI(ID_TEST_PANE, OnUpdatePane)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

void CMemoView::OnDraw(CDC* pDC)
{
    pDC->TextOut(10, 10, GetDocument()->m_strText);
}

void CMemoView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    SetScrollSizes(MM_TEXT, CSize(2000, 3000));
    CScrollView::OnInitialUpdate();
}

void CMemoView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    ++m_nUpdates;
    m_lLastHint = lHint;
    m_pLastHint = pHint;
    CScrollView::OnUpdate(pSender, lHint, pHint);
}

void CMemoView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    const auto who = [this](const CView* pView) {
        return pView == this ? " self" : pView == nullptr ? " none" : " other";
    };
    m_activations.push_back(std::string("view ") + (bActivate ? "1" : "0") + who(pActivateView) + who(pDeactiveView));
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CMemoView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd)
{
    m_activations.push_back("frame " + std::to_string(nState) + (pFrameWnd == GetParentFrame() ? "" : " elsewhere"));
    CScrollView::OnActivateFrame(nState, pFrameWnd);
}

CRect CMemoView::PageBar(UINT nPage)
{
    return nPage % 2 == 1 ? CRect(10, 10, 40, 20) : CRect(50, 70, 80, 80);
}

void CMemoView::LogPrintStep(const std::string& entry)
{
    m_printLog.push_back(entry);
    if (m_onPrintStep)
        m_onPrintStep(entry);
}

BOOL CMemoView::OnPreparePrinting(CPrintInfo* pInfo)
{
    LogPrintStep("prepare");
    if (m_pOwnDialog != nullptr) {
        delete pInfo->m_pPD;
        pInfo->m_pPD = m_pOwnDialog;
        m_pOwnDialog = nullptr;
    }
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(m_nPages);
    return DoPreparePrinting(pInfo);
}

void CMemoView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    LogPrintStep("begin");
    if (m_nFrom != 0) {
        pInfo->m_pPD->m_pd.nFromPage = static_cast<WORD>(m_nFrom);
        pInfo->m_pPD->m_pd.nToPage = static_cast<WORD>(m_nTo);
    }
    if (m_bStopAtBegin)
        pInfo->m_bContinuePrinting = FALSE;
    CScrollView::OnBeginPrinting(pDC, pInfo);
}

void CMemoView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CScrollView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr)
        return;
    LogPrintStep("dc " + std::to_string(pInfo->m_nCurPage));
    if (m_nStopAfter != 0 && pInfo->m_nCurPage > m_nStopAfter)
        pInfo->m_bContinuePrinting = FALSE;
}

void CMemoView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    LogPrintStep("print " + std::to_string(pInfo->m_nCurPage));
    const CRect page = pInfo->m_rectDraw;
    const CRect bar = PageBar(pInfo->m_nCurPage);
    const CRect drawn(page.left + page.Width() * bar.left / 100, page.top + page.Height() * bar.top / 100,
        page.left + page.Width() * bar.right / 100, page.top + page.Height() * bar.bottom / 100);
    ::FillRect(pDC->m_hDC, &drawn, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void CMemoView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    LogPrintStep("end");
    CScrollView::OnEndPrinting(pDC, pInfo);
}

void CMemoView::OnViewCommand()
{
    TheCommandLog().Record(ID_TEST_VIEW_CMD, "view");
}

void CMemoView::OnSharedCommand()
{
    TheCommandLog().Record(ID_TEST_SHARED_CMD, "view");
}

void CMemoView::OnRangeCommand(UINT nID)
{
    m_nLastRangeID = nID;
    TheCommandLog().Record(nID, "view range");
}

void CMemoView::OnUpdateChecked(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bChecked);
}

void CMemoView::OnUpdateSubFirst(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CMemoView::OnUpdatePane(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(GetDocument()->m_strText);
}

IMPLEMENT_DYNCREATE(CMemoFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMemoFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_TEST_FRAME_CMD, OnFrameCommand)
END_MESSAGE_MAP()

int CMemoFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_TEST_PANE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY)
        || !m_wndToolBar.LoadToolBar(IDR_DOCTEST) || !m_wndStatusBar.Create(this)
        || !m_wndStatusBar.SetIndicators(indicators, ARRAYSIZE(indicators))
        || !m_wndDialogBar.Create(this, IDD_DOCTEST_BAR, CBRS_LEFT | WS_VISIBLE, IDW_TEST_DIALOGBAR))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    RecalcLayout();
    return 0;
}

void CMemoFrame::OnFrameCommand()
{
    TheCommandLog().Record(ID_TEST_FRAME_CMD, "frame");
}

BEGIN_MESSAGE_MAP(CMemoApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_TEST_APP_CMD, OnAppCommand)
    ON_COMMAND(ID_HELP_FINDER, CWinApp::OnHelpFinder)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CMemoApp::CMemoApp() : CWinApp("DocViewTest")
{
}

void CMemoApp::SetUp()
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
    SetRegistryKey("SuiteTests");
    AddDocTemplate(new CSingleDocTemplate(IDR_DOCTEST, RUNTIME_CLASS(CMemoDoc), RUNTIME_CLASS(CMemoFrame),
        RUNTIME_CLASS(CMemoView)));
}

void CMemoApp::OnAppCommand()
{
    TheCommandLog().Record(ID_TEST_APP_CMD, "application");
}

void DocViewTest::SetUp()
{
    m_app.SetUp();
    TheCommandLog().handledBy.clear();
    CMemoDoc::s_nFailAfterBytes = 0;
}

void DocViewTest::TearDown()
{
    CMemoDoc::s_nFailAfterBytes = 0;
    // The frame goes with its document; no quit message is left behind.
    m_app.m_pMainWnd = nullptr;
    m_app.CloseAllDocuments(FALSE);
}

void DocViewTest::NewDocument()
{
    m_app.OnFileNew();
    ASSERT_NE(nullptr, m_app.m_pMainWnd);
    ASSERT_NE(nullptr, Frame()->GetActiveView());
}

CSingleDocTemplate* DocViewTest::Template() const
{
    POSITION pos = m_app.GetFirstDocTemplatePosition();
    return static_cast<CSingleDocTemplate*>(m_app.GetNextDocTemplate(pos));
}

void DocViewTest::UseMissingPrinter()
{
    static const char names[] = "winspool\0NoSuchPrinter\0NUL:\0";
    const HGLOBAL hNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + sizeof names);
    DEVNAMES* pNames = static_cast<DEVNAMES*>(::GlobalLock(hNames));
    pNames->wDriverOffset = sizeof(DEVNAMES);
    pNames->wDeviceOffset = sizeof(DEVNAMES) + 9;
    pNames->wOutputOffset = sizeof(DEVNAMES) + 23;
    memcpy(pNames + 1, names, sizeof names);
    ::GlobalUnlock(hNames);
    m_app.m_hDevNames = hNames;
}
