#include <algorithm>
#include "win/winstate.h"
#include <shellapi.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_DROPFILES()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_KANA, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

// The part of a command's string before "\n" (its prompt) or after it
// (its tip).
CString PromptPart(UINT nID, int nPart)
{
    CString text;
    if (nID == 0 || !text.LoadString(nID))
        return CString();
    const int nBreak = text.Find('\n');
    if (nPart == 0)
        return nBreak < 0 ? text : text.Left(nBreak);
    return nBreak < 0 ? CString() : text.Mid(nBreak + 1);
}

// The frame's control bar a notification comes from: the bar itself, or
// the tool bar whose tool tips send it.
CControlBar* BarOfNotify(const CPtrList& bars, HWND hWndFrom)
{
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(bars.GetNext(pos));
        if (pBar->m_hWnd == hWndFrom
            || (pBar->IsKindOf(RUNTIME_CLASS(CToolBar))
                && reinterpret_cast<HWND>(pBar->SendMessage(TB_GETTOOLTIPS)) == hWndFrom))
            return pBar;
    }
    return nullptr;
}

// Sides in the order their bars are laid out.
const DWORD g_sides[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

DWORD SideOfDockBar(UINT nDockBarID)
{
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        return CBRS_ALIGN_TOP;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT:
        return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT:
        return CBRS_ALIGN_RIGHT;
    default:
        return 0;
    }
}

}  // namespace

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_nIDTracking(0), m_hMenuDefault(nullptr), m_hAccelTable(nullptr),
      m_dwDockStyle(0), m_pViewActive(nullptr)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr && (hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName)) == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    m_strTitle = lpszWindowName != nullptr ? lpszWindowName : "";
    const bool bDefault = ::EqualRect(&rect, &rectDefault) != FALSE;
    // A window that fails to be made deletes its object (PostNcDestroy).
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, bDefault ? CW_USEDEFAULT : rect.left,
            bDefault ? CW_USEDEFAULT : rect.top, bDefault ? CW_USEDEFAULT : rect.right - rect.left,
            bDefault ? CW_USEDEFAULT : rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    const HINSTANCE hInst = AfxGetResourceHandle();
    const LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), ::LoadIconA(hInst, lpszResource));
    const LPCSTR lpszMenu = ::FindResourceA(hInst, lpszResource, RT_MENU) != nullptr ? lpszResource : nullptr;
    if (!Create(lpszClass, PromptPart(nIDResource, 0), dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0,
            pContext))
        return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResource);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CCreateContext* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return pContext == nullptr || pContext->m_pNewViewClass == nullptr || CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    // A view that fails deletes itself.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = m_pViewActive;
    if (pView == nullptr) {
        CWnd* pWnd = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        if (pDoc != nullptr) {
            for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
                CView* pDocView = pDoc->GetNextView(pos);
                if (pDocView->GetParentFrame() == this)
                    pDocView->OnInitialUpdate();
            }
        }
        ActivateFrame();
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    if (IsWindowVisible())
        ::BringWindowToTop(m_hWnd);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    CString text = m_strTitle;
    if (bAddToTitle && pDoc != nullptr && !pDoc->GetTitle().IsEmpty()) {
        text = (GetStyle() & FWS_PREFIXTITLE) ? pDoc->GetTitle() + " - " + m_strTitle
                                               : m_strTitle + " - " + pDoc->GetTitle();
    }
    CString current;
    GetWindowText(current);
    if (current != text)
        SetWindowText(text);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr
        && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

