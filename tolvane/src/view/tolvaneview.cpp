#include "view/tolvaneview.h"

#include <memory>

#include "document/maindatalist.h"
#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "spaceinfo.h"
#include "mirtenv.h"
#include "resource.h"
#include "printing/ownedwordmap.h"
#include "printing/tmbfile.h"
#include "app/tolvaneapp.h"
#include "document/tolvanedoc.h"
#include "frame/formatbar.h"

IMPLEMENT_DYNCREATE(CTolvaneView, CScrollView)

BEGIN_MESSAGE_MAP(CTolvaneView, CScrollView)
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_MESSAGE(MsgViewRedraw, OnViewRedraw)
    ON_MESSAGE(MsgUserModify, OnUserModify)
    ON_MESSAGE(MsgUserSetGrp, OnUserSetGrp)
    ON_MESSAGE(MsgFirstField, OnFirstField)
    ON_MESSAGE(MsgUserMove, OnUserMove)
    ON_MESSAGE(MsgRedrawRect, OnRedrawRect)
    ON_MESSAGE(MsgFieldFormat, OnFieldFormat)
    ON_MESSAGE(MsgFocusFirstChild, OnFocusFirstChild)
    ON_MESSAGE(MsgZoomDone, OnZoomDone)
    ON_MESSAGE(MsgForcedZoom, OnForcedZoom)
    ON_MESSAGE(MsgApplyAttributes, OnApplyAttributes)
    ON_COMMAND(ID_BOLD, OnBold)
    ON_COMMAND(ID_ITALIC, OnItalic)
    ON_UPDATE_COMMAND_UI(ID_BOLD, OnUpdateBold)
    ON_UPDATE_COMMAND_UI(ID_ITALIC, OnUpdateItalic)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ALIGN_LEFT, ID_ALIGN_DISTRIBUTED, OnUpdateAlign)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FONT_NAME_COMBO, ID_COLOR_COMBO, OnUpdateFormatCombo)
    ON_COMMAND_RANGE(ID_NUM_INTEGER, ID_NUM_NONE, OnNumKind)
    ON_UPDATE_COMMAND_UI_RANGE(ID_NUM_INTEGER, ID_NUM_NONE, OnUpdateNumKind)
    ON_COMMAND(ID_FACE_COPY, OnFaceCopy)
    ON_COMMAND(ID_FACE_PASTE, OnFacePaste)
    ON_COMMAND(ID_FACE_PASTE_ALL, OnFacePasteAll)
    ON_COMMAND(ID_FACE_UNDO, OnFaceUndo)
    ON_COMMAND(ID_NEXT_FACE, OnNextFace)
    ON_COMMAND(ID_ZOOM_IN, OnZoomIn)
    ON_COMMAND(ID_ZOOM_OUT, OnZoomOut)
    ON_COMMAND(ID_ZOOM_100, OnZoom100)
    ON_UPDATE_COMMAND_UI(ID_ZOOM_IN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(ID_ZOOM_OUT, OnUpdateZoomOut)
    ON_UPDATE_COMMAND_UI(ID_ZOOM_100, OnUpdateZoom100)
    ON_COMMAND(ID_NEXT_PAGE, OnNextPage)
    ON_COMMAND(ID_PREV_PAGE, OnPrevPage)
    ON_COMMAND(ID_FIRST_PAGE, OnFirstPage)
    ON_COMMAND(ID_LAST_PAGE, OnLastPage)
    ON_COMMAND(ID_DELETE_PAGE, OnDeletePage)
    ON_UPDATE_COMMAND_UI(ID_NEXT_PAGE, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(ID_LAST_PAGE, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(ID_PREV_PAGE, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(ID_FIRST_PAGE, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(ID_DELETE_PAGE, OnUpdateDeletePage)
    ON_COMMAND(ID_NEW_PAGE, OnNewPage)
    ON_COMMAND(ID_DUPLICATE_PAGE, OnDuplicatePage)
    ON_COMMAND(ID_GOTO_PAGE, OnGotoPage)
    ON_COMMAND(ID_FILE_NEW_FORM, OnFileNewForm)
    ON_COMMAND(ID_CALCULATOR, OnCalculator)
    ON_COMMAND(ID_PRINT_FORM, OnPrintForm)
    ON_COMMAND(ID_PRINT_PREVIEW_FORM, OnPrintPreviewForm)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnPrinterSelect)
    ON_COMMAND(ID_PRINT_OPTIONS, OnPrintOptions)
    ON_COMMAND(ID_AUTO_PAPER_SIZE, OnAutoPaperSize)
    ON_COMMAND(ID_PAPER_INFO, OnPaperInfo)
    ON_UPDATE_COMMAND_UI(ID_AUTO_PAPER_SIZE, OnUpdateAutoPaperSize)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW_FORM, OnUpdateNewOrSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateNewOrSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateNotOlder)
    ON_UPDATE_COMMAND_UI(ID_REGISTER_FORM, OnUpdateNotOlder)
    ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_PRINT_PREVIEW_FORM, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_PRINT_FORM, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_NEW_PAGE, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_DUPLICATE_PAGE, OnUpdateNotDataLink)
    ON_UPDATE_COMMAND_UI(ID_PAPER_INFO, OnUpdatePaperInfo)
    ON_UPDATE_COMMAND_UI(ID_GOTO_PAGE, OnUpdateGotoPage)
END_MESSAGE_MAP()

CTolvaneView::CTolvaneView()
    : m_dwSheetValue(0), m_bSheetPresent(0), m_bDataLink(0), m_nMenCount(0), m_bMultiMen(0), m_nCurrentMen(0),
      m_bLoaded(0), m_nZoom(0), m_nCurrentPage(0), m_bPageChanged(0), m_rectForm(0, 0, 0, 0),
      m_rectPaper(0, 0, 0, 0), m_rectPaperPix(0, 0, 0, 0), m_nPaperKind(0), m_nRuledLineColor(1),
      m_nCutLineKind(-1), m_nScale(100), m_nAutoPaper(1), m_nLeftOffset(0), m_nTopOffset(0),
      m_pJobFrame(nullptr), m_bRestricted(FALSE), m_nPreviewFitClass(10), m_bCollate(FALSE),
      m_nKeptFocusOrder(0), m_bZoomBusy(0), m_bFontListFilled(0), m_pWholeImageFrame(nullptr),
      m_pFaceClipboard(nullptr), m_pFaceUndoPage(nullptr), m_bMapErrorShown(FALSE)
{
    m_prnOpts.LoadFile();
}

CTolvaneView::~CTolvaneView()
{
    delete m_pJobFrame;
    if (m_wndWholeImage.GetSafeHwnd() != nullptr)
        m_wndWholeImage.DestroyWindow();
    delete m_pWholeImageFrame;
    delete m_pFaceClipboard;
    delete m_pFaceUndoPage;
}

CTolvaneDoc* CTolvaneView::GetDocument() const
{
    return static_cast<CTolvaneDoc*>(m_pDocument);
}

CMainFrame* CTolvaneView::MainFrame() const
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CMainFrame)) ? static_cast<CMainFrame*>(pMain) : nullptr;
}

