#include "frame/mainfrm.h"

#include "mirtmsgs.h"
#include "view/tolvaneview.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MENUSELECT()
    ON_COMMAND_EX(ID_VIEW_FORMATBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_EDITBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_PAGEBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FORMATBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_EDITBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PAGEBAR, OnUpdateControlBarMenu)
    ON_COMMAND(ID_LAYOUT_MODE, OnLayoutMode)
    ON_UPDATE_COMMAND_UI(ID_LAYOUT_MODE, OnUpdateLayoutMode)
    ON_COMMAND_RANGE(ID_ALIGN_LEFT, ID_ALIGN_DISTRIBUTED, OnAlign)
    ON_COMMAND_RANGE(ID_GRID_NONE, ID_GRID_SNAP, OnGridMode)
    ON_UPDATE_COMMAND_UI_RANGE(ID_GRID_NONE, ID_GRID_SNAP, OnUpdateGridMode)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_FIELDNAME, OnUpdateFieldName)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_PAGE, OnUpdatePage)
    ON_MESSAGE(MsgFaceSelected, OnFaceSelected)
    ON_MESSAGE(MsgCopyPicture, OnCopyPicture)
    ON_MESSAGE(MsgPastePicture, OnPastePicture)
    ON_MESSAGE(MsgDrawPicture, OnDrawPicture)
    ON_MESSAGE(MsgSetPicture, OnSetPicture)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_FIELDNAME, ID_INDICATOR_PAGE, ID_INDICATOR_KANA,
    ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// Commands whose prompt layout mode replaces, with the replacing string.
struct LayoutPrompt
{
    UINT nCommand;
    UINT nPrompt;
};
const LayoutPrompt kLayoutPrompts[] = {
    {ID_LAYOUT_MODE, IDS_LAYOUT_MODE_END},
    {ID_EDIT_CUT, IDS_LAYOUT_CUT},
    {ID_EDIT_COPY, IDS_LAYOUT_COPY},
    {ID_EDIT_PASTE, IDS_LAYOUT_PASTE},
    {ID_EDIT_CLEAR, IDS_LAYOUT_CLEAR},
};

const int kAlignCommandBase = ID_ALIGN_LEFT - 1;   // alignment 1 is left
const int kSpaceAttributeAlign = 8;                // MsgApplyToSpaces: alignment

}  // namespace

CMainFrame::CMainFrame() : m_mapPictures(10), m_bEntryMode(1), m_nGridMode(1), m_nAlign(0), m_cfPicture(0)
{
}

CMainFrame::~CMainFrame()
{
    ClearPictureCache();
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateMainBars())
        return -1;
    if (!CreatePageBar())
        return -1;
    if (!m_wndFormatBar.CreateOn(this) || !m_wndEditBar.CreateOn(this))
        return -1;
    DockControlBar(&m_wndFormatBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndEditBar, AFX_IDW_DOCKBAR_LEFT);
    return 0;
}

BOOL CMainFrame::CreateMainBars()
{
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(sizeof(kIndicators) / sizeof(kIndicators[0]))))
        return FALSE;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return TRUE;
}

BOOL CMainFrame::CreatePageBar()
{
    if (!m_wndPageBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY, ID_VIEW_PAGEBAR) ||
        !m_wndPageBar.LoadToolBar(IDR_PAGEBAR))
        return FALSE;
    m_wndPageBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_wndPageBar, AFX_IDW_DOCKBAR_BOTTOM);
    return TRUE;
}

CTolvaneView* CMainFrame::FormView() const
{
    CView* pView = GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CTolvaneView)) ? static_cast<CTolvaneView*>(pView)
                                                                            : nullptr;
}

void CMainFrame::OnLayoutMode()
{
    m_bEntryMode = !m_bEntryMode;
    if (CTolvaneView* pView = FormView(); pView != nullptr)
        pView->PostMessage(MsgLayoutModeSwitch, static_cast<WPARAM>(m_bEntryMode));
}