void CFrameWnd::OnClose()
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && !pDoc->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    const HWND hWnd = m_hWnd;
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // The active document has been asked already.
        if (pDoc == nullptr && !pApp->SaveAllModified())
            return;
        // Closing the documents may destroy this frame with them.
        pApp->CloseAllDocuments(FALSE);
        if (!::IsWindow(hWnd))
            return;
    } else if (pDoc != nullptr && pDoc->GetFirstViewPosition() != nullptr) {
        pDoc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CView* pView = m_pViewActive;
    if (pView == nullptr)
        return;
    // A minimized frame that comes up cannot give its view the focus.
    if (nState == WA_INACTIVE)
        pView->OnActivateView(FALSE, pView, pView);
    else if (!bMinimized)
        pView->OnActivateView(TRUE, pView, pView);
    pView->OnActivateFrame(nState, this);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage = PromptPart(nID, 0);
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetControlBar(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const UINT nIDLast = m_nIDTracking;
    CWnd* pBar = GetMessageBar();
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        return nIDLast;
    CString text;
    if (lParam != 0) {
        text = reinterpret_cast<LPCSTR>(lParam);
    } else if (wParam != 0 && wParam != AFX_IDS_IDLEMESSAGE) {
        GetMessageString(static_cast<UINT>(wParam), text);
    } else if (!text.LoadString(AFX_IDS_IDLEMESSAGE)) {
        text = "レディ";
    }
    static_cast<CStatusBar*>(pBar)->SetPaneText(0, text);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr)   // the menu closed
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    else if (nFlags & (MF_SEPARATOR | MF_POPUP | MF_MENUBREAK | MF_MENUBARBREAK))
        SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(""));
    else
        SendMessage(WM_SETMESSAGESTRING, nItemID);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    const HMENU hMenu = pPopupMenu->GetSafeHmenu();
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(hMenu));
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        UINT nID = ::GetMenuItemID(hMenu, static_cast<int>(state.m_nIndex));
        state.m_pSubMenu = nullptr;
        if (nID == static_cast<UINT>(-1)) {
            // A popup follows the handler of its first item.
            const HMENU hSub = ::GetSubMenu(hMenu, static_cast<int>(state.m_nIndex));
            nID = hSub != nullptr ? ::GetMenuItemID(hSub, 0) : 0;
            if (nID == static_cast<UINT>(-1))
                continue;
            state.m_pSubMenu = CMenu::FromHandle(hSub);
        }
        if (nID == 0)
            continue;
        state.m_nID = nID;
        state.DoUpdate(this, m_bAutoMenuEnable && nID < 0xF000);
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    OnUpdateFrameTitle(TRUE);
    return 0;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVirtKey = VK_KANA;
    switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS:
        nVirtKey = VK_CAPITAL;
        break;
    case ID_INDICATOR_NUM:
        nVirtKey = VK_NUMLOCK;
        break;
    case ID_INDICATOR_SCRL:
        nVirtKey = VK_SCROLL;
        break;
    default:
        break;
    }
    pCmdUI->Enable(::GetKeyState(nVirtKey) & 1);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->IsVisible());
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    return TRUE;
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    if (pNMHDR->code == TTN_GETDISPINFOA) {
        // The bar's own handler (ON_NOTIFY_EX) first; the prompt's tip part
        // when it declines without a text of its own.
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        const UINT nID = (pInfo->uFlags & TTF_IDISHWND)
            ? static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)))
            : static_cast<UINT>(pNMHDR->idFrom);
        CControlBar* pBar = BarOfNotify(m_listControlBars, pNMHDR->hwndFrom);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        const LPSTR lpszBefore = pInfo->lpszText;
        if (pBar != nullptr && pBar->OnCmdMsg(nID, MAKELONG(TTN_GETDISPINFOA, WM_NOTIFY), &notify, nullptr))
            return TRUE;
        // A handler that let the request go on keeps a text of its own.
        if (pInfo->lpszText == lpszBefore || pInfo->lpszText == pInfo->szText) {
            lstrcpynA(pInfo->szText, PromptPart(nID, 1), ARRAYSIZE(pInfo->szText));
            pInfo->lpszText = pInfo->szText;
        }
        *pResult = 0;
        return TRUE;
    }
    return FALSE;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT)
{
    const DWORD dwAllowed = pBar->m_dwDockStyle & m_dwDockStyle;
    DWORD dwSide = SideOfDockBar(nDockBarID) & dwAllowed;
    for (DWORD dwCandidate : g_sides) {
        if (dwSide == 0 && (dwAllowed & dwCandidate))
            dwSide = dwCandidate;
    }
    if (dwSide == 0)
        return;
    pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | dwSide);
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (!bDelay)
        RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr)
        return;
    CRect rest;
    GetClientRect(&rest);
    // Bars that do not dock keep the outside, the docking bars come inside
    // them; each group top, bottom, left, right, in the order they were
    // made.
    for (int nPass = 0; nPass < 2 * 4; ++nPass) {
        const bool bDocking = nPass >= 4;
        const DWORD dwSide = g_sides[nPass % 4];
        for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
            CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
            if ((pBar->m_dwDockStyle != 0) != bDocking || (pBar->GetBarStyle() & CBRS_ALIGN_ANY) != dwSide
                || !pBar->IsVisible())
                continue;
            const BOOL bHorz = dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM;
            const CSize size = pBar->CalcFixedLayout(TRUE, bHorz);
            CRect rect = rest;
            if (dwSide == CBRS_ALIGN_TOP)
                rest.top = rect.bottom = std::min(rest.bottom, rest.top + size.cy);
            else if (dwSide == CBRS_ALIGN_BOTTOM)
                rest.bottom = rect.top = std::max(rest.top, rest.bottom - size.cy);
            else if (dwSide == CBRS_ALIGN_LEFT)
                rest.left = rect.right = std::min(rest.right, rest.left + size.cx);
            else
                rest.right = rect.left = std::max(rest.left, rest.right - size.cx);
            pBar->MoveWindow(&rect);
        }
    }
    if (HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST); hWndPane != nullptr)
        ::MoveWindow(hWndPane, rest.left, rest.top, rest.Width(), rest.Height(), TRUE);
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    ::SetActiveWindow(m_hWnd);
    const UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; ++i) {
        CString path;
        const UINT nLength = ::DragQueryFileA(hDropInfo, i, nullptr, 0);
        ::DragQueryFileA(hDropInfo, i, path.GetBuffer(static_cast<int>(nLength)), nLength + 1);
        path.ReleaseBuffer(static_cast<int>(nLength));
        AfxGetApp()->OpenDocumentFile(path);
    }
    ::DragFinish(hDropInfo);
}