BOOL CTolvaneView::IsEntryMode() const
{
    const CMainFrame* pFrame = MainFrame();
    return pFrame != nullptr && pFrame->m_bEntryMode != 0;
}

CMirtBaseMen* CTolvaneView::FaceWindow() const
{
    return GetDocument() != nullptr ? GetDocument()->m_pMen : nullptr;
}

BOOL CTolvaneView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CScrollView::PreCreateWindow(cs);
}

void CTolvaneView::OnDraw(CDC* pDC)
{
    if (pDC->IsPrinting()) {
        DrawOnPaper(pDC);
        return;
    }
    if (CMirtBaseMen* pMen = FaceWindow(); pMen != nullptr)
        pMen->DrawFormat(pDC);
}

BOOL CTolvaneView::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, ::GetSysColor(COLOR_BTNFACE));
    // The paper lies under the form: it scrolls with it.
    CRect rectPaper(MulDiv(m_rectPaperPix.left, m_nZoom, 100), MulDiv(m_rectPaperPix.top, m_nZoom, 100),
        MulDiv(m_rectPaperPix.right, m_nZoom, 100), MulDiv(m_rectPaperPix.bottom, m_nZoom, 100));
    const CPoint ptScroll = GetDeviceScrollPosition();
    rectPaper.OffsetRect(-ptScroll.x, -ptScroll.y);
    pDC->FillSolidRect(&rectPaper, RGB(255, 255, 255));
    return 0;
}

void CTolvaneView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
    PostMessage(MsgViewRedraw);
}

void CTolvaneView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CScrollView::OnHScroll(nSBCode, nPos, pScrollBar);
    PostMessage(MsgViewRedraw);
}

LRESULT CTolvaneView::OnViewRedraw(WPARAM, LPARAM)
{
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, MsgViewRedraw, MsgViewRedraw, PM_REMOVE)) {
    }
    if (CMirtBaseMen* pMen = FaceWindow(); pMen != nullptr && IsEntryMode())
        pMen->SetMargin(ScrollMargin());
    RedrawNow();
    return 0;
}

void CTolvaneView::RedrawNow()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