void CMainFrame::OnUpdateLayoutMode(CCmdUI* pCmdUI)
{
    const CTolvaneView* pView = FormView();
    pCmdUI->Enable(pView != nullptr && !pView->m_bDataLink);
    pCmdUI->SetCheck(!m_bEntryMode);
}

void CMainFrame::OnAlign(UINT nID)
{
    m_nAlign = static_cast<int>(nID) - kAlignCommandBase;
    CTolvaneView* pView = FormView();
    if (pView == nullptr)
        return;
    if (m_bEntryMode)
        pView->PostMessage(MsgApplyAttributes, 0);
    else
        pView->PostMessage(MsgApplyToSpaces, kSpaceAttributeAlign);
}

void CMainFrame::OnGridMode(UINT nID)
{
    m_nGridMode = static_cast<int>(nID - ID_GRID_NONE);
    CTolvaneView* pView = FormView();
    if (!m_bEntryMode && pView != nullptr && pView->m_nCurrentMen > 0)
        ::RedrawWindow(pView->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CMainFrame::OnUpdateGridMode(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(pCmdUI->m_nID == static_cast<UINT>(ID_GRID_NONE + m_nGridMode));
}

BOOL CMainFrame::GetLayoutPrompt(UINT nID, CString& strPrompt) const
{
    if (m_bEntryMode)
        return FALSE;
    for (const LayoutPrompt& prompt : kLayoutPrompts) {
        if (prompt.nCommand == nID)
            return strPrompt.LoadString(prompt.nPrompt);
    }
    return FALSE;
}

void CMainFrame::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    CFrameWnd::OnMenuSelect(nItemID, nFlags, hSysMenu);
    if (nFlags & (MF_SEPARATOR | MF_POPUP | MF_MENUBREAK | MF_MENUBARBREAK | MF_SYSMENU))
        return;
    CString strPrompt;
    if (GetLayoutPrompt(nItemID, strPrompt))
        SetMessageText(strPrompt);
}

void CMainFrame::OnUpdateFieldName(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
    pCmdUI->SetText(m_strFieldName);
}

void CMainFrame::OnUpdatePage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
    pCmdUI->SetText(m_strPageText);
}

LRESULT CMainFrame::OnFaceSelected(WPARAM wParam, LPARAM)
{
    if (CTolvaneView* pView = FormView(); pView != nullptr)
        pView->ShowMen(static_cast<int>(wParam));
    return 0;
}

LRESULT CMainFrame::OnCopyPicture(WPARAM wParam, LPARAM)
{
    if (FormView() == nullptr)
        return -1;
    CopyPictureToClipboard(reinterpret_cast<LPCSTR>(wParam));
    return 0;
}

LRESULT CMainFrame::OnPastePicture(WPARAM wParam, LPARAM)
{
    if (FormView() == nullptr)
        return -1;
    CString strPath;
    PastePictureFromClipboard(strPath);
    // A temporary file's path is shorter than MAX_PATH, so it fits the
    // caller's buffer with its terminator.
    if (!strPath.IsEmpty())
        lstrcpynA(reinterpret_cast<LPSTR>(wParam), strPath, MIRT_PICTURE_PATH);
    return 0;
}

LRESULT CMainFrame::OnDrawPicture(WPARAM wParam, LPARAM lParam)
{
    if (FormView() == nullptr)
        return -1;
    const tagDRAWPICTURE* pRequest = reinterpret_cast<const tagDRAWPICTURE*>(lParam);
    return DrawPicture(pRequest->pDC, *pRequest->pRect, reinterpret_cast<LPCSTR>(wParam), *pRequest->pFlag != 0);
}

LRESULT CMainFrame::OnSetPicture(WPARAM wParam, LPARAM)
{
    if (FormView() == nullptr)
        return -1;
    return LoadPicture(reinterpret_cast<LPCSTR>(wParam));
}