CSize CTolvaneView::ScrollMargin() const
{
    // The face window takes its margin in layout units.
    const CPoint ptScroll = GetDeviceScrollPosition();
    const int nZoom = m_nZoom > 0 ? m_nZoom : 100;
    return CSize(MulDiv(ptScroll.x, 1000 * 100, 378 * nZoom), MulDiv(ptScroll.y, 1000 * 100, 378 * nZoom));
}

LRESULT CTolvaneView::OnUserModify(WPARAM, LPARAM)
{
    MarkChanged();
    if (m_pFaceUndoPage != nullptr)
        DropFaceUndoPage();
    RefreshWholeImage();
    return 0;
}

LRESULT CTolvaneView::OnUserSetGrp(WPARAM wParam, LPARAM lParam)
{
    if (CMirtBaseMen* pMen = FaceWindow(); pMen != nullptr)
        pMen->SetUsrGrp(wParam, lParam);
    return 0;
}

LRESULT CTolvaneView::OnRedrawRect(WPARAM wParam, LPARAM lParam)
{
    CTolvaneDoc* pDoc = GetDocument();
    const RECT* pRect = reinterpret_cast<const RECT*>(wParam);
    if (pRect == nullptr) {
        CommitFaceWindow();
        RefreshWholeImage();
        return 0;
    }
    // The sender frees the rectangle.
    CRect rect(pRect->left, pRect->top, pRect->right + 1, pRect->bottom + 1);
    if (pDoc->m_pMen != nullptr && reinterpret_cast<CMirtBase*>(lParam) == static_cast<CMirtBase*>(pDoc->m_pMen)) {
        const CPoint ptScroll = GetDeviceScrollPosition();
        rect.OffsetRect(-ptScroll.x, -ptScroll.y);
        InvalidateRect(&rect);
    }
    return 0;
}

void CTolvaneView::OnInitialUpdate()
{
    SetScrollSizes(MM_TEXT, CSize(1, 1));
    CScrollView::OnInitialUpdate();
    if (CFormatBar* pBar = FormatBar(); pBar != nullptr && !m_bFontListFilled) {
        pBar->m_wndFontName.AddTrueTypeFamilies();
        m_bFontListFilled = 1;
    }
}

UINT CTolvaneView::SourceLayoutOf(const CMainDataList& index, UINT nLayoutID)
{
    const DWORD dwSource = nLayoutID >= kFirstUserForm ? index.FindSourceId(nLayoutID) : 0;
    return dwSource != 0 ? dwSource : nLayoutID;
}

BOOL CTolvaneView::ReadTmbFileMap(UINT nLayoutID)
{
    const UINT nKey = SourceLayoutOf(CMainDataList(), nLayoutID);
    CMirtEnv env;
    std::unique_ptr<CMapTmbFile> pMap(new CMapTmbFile);
    try {
        CFile file(env.m_strInstallRoot + TMBFILEMAP_FILE, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        pMap->Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        ReportMapError(e);
        e->Delete();
        return FALSE;
    }
    // A form without an entry plays no pictures of the form before it.
    const CTmbFile* pEntry = nKey <= 0xFFFF ? pMap->Lookup(static_cast<WORD>(nKey)) : nullptr;
    m_strTmbFrame = pEntry != nullptr ? pEntry->m_strDottedFrame : CString();
    m_strTmbCropMarks = pEntry != nullptr ? pEntry->m_strCropMarks : CString();
    return pEntry != nullptr;
}

void CTolvaneView::ReportMapError(CException* e)
{
    if (m_bMapErrorShown)
        return;
    m_bMapErrorShown = TRUE;
    const int nCause = ExceptionCause(e);
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)) && nCause == CFileException::fileNotFound) {
        AfxMessageBox("TMBFILEMAP.DATﾌｧｲﾙがありません", MB_ICONEXCLAMATION);
        return;
    }
    CString strMessage;
    strMessage.Format("ERROR: %d", nCause);
    AfxMessageBox(strMessage);
}

BOOL CTolvaneView::UpdateTitle(BOOL bRenew, int nLayoutID)
{
    if (m_strFormName.IsEmpty() || bRenew) {
        m_strFormName.Empty();
        if (nLayoutID > 0) {
            CMainDataList index;
            m_strSheetName.Empty();
            m_dwSheetValue = 0;
            m_strFormName = index.FindForm(static_cast<DWORD>(nLayoutID), m_strSheetName, m_dwSheetValue);
            if (static_cast<UINT>(nLayoutID) >= kFirstUserForm)
                index.FindForm(index.FindSourceId(static_cast<DWORD>(nLayoutID)), m_strSheetName, m_dwSheetValue);
            m_bSheetPresent = !m_strSheetName.IsEmpty();
        }
    }
    GetDocument()->SetTitle(m_strFormName + " " + GetDocument()->GetFileNameWithExt());
    return TRUE;
}
